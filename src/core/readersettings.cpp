#include "core/readersettings.h"

#include <QSettings>
#include <QStringList>

namespace zt {

namespace {

const QString rectangleKey = QStringLiteral("Lettura/Rettangolo");
const QString newestKey = QStringLiteral("Lettura/Ultimo");

} // namespace

std::optional<QRect> rectangleFromText(const QString& text)
{
    const QStringList parts = text.split(u',');
    if (parts.size() != 4)
        return std::nullopt;
    int v[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        v[i] = parts[i].trimmed().toInt(&ok);
        if (!ok || v[i] < (i < 2 ? -100000 : 1) || v[i] > 100000)
            return std::nullopt;
    }
    return QRect(v[0], v[1], v[2], v[3]);
}

QString rectangleText(const QRect& r)
{
    return QStringLiteral("%1,%2,%3,%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

std::optional<NewestEnd> newestEndFromText(const QString& text)
{
    if (text == u"left")
        return NewestEnd::Left;
    if (text == u"right")
        return NewestEnd::Right;
    return std::nullopt;
}

QString newestEndText(NewestEnd end)
{
    return end == NewestEnd::Right ? QStringLiteral("right") : QStringLiteral("left");
}

ReaderSettings readReaderSettings(const QString& path)
{
    const QSettings s(path, QSettings::IniFormat);
    ReaderSettings r;
    QVariant rect = s.value(rectangleKey);
    const QString rectText = rect.userType() == QMetaType::QStringList
                                 ? rect.toStringList().join(u',')
                                 : rect.toString();
    if (const auto marked = rectangleFromText(rectText))
        r.rectangle = *marked;
    if (const auto end = newestEndFromText(s.value(newestKey).toString()))
        r.newest = *end;
    return r;
}

bool writeReaderSettings(const QString& path, const ReaderSettings& r)
{
    QSettings s(path, QSettings::IniFormat);
    if (r.rectangle.isEmpty())
        s.remove(rectangleKey);
    else
        s.setValue(rectangleKey, rectangleText(r.rectangle));
    s.setValue(newestKey, newestEndText(r.newest));
    s.sync();
    return s.status() == QSettings::NoError;
}

} // namespace zt
