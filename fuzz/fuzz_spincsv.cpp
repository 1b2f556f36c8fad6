// The reader of CSV files and number lists over arbitrary bytes: a check that
// passes promises exactly the rows read afterwards, a fault names a line of
// the file, a list read newest first gives its numbers the other way round,
// and rows of the table format written out again read back the same.

#include "core/spincsv.h"
#include "core/textrules.h"
#include "fuzzsupport.h"

namespace {

std::vector<zt::SpinCsvRow> readAll(zt::SpinCsvReader& reader)
{
    std::vector<zt::SpinCsvRow> rows;
    zt::SpinCsvRow row;
    while (reader.next(row))
        rows.push_back(row);
    return rows;
}

// The same value: NULL, a text or bytes, and the same characters or bytes.
bool eq(const QVariant& x, const QVariant& y)
{
    if (x.isNull() || y.isNull() || x.typeId() != y.typeId())
        return x.isNull() == y.isNull() && x.typeId() == y.typeId();
    return x.typeId() == QMetaType::QByteArray ? x.toByteArray() == y.toByteArray()
                                               : x.toString() == y.toString();
}

bool same(const zt::SpinCsvRow& a, const zt::SpinCsvRow& b)
{
    return eq(a.numero, b.numero) && eq(a.memoria, b.memoria) && a.tipo == b.tipo &&
           eq(a.cima, b.cima) && eq(a.memcima, b.memcima) && eq(a.note, b.note);
}

QString text(const QVariant& v)
{
    return v.typeId() == QMetaType::QByteArray ? QString::fromUtf8(v.toByteArray()) : v.toString();
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
        const double number = zt::leadingNumber(text(row.numero));
        ZT_FUZZ_CHECK(number >= 0 && number <= 36 && zt::leadingNumber(text(row.memoria)) >= 1);
        if (reader.format() == zt::SpinCsvReader::Format::NumberList)
            ZT_FUZZ_CHECK(row.tipo == 2 && row.note.isNull() &&
                          row.memoria.toString() ==
                              zt::signText(qint64(std::min<size_t>(i, 36)) + 1));
    }
    if (reader.format() != zt::SpinCsvReader::Format::Table) {
        // Newest first: the same numbers the other way round, one game from the last.
        zt::SpinCsvReader back(bytes, 2);
        back.setNewestFirst(true);
        ZT_FUZZ_CHECK(back.check());
        const std::vector<zt::SpinCsvRow> reversed = readAll(back);
        ZT_FUZZ_CHECK(reversed.size() == rows.size());
        for (size_t i = 0; i < rows.size(); ++i)
            ZT_FUZZ_CHECK(reversed[i].numero == rows[rows.size() - 1 - i].numero &&
                          reversed[i].memoria == rows[i].memoria);
        return 0;
    }
    QString out;
    zt::appendSpinCsvHeader(out);
    for (const zt::SpinCsvRow& r : rows)
        zt::appendSpinCsvRow(out,
                             {QVariant(), r.numero, r.memoria,
                              r.tipo ? QVariant(r.tipo) : QVariant(), r.cima, r.memcima, r.note});
    zt::SpinCsvReader again(out.toUtf8());
    ZT_FUZZ_CHECK(again.check());
    const std::vector<zt::SpinCsvRow> back = readAll(again);
    ZT_FUZZ_CHECK(back.size() == rows.size());
    for (size_t i = 0; i < rows.size(); ++i)
        ZT_FUZZ_CHECK(same(rows[i], back[i]));
    return 0;
}
