// The wheel window shows one opaque frame of the picture, and the picture is
// the wheel of the layout: every pocket and sector in its colour.

#include "core/wheellayout.h"
#include "windowsupport.h"

#include <QImageReader>
#include <QLabel>

#include <cmath>

using namespace zt::wheel;

class WheelTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void pictureShowsTheWheelOfTheLayout()
    {
        auto* window = zt::shared<zt::WheelWindow>();
        QCOMPARE(window->windowTitle() +
                     QString(" %1x%2").arg(window->width()).arg(window->height()),
                 "Routa 414x413");
        auto* label = zt::control<QLabel>(window, "Image1");
        QVERIFY(label->geometry() == QRect(8, 8, 400, 400) && !label->hasScaledContents());
        QImageReader reader(":/wheel.gif");
        QCOMPARE(reader.imageCount(), 1);
        const QImage image = reader.read();
        QCOMPARE(label->pixmap().toImage().convertToFormat(image.format()), image);
        QCOMPARE(image.size(), QSize(400, 400));
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                QCOMPARE(qAlpha(image.pixel(x, y)), 255);

        // A colour where the layout puts it, with what it shows.
        const auto at = [&](QPointF p, QRgb c, const QString& what) {
            const QRgb seen = image.pixel(int(std::floor(p.x())), int(std::floor(p.y())));
            QCOMPARE(QString("%1 %2").arg(what).arg(seen, 0, 16),
                     QString("%1 %2").arg(what).arg(c, 0, 16));
        };
        at({2, 2}, kBackground, "outside");
        at({kCentre, kCentre}, kHubColor, "hub");
        const double ring = (kRingRadius + kNumberBaseline) / 2; // below the numbers
        for (int i = 0; i < kPockets; ++i)
            at(pointAt(pocketAngle(i), ring), pocketColor(i), QString("pocket %1").arg(kOrder[i]));
        QVERIFY(pocketColor(positionOf(0)) == kGreen && pocketColor(positionOf(32)) == kRed &&
                pocketColor(positionOf(15)) == kBlack);
        for (const Sector& s : kSectors) // on the line of its first pocket
            at(pointAt(pocketAngle(s.first),
                       (std::max(s.innerRadius, kHubRadius) + kDiscRadius) / 2),
               s.fill, s.label);
    }
};

ZT_WINDOWS_TEST_MAIN(WheelTest)
#include "tst_wheel.moc"
