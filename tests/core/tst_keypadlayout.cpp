#include "core/keypadlayout.h"
#include "testsupport.h"
#include "core/wheellayout.h"

#include <set>

using namespace zt::keypad;

class KeypadLayoutTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void layouts()
    {
        // Corners and a row start: 3 top left, 34 bottom right; inverted the other way round.
        QCOMPARE(numberAt(Layout::Design, 1), 3);
        QCOMPARE(numberAt(Layout::Design, 12), 36);
        QCOMPARE(numberAt(Layout::Design, 13), 2);
        QCOMPARE(numberAt(Layout::Design, 25), 1);
        QCOMPARE(numberAt(Layout::Design, 36), 34);
        QCOMPARE(captionAt(Layout::Inverted, 1), QStringLiteral("34"));
        QCOMPARE(numberAt(Layout::Inverted, 13), 35);

        // Each layout shows every number once; the inverted one is the design turned round.
        std::set<int> design;
        for (int i = 1; i <= numberButtons; ++i) {
            design.insert(numberAt(Layout::Design, i));
            QCOMPARE(numberAt(Layout::Inverted, i), numberAt(Layout::Design, 37 - i));
        }
        QCOMPARE(int(design.size()), 36);
        QCOMPARE(*design.begin() + *design.rbegin(), 37);
    }

    void coloursAgreeWithTheWheel()
    {
        // The wheel alternates red and black from 32 on: the keypad's reds must match.
        for (int n = 1; n <= 36; ++n)
            QCOMPARE(isRed(n), zt::wheel::pocketColor(zt::wheel::positionOf(n)) == zt::wheel::kRed);
        QCOMPARE(numberColor(0), zt::rgb(0, 192, 0));
        QCOMPARE(numberColor(3), zt::rgb(255, 0, 0));
        QCOMPARE(numberColor(10), zt::rgb(95, 95, 95));
        QCOMPARE(colorAt(Layout::Inverted, 2), black); // 31
    }

    void geometrySpotChecks()
    {
        QCOMPARE(buttonTwips(13), QRect(120, 720, 495, 495));
        QCOMPARE(buttonTwips(36), QRect(6720, 1320, 495, 495));
        QCOMPARE(buttonTwips(0), QRect(150, 600, 375, 735));
        QCOMPARE(buttonTwips(37), QRect(7440, 120, 495, 2055));
    }
};

ZT_TEST_MAIN(KeypadLayoutTest)
#include "tst_keypadlayout.moc"
