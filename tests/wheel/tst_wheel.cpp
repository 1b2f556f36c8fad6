#include "app/controls.h"
#include "testsupport.h"
#include "wheel/wheellayout.h"
#include "wheel/wheelwindow.h"

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
    return image.pixel(int(std::floor(at.x())), int(std::floor(at.y()))) | 0xff000000;
}

QString rgb(QRgb c)
{
    return QStringLiteral("(%1, %2, %3)").arg(qRed(c)).arg(qGreen(c)).arg(qBlue(c));
}

} // namespace

class WheelTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void pictureFileIsOneFrameGifWithTransparentIndexZero()
    {
        QFile file(kPicture);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray gif = file.readAll();
        QVERIFY(gif.size() > 800 && gif.size() < 64 * 1024);
        const auto byte = [&](int i) { return quint8(gif.at(i)); };
        QCOMPARE(gif.left(6), QByteArray("GIF89a"));
        QCOMPARE(byte(6) | byte(7) << 8, 400);
        QCOMPARE(byte(8) | byte(9) << 8, 400);
        QVERIFY(byte(10) & 0x80);     // global colour table
        QCOMPARE(byte(10) & 0x07, 7); // of 256 entries
        const int gce = 13 + 256 * 3; // right after the table
        QCOMPARE(gif.mid(gce, 3), QByteArray("\x21\xf9\x04"));
        QVERIFY(byte(gce + 3) & 0x01); // transparency on
        QCOMPARE(byte(gce + 6), 0);    // for index 0
        const int descriptor = gce + 8;
        QCOMPARE(byte(descriptor), 0x2c);
        QCOMPARE(byte(descriptor + 9) & 0xc0, 0); // no local table, not interlaced
        QCOMPARE(byte(gif.size() - 1), 0x3b);

        QImageReader reader(kPicture);
        QCOMPARE(reader.format(), QByteArray("gif"));
        QCOMPARE(reader.imageCount(), 1);
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(image.size(), QSize(400, 400));
        // Index 0 is transparent, so a pixel using it would decode transparent.
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                QCOMPARE(qAlpha(image.pixel(x, y)), 255);
        }
    }

    void pictureShowsTheWheelOfTheLayout()
    {
        const QImage image(kPicture);
        QVERIFY(!image.isNull());
        QCOMPARE(rgb(pixelAt(image, {2, 2})), rgb(kBackground));
        QCOMPARE(rgb(pixelAt(image, {kCentre, kCentre})), rgb(kHubColor));

        // Every pocket in its colour, sampled below its number.
        const double ring = (kRingRadius + kNumberBaseline) / 2;
        for (int i = 0; i < kPockets; ++i) {
            const QString which = QStringLiteral("pocket %1").arg(kOrder[i]);
            QCOMPARE(rgb(pixelAt(image, pointAt(pocketAngle(i), ring))) + which,
                     rgb(pocketColor(i)) + which);
        }
        QCOMPARE(rgb(pixelAt(image, {kCentre, kCentre - ring})), rgb(kGreen));
        QCOMPARE(pocketColor(positionOf(32)), kRed);
        QCOMPARE(pocketColor(positionOf(15)), kBlack);

        // Every sector in its fill, sampled on the line of its first pocket.
        for (const Sector& s : kSectors) {
            const double r = (std::max(s.innerRadius, kHubRadius) + kDiscRadius) / 2;
            QCOMPARE(rgb(pixelAt(image, pointAt(pocketAngle(s.first), r))) + s.label,
                     rgb(s.fill) + s.label);
        }
    }

    void windowShowsThePictureAtItsOwnSize()
    {
        zt::WheelWindow* wheel = zt::shared<zt::WheelWindow>();
        QCOMPARE(wheel->objectName(), QStringLiteral("Ruota"));
        QCOMPARE(wheel->windowTitle(), QStringLiteral("Routa"));
        QCOMPARE(wheel->size(), QSize(414, 413));
        auto* image = zt::control<QLabel>(wheel, QStringLiteral("Image1"));
        QCOMPARE(image->geometry(), QRect(8, 8, 400, 400));
        QVERIFY(!image->hasScaledContents());
        QCOMPARE(image->pixmap().size(), QSize(400, 400));
        QCOMPARE(image->pixmap().toImage().pixel(200, 200) | 0xff000000, kHubColor);
    }

    void oneWindowUntilItsCloseBox()
    {
        QPointer<zt::WheelWindow> first = zt::shared<zt::WheelWindow>();
        QCOMPARE(zt::shared<zt::WheelWindow>(), first.data());
        zt::showWheelWindow();
        zt::showWheelWindow();
        QCOMPARE(zt::loaded<zt::WheelWindow>(), first.data());
        QVERIFY(first->isVisible());
        QCOMPARE(first->windowModality(), Qt::NonModal);

        QVERIFY(first->close());
        QVERIFY(!zt::loaded<zt::WheelWindow>());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(first.isNull());
        zt::WheelWindow* second = zt::shared<zt::WheelWindow>();
        QVERIFY(second);
        QVERIFY(!second->isVisible());
        QCOMPARE(second->findChildren<QLabel*>().size(), 1);
        zt::destroySharedWindows();
    }
};

ZT_TEST_MAIN(WheelTest)
#include "tst_wheel.moc"
