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
#include <utility>

namespace zt {

namespace {

struct CsvText {
    Q_DECLARE_TR_FUNCTIONS(Csv)
};


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

constexpr qint64 kNotANumber = -1;
constexpr qint64 kTooLarge = -2;

// The whole number the text spells (blanks around it aside), when it is at
// most max; kNotANumber or kTooLarge otherwise.
qint64 wholeNumber(QStringView text, qint64 max)
{
    text = trimmedBlanks(text);
    if (text.isEmpty())
        return kNotANumber;
    qint64 value = 0;
    bool tooLarge = false;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return kNotANumber;
        if (!tooLarge)
            value = value * 10 + (c.unicode() - u'0');
        tooLarge = tooLarge || value > max;
    }
    return tooLarge ? kTooLarge : value;
}


// The BLOB form of a quoted field: X'…' with an even number of hexadecimal
// digits.
bool isBlobForm(QStringView text)
{
    if (text.size() < 3 || (text[0] != u'X' && text[0] != u'x') || text[1] != u'\'' ||
        text.back() != u'\'' || text.size() % 2 == 0)
        return false;
    return std::all_of(text.begin() + 2, text.end() - 1, [](QChar c) {
        return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
    });
}

void appendField(QString& out, const QVariant& value)
{
    if (value.isNull())
        return;
    if (value.typeId() == QMetaType::QByteArray) {
        out += QLatin1String("\"X'") + QLatin1String(value.toByteArray().toHex().toUpper()) +
               QLatin1String("'\"");
        return;
    }
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

QString shownValue(QStringView text)
{
    constexpr int kLongest = 30;
    // The quotes of the language shown.
    if (text.size() <= kLongest)
        return CsvText::tr("«%1»").arg(printableText(text));
    return CsvText::tr("«%1…»").arg(printableText(text.first(kLongest)));
}

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
            CsvText::tr("riga %1: il testo non è in UTF-8").arg(firstBadUtf8Line(bytes));
        return;
    }
    fields_.reserve(kSpinCsvColumns);
    unquoted_.reserve(kSpinCsvColumns);
    // The header, when the first line is one, with either separator.
    int header = 0;
    for (QChar sep : {u',', u';'}) {
        header = headerWith(sep);
        if (header > 0)
            break;
    }
    if (header == 2) {
        format_ = Format::Table;
        start_ = pos_;
        startLine_ = line_;
    } else if (header == 1) {
        // Meant as a header, but not ours: no row can be read right.
        format_ = Format::Table;
        startFault_ = CsvText::tr("riga %1: l'intestazione non è %2")
                          .arg(recordLine_)
                          .arg(QLatin1String(kSpinCsvHeader));
    } else {
        // The separator of a list: ";" when the first line with a number has one.
        sep_ = u',';
        pos_ = 0;
        line_ = 1;
        const qsizetype n = text_.size();
        while (pos_ < n && (isBlank(text_[pos_]) || isLineEnd(text_[pos_]))) {
            if (isLineEnd(text_[pos_]))
                skipLineEnd();
            else
                ++pos_;
        }
        sepLine_ = 0;
        for (qsizetype p = pos_; p < n && !isLineEnd(text_[p]) && sepLine_ == 0; ++p) {
            if (text_[p] == u';' || text_[p] == u',') {
                sep_ = text_[p];
                sepLine_ = line_;
            }
        }
    }
    rewind();
}

int SpinCsvReader::headerWith(QChar sep)
{
    sep_ = sep;
    pos_ = 0;
    line_ = 1;
    error_.clear();
    if (!nextRecord())
        return 0;
    bool header = fields_.size() == size_t(kSpinCsvColumns);
    for (size_t i = 0; header && i < fields_.size(); ++i)
        header = trimmedBlanks(fields_[i].text)
                     .compare(QLatin1String(kColumnNames[i]), Qt::CaseInsensitive) == 0;
    if (header)
        return 2;
    return trimmedBlanks(fields_[0].text).compare(u"id", Qt::CaseInsensitive) == 0 ? 1 : 0;
}

