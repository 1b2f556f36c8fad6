#include "board/keypadlayout.h"
#include "testsupport.h"

#include <set>

using namespace zt::keypad;

class KeypadLayoutTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void layoutsMatchTheTable()
    {
        const int designTop[12] = {3, 6, 9, 12, 15, 18, 21, 24, 27, 30, 33, 36};
        const int designBottom[12] = {1, 4, 7, 10, 13, 16, 19, 22, 25, 28, 31, 34};
        const int invertedTop[12] = {34, 31, 28, 25, 22, 19, 16, 13, 10, 7, 4, 1};
        const int invertedMiddle[12] = {35, 32, 29, 26, 23, 20, 17, 14, 11, 8, 5, 2};
        for (int c = 1; c <= 12; ++c) {
            QCOMPARE(numberAt(Layout::Design, c), designTop[c - 1]);
            QCOMPARE(numberAt(Layout::Design, 24 + c), designBottom[c - 1]);
            QCOMPARE(numberAt(Layout::Inverted, c), invertedTop[c - 1]);
            QCOMPARE(numberAt(Layout::Inverted, 12 + c), invertedMiddle[c - 1]);
        }
        QCOMPARE(numberAt(Layout::Design, 13), 2); // row 2, column 1
        QCOMPARE(captionAt(Layout::Inverted, 36), QStringLiteral("3"));

        // Each layout shows every number once; the inverted one is the design turned round.
        std::set<int> design;
        std::set<int> inverted;
        for (int i = 1; i <= numberButtons; ++i) {
            design.insert(numberAt(Layout::Design, i));
            inverted.insert(numberAt(Layout::Inverted, i));
            QCOMPARE(numberAt(Layout::Inverted, i), numberAt(Layout::Design, 37 - i));
        }
        QCOMPARE(int(design.size()), 36);
        QCOMPARE(inverted, design);
        QCOMPARE(*design.begin(), 1);
        QCOMPARE(*design.rbegin(), 36);
    }

    void coloursFollowTheWheel()
    {
        int reds = 0;
        for (int n = 1; n <= 36; ++n)
            reds += isRed(n);
        QCOMPARE(reds, 18);
        QCOMPARE(numberColor(0), qRgb(0, 192, 0));
        QCOMPARE(numberColor(3), qRgb(255, 0, 0));
        QCOMPARE(numberColor(10), qRgb(95, 95, 95));
        QCOMPARE(numberColor(19), red);
        QCOMPARE(colorAt(Layout::Inverted, 1), red);   // 34
        QCOMPARE(colorAt(Layout::Inverted, 2), black); // 31
    }

    void geometry()
    {
        QCOMPARE(buttonTwips(1), QRect(120, 120, 495, 495));
        QCOMPARE(buttonTwips(13), QRect(120, 720, 495, 495));
        QCOMPARE(buttonTwips(36), QRect(6720, 1320, 495, 495));
        QCOMPARE(buttonTwips(0), QRect(150, 600, 375, 735));
        QCOMPARE(buttonTwips(37), QRect(7440, 120, 495, 2055));
    }
};

ZT_TEST_MAIN(KeypadLayoutTest)
#include "tst_keypadlayout.moc"
