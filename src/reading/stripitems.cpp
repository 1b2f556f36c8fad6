// Cutting a picture of a strip into its items, and each item's colour apart
// from its digits.

#include "reading/stripreader.h"

#include <QColor>
#include <QHash>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zt {

namespace {

// Height the digits are drawn at for the recognition, and the white around them.
constexpr int digitHeight = 40;
constexpr int margin = 12;

int distance(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
           std::abs(qBlue(a) - qBlue(b));
}

// The commonest colour among `pixels` (to 32 levels a channel), averaged.
QRgb commonest(const QList<QRgb>& pixels)
{
    QHash<int, int> counts;
    for (QRgb p : pixels)
        ++counts[(qRed(p) >> 3) << 10 | (qGreen(p) >> 3) << 5 | qBlue(p) >> 3];
    int best = -1;
    int bestCount = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > bestCount) {
            best = it.key();
            bestCount = it.value();
        }
    long r = 0, g = 0, b = 0, n = 0;
    for (QRgb p : pixels)
        if (((qRed(p) >> 3) << 10 | (qGreen(p) >> 3) << 5 | qBlue(p) >> 3) == best) {
            r += qRed(p);
            g += qGreen(p);
            b += qBlue(p);
            ++n;
        }
    return n ? qRgb(int(r / n), int(g / n), int(b / n)) : qRgb(0, 0, 0);
}

StripItem::Colour colourOf(QRgb rgb)
{
    const QColor c = QColor::fromRgb(rgb).toHsv();
    if (c.saturationF() > 0.35 && c.valueF() > 0.25) {
        const int hue = c.hue();
        if (hue <= 25 || hue >= 335)
            return StripItem::Red;
        if (hue >= 80 && hue <= 170)
            return StripItem::Green;
        return StripItem::Unknown;
    }
    return StripItem::Black; // a dark disc, or light digits
}

// A run of columns holding something.
struct Run {
    int left = 0, right = 0; // inclusive
    int top = 0, bottom = 0; // rows holding something, inclusive
    int filled = 0;          // pixels holding something
    bool joined = false;     // two digits joined into one number
    int width() const { return right - left + 1; }
    int height() const { return bottom - top + 1; }
    bool narrow() const { return width() < height(); }
};

} // namespace

