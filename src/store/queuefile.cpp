#include "queuefile.h"

#include "core/savefile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <memory>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zt::queuefile {

namespace {

struct QueueText {
    Q_DECLARE_TR_FUNCTIONS(SpinQueue)
};

} // namespace

bool syncFolder(const QString& path)
{
    const int fd = ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(),
                          O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}

QString notAFile(const QString& path)
{
    struct stat st;
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0 || S_ISREG(st.st_mode))
        return {};
    if (S_ISLNK(st.st_mode))
        return QueueText::tr("è un collegamento simbolico");
    const QString kind = notAFileProblem(path);
    return kind.isEmpty() ? QueueText::tr("non è un file normale") : kind;
}

bool exists(const QString& path)
{
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0;
}

Reading readQueueFile(const QString& path, QByteArray* bytes, QString* cause)
{
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        const int why = errno;
        if (why == ENOENT)
            return Reading::Missing;
        *cause = notAFile(path);
        if (!cause->isEmpty())
            return Reading::NotAFile;
        *cause = systemProblem(why);
        return Reading::Unreadable;
    }
    const std::unique_ptr<const int, void (*)(const int*)> closer(
        &fd, [](const int* f) { ::close(*f); });
    struct stat st;
    if (::fstat(fd, &st) != 0) {
        *cause = systemProblem(errno);
        return Reading::Unreadable;
    }
    if (!S_ISREG(st.st_mode)) {
        *cause = notAFile(path);
        if (cause->isEmpty())
            *cause = QueueText::tr("non è un file normale");
        return Reading::NotAFile;
    }
    // A file nobody may read is left alone, even by an administrator.
    if ((st.st_mode & (S_IRUSR | S_IRGRP | S_IROTH)) == 0) {
        *cause = systemProblem(EACCES);
        return Reading::Unreadable;
    }
    if (st.st_size > kLargestInput)
        return Reading::TooLarge;
    bytes->reserve(qsizetype(st.st_size) + 1); // it may have grown meanwhile
    if (const int read = readAll(fd, kLargestInput, bytes); read != 0) {
        if (read < 0)
            return Reading::TooLarge;
        *cause = systemProblem(read);
        return Reading::Unreadable;
    }
    return Reading::Done;
}

} // namespace zt::queuefile
