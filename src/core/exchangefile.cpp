#include "core/exchangefile.h"

#include "core/textrules.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace zt {

namespace {

constexpr qint64 readLimit = 4096;

QString decodeSingleByte(const QByteArray& bytes)
{
    QStringDecoder decoder("windows-1252");
    if (!decoder.isValid())
        return QString::fromLatin1(bytes);
    return decoder.decode(bytes);
}

// The text without the blanks (U+0020 only) before and after it.
QString withoutBlanks(QStringView text)
{
    while (text.startsWith(u' '))
        text = text.sliced(1);
    while (text.endsWith(u' '))
        text.chop(1);
    return text.toString();
}

} // namespace

std::optional<ExchangeSpin> readExchangeFile(QStringView lastStamp, const QString& path)
{
    // A FIFO or a directory of that name is not a file to read.
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.read(readLimit);
    file.close();
    if (bytes.size() < 13)
        return std::nullopt;
    const QString text = decodeSingleByte(bytes);
    if (text.size() < 13)
        return std::nullopt;
    ExchangeSpin spin{text.mid(12), withoutBlanks(QStringView(text).left(10))};
    const double number = leadingNumber(spin.numberText);
    if (!(number >= 1 && number <= 36) || spin.stamp == withoutBlanks(lastStamp))
        return std::nullopt;
    return spin;
}

} // namespace zt
