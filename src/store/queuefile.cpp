#include "queuefile.h"

#include "core/savefile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
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
    bytes->resize(qsizetype(st.st_size) + 1);
    qsizetype got = 0;
    for (;;) { // it may have grown meanwhile
        if (got == bytes->size()) {
            if (got > kLargestInput)
                return Reading::TooLarge;
            bytes->resize(std::min<qsizetype>(got * 2, kLargestInput + 1));
        }
        const ssize_t n = ::read(fd, bytes->data() + got, size_t(bytes->size() - got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            *cause = systemProblem(errno);
            return Reading::Unreadable;
        }
        if (n == 0)
            break;
        got += n;
    }
    bytes->resize(got);
    return Reading::Done;
}

} // namespace zt::queuefile
