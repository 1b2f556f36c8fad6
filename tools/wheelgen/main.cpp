// Draws the wheel picture of the wheel window and writes it as a GIF89a
// (with --english, the picture of the English windows: the same wheel with
// the sectors' English names); with --icons, draws the program's icon
// (icon.cpp) as an SVG and as PNGs.
//
// Regenerate the committed picture from the repository root with
//
//     cmake --preset default
//     cmake --build --preset default --target wheel_picture
//
// (or run build/default/tools/wheelgen/wheelgen <output.gif> yourself).  The
// pockets, colours and sectors come from src/wheel/wheellayout.h, the text
// is drawn in DejaVu Sans Bold (Debian package fonts-dejavu-core).  The output
// is the same, byte for byte, on every run with the same Qt and font; check it
// with `git diff --stat resources/wheel.gif` after regenerating.
//
// The picture is drawn antialiased with QPainter and then reduced to an
// indexed picture: index 0 is the transparent colour, which no pixel uses;
// the flat colours of the layout keep their exact values, and the edge colours
// of the antialiasing share the remaining entries, chosen one by one where
// the error is largest; every pixel takes its nearest entry.

#include "gifwriter.h"
#include "icon.h"
#include "core/wheellayout.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QBuffer>
#include <QDir>
#include <QSaveFile>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstring>
#include <map>
#include <numbers>

using namespace zt::wheel;

namespace {

QRectF circle(double radius)
{
    return {kCentre - radius, kCentre - radius, 2 * radius, 2 * radius};
}

// The part of the ring between two radii from one angle clockwise to another
// (degrees clockwise from the top); an inner radius of 0 gives a wedge.
QPainterPath wedge(double from, double to, double inner, double outer)
{
    // QPainter counts angles counter-clockwise from three o'clock.
    const double start = 90 - from, span = -(to - from);
    QPainterPath path;
    if (inner > 0) {
        path.arcMoveTo(circle(outer), start);
        path.arcTo(circle(outer), start, span);
        path.arcTo(circle(inner), start + span, -span);
    } else {
        path.moveTo(kCentre, kCentre);
        path.arcTo(circle(outer), start, span);
    }
    path.closeSubpath();
    return path;
}

QFont boldFont(int pixels)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(pixels);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::NoSubpixelAntialias);
    return font;
}

// Writes text along the circle of the given radius, centred on an angle, one
// character at a time, the tops of the characters pointing outward.
void drawOnCircle(QPainter& p, const QString& text, double angle, double radius)
{
    const QFontMetricsF metrics(p.font());
    const double degreesPerPixel = 180 / (std::numbers::pi * radius);
    double x = -metrics.horizontalAdvance(text) / 2;
    for (const QChar c : text) {
        const double advance = metrics.horizontalAdvance(c);
        p.save();
        p.translate(kCentre, kCentre);
        p.rotate(angle + (x + advance / 2) * degreesPerPixel);
        p.drawText(QPointF(-advance / 2, -radius), QString(c));
        p.restore();
        x += advance;
    }
}

QImage drawWheel(bool english)
{
    QImage image(kPictureSize, kPictureSize, QImage::Format_RGB32);
    image.fill(kBackground);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(Qt::NoPen);

    // The wheel with its black rim, the pockets inside it.
    p.setBrush(QColor(kBlack));
    p.drawEllipse(circle(kOuterRadius));
    for (int i = 0; i < kPockets; ++i) {
        if (pocketColor(i) == kBlack)
            continue;
        const double mid = pocketAngle(i);
        p.setBrush(QColor(pocketColor(i)));
        p.drawPath(wedge(mid - kPocketDegrees / 2, mid + kPocketDegrees / 2, kRingRadius,
                         kOuterRadius - 1));
    }

    // The inner disc, its sectors outlined in black.
    p.setBrush(QColor(kLineColor));
    p.drawEllipse(circle(kRingRadius));
    for (const Sector& s : kSectors) {
        const double from = pocketAngle(s.first) - kPocketDegrees / 2;
        p.setBrush(QColor(s.fill));
        p.drawPath(wedge(from, from + s.count * kPocketDegrees, s.innerRadius, kDiscRadius));
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(kLineColor), 1));
    for (const Sector& s : kSectors) {
        const double from = pocketAngle(s.first) - kPocketDegrees / 2;
        p.drawPath(wedge(from, from + s.count * kPocketDegrees, s.innerRadius, kDiscRadius));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(kHubColor));
    p.drawEllipse(circle(kHubRadius));

    // The sector labels, level.
    p.setFont(boldFont(13));
    for (const Sector& s : kSectors) {
        const QPointF at = pointAt(sectorMiddle(s), s.labelRadius);
        QRectF box(0, 0, 120, 20);
        box.moveCenter(at);
        p.setPen(QColor(s.text));
        p.drawText(box, Qt::AlignCenter,
                   english ? QString::fromUtf8(s.englishLabel) : QString::fromLatin1(s.label));
    }

    // The pocket numbers.
    p.setFont(boldFont(16));
    p.setPen(QColor(kNumberColor));
    for (int i = 0; i < kPockets; ++i)
        drawOnCircle(p, QString::number(kOrder[i]), pocketAngle(i), kNumberBaseline);
    return image;
}

