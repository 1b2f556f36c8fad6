#pragma once
// Strips of last numbers drawn the way casinos show them, for the tests of
// the reading: discs (red, black, green) with white digits, coloured digits
// on a dark band, one big result number; two fonts, digits 14 to 48 pixels
// high, the newest at the left or at the right.  A strip can be drawn in the
// middle of its slide, and with a tooltip over it.

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QString>
#include <QStringList>

namespace zt::test {

struct StripStyle {
    const char* name;
    bool discs;         // digits on discs, else coloured digits on the band
    const char* family; // the font
    int digitPixels;    // the height of a digit
    bool newestLeft;
    QRgb band;
    int count; // numbers shown (1: a big result number)
};

inline const QList<StripStyle>& stripStyles()
{
    static const QList<StripStyle> styles{
        {"dischi", true, "DejaVu Sans", 16, true, qRgb(225, 225, 230), 10},
        {"dischi-serif-destra", true, "DejaVu Serif", 22, false, qRgb(236, 226, 198), 8},
        {"cifre", false, "DejaVu Sans", 18, true, qRgb(22, 22, 28), 12},
        {"cifre-serif-destra", false, "DejaVu Serif", 30, false, qRgb(34, 18, 12), 7},
        {"dischi-piccoli", true, "DejaVu Sans", 14, false, qRgb(210, 214, 220), 12},
        {"risultato", false, "DejaVu Sans", 48, true, qRgb(12, 12, 12), 1},
    };
    return styles;
}

// A number's colour: of its disc, or of its digits on the band.
inline QColor numberColour(int n, bool disc)
{
    static const QList<int> reds{1, 3, 5, 7, 9, 12, 14, 16, 18, 19, 21, 23, 25, 27, 30, 32, 34, 36};
    if (n == 0)
        return disc ? QColor(0, 140, 60) : QColor(40, 200, 90);
    if (reds.contains(n))
        return disc ? QColor(200, 24, 24) : QColor(235, 50, 50);
    return disc ? QColor(24, 24, 24) : QColor(235, 235, 235);
}

// One slot's width and the strip's height.
inline QSize slotSize(const StripStyle& s)
{
    return s.discs ? QSize(s.digitPixels * 5 / 2, s.digitPixels * 5 / 2)
                   : QSize(s.digitPixels * 3, s.digitPixels * 2);
}

inline QSize stripSize(const StripStyle& s)
{
    const QSize slot = slotSize(s);
    return {slot.width() * s.count + slot.width() / 2, slot.height() + s.digitPixels / 2};
}

// The strip of `numbers`, newest first; `slide` from 0 to 1 is how far the
// strip has moved towards the newest's place (below 1: the newest only
// partly in, every other number between two slots); `tooltip` draws a
// yellow box over part of it.
inline QImage drawStrip(const StripStyle& s, const QList<int>& numbers, double slide = 1.0,
                        bool tooltip = false)
{
    const QSize size = stripSize(s);
    const QSize slot = slotSize(s);
    QImage image(size, QImage::Format_RGB32);
    image.fill(s.band);
    QPainter p(&image);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    QFont font(QString::fromLatin1(s.family));
    font.setBold(true);
    // Digits are about 0.73 of the pixel size in these fonts.
    font.setPixelSize(qRound(s.digitPixels / 0.73));
    p.setFont(font);
    for (qsizetype i = 0; i < numbers.size() && i < s.count; ++i) {
        const double place = i - 1 + slide; // slots from the newest end
        double left = slot.width() / 4.0 + place * slot.width();
        if (!s.newestLeft)
            left = size.width() - slot.width() / 4.0 - (place + 1) * slot.width();
        const QRectF box(left, (size.height() - slot.height()) / 2.0, slot.width(), slot.height());
        if (s.discs) {
            p.setPen(Qt::NoPen);
            p.setBrush(numberColour(numbers[i], true));
            p.drawEllipse(box.center(), slot.width() * 0.43, slot.width() * 0.43);
        }
        p.setPen(s.discs ? QColor(Qt::white) : numberColour(numbers[i], false));
        p.drawText(box, Qt::AlignCenter, QString::number(numbers[i]));
    }
    if (tooltip) {
        p.setPen(Qt::black);
        p.setBrush(QColor(255, 255, 220));
        p.drawRect(QRectF(size.width() * 0.3, size.height() * 0.35, size.width() * 0.3,
                          size.height() * 0.5));
    }
    p.end();
    return image;
}

// Numbers as the reader prints them: separated by single blanks.
inline QString numbersText(const QList<int>& numbers)
{
    QStringList t;
    for (int n : numbers)
        t << QString::number(n);
    return t.join(u' ');
}

} // namespace zt::test
