#include "core/savefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstdio>
#include <memory>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zt {

namespace {

struct FilesText {
    Q_DECLARE_TR_FUNCTIONS(Files)
};

// A file that nobody may write: it is kept as it is, even by an administrator.
bool readOnlyFile(const QFileInfo& info)
{
    const auto anyWrite = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    return info.isFile() && !(info.permissions() & anyWrite);
}

QString shownPath(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

QString kindProblem(mode_t mode)
{
    if (S_ISDIR(mode))
        return FilesText::tr("è una cartella");
    if (S_ISFIFO(mode))
        return FilesText::tr("non è un file normale (è una pipe)");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return FilesText::tr("non è un file normale (è un dispositivo)");
    if (S_ISSOCK(mode))
        return FilesText::tr("non è un file normale (è un socket)");
    return S_ISREG(mode) ? QString() : FilesText::tr("non è un file normale");
}

QString writeFailure(const QString& what, const QString& path, const QString& cause)
{
    return FilesText::tr("Impossibile scrivere %1 %2: %3.").arg(what, shownPath(path), cause);
}

// A device or a pipe: written into, never replaced by a file.
bool isStream(const QString& path)
{
    const QFileInfo info(path);
    return path == u"-" || (info.exists() && !info.isFile() && !info.isDir());
}

} // namespace

int readAll(int fd, qint64 limit, QByteArray* bytes)
{
    constexpr qsizetype kChunk = 1 << 20;
    bytes->resize(0); // the room reserved stays
    for (;;) {
        const qsizetype at = bytes->size();
        bytes->resize(at + kChunk);
        const ssize_t got = ::read(fd, bytes->data() + at, size_t(kChunk));
        if (got < 0) {
            bytes->resize(at);
            if (errno == EINTR)
                continue;
            return errno;
        }
        bytes->resize(at + got);
        if (got == 0)
            return 0;
        if (bytes->size() > limit) {
            bytes->clear();
            return -1;
        }
    }
}

bool writeAll(int fd, const QByteArray& bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

QString systemProblem(int systemError)
{
    switch (systemError) {
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return FilesText::tr("il disco è pieno");
    case EACCES:
    case EPERM:
        return FilesText::tr("non si ha il permesso");
    case EROFS:
        return FilesText::tr("il disco è in sola lettura");
    case EIO:
        return FilesText::tr("errore di lettura o scrittura del disco");
    case ENOENT:
        return FilesText::tr("non esiste");
    case ENOTDIR:
        return FilesText::tr("una parte del percorso non è una cartella");
    case EISDIR:
        return FilesText::tr("è una cartella");
    case ENAMETOOLONG:
        return FilesText::tr("il nome è troppo lungo");
    case ELOOP:
        return FilesText::tr("il percorso gira in tondo tra collegamenti simbolici");
    case EBADF:
        return FilesText::tr("è chiuso");
    case EPIPE:
        return FilesText::tr("il programma che leggeva ha chiuso il collegamento");
    case EFBIG:
        return FilesText::tr("il file supererebbe la dimensione massima");
    case EMFILE:
    case ENFILE:
        return FilesText::tr("ci sono troppi file aperti");
    case ENOMEM:
        return FilesText::tr("la memoria è esaurita");
    case EINVAL:
        return FilesText::tr("il sistema non accetta l'operazione su questo file");
    case ENXIO:
    case ENODEV:
        return FilesText::tr("il dispositivo non risponde");
    case EAGAIN:
        return FilesText::tr("il file non è pronto; riprovare");
    case 0:
        return FilesText::tr("errore imprevisto del sistema");
    default:
        return FilesText::tr("errore del sistema numero %1").arg(systemError);
    }
}

QString notAFileProblem(const QString& path)
{
    struct stat st;
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &st) != 0)
        return {};
    return kindProblem(st.st_mode);
}

QString notAFileSentence(const QString& path, const QString& name)
{
    struct stat st;
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &st) != 0 ||
        S_ISREG(st.st_mode))
        return {};
    // A whole sentence, the name its subject.
    if (S_ISDIR(st.st_mode))
        return FilesText::tr("%1 è una cartella").arg(name);
    if (S_ISFIFO(st.st_mode))
        return FilesText::tr("%1 non è un file normale (è una pipe)").arg(name);
    if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode))
        return FilesText::tr("%1 non è un file normale (è un dispositivo)").arg(name);
    if (S_ISSOCK(st.st_mode))
        return FilesText::tr("%1 non è un file normale (è un socket)").arg(name);
    return FilesText::tr("%1 non è un file normale").arg(name);
}

QString canonicalTarget(const QString& path)
{
    if (path == u"-")
        return path;
    const QFileInfo info(path);
    if (info.exists())
        return info.canonicalFilePath();
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return (folder.isEmpty() ? info.absolutePath() : folder) + u'/' + info.fileName();
}

