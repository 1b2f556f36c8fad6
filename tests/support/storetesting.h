#pragma once
// Direct access to dati.mdb for the store tests, through a connection that
// is closed again before the call returns.

#include "testsupport.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <QtTest>

namespace zt::test {

// Runs the statements on dati.mdb in the working directory and returns the
// first column of the rows of the last one.  A failing statement fails the
// calling test (after the call returns: check QTest::currentTestFailed()).
inline QVariantList sql(const QStringList& statements)
{
    QVariantList out;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "test-sql");
        db.setDatabaseName(QStringLiteral("dati.mdb"));
        if (!db.open())
            qWarning("cannot open dati.mdb");
        QSqlQuery q(db);
        for (const QString& s : statements) {
            out.clear();
            if (!q.exec(s)) {
                QTest::qFail(qPrintable(s + ": " + q.lastError().text()), __FILE__, __LINE__);
                break;
            }
            while (q.next())
                out << q.value(0);
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("test-sql"));
    return out;
}

inline QVariantList sql(const QString& statement)
{
    return sql(QStringList{statement});
}

inline QByteArray fileBytes()
{
    return fileBytes(QStringLiteral("dati.mdb"));
}

// The table as the program creates it.
inline const QString usciteTable =
    QStringLiteral("CREATE TABLE Uscite (id INTEGER PRIMARY KEY AUTOINCREMENT, Numero TEXT, "
                   "Memoria TEXT, Tipo INTEGER, Cima TEXT, Memcima TEXT, Note TEXT)");

} // namespace zt::test
