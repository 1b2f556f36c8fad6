// The program's icon: the ring of pockets of the wheel picture around the
// board's brown centre with its title number, drawn as one set of shapes that
// becomes both the scalable SVG and the PNGs of each size.

#include "icon.h"

#include "core/wheellayout.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <numbers>

using namespace zt::wheel;

namespace wheelgen {

namespace {

// The icon is drawn on a square of this side; radii from its centre.
constexpr double kSide = 256;
constexpr double kMid = kSide / 2;
constexpr double kRim = 124;     // outer edge of the brown rim
constexpr double kPocketsOut = 114;
constexpr double kPocketsIn = 80;
constexpr double kCentreDisc = 76;

const QColor kBrown(128, 64, 0);     // the board's background
const QColor kOrange(255, 128, 0);   // the keypad's frame
const QColor kTitle(255, 255, 128);  // the board's title

QRectF circle(double radius)
{
    return {kMid - radius, kMid - radius, 2 * radius, 2 * radius};
}

QPainterPath disc(double radius)
{
    QPainterPath path;
    path.addEllipse(circle(radius));
    return path;
}

// The ring between two radii from one angle clockwise to another (degrees
// clockwise from the top).
QPainterPath wedge(double from, double to, double inner, double outer)
{
    const double start = 90 - from, span = -(to - from);
    QPainterPath path;
    path.arcMoveTo(circle(outer), start);
    path.arcTo(circle(outer), start, span);
    path.arcTo(circle(inner), start + span, -span);
    path.closeSubpath();
    return path;
}

// "13" centred on the disc, as outlines so that no font is needed to show it.
QPainterPath title()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(88);
    QPainterPath text;
    text.addText(0, 0, font, QStringLiteral("13"));
    const QRectF box = text.boundingRect();
    return QTransform::fromTranslate(kMid - box.center().x(), kMid - box.center().y()).map(text);
}

} // namespace

std::vector<IconShape> iconShapes(bool withTitle)
{
    std::vector<IconShape> shapes;
    shapes.push_back({disc(kRim), kBrown});
    for (int i = 0; i < kPockets; ++i) {
        const double mid = pocketAngle(i);
        shapes.push_back({wedge(mid - kPocketDegrees / 2, mid + kPocketDegrees / 2, kPocketsIn,
                                kPocketsOut),
                          QColor(pocketColor(i))});
    }
    shapes.push_back({disc(kCentreDisc), kOrange});
    shapes.push_back({disc(kCentreDisc - 6), kBrown});
    if (withTitle)
        shapes.push_back({title(), kTitle});
    return shapes;
}

QImage drawIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.scale(size / kSide, size / kSide);
    // Below 32 pixels the number cannot be read: the wheel alone.
    for (const IconShape& s : iconShapes(size >= 32)) {
        p.setBrush(s.color);
        p.drawPath(s.path);
    }
    p.end();
    return image;
}

QByteArray iconSvg()
{
    QByteArray svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                     "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
                     "viewBox=\"0 0 256 256\">\n";
    for (const IconShape& s : iconShapes(true)) {
        QByteArray d;
        const QPainterPath& path = s.path;
        for (int i = 0; i < path.elementCount(); ++i) {
            const QPainterPath::Element e = path.elementAt(i);
            auto xy = [](double x, double y) {
                return QByteArray::number(x, 'f', 2) + ' ' + QByteArray::number(y, 'f', 2);
            };
            switch (e.type) {
            case QPainterPath::MoveToElement:
                d += (d.isEmpty() ? "M" : "Z M") + xy(e.x, e.y);
                break;
            case QPainterPath::LineToElement:
                d += " L" + xy(e.x, e.y);
                break;
            case QPainterPath::CurveToElement: {
                const QPainterPath::Element c2 = path.elementAt(i + 1);
                const QPainterPath::Element to = path.elementAt(i + 2);
                d += " C" + xy(e.x, e.y) + ' ' + xy(c2.x, c2.y) + ' ' + xy(to.x, to.y);
                i += 2;
                break;
            }
            case QPainterPath::CurveToDataElement:
                break;
            }
        }
        svg += "  <path fill=\"" + s.color.name().toLatin1() + "\" fill-rule=\"" +
               (path.fillRule() == Qt::WindingFill ? "nonzero" : "evenodd") + "\" d=\"" + d +
               " Z\"/>\n";
    }
    svg += "</svg>\n";
    return svg;
}

} // namespace wheelgen
