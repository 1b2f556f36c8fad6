#pragma once
// The program's icon, drawn from the wheel's own layout.

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QPainterPath>

#include <vector>

namespace wheelgen {

struct IconShape {
    QPainterPath path; // on a 256 × 256 square
    QColor color;
};

// The shapes of the icon in painting order; the title number only when asked.
std::vector<IconShape> iconShapes(bool withTitle);
// The icon as a picture of size × size pixels with a transparent background.
QImage drawIcon(int size);
// The icon as a scalable SVG document.
QByteArray iconSvg();

} // namespace wheelgen
