#include "store/spinqueue.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace zt {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("SpinQueue", text);
}

QByteArray escaped(const QString& text)
{
    QByteArray out;
    for (const char c : text.toUtf8()) {
        if (c == '%' || c == '\t' || c == '\n' || c == '\r')
            out += '%' + QByteArray::number(uchar(c), 16).rightJustified(2, '0');
        else
            out += c;
    }
    return out;
}

QString unescaped(const QByteArray& bytes)
{
    return QString::fromUtf8(QByteArray::fromPercentEncoding(bytes));
}

QByteArray checksum(QByteArrayView bytes)
{
    return QByteArray::number(qChecksum(bytes), 16).rightJustified(4, '0');
}

QByteArray line(const QByteArrayList& fields)
{
    const QByteArray text = fields.join('\t');
    return text + '\t' + checksum(text) + '\n';
}

QByteArray spinLines(const WaitingSpin& s)
{
    QByteArray out = line({"uscita", QByteArray::number(s.key), escaped(s.numero),
                           escaped(s.memoria), escaped(s.tipo), escaped(s.ora)});
    if (s.row != 0)
        out += line({"riga", QByteArray::number(s.key), QByteArray::number(s.row)});
    return out;
}

// The fields of a line whose check holds; none otherwise.
QByteArrayList checkedFields(const QByteArray& text)
{
    const qsizetype tab = text.lastIndexOf('\t');
    if (tab < 0 || text.mid(tab + 1) != checksum(QByteArrayView(text).first(tab)))
        return {};
    return text.first(tab).split('\t');
}

qint64 number(const QByteArray& text)
{
    bool ok = false;
    const qint64 n = text.toLongLong(&ok);
    return ok && n > 0 ? n : 0;
}

// Makes what was written into the folder of `path` (a new or renamed file)
// last on disk.
bool syncFolder(const QString& path)
{
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(),
                          O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
#else
    Q_UNUSED(path);
    return true;
#endif
}

bool syncFile(QFile& file)
{
    if (!file.flush())
        return false;
#ifdef Q_OS_UNIX
    return ::fsync(file.handle()) == 0;
#else
    return true;
#endif
}

const char header[] = "# Zentrima 13: uscite in attesa di registrazione in dati.mdb. "
                      "Il programma le registra da solo: non modificare questo file.\n";

} // namespace

QString SpinQueue::pathFor(const QString& databasePath)
{
    return databasePath + QStringLiteral("-attesa");
}

void SpinQueue::setPath(const QString& path)
{
    if (spins_.empty())
        path_ = path;
}

bool SpinQueue::load(const QString& path)
{
    path_ = path;
    spins_.clear();
    problem_.clear();
    readable_ = true;
    saved_ = true;
    holds_ = false;
    QFile file(path);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly)) {
        readable_ = saved_ = false;
        problem_ = tr("Il file %1 delle uscite in attesa non si può leggere (%2)")
                       .arg(QFileInfo(path).fileName(), file.errorString());
        return false;
    }
    const QByteArrayList lines = file.readAll().split('\n');
    file.close();
    int damaged = lines.last().isEmpty() ? 0 : 1; // the last line cut short
    qint64 lastKey = 0;
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        const QByteArray& text = lines[i];
        if (text.isEmpty() || text.startsWith('#'))
            continue;
        const QByteArrayList f = checkedFields(text);
        const qint64 key = f.size() >= 2 ? number(f[1]) : 0;
        const auto found = std::find_if(spins_.begin(), spins_.end(),
                                        [&](const WaitingSpin& s) { return s.key == key; });
        const bool known = found != spins_.end();
        if (f.size() == 6 && f[0] == "uscita" && key > lastKey) {
            spins_.push_back(
                {key, unescaped(f[2]), unescaped(f[3]), unescaped(f[4]), unescaped(f[5]), 0});
        } else if (f.size() == 3 && f[0] == "riga" && number(f[2]) != 0) {
            if (known)
                found->row = number(f[2]);
        } else if (f.size() == 2 && (f[0] == "scritta" || f[0] == "tolta") && key != 0) {
            if (known)
                spins_.erase(found);
        } else {
            ++damaged;
            continue;
        }
        lastKey = std::max(lastKey, key);
    }
    nextKey_ = lastKey + 1;
    // Written again: without the damaged lines (a line cut short would spoil
    // the next one appended) and without the spins done with.
    saved_ = rewrite(spins_);
    holds_ = !spins_.empty(); // the old file does, if it could not be written again
    if (damaged == 0)
        return true;
    const QString name = QFileInfo(path).fileName();
    problem_ = (damaged == 1 ? tr("Nel file %1 una riga era danneggiata ed è stata tolta").arg(name)
                             : tr("Nel file %1 %2 righe erano danneggiate e sono state tolte")
                                   .arg(name)
                                   .arg(damaged)) +
               tr(": un'uscita in attesa di registrazione può essere andata persa");
    return false;
}

