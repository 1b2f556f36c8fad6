#include "core/spincsv.h"

#include "core/history.h"
#include "core/report.h"
#include "core/textrules.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include <algorithm>
#include <cerrno>
#include <climits>

namespace zt {

namespace {

const char* const kColumnNames[kSpinCsvColumns] = {"id",   "Numero",  "Memoria", "Tipo",
                                                   "Cima", "Memcima", "Note"};

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

bool isLineEnd(QChar c)
{
    return c == u'\r' || c == u'\n';
}

QStringView trimmedBlanks(QStringView t)
{
    while (!t.isEmpty() && isBlank(t.front()))
        t = t.sliced(1);
    while (!t.isEmpty() && isBlank(t.back()))
        t.chop(1);
    return t;
}

// The whole number the text spells (blanks around it aside), when it is at
// most max; -1 otherwise.
qint64 wholeNumber(QStringView text, qint64 max)
{
    text = trimmedBlanks(text);
    if (text.isEmpty())
        return -1;
    qint64 value = 0;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return -1;
        value = value * 10 + (c.unicode() - u'0');
        if (value > max)
            return -1;
    }
    return value;
}

// A value as a message shows it: «text», cut short when long.
QString shown(QStringView text)
{
    constexpr int kLongest = 30;
    if (text.size() <= kLongest)
        return u'«' + text.toString() + u'»';
    return u'«' + text.first(kLongest).toString() + QStringLiteral("…»");
}

void appendField(QString& out, const QVariant& value)
{
    if (value.isNull())
        return;
    const QString text = value.toString();
    if (text.isEmpty()) {
        out += QLatin1String("\"\"");
        return;
    }
    const bool quote = std::any_of(text.begin(), text.end(),
                                   [](QChar c) { return c == u',' || c == u'"' || isLineEnd(c); });
    if (!quote) {
        out += text;
        return;
    }
    out += u'"';
    for (QChar c : text) {
        if (c == u'"')
            out += u'"';
        out += c;
    }
    out += u'"';
}

// The line (1 = first) of the first byte sequence that is not UTF-8.
int firstBadUtf8Line(const QByteArray& bytes)
{
    int line = 1;
    qsizetype from = 0;
    const qsizetype n = bytes.size();
    while (from <= n) {
        qsizetype end = from;
        while (end < n && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString ignored = decoder(QByteArrayView(bytes).sliced(from, end - from));
        if (decoder.hasError())
            return line;
        if (end < n && bytes[end] == '\r' && end + 1 < n && bytes[end + 1] == '\n')
            ++end;
        from = end + 1;
        ++line;
    }
    return line;
}

} // namespace

void appendSpinCsvHeader(QString& out)
{
    out += QLatin1String(kSpinCsvHeader);
    out += QLatin1String("\r\n");
}

void appendSpinCsvRow(QString& out, const QVariant (&values)[kSpinCsvColumns])
{
    for (int i = 0; i < kSpinCsvColumns; ++i) {
        if (i > 0)
            out += u',';
        appendField(out, values[i]);
    }
    out += QLatin1String("\r\n");
}

SpinCsvReader::SpinCsvReader(const QByteArray& bytes, int listTipo) : listTipo_(listTipo)
{
    QStringDecoder decoder(QStringDecoder::Utf8,
                           QStringDecoder::Flag::Stateless); // drops a byte-order mark
    text_ = decoder(bytes);
    if (decoder.hasError()) {
        startFault_ =
            QStringLiteral("riga %1: il testo non è in UTF-8").arg(firstBadUtf8Line(bytes));
        return;
    }
    fields_.reserve(kSpinCsvColumns);
    unquoted_.reserve(kSpinCsvColumns);
    // The header, when the first line is one.
    if (nextRecord()) {
        bool header = fields_.size() == size_t(kSpinCsvColumns);
        for (size_t i = 0; header && i < fields_.size(); ++i)
            header = trimmedBlanks(fields_[i].text)
                         .compare(QLatin1String(kColumnNames[i]), Qt::CaseInsensitive) == 0;
        if (header) {
            format_ = Format::Table;
            start_ = pos_;
            startLine_ = line_;
        } else if (trimmedBlanks(fields_[0].text).compare(u"id", Qt::CaseInsensitive) == 0) {
            // Meant as a header, but not ours: no row can be read right.
            format_ = Format::Table;
            startFault_ = QStringLiteral("riga %1: l'intestazione non è %2")
                              .arg(recordLine_)
                              .arg(QLatin1String(kSpinCsvHeader));
        }
    }
    rewind();
}

bool SpinCsvReader::fault(int line, const QString& what)
{
    error_ = QStringLiteral("riga %1: %2").arg(line).arg(what);
    pos_ = text_.size();
    return false;
}

void SpinCsvReader::rewind()
{
    pos_ = start_;
    line_ = startLine_;
    listCount_ = 0;
    afterComma_ = true;
    error_.clear();
}

bool SpinCsvReader::check()
{
    rewind();
    qint64 count = 0;
    while (next(nullptr))
        ++count;
    if (!error_.isEmpty())
        return false;
    rows_ = count;
    rewind();
    return true;
}

bool SpinCsvReader::next(SpinCsvRow& row)
{
    return next(&row);
}

bool SpinCsvReader::next(SpinCsvRow* row)
{
    if (!startFault_.isEmpty()) {
        error_ = startFault_;
        return false;
    }
    if (!error_.isEmpty())
        return false;
    return format_ == Format::Table ? nextTableRow(row) : nextListNumber(row);
}

bool SpinCsvReader::atLineEnd() const
{
    return pos_ < text_.size() && isLineEnd(text_[pos_]);
}

void SpinCsvReader::skipLineEnd()
{
    if (text_[pos_] == u'\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == u'\n')
        ++pos_;
    ++pos_;
    ++line_;
}

bool SpinCsvReader::nextRecord()
{
    fields_.clear();
    unquoted_.clear();
    const qsizetype n = text_.size();
    // Empty and blank lines hold no row.
    for (;;) {
        qsizetype p = pos_;
        while (p < n && isBlank(text_[p]))
            ++p;
        if (p == n)
            pos_ = n;
        if (pos_ == n)
            return false;
        if (!isLineEnd(text_[p]))
            break;
        pos_ = p;
        skipLineEnd();
    }
    recordLine_ = line_;
    const QStringView all(text_);
    for (;;) {
        Field field;
        if (pos_ < n && text_[pos_] == u'"') {
            const int openedOn = line_;
            const qsizetype from = ++pos_;
            bool doubled = false;
            for (;;) {
                if (pos_ >= n)
                    return fault(openedOn, QStringLiteral("virgolette aperte e mai chiuse"));
                if (text_[pos_] == u'"') {
                    if (pos_ + 1 < n && text_[pos_ + 1] == u'"') {
                        doubled = true;
                        pos_ += 2;
                        continue;
                    }
                    break;
                }
                if (atLineEnd())
                    skipLineEnd();
                else
                    ++pos_;
            }
            field.text = all.sliced(from, pos_ - from);
            field.quoted = true;
            ++pos_; // the closing quote
            if (doubled) {
                unquoted_.push_back(
                    field.text.toString().replace(QLatin1String("\"\""), QLatin1String("\"")));
                field.text = unquoted_.back();
            }
            if (pos_ < n && text_[pos_] != u',' && !atLineEnd())
                return fault(line_,
                             QStringLiteral("testo dopo le virgolette che chiudono un campo"));
        } else {
            const qsizetype from = pos_;
            while (pos_ < n && text_[pos_] != u',' && !atLineEnd()) {
                if (text_[pos_] == u'"')
                    return fault(line_, QStringLiteral("virgolette dentro un campo che non è tra "
                                                       "virgolette"));
                ++pos_;
            }
            field.text = all.sliced(from, pos_ - from);
        }
        fields_.push_back(field);
        if (pos_ < n && text_[pos_] == u',') {
            ++pos_;
            continue;
        }
        if (pos_ < n)
            skipLineEnd();
        return true;
    }
}

bool SpinCsvReader::nextTableRow(SpinCsvRow* row)
{
    if (!nextRecord())
        return false;
    const int line = recordLine_;
    if (fields_.size() != size_t(kSpinCsvColumns))
        return fault(
            line,
            fields_.size() == 1
                ? QStringLiteral("1 campo invece di %1").arg(kSpinCsvColumns)
                : QStringLiteral("%1 campi invece di %2").arg(fields_.size()).arg(kSpinCsvColumns));
    const Field& numero = fields_[1];
    const Field& memoria = fields_[2];
    const Field& tipo = fields_[3];
    if (trimmedBlanks(numero.text).isEmpty())
        return fault(line, QStringLiteral("Numero è vuoto"));
    if (wholeNumber(numero.text, 36) < 0)
        return fault(line,
                     QStringLiteral("Numero %1 non è un numero da 0 a 36").arg(shown(numero.text)));
    if (trimmedBlanks(memoria.text).isEmpty())
        return fault(line, QStringLiteral("Memoria è vuota"));
    if (wholeNumber(memoria.text, INT_MAX) < 1)
        return fault(
            line,
            QStringLiteral("Memoria %1 non è un numero intero positivo").arg(shown(memoria.text)));
    const QStringView type = trimmedBlanks(tipo.text);
    if (!type.isEmpty() && type != u"1" && type != u"2")
        return fault(line, QStringLiteral("Tipo %1 non è 1, 2 o vuoto").arg(shown(tipo.text)));
    if (row) {
        const auto text = [](const Field& f) {
            return f.text.isEmpty() && !f.quoted ? QString() : f.text.toString();
        };
        row->numero = numero.text.toString();
        row->memoria = memoria.text.toString();
        row->tipo = type.isEmpty() ? 0 : type.front().unicode() - u'0';
        row->cima = text(fields_[4]);
        row->memcima = text(fields_[5]);
        row->note = text(fields_[6]);
    }
    return true;
}

bool SpinCsvReader::nextListNumber(SpinCsvRow* row)
{
    const qsizetype n = text_.size();
    while (pos_ < n) {
        const QChar c = text_[pos_];
        if (isBlank(c)) {
            ++pos_;
        } else if (isLineEnd(c)) {
            skipLineEnd();
            afterComma_ = true;
        } else if (c == u',') {
            if (afterComma_)
                return fault(line_, QStringLiteral("manca un numero prima di una virgola"));
            afterComma_ = true;
            ++pos_;
        } else {
            const qsizetype from = pos_;
            while (pos_ < n && !isBlank(text_[pos_]) && !isLineEnd(text_[pos_]) &&
                   text_[pos_] != u',')
                ++pos_;
            const QStringView token = QStringView(text_).sliced(from, pos_ - from);
            const qint64 number = wholeNumber(token, 36);
            if (number < 0)
                return fault(line_,
                             QStringLiteral("%1 non è un numero da 0 a 36").arg(shown(token)));
            afterComma_ = false;
            if (row) {
                // As the board records the spins of one game.
                *row = SpinCsvRow();
                row->numero = signText(number);
                row->memoria = signText(std::min<qint64>(listCount_, History::DefaultSize) + 1);
                row->tipo = listTipo_;
            }
            ++listCount_;
            return true;
        }
    }
    return false;
}

} // namespace zt
