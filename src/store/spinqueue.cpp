#include "store/spinqueue.h"

#include "core/savefile.h"
#include "core/spincsv.h"
#include "core/textrules.h"
#include "queuefile.h"
#include "store/spintimes.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <array>
#include <cerrno>
#include <limits>
#include <memory>
#include <unordered_map>
#include <unordered_set>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zt {

using namespace queuefile;

namespace {

struct QueueText {
    Q_DECLARE_TR_FUNCTIONS(SpinQueue)
};

void appendEscaped(QByteArray& out, const QString& text)
{
    if (std::all_of(text.begin(), text.end(), [](QChar c) {
            return c.unicode() < 0x80 && c != u'%' && c != u'\t' && c != u'\n' && c != u'\r';
        })) {
        for (const QChar c : text)
            out += char(c.unicode());
        return;
    }
    for (const char c : text.toUtf8()) {
        if (c == '%' || c == '\t' || c == '\n' || c == '\r')
            out += '%' + QByteArray::number(uchar(c), 16).rightJustified(2, '0');
        else
            out += c;
    }
}

QString unescaped(QByteArrayView bytes)
{
    if (!bytes.contains('%'))
        return QString::fromUtf8(bytes);
    return QString::fromUtf8(QByteArray::fromPercentEncoding(bytes.toByteArray()));
}

// The texts of a field that takes few values (Numero, Memoria, Tipo), made
// once each: a file of many spins holds each of them many times.
class TextCache {
public:
    QString text(QByteArrayView bytes)
    {
        if (bytes.size() > 4)
            return unescaped(bytes);
        quint64 packed = 0; // one number for each text
        for (const char c : bytes)
            packed = packed << 8 | uchar(c);
        packed |= quint64(bytes.size()) << 32;
        const auto [at, added] = texts_.try_emplace(packed);
        if (added)
            at->second = unescaped(bytes);
        return at->second;
    }

private:
    std::unordered_map<quint64, QString> texts_;
};

// Ends the line begun at `from` in out: a tab, its check, a line end.
void endLine(QByteArray& out, qsizetype from)
{
    const quint16 check = qChecksum(QByteArrayView(out).sliced(from));
    static constexpr char hex[] = "0123456789abcdef";
    out += '\t';
    for (int shift = 12; shift >= 0; shift -= 4)
        out += hex[(check >> shift) & 0xf];
    out += '\n';
}

void appendLine(QByteArray& out, const char* kind, qint64 key, qint64 value = 0)
{
    const qsizetype from = out.size();
    out += kind;
    out += '\t';
    out += QByteArray::number(key);
    if (value != 0) {
        out += '\t';
        out += QByteArray::number(value);
    }
    endLine(out, from);
}

void appendSpin(QByteArray& out, const WaitingSpin& s)
{
    const qsizetype from = out.size();
    out += "uscita\t";
    out += QByteArray::number(s.key);
    for (const QString* field : {&s.numero, &s.memoria, &s.tipo, &s.ora}) {
        out += '\t';
        appendEscaped(out, *field);
    }
    endLine(out, from);
    if (s.row != 0)
        appendLine(out, "riga", s.key, s.row);
}

// Puts the fields of a line whose check holds into `fields` and gives their
// number; 0 for a line whose check fails or that has too many fields.
constexpr int kMostFields = 6;
int checkedFields(QByteArrayView text, std::array<QByteArrayView, kMostFields>& fields)
{
    const qsizetype tab = text.size() - 5;
    if (tab < 0 || text[tab] != '\t')
        return 0;
    uint check = 0; // four lower-case hexadecimal digits
    for (const char c : text.sliced(tab + 1)) {
        const int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
        if (digit < 0)
            return 0;
        check = check * 16 + uint(digit);
    }
    if (check != qChecksum(text.first(tab)))
        return 0;
    text = text.first(tab);
    for (int n = 0; n < kMostFields;) {
        const qsizetype to = text.indexOf('\t');
        fields[size_t(n++)] = to < 0 ? text : text.first(to);
        if (to < 0)
            return n;
        text = text.sliced(to + 1);
    }
    return 0;
}

// The whole number the decimal digits spell, when it is from 1 to max; 0
// otherwise (also for a sign, a blank or anything else than digits).
qint64 positive(QByteArrayView text, qint64 max)
{
    if (text.isEmpty() || text.size() > 19)
        return 0;
    quint64 n = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return 0;
        n = n * 10 + quint64(c - '0');
    }
    return n >= 1 && n <= quint64(max) ? qint64(n) : 0;
}