qint64 SpinQueue::add(WaitingSpin spin)
{
    spin.key = nextKey_++;
    spin.row = 0;
    const QByteArray lines = spinLines(spin);
    std::deque<WaitingSpin> next = spins_;
    next.push_back(std::move(spin));
    change(lines, std::move(next));
    return spins_.back().key;
}

bool SpinQueue::noteRows(const std::vector<std::pair<qint64, qint64>>& rows)
{
    QByteArray lines;
    std::deque<WaitingSpin> next = spins_;
    for (const auto& [key, row] : rows) {
        for (WaitingSpin& s : next) {
            if (s.key == key) {
                s.row = row;
                lines += line({"riga", QByteArray::number(key), QByteArray::number(row)});
            }
        }
    }
    return change(lines, std::move(next));
}

bool SpinQueue::written(const std::vector<qint64>& keys)
{
    QByteArray lines;
    std::deque<WaitingSpin> next;
    for (const WaitingSpin& s : spins_) {
        if (std::find(keys.begin(), keys.end(), s.key) == keys.end())
            next.push_back(s);
        else
            lines += line({"scritta", QByteArray::number(s.key)});
    }
    return change(lines, std::move(next));
}

bool SpinQueue::remove(qint64 key)
{
    std::deque<WaitingSpin> next = spins_;
    std::erase_if(next, [&](const WaitingSpin& s) { return s.key == key; });
    if (next.size() == spins_.size())
        return true;
    const std::deque<WaitingSpin> before = spins_;
    if (change(line({"tolta", QByteArray::number(key)}), std::move(next)) || !mayHoldSpins())
        return true; // a spin kept in memory only needs nothing on disk
    spins_ = before;
    return false;
}

bool SpinQueue::change(const QByteArray& lines, std::deque<WaitingSpin> next)
{
    spins_ = std::move(next);
    if (!readable_) // a file that could not be read is never overwritten
        return false;
    if (saved_ && append(lines)) {
        // Nothing waits: the file goes, its last lines on disk first (should
        // the removal not last, they say that nothing waits).
        if (spins_.empty())
            holds_ = !QFile::remove(path_);
        return true;
    }
    saved_ = rewrite(spins_);
    return saved_;
}

bool SpinQueue::failWrite()
{
    problem_ = tr("Il file %1 delle uscite in attesa non si può scrivere")
                   .arg(QFileInfo(path_).fileName());
    return false;
}

bool SpinQueue::append(const QByteArray& lines)
{
    const bool existed = QFileInfo::exists(path_);
    QFile file(path_);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return failWrite();
    holds_ = true; // whatever part of the lines reaches it
    const QByteArray bytes = existed ? lines : header + lines;
    if (file.write(bytes) != bytes.size() || !syncFile(file) || (!existed && !syncFolder(path_)))
        return failWrite();
    problem_.clear();
    return true;
}

bool SpinQueue::rewrite(const std::deque<WaitingSpin>& spins)
{
    if (spins.empty()) {
        if (QFileInfo::exists(path_) && !QFile::remove(path_))
            return failWrite();
        holds_ = false;
        problem_.clear();
        return true;
    }
    QByteArray bytes = header;
    for (const WaitingSpin& s : spins)
        bytes += spinLines(s);
    QSaveFile file(path_); // flushed to disk, then put in place of the old file
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return failWrite();
    holds_ = true;
    if (!syncFolder(path_))
        return failWrite();
    problem_.clear();
    return true;
}

} // namespace zt