bool SpinCsvReader::fault(int line, const QString& what)
{
    error_ = CsvText::tr("riga %1: %2").arg(line).arg(what);
    pos_ = text_.size();
    return false;
}

void SpinCsvReader::rewind()
{
    pos_ = newestFirst_ && format_ == Format::NumberList ? text_.size() : start_;
    line_ = startLine_;
    listCount_ = 0;
    afterComma_ = true;
    error_.clear();
}

bool SpinCsvReader::check()
{
    // Forward, whatever the order of reading: the faults are found in the
    // order of the lines.
    const bool newestFirst = std::exchange(newestFirst_, false);
    rewind();
    qint64 count = 0;
    while (next(nullptr))
        ++count;
    newestFirst_ = newestFirst;
    checked_ = error_.isEmpty();
    if (!checked_)
        return false;
    rows_ = count;
    rewind();
    return true;
}

bool SpinCsvReader::next(SpinCsvRow& row)
{
    if (newestFirst_ && format_ == Format::NumberList)
        return checked_ && previousListNumber(&row);
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
    recordStart_ = pos_;
    const QStringView all(text_);
    for (;;) {
        Field field;
        if (pos_ < n && text_[pos_] == u'"') {
            const int openedOn = line_;
            const qsizetype from = ++pos_;
            bool doubled = false;
            for (;;) {
                if (pos_ >= n)
                    return fault(openedOn, CsvText::tr("virgolette aperte e mai chiuse"));
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
            if (pos_ < n && text_[pos_] != sep_ && !atLineEnd())
                return fault(line_,
                             CsvText::tr("testo dopo le virgolette che chiudono un campo"));
        } else {
            const qsizetype from = pos_;
            while (pos_ < n && text_[pos_] != sep_ && !atLineEnd()) {
                if (text_[pos_] == u'"')
                    return fault(line_, CsvText::tr("virgolette dentro un campo che non è tra "
                                                       "virgolette"));
                ++pos_;
            }
            field.text = all.sliced(from, pos_ - from);
        }
        fields_.push_back(field);
        if (pos_ < n && text_[pos_] == sep_) {
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
    if (fields_.size() != size_t(kSpinCsvColumns)) {
        QString what =
            fields_.size() == 1
                ? CsvText::tr("1 campo invece di %1").arg(kSpinCsvColumns)
                : CsvText::tr("%1 campi invece di %2").arg(fields_.size()).arg(kSpinCsvColumns);
        const QChar other = sep_ == u',' ? u';' : u',';
        if (QStringView(text_).sliced(recordStart_, pos_ - recordStart_).contains(other))
            what += CsvText::tr(" (i campi di questo file sono separati da «%1», come "
                                   "nell'intestazione, non da «%2»)")
                        .arg(sep_)
                        .arg(other);
        return fault(line, what);
    }
    // A value as it is stored: NULL, a text, or the bytes of a BLOB.
    const auto value = [](const Field& f) -> QVariant {
        if (f.quoted && isBlobForm(f.text)) {
            QByteArray bytes = QByteArray::fromHex(f.text.sliced(2, f.text.size() - 3).toLatin1());
            if (bytes.isNull())
                bytes = QByteArray(""); // an empty BLOB, not NULL
            return bytes;
        }
        return f.text.isEmpty() && !f.quoted ? QVariant() : QVariant(f.text.toString());
    };
    // The text a number is read from: a BLOB's bytes as UTF-8.
    const auto numberText = [&](const Field& f) {
        const QVariant v = value(f);
        return v.typeId() == QMetaType::QByteArray ? QString::fromUtf8(v.toByteArray())
                                                   : f.text.toString();
    };
    const QString numero = numberText(fields_[1]);
    const QString memoria = numberText(fields_[2]);
    if (const QString problem = spinValuesProblem(numero, memoria, fields_[3].text);
        !problem.isEmpty())
        return fault(line, problem);
    const QStringView type = trimmedBlanks(fields_[3].text);
    if (row) {
        row->numero = value(fields_[1]);
        row->memoria = value(fields_[2]);
        row->tipo = type.isEmpty() ? 0 : type.front().unicode() - u'0';
        row->cima = value(fields_[4]);
        row->memcima = value(fields_[5]);
        row->note = value(fields_[6]);
    }
    return true;
}

QString spinValuesProblem(QStringView numero, QStringView memoria, QStringView tipo)
{
    if (trimmedBlanks(numero).isEmpty())
        return CsvText::tr("Numero è vuoto");
    if (wholeNumber(numero, 36) < 0)
        return CsvText::tr("Numero %1 non è un numero da 0 a 36").arg(shownValue(numero));
    if (trimmedBlanks(memoria).isEmpty())
        return CsvText::tr("Memoria è vuota");
    const qint64 memory = wholeNumber(memoria, INT_MAX);
    if (memory == kTooLarge)
        return CsvText::tr("Memoria %1 supera %2, il valore più alto ammesso")
            .arg(shownValue(memoria))
            .arg(INT_MAX);
    if (memory < 1)
        return CsvText::tr("Memoria %1 non è un numero intero positivo").arg(shownValue(memoria));
    const QStringView type = trimmedBlanks(tipo);
    if (!type.isEmpty() && type != u"1" && type != u"2")
        return CsvText::tr("Tipo %1 non è 1, 2 o vuoto").arg(shownValue(tipo));
    return {};
}

bool SpinCsvReader::isListSeparator(QChar c) const
{
    return isBlank(c) || isLineEnd(c) || c == sep_;
}

void SpinCsvReader::listRow(qint64 number, SpinCsvRow* row)
{
    if (row) {
        // As the board records the spins of one game.
        *row = SpinCsvRow();
        row->numero = signText(number);
        row->memoria = signText(std::min<qint64>(listCount_, History::DefaultSize) + 1);
        row->tipo = listTipo_;
    }
    ++listCount_;
}

bool SpinCsvReader::nextListNumber(SpinCsvRow* row)
{
    const qsizetype n = text_.size();
    const QChar other = sep_ == u',' ? u';' : u',';
    while (pos_ < n) {
        const QChar c = text_[pos_];
        if (isBlank(c)) {
            ++pos_;
        } else if (isLineEnd(c)) {
            skipLineEnd();
            afterComma_ = true;
        } else if (c == sep_) {
            if (afterComma_)
                return fault(line_, sep_ == u','
                                        ? CsvText::tr("manca un numero prima di una virgola")
                                        : CsvText::tr("manca un numero prima di un «;»"));
            afterComma_ = true;
            ++pos_;
        } else if (c == other) {
            QString what = CsvText::tr("«%1» non separa i numeri di questo elenco, che usa «%2»")
                               .arg(other)
                               .arg(sep_);
            if (sepLine_ > 0)
                what += CsvText::tr(" (come la riga %1)").arg(sepLine_);
            return fault(line_, what);
        } else {
            const qsizetype from = pos_;
            while (pos_ < n && !isListSeparator(text_[pos_]) && text_[pos_] != other)
                ++pos_;
            const QStringView token = QStringView(text_).sliced(from, pos_ - from);
            const qint64 number = wholeNumber(token, 36);
            if (number < 0)
                return fault(line_,
                             CsvText::tr("%1 non è un numero da 0 a 36").arg(shownValue(token)));
            afterComma_ = false;
            listRow(number, row);
            return true;
        }
    }
    return false;
}

bool SpinCsvReader::previousListNumber(SpinCsvRow* row)
{
    // After check(): every token is a number, every other character a separator.
    while (pos_ > 0 && isListSeparator(text_[pos_ - 1]))
        --pos_;
    if (pos_ == 0)
        return false;
    const qsizetype end = pos_;
    while (pos_ > 0 && !isListSeparator(text_[pos_ - 1]))
        --pos_;
    listRow(wholeNumber(QStringView(text_).sliced(pos_, end - pos_), 36), row);
    return true;
}

} // namespace zt
