// The reader of CSV files and number lists over arbitrary bytes: a check that
// passes promises exactly the rows read afterwards, a fault names a line of
// the file, and rows of the table format written out again read back the same.

#include "core/spincsv.h"
#include "core/textrules.h"
#include "fuzzsupport.h"

namespace {

QVariant orNull(const QString& text)
{
    return text.isNull() ? QVariant() : QVariant(text);
}

std::vector<zt::SpinCsvRow> readAll(zt::SpinCsvReader& reader)
{
    std::vector<zt::SpinCsvRow> rows;
    zt::SpinCsvRow row;
    while (reader.next(row))
        rows.push_back(row);
    return rows;
}

bool same(const zt::SpinCsvRow& a, const zt::SpinCsvRow& b)
{
    const auto eq = [](const QString& x, const QString& y) {
        return x.isNull() == y.isNull() && x == y;
    };
    return eq(a.numero, b.numero) && eq(a.memoria, b.memoria) && a.tipo == b.tipo &&
           eq(a.cima, b.cima) && eq(a.memcima, b.memcima) && eq(a.note, b.note);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    zt::SpinCsvReader reader(bytes, 2);
    if (!reader.check()) {
        const qsizetype lines = bytes.count('\n') + bytes.count('\r') + 1;
        ZT_FUZZ_CHECK(reader.error().startsWith(u"riga "));
        const int line = reader.error().section(u' ', 1, 1).section(u':', 0, 0).toInt();
        ZT_FUZZ_CHECK(line >= 1 && line <= lines);
        return 0;
    }
    const std::vector<zt::SpinCsvRow> rows = readAll(reader);
    ZT_FUZZ_CHECK(reader.error().isEmpty() && qint64(rows.size()) == reader.rowCount());
    for (size_t i = 0; i < rows.size(); ++i) {
        const zt::SpinCsvRow& row = rows[i];
        const double number = zt::leadingNumber(row.numero);
        ZT_FUZZ_CHECK(number >= 0 && number <= 36 && zt::leadingNumber(row.memoria) >= 1);
        if (reader.format() == zt::SpinCsvReader::Format::NumberList)
            ZT_FUZZ_CHECK(row.tipo == 2 && row.note.isNull() &&
                          row.memoria == zt::signText(qint64(std::min<size_t>(i, 36)) + 1));
    }
    if (reader.format() != zt::SpinCsvReader::Format::Table)
        return 0;
    QString text;
    zt::appendSpinCsvHeader(text);
    for (const zt::SpinCsvRow& r : rows)
        zt::appendSpinCsvRow(text, {QVariant(), r.numero, r.memoria,
                                    r.tipo ? QVariant(r.tipo) : QVariant(), orNull(r.cima),
                                    orNull(r.memcima), orNull(r.note)});
    zt::SpinCsvReader again(text.toUtf8());
    ZT_FUZZ_CHECK(again.check());
    const std::vector<zt::SpinCsvRow> back = readAll(again);
    ZT_FUZZ_CHECK(back.size() == rows.size());
    for (size_t i = 0; i < rows.size(); ++i)
        ZT_FUZZ_CHECK(same(rows[i], back[i]));
    return 0;
}
