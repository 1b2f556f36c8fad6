#include "core/savefile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

namespace zt {

namespace {

// A file that nobody may write: it is kept as it is, even by an administrator.
bool readOnlyFile(const QFileInfo& info)
{
    const auto anyWrite = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    return info.isFile() && !(info.permissions() & anyWrite);
}

} // namespace

QString writeProblem(const QString& path, int systemError, const QString& systemText)
{
    const QFileInfo info(path);
    const QString folder = QDir::toNativeSeparators(info.absolutePath());
    if (info.isDir())
        return QStringLiteral("esiste già una cartella con questo nome");
    if (!info.dir().exists())
        return QStringLiteral("la cartella %1 non esiste").arg(folder);
    if (readOnlyFile(info))
        return QStringLiteral("il file è in sola lettura e non è stato modificato");
    if (info.isFile() && !info.isWritable())
        return QStringLiteral("non si ha il permesso di modificare il file");
    switch (systemError) {
    case EACCES:
    case EPERM:
        return QStringLiteral("non si ha il permesso di scrivere nella cartella %1").arg(folder);
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return QStringLiteral("il disco è pieno");
    default:
        break;
    }
    if (systemText.isEmpty())
        return QStringLiteral("errore imprevisto del sistema");
    return QStringLiteral("errore imprevisto del sistema (%1)").arg(systemText);
}

bool saveWhole(const QString& path, const QByteArray& bytes, const QString& what, QString* error)
{
    int systemError = 0;
    QString systemText;
    const QFileInfo info(path);
    if (info.exists() && !info.isFile() && !info.isDir()) {
        // A device or a pipe (/dev/null, a named pipe): written into, never
        // replaced by a file of that name.
        QFile file(path);
        errno = 0;
        if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush())
            return true;
        systemError = errno;
        systemText = file.errorString();
    } else if (info.dir().exists() && !readOnlyFile(info)) {
        QSaveFile file(path);
        errno = 0;
        // commit() does not see a failure of the last buffered write (a full
        // disk): flush first.
        if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() &&
            file.flush() && file.commit())
            return true;
        systemError = errno;
        systemText = file.errorString();
        file.cancelWriting();
    }
    if (error)
        *error = QStringLiteral("Impossibile scrivere %1 %2: %3.")
                     .arg(what, QDir::toNativeSeparators(path),
                          writeProblem(path, systemError, systemText));
    return false;
}

} // namespace zt
