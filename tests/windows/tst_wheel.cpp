#include "windowsupport.h"
#include "testsupport.h"
#include "core/wheellayout.h"
#include "windows/wheelwindow.h"

#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QPointer>

#include <algorithm>
#include <cmath>

using namespace zt::wheel;

namespace {

const QString kPicture = QStringLiteral(":/wheel.gif");

QRgb pixelAt(const QImage& image, QPointF at)
{
    return image.pixel(int(std::floor(at.x())), int(std::floor(at.y())));
}

// A colour as "(r, g, b)", followed by what it shows.
QString named(QRgb c, const QString& what)
{
    return QStringLiteral("(%1, %2, %3) %4").arg(qRed(c)).arg(qGreen(c)).arg(qBlue(c)).arg(what);
}

} // namespace

class WheelTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // One frame, 400 x 400, with colour index 0 transparent and used by no pixel.
    void pictureFileIsOneOpaqueFrame()
    {
        QFile file(kPicture);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray gif = file.readAll();
        QCOMPARE(gif.left(6), QByteArray("GIF89a"));
        const int gce = 13 + 256 * 3; // right after the 256-entry global colour table
        QCOMPARE(gif.mid(gce, 3), QByteArray("\x21\xf9\x04"));
        QVERIFY(quint8(gif.at(gce + 3)) & 0x01); // transparency on
        QCOMPARE(quint8(gif.at(gce + 6)), 0);    // for index 0

        QImageReader reader(kPicture);
        QCOMPARE(reader.imageCount(), 1);
        const QImage image = reader.read();
        QCOMPARE(image.size(), QSize(400, 400));
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                QCOMPARE(qAlpha(image.pixel(x, y)), 255);
        }
    }

    void pictureShowsTheWheelOfTheLayout()
    {
        const QImage image(kPicture);
        QVERIFY(!image.isNull());
        QCOMPARE(named(pixelAt(image, {2, 2}), "outside"), named(kBackground, "outside"));
        QCOMPARE(named(pixelAt(image, {kCentre, kCentre}), "hub"), named(kHubColor, "hub"));

        // Every pocket in its colour, sampled below its number.
        const double ring = (kRingRadius + kNumberBaseline) / 2;
        for (int i = 0; i < kPockets; ++i) {
            const QString which = QStringLiteral("pocket %1").arg(kOrder[i]);
            QCOMPARE(named(pixelAt(image, pointAt(pocketAngle(i), ring)), which),
                     named(pocketColor(i), which));
        }
        QCOMPARE(named(pixelAt(image, {kCentre, kCentre - ring}), "top"), named(kGreen, "top"));
        QCOMPARE(pocketColor(positionOf(32)), kRed);
        QCOMPARE(pocketColor(positionOf(15)), kBlack);

        // Every sector in its fill, sampled on the line of its first pocket.
        for (const Sector& s : kSectors) {
            const double r = (std::max(s.innerRadius, kHubRadius) + kDiscRadius) / 2;
            QCOMPARE(named(pixelAt(image, pointAt(pocketAngle(s.first), r)), s.label),
                     named(s.fill, s.label));
        }
    }

    void oneWindowShowsThePictureUntilItsCloseBox()
    {
        QPointer<zt::WheelWindow> first = zt::shared<zt::WheelWindow>();
        QCOMPARE(first->windowTitle(), QStringLiteral("Routa"));
        QCOMPARE(first->size(), QSize(414, 413));
        auto* image = zt::control<QLabel>(first, QStringLiteral("Image1"));
        QCOMPARE(image->geometry(), QRect(8, 8, 400, 400));
        QVERIFY(!image->hasScaledContents());
        QCOMPARE(image->pixmap().toImage().pixel(200, 200) | 0xff000000, kHubColor);

        zt::test::links().show(zt::Links::Window::Wheel);
        zt::test::links().show(zt::Links::Window::Wheel);
        QCOMPARE(zt::loaded<zt::WheelWindow>(), first.data());
        QVERIFY(first->isVisible());
        QVERIFY(first->close());
        QVERIFY(!zt::loaded<zt::WheelWindow>());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(first.isNull());
        QVERIFY(!zt::shared<zt::WheelWindow>()->isVisible()); // a new one, hidden
        zt::destroySharedWindows();
    }
};

ZT_WINDOWS_TEST_MAIN(WheelTest)
#include "tst_wheel.moc"