// The flat colours, which keep their exact values in the palette.
std::vector<QRgb> flatColors()
{
    std::vector<QRgb> colors{kBackground,  kGreen,    kRed,      kBlack,
                             kNumberColor, kHubColor, kLineColor};
    for (const Sector& s : kSectors) {
        colors.push_back(s.fill);
        colors.push_back(s.text);
    }
    std::vector<QRgb> unique;
    for (const QRgb c : colors) {
        if (std::find(unique.begin(), unique.end(), c) == unique.end())
            unique.push_back(c);
    }
    return unique;
}

int distance(QRgb a, QRgb b)
{
    const int r = qRed(a) - qRed(b), g = qGreen(a) - qGreen(b), bl = qBlue(a) - qBlue(b);
    return r * r + g * g + bl * bl;
}

struct Indexed {
    std::array<QRgb, 256> palette{};
    std::vector<unsigned char> pixels;
};

Indexed quantise(const QImage& image)
{
    std::map<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y) | 0xff000000];
    }
    // Start from the flat colours, then add, one at a time, the colour whose
    // pixels lie farthest from the palette (count times squared distance).
    std::vector<QRgb> colors = flatColors();
    std::vector<std::pair<QRgb, int>> drawn(counts.begin(), counts.end());
    std::vector<int> nearest(drawn.size(), INT_MAX);
    auto update = [&](QRgb added) {
        for (size_t i = 0; i < drawn.size(); ++i)
            nearest[i] = std::min(nearest[i], distance(drawn[i].first, added));
    };
    for (const QRgb c : colors)
        update(c);
    while (colors.size() < 255) {
        size_t worst = 0;
        for (size_t i = 1; i < drawn.size(); ++i) {
            if (qint64(nearest[i]) * drawn[i].second > qint64(nearest[worst]) * drawn[worst].second)
                worst = i;
        }
        if (nearest[worst] == 0)
            break;
        colors.push_back(drawn[worst].first);
        update(drawn[worst].first);
    }

    Indexed out;
    out.palette[0] = kBackground | 0xff000000; // the transparent entry
    for (size_t i = 0; i < colors.size(); ++i)
        out.palette[i + 1] = colors[i];
    std::map<QRgb, unsigned char> index;
    for (const auto& [c, n] : counts) {
        int best = 1;
        for (int i = 2; i <= int(colors.size()); ++i) {
            if (distance(c, out.palette[i]) < distance(c, out.palette[best]))
                best = i;
        }
        index[c] = (unsigned char)best;
    }
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            out.pixels.push_back(index[image.pixel(x, y) | 0xff000000]);
    }
    std::fprintf(stderr, "%zu colours drawn, %zu in the palette\n", counts.size(), colors.size());
    return out;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::fprintf(stderr, "%s: %lld bytes\n", qPrintable(path), qlonglong(bytes.size()));
    return true;
}

// The icon at the sizes of the hicolor theme, as <folder>/<size>.png, and
// <folder>/zentrima13.svg.
bool writeIcons(const QString& folder)
{
    if (!QDir().mkpath(folder))
        return false;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256, 512}) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        wheelgen::drawIcon(size).save(&buffer, "PNG");
        if (!writeFile(QStringLiteral("%1/%2.png").arg(folder).arg(size), png))
            return false;
    }
    return writeFile(folder + QStringLiteral("/zentrima13.svg"), wheelgen::iconSvg());
}

} // namespace

int main(int argc, char** argv)
{
    const bool icons = argc == 3 && std::strcmp(argv[1], "--icons") == 0;
    const bool english = argc == 3 && std::strcmp(argv[1], "--english") == 0;
    if (argc != 2 && !icons && !english) {
        std::fprintf(stderr, "usage: %s [--english] output.gif | --icons folder\n", argv[0]);
        return 64;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (icons)
        return writeIcons(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
    const Indexed picture = quantise(drawWheel(english));
    const QByteArray gif =
        wheelgen::encodeGif(kPictureSize, kPictureSize, picture.palette, picture.pixels);
    return writeFile(QString::fromLocal8Bit(argv[argc - 1]), gif) ? 0 : 1;
}