QString keyProblem(QByteArrayView key)
{
    return QueueText::tr("la chiave %1 non è un numero da 1 a %2")
        .arg(shownValue(unescaped(key)))
        .arg(SpinQueue::kLastKey);
}

QString notAFileSaid(const QString& name, const QString& kind)
{
    return QueueText::tr("Il file %1 delle uscite in attesa %2 e il programma non lo usa")
        .arg(name, kind);
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
    if (spins_.empty() && !unread_)
        path_ = path;
}

bool SpinQueue::load(const QString& path)
{
    path_ = path;
    spins_.clear();
    nextKey_ = 1;
    saved_ = true;
    holds_ = false;
    return read();
}

bool SpinQueue::readAgain()
{
    if (unread_)
        read();
    return !unread_;
}

bool SpinQueue::read()
{
    problem_.clear();
    unread_ = keep_ = false;
    const QString name = QFileInfo(path_).fileName();
    QByteArray bytes;
    QString cause;
    switch (readQueueFile(path_, &bytes, &cause)) {
    case Reading::Missing:
        saved_ = rewrite(spins_); // spins kept in memory meanwhile
        return true;
    case Reading::NotAFile:
        // Holds no spin the program would ever read, and is never written.
        holds_ = false;
        saved_ = spins_.empty();
        problem_ = notAFileSaid(name, cause);
        return false;
    case Reading::Unreadable:
        // It may hold spins older than any entered now: it is read again
        // before anything is written, and never overwritten.
        unread_ = keep_ = true;
        keptUpTo_ = 0;
        saved_ = false;
        holds_ = true;
        problem_ = QueueText::tr("Il file %1 delle uscite in attesa non si può leggere (%2)")
                       .arg(name, cause);
        return false;
    case Reading::TooLarge: {
        const QString said = QueueText::tr("Il file %1 delle uscite in attesa supera i %2 MB che "
                                           "si possono leggere e non è stato letto")
                                 .arg(name)
                                 .arg(kLargestInput >> 20) +
                             setAside();
        if (!keep_)
            saved_ = rewrite(spins_);
        problem_ = said;
        return false;
    }
    case Reading::Done:
        break;
    }
    std::deque<WaitingSpin> found;
    const Lines lines = parse(bytes, found);
    bytes = QByteArray();
    // Keys from here on: whatever the file held, they stay small.
    for (WaitingSpin& s : found)
        s.key = nextKey_++;
    for (WaitingSpin& s : spins_) // those added meanwhile come after them
        found.push_back(std::move(s));
    spins_.swap(found);
    QStringList problems;
    if (lines.damaged > 0)
        problems
            << (lines.damaged == 1
                    ? QueueText::tr("Nel file %1 una riga era danneggiata ed è stata tolta")
                          .arg(name)
                    : QueueText::tr("Nel file %1 %2 righe erano danneggiate e sono state tolte")
                          .arg(name)
                          .arg(lines.damaged)) +
                   QueueText::tr(": un'uscita in attesa di registrazione può essere andata persa");
    if (lines.invalid > 0)
        problems << (lines.invalid == 1
                         ? QueueText::tr("Nel file %1 la riga %2 non è valida (%3) e non è stata "
                                         "registrata")
                               .arg(name)
                               .arg(lines.firstInvalid)
                               .arg(lines.why)
                         : QueueText::tr("Nel file %1 %2 righe non sono valide (la prima è la riga "
                                         "%3: %4) e non sono state registrate")
                               .arg(name)
                               .arg(lines.invalid)
                               .arg(lines.firstInvalid)
                               .arg(lines.why));
    QString said = problems.join(QStringLiteral(". "));
    // Lines that are not the program's own: the file is kept as it was for
    // the player to look at, and the spins in it wait in a new one.
    if (lines.invalid > 0)
        said += setAside();
    if (keep_) {
        problem_ = said;
        return false;
    }
    // Written again: without the damaged lines (a line cut short would spoil
    // the next one appended) and without the spins done with.
    saved_ = rewrite(spins_);
    holds_ = saved_ ? !spins_.empty() : holds_ || !spins_.empty();
    if (!said.isEmpty())
        problem_ = saved_ ? said : said + QStringLiteral("; ") + problem_;
    return said.isEmpty() && saved_;
}

