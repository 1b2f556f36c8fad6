#pragma once
// The command texts of the data sources on dati.mdb.  They are fixed texts:
// nothing typed by the player ever becomes part of one.

#include <QString>
#include <QStringView>

namespace zt {

// The outcome viewer's command when it opens: every row.
inline QString viewerCommand()
{
    return QStringLiteral(
        "SELECT id, Numero, Memoria, Tipo, Cima, Memcima, note FROM USCITE ORDER BY ID");
}

// The notes window's command: the rows that carry a note.
inline QString notesCommand()
{
    return QStringLiteral("SELECT ID, NOTE FROM USCITE WHERE NOTE IS NOT NULL ORDER BY ID");
}

// The viewer's command for the text chosen in its game-type filter: "Live"
// lists the rows of type 1, "Spin" those of type 2, any other text every row.
inline QString viewerTypeCommand(QStringView typeText)
{
    QString sql =
        QStringLiteral("SELECT id, Numero, Memoria, Tipo, Cima, Memcima, Note FROM Uscite");
    if (typeText == u"Live")
        sql += QStringLiteral(" WHERE Tipo = 1");
    else if (typeText == u"Spin")
        sql += QStringLiteral(" WHERE tipo = 2");
    return sql + QStringLiteral(" ORDER BY id");
}

} // namespace zt