QList<StripItem> stripItems(const QImage& picture)
{
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    const int w = image.width();
    const int h = image.height();
    if (w < 4 || h < 4)
        return {};
    auto at = [&](int x, int y) {
        return reinterpret_cast<const QRgb*>(image.constScanLine(y))[x] | 0xff000000u;
    };

    // The band: the commonest colour of the border.
    QList<QRgb> border;
    for (int x = 0; x < w; ++x)
        border << at(x, 0) << at(x, h - 1);
    for (int y = 0; y < h; ++y)
        border << at(0, y) << at(w - 1, y);
    const QRgb band = commonest(border);
    constexpr int ink = 90; // how far from the band a pixel of an item is
    std::vector<uchar> on(size_t(w) * size_t(h));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            on[size_t(y) * w + x] = distance(at(x, y), band) > ink;

    // Runs of columns holding something.
    QList<Run> runs;
    const int least = std::max(1, h / 40);
    for (int x = 0; x < w;) {
        auto count = [&](int cx) {
            int n = 0;
            for (int y = 0; y < h; ++y)
                n += on[size_t(y) * w + cx];
            return n;
        };
        if (count(x) < least) {
            ++x;
            continue;
        }
        Run run;
        run.left = x;
        while (x < w && count(x) >= least)
            ++x;
        run.right = x - 1;
        run.top = h;
        run.bottom = -1;
        for (int y = 0; y < h; ++y)
            for (int cx = run.left; cx <= run.right; ++cx)
                if (on[size_t(y) * w + cx]) {
                    run.top = std::min(run.top, y);
                    run.bottom = std::max(run.bottom, y);
                    ++run.filled;
                }
        // Specks (a cursor's tip, a line of the page) are no items.
        if (run.height() >= 6 && run.filled >= 12)
            runs.append(run);
    }

    // The two digits of one number on the band are close together; discs,
    // and numbers apart, are not joined.
    QList<Run> joined;
    for (const Run& run : runs) {
        if (!joined.isEmpty()) {
            Run& last = joined.last();
            const int height = std::max(last.height(), run.height());
            if (!last.joined && last.narrow() && run.narrow() &&
                run.left - last.right - 1 < height * 2 / 5 &&
                run.right - last.left + 1 < height * 2) {
                last.right = run.right;
                last.top = std::min(last.top, run.top);
                last.bottom = std::max(last.bottom, run.bottom);
                last.filled += run.filled;
                last.joined = true;
                continue;
            }
        }
        joined.append(run);
    }

    QList<StripItem> items;
    for (const Run& run : joined) {
        StripItem item;
        item.box = QRect(run.left, run.top, run.width(), run.height());
        item.cut = run.left == 0 || run.right == w - 1 || run.top == 0 || run.bottom == h - 1;
        // A disc (or a tile) is whole all round its rim; digits are not.
        const double aspect = double(run.width()) / run.height();
        // Inside the rim a disc is still mostly its colour, where a 0 or an 8
        // is hollow.
        constexpr int ringPoints = 36;
        const auto ring = [&](double radius) {
            int n = 0;
            for (int i = 0; i < ringPoints; ++i) {
                const double angle = 2 * std::numbers::pi * i / ringPoints;
                const double rx = (run.width() - 1) / 2.0, ry = (run.height() - 1) / 2.0;
                const int x = qRound(run.left + rx * (1 + radius * std::cos(angle)));
                const int y = qRound(run.top + ry * (1 + radius * std::sin(angle)));
                n += on[size_t(y) * w + x];
            }
            return n;
        };
        item.disc = aspect > 0.85 && aspect < 1.3 && ring(0.85) >= ringPoints - 3 &&
                    ring(0.65) >= ringPoints / 2;

        // The colour of the item, and how much each pixel is digit: on a disc
        // the pixels far from the disc's colour, inside it; on the band the
        // pixels of the item.
        QList<QRgb> pixels;
        for (int y = run.top; y <= run.bottom; ++y)
            for (int x = run.left; x <= run.right; ++x)
                if (on[size_t(y) * w + x])
                    pixels << at(x, y);
        const QRgb colour = commonest(pixels);
        item.colour = colourOf(colour);
        QImage mask(item.box.size(), QImage::Format_Grayscale8);
        mask.fill(255);
        const double cx = run.left + run.width() / 2.0;
        const double cy = run.top + run.height() / 2.0;
        const double rx = run.width() * 0.42;
        const double ry = run.height() * 0.42;
        int inkLeft = w, inkRight = -1, inkTop = h, inkBottom = -1;
        for (int y = run.top; y <= run.bottom; ++y) {
            uchar* line = mask.scanLine(y - run.top);
            for (int x = run.left; x <= run.right; ++x) {
                int strength = 0; // 0..255, how surely a pixel of a digit
                if (item.disc) {
                    const double dx = (x - cx) / rx, dy = (y - cy) / ry;
                    if (dx * dx + dy * dy <= 1.0)
                        strength = std::clamp((distance(at(x, y), colour) - 60) * 255 / 180, 0, 255);
                } else {
                    strength = std::clamp((distance(at(x, y), band) - 40) * 255 / 160, 0, 255);
                }
                line[x - run.left] = uchar(255 - strength);
                if (strength > 128) {
                    inkLeft = std::min(inkLeft, x);
                    inkRight = std::max(inkRight, x);
                    inkTop = std::min(inkTop, y);
                    inkBottom = std::max(inkBottom, y);
                }
            }
        }
        if (inkRight >= inkLeft) {
            const QRect inkBox(inkLeft - run.left, inkTop - run.top, inkRight - inkLeft + 1,
                               inkBottom - inkTop + 1);
            const QImage digits = mask.copy(inkBox).scaledToHeight(digitHeight,
                                                                   Qt::SmoothTransformation);
            QImage framed(digits.width() + 2 * margin, digits.height() + 2 * margin,
                          QImage::Format_Grayscale8);
            framed.fill(255);
            QPainter p(&framed);
            p.drawImage(margin, margin, digits);
            p.end();
            item.digits = framed;
        }
        items.append(item);
    }
    return items;
}

} // namespace zt