SpinQueue::Lines SpinQueue::parse(const QByteArray& bytes, std::deque<WaitingSpin>& found)
{
    Lines lines;
    const auto invalid = [&](int at, const QString& why) {
        if (lines.invalid++ == 0) {
            lines.firstInvalid = at;
            lines.why = why;
        }
    };
    // Each key's place in `found`; a spin done with stays, as gone.
    std::unordered_map<qint64, size_t> place;
    place.reserve(size_t(bytes.size() / 48));
    std::vector<char> gone;
    TextCache numeros, memorias, tipi;
    int number = 0;
    for (qsizetype from = 0; from < bytes.size();) {
        const qsizetype end = bytes.indexOf('\n', from);
        ++number;
        if (end < 0) { // the last line cut short
            ++lines.damaged;
            break;
        }
        const QByteArrayView text = QByteArrayView(bytes).sliced(from, end - from);
        from = end + 1;
        if (text.isEmpty() || text.startsWith('#'))
            continue;
        std::array<QByteArrayView, kMostFields> f;
        const int fields = checkedFields(text, f);
        const QByteArrayView kind = fields == 0 ? QByteArrayView() : f[0];
        const qint64 key = fields >= 2 ? positive(f[1], kLastKey) : 0;
        const auto at = key != 0 ? place.find(key) : place.end();
        const bool known = at != place.end() && !gone[at->second];
        if (fields == 6 && kind == "uscita") {
            WaitingSpin s{
                key, numeros.text(f[2]), memorias.text(f[3]), tipi.text(f[4]), unescaped(f[5]), 0};
            QString why =
                key == 0 ? keyProblem(f[1]) : spinValuesProblem(s.numero, s.memoria, s.tipo);
            if (why.isEmpty() && !isSpinTimeText(s.ora))
                why = QueueText::tr("Ora %1 non è un'ora valida").arg(shownValue(s.ora));
            if (!why.isEmpty()) {
                invalid(number, why);
            } else if (at != place.end()) { // the same spin twice
                ++lines.damaged;
            } else {
                place.emplace(key, found.size());
                found.push_back(std::move(s));
                gone.push_back(0);
            }
        } else if (fields == 3 && kind == "riga") {
            const qint64 row = positive(f[2], std::numeric_limits<qint64>::max());
            if (key == 0)
                invalid(number, keyProblem(f[1]));
            else if (row == 0)
                invalid(number, QueueText::tr("l'id di riga %1 non è un numero da 1 a %2")
                                    .arg(shownValue(unescaped(f[2])))
                                    .arg(std::numeric_limits<qint64>::max()));
            else if (known)
                found[at->second].row = row;
        } else if (fields == 2 && (kind == "scritta" || kind == "tolta")) {
            if (key == 0)
                invalid(number, keyProblem(f[1]));
            else if (known)
                gone[at->second] = 1;
        } else {
            ++lines.damaged;
        }
    }
    size_t kept = 0;
    for (size_t i = 0; i < found.size(); ++i) {
        if (!gone[i])
            found[kept++] = std::move(found[i]);
    }
    found.resize(kept);
    return lines;
}

QString SpinQueue::setAside()
{
    QString kept;
    for (int n = 1; n < 1000 && kept.isEmpty(); ++n) {
        const QString name = path_ + QStringLiteral("-scartato") +
                             (n == 1 ? QString() : QStringLiteral("-%1").arg(n));
        if (!exists(name))
            kept = name;
    }
    if (kept.isEmpty() ||
        ::rename(QFile::encodeName(path_).constData(), QFile::encodeName(kept).constData()) != 0) {
        // Never overwritten then: its spins wait until it can be.
        keep_ = true;
        keptUpTo_ = nextKey_ - 1;
        saved_ = false;
        holds_ = true;
        return QueueText::tr("; il file non si può mettere da parte e resta com'era: le sue "
                             "uscite restano in attesa");
    }
    syncFolder(path_);
    return QueueText::tr("; il file com'era è conservato come %1").arg(QFileInfo(kept).fileName());
}

