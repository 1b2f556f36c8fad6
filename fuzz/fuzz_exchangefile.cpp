// The exchange-file reader over arbitrary file content: a spin is taken
// exactly when the file holds a new stamp and a number from 1 to 36, the
// parts it returns are the parts of the file, and the same content is never
// taken twice.

#include "core/textrules.h"
#include "core/exchangefile.h"
#include "fuzzsupport.h"

#include <QFile>
#include <QStringDecoder>
#include <QTemporaryDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryDir dir;
    static const QString path = dir.filePath(QStringLiteral("numero.txt"));
    const QByteArray content(reinterpret_cast<const char*>(data), qsizetype(size));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(content) != qint64(size))
            std::abort();
    }

    // What the file says, read as the single-byte text it is.
    QStringDecoder decoder("windows-1252");
    const QString text = decoder.decode(content.left(4096));
    // Only blanks are taken off around a stamp; other white space counts.
    const auto blanksOff = [](QString s) {
        while (s.startsWith(u' '))
            s.remove(0, 1);
        while (s.endsWith(u' '))
            s.chop(1);
        return s;
    };
    const QString stamp = blanksOff(text.left(10));
    const bool inRange = [&] {
        const double n = zt::leadingNumber(QStringView(text).mid(12));
        return n >= 1 && n <= 36;
    }();

    for (const QString& last : {QStringLiteral("CM_Tempo"), stamp, QStringLiteral(" ") + stamp,
                               QString()}) {
        const std::optional<zt::ExchangeSpin> spin = zt::readExchangeFile(last, path);
        const bool expected = text.size() >= 13 && inRange && stamp != blanksOff(last);
        ZT_FUZZ_CHECK(spin.has_value() == expected);
        if (!spin)
            continue;
        ZT_FUZZ_CHECK(spin->stamp == stamp);
        ZT_FUZZ_CHECK(spin->numberText == text.mid(12));
        ZT_FUZZ_CHECK(!zt::readExchangeFile(spin->stamp, path));
    }
    return 0;
}