bool readWhole(const QString& path, qint64 limit, QByteArray* bytes, QString* error)
{
    const bool standardInput = path == u"-";
    const auto fail = [&](const QString& cause) {
        bytes->clear();
        if (error)
            *error = standardInput
                         ? FilesText::tr("Impossibile leggere lo standard input: %1.").arg(cause)
                         : FilesText::tr("Impossibile leggere il file %1: %2.")
                               .arg(shownPath(path), cause);
        return false;
    };
    int fd = STDIN_FILENO;
    if (!standardInput) {
        // Not blocking on a pipe nobody writes: it is refused, not waited for.
        fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) {
            const int why = errno;
            if (why == EACCES)
                return fail(FilesText::tr("non si ha il permesso di leggerlo"));
            return fail(why == EISDIR ? kindProblem(S_IFDIR) : systemProblem(why));
        }
    }
    const std::unique_ptr<int, void (*)(int*)> closer(standardInput ? nullptr : &fd,
                                                      [](int* f) { ::close(*f); });
    struct stat st;
    if (::fstat(fd, &st) != 0)
        return fail(systemProblem(errno));
    if (!standardInput) {
        if (const QString kind = kindProblem(st.st_mode); !kind.isEmpty())
            return fail(kind);
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    }
    const QString tooLarge =
        FilesText::tr("supera i %1 MB che si possono leggere in una volta").arg(limit >> 20);
    if (S_ISREG(st.st_mode) && st.st_size > limit)
        return fail(tooLarge);
    const int read = readAll(fd, limit, bytes);
    if (read < 0)
        return fail(tooLarge);
    if (read > 0)
        return fail(read == EISDIR ? kindProblem(S_IFDIR) : systemProblem(read));
    return true;
}

QString writeProblem(const QString& path, int systemError)
{
    const QFileInfo info(path);
    const QString folder = shownPath(info.absolutePath());
    if (info.isDir())
        return FilesText::tr("esiste già una cartella con questo nome");
    if (!info.dir().exists()) {
        // The nearest part of the path that is there: a file where a folder
        // should be is said as such.
        QString part = info.absolutePath();
        while (!QFileInfo::exists(part) && part != QDir::cleanPath(part + QStringLiteral("/..")))
            part = QDir::cleanPath(part + QStringLiteral("/.."));
        if (QFileInfo::exists(part) && !QFileInfo(part).isDir())
            return FilesText::tr("%1 è un file, non una cartella").arg(shownPath(part));
        return FilesText::tr("la cartella %1 non esiste").arg(folder);
    }
    if (readOnlyFile(info))
        return FilesText::tr("il file è in sola lettura e non è stato modificato");
    if (info.isFile() && !info.isWritable())
        return FilesText::tr("non si ha il permesso di modificare il file");
    if (systemError == EACCES || systemError == EPERM)
        return FilesText::tr("non si ha il permesso di scrivere nella cartella %1").arg(folder);
    if (systemError == ENOENT) // a folder of the system's own, as /proc
        return FilesText::tr("nella cartella %1 non si possono creare file").arg(folder);
    return systemProblem(systemError);
}

bool checkOutput(const QString& path, const QString& what, QString* error)
{
    if (path == u"-") {
        const int flags = ::fcntl(STDOUT_FILENO, F_GETFL);
        if (flags >= 0 && (flags & O_ACCMODE) != O_RDONLY)
            return true;
        if (error)
            *error = FilesText::tr("Impossibile scrivere sullo standard output: %1.")
                         .arg(systemProblem(EBADF));
        return false;
    }
    if (isStream(path))
        return true;
    const auto fail = [&](int systemError) {
        if (error)
            *error = writeFailure(what, path, writeProblem(path, systemError));
        return false;
    };
    const QFileInfo info(path);
    if (!info.dir().exists() || readOnlyFile(info) || info.isDir())
        return fail(0);
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        return fail(errno);
    file.cancelWriting(); // the copy goes with the object; the file stays as it was
    return true;
}

bool writeStandardOutput(const QByteArray& bytes, QString* error)
{
    std::fflush(stdout);
    if (writeAll(STDOUT_FILENO, bytes))
        return true;
    if (error)
        *error = FilesText::tr("Impossibile scrivere sullo standard output: %1.")
                     .arg(systemProblem(errno));
    return false;
}

void Outputs::add(const QString& path, const QString& what, const QByteArray& bytes)
{
    outputs_.push_back({path, what, bytes});
}

bool Outputs::write(QString* error)
{
    std::vector<std::unique_ptr<QSaveFile>> files(outputs_.size());
    const auto fail = [&](const QString& message) {
        for (auto& file : files) {
            if (file)
                file->cancelWriting();
        }
        if (error)
            *error = message;
        return false;
    };
    // The files, each in full beside its place.
    for (size_t i = 0; i < outputs_.size(); ++i) {
        const Output& o = outputs_[i];
        if (isStream(o.path))
            continue;
        const QFileInfo info(o.path);
        if (!info.dir().exists() || readOnlyFile(info) || info.isDir())
            return fail(writeFailure(o.what, o.path, writeProblem(o.path, 0)));
        files[i] = std::make_unique<QSaveFile>(o.path);
        errno = 0;
        // commit() does not see a failure of the last buffered write (a full
        // disk): flush first.
        if (!files[i]->open(QIODevice::WriteOnly) || files[i]->write(o.bytes) != o.bytes.size() ||
            !files[i]->flush())
            return fail(writeFailure(o.what, o.path, writeProblem(o.path, errno)));
    }
    // Standard output, devices and pipes: what cannot be taken back.
    for (const Output& o : outputs_) {
        if (!isStream(o.path))
            continue;
        QString message;
        if (o.path == u"-") {
            if (!writeStandardOutput(o.bytes, &message))
                return fail(message);
            continue;
        }
        QFile device(o.path);
        errno = 0;
        if (!device.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
            device.write(o.bytes) != o.bytes.size())
            return fail(writeFailure(o.what, o.path, systemProblem(errno)));
    }
    for (size_t i = 0; i < outputs_.size(); ++i) {
        errno = 0;
        if (files[i] && !files[i]->commit()) {
            const Output& o = outputs_[i];
            return fail(writeFailure(o.what, o.path, writeProblem(o.path, errno)));
        }
    }
    return true;
}

bool saveWhole(const QString& path, const QByteArray& bytes, const QString& what, QString* error)
{
    Outputs one;
    one.add(path, what, bytes);
    return one.write(error);
}

} // namespace zt