qint64 SpinQueue::add(WaitingSpin spin)
{
    spin.key = nextKey_++;
    spin.row = 0;
    QByteArray lines;
    appendSpin(lines, spin);
    spins_.push_back(std::move(spin));
    change(lines);
    return spins_.back().key;
}

bool SpinQueue::noteRows(const std::vector<std::pair<qint64, qint64>>& rows)
{
    QByteArray lines;
    const std::unordered_map<qint64, qint64> rowOf(rows.begin(), rows.end());
    for (WaitingSpin& s : spins_) {
        if (const auto it = rowOf.find(s.key); it != rowOf.end()) {
            s.row = it->second;
            appendLine(lines, "riga", s.key, s.row);
        }
    }
    return change(lines);
}

bool SpinQueue::written(const std::vector<qint64>& keys)
{
    QByteArray lines;
    const std::unordered_set<qint64> done(keys.begin(), keys.end());
    std::deque<WaitingSpin> next;
    for (const WaitingSpin& s : spins_) {
        if (!done.contains(s.key))
            next.push_back(s);
        else
            appendLine(lines, "scritta", s.key);
    }
    spins_ = std::move(next);
    return change(lines);
}

bool SpinQueue::remove(qint64 key)
{
    std::deque<WaitingSpin> next = spins_;
    std::erase_if(next, [&](const WaitingSpin& s) { return s.key == key; });
    if (next.size() == spins_.size())
        return true;
    QByteArray lines;
    appendLine(lines, "tolta", key);
    std::swap(spins_, next); // next: as before
    // A spin kept in memory only needs nothing on disk; nor does one added
    // after a file that is left as it was was read.
    if (change(lines) || !mayHoldSpins() || (keep_ && key > keptUpTo_))
        return true;
    spins_ = std::move(next);
    return false;
}

bool SpinQueue::change(const QByteArray& lines)
{
    if (keep_) // a file that could not be read or set aside is never overwritten
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
    if (const QString kind = notAFile(path_); !kind.isEmpty()) {
        // Never written through, nor replaced.  (The file that held the
        // spins may still be somewhere: they are written only once it can
        // be noted.)
        problem_ = notAFileSaid(QFileInfo(path_).fileName(), kind);
        return false;
    }
    problem_ = QueueText::tr("Il file %1 delle uscite in attesa non si può scrivere")
                   .arg(QFileInfo(path_).fileName());
    return false;
}

bool SpinQueue::append(const QByteArray& lines)
{
    // Never through a symbolic link, never blocking on a pipe, and only into
    // a regular file.
    const int fd =
        ::open(QFile::encodeName(path_).constData(),
               O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0)
        return failWrite();
    const std::unique_ptr<const int, void (*)(const int*)> closer(
        &fd, [](const int* f) { ::close(*f); });
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
        return failWrite();
    holds_ = true; // whatever part of the lines reaches it
    const bool created = st.st_size == 0;
    const QByteArray bytes = created ? header + lines : lines;
    if (!writeAll(fd, bytes) || ::fsync(fd) != 0 || (created && !syncFolder(path_)))
        return failWrite();
    problem_.clear();
    return true;
}

bool SpinQueue::rewrite(const std::deque<WaitingSpin>& spins)
{
    if (!notAFile(path_).isEmpty())
        return failWrite();
    if (spins.empty()) {
        if (exists(path_) && !QFile::remove(path_))
            return failWrite();
        holds_ = false;
        problem_.clear();
        return true;
    }
    QByteArray bytes = header;
    bytes.reserve(bytes.size() + qsizetype(spins.size()) * 64);
    for (const WaitingSpin& s : spins)
        appendSpin(bytes, s);
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
