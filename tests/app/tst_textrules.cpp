#include "app/textrules.h"
#include "testsupport.h"

class TextRulesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void leadingNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("plain") << "17" << 17.0;
        QTest::newRow("sign position") << " 7" << 7.0;
        QTest::newRow("trailing text") << "5x" << 5.0;
        QTest::newRow("fraction") << "17.5" << 17.5;
        QTest::newRow("comma is not a point") << "2,5" << 2.0;
        QTest::newRow("negative") << "-3" << -3.0;
        QTest::newRow("leading zero") << "08" << 8.0;
        QTest::newRow("word") << "ok" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("blanks only") << "   " << 0.0;
        QTest::newRow("lone point") << "." << 0.0;
        QTest::newRow("point fraction") << ".4" << 0.4;
        QTest::newRow("cr lf after") << "17\r\n" << 17.0;
    }
    void leadingNumber()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(zt::leadingNumber(text), value);
    }

    void wholeNumberText()
    {
        QVERIFY(zt::isWholeNumberText(u"5"));
        QVERIFY(zt::isWholeNumberText(u" 12 "));
        QVERIFY(!zt::isWholeNumberText(u"5x"));
        QVERIFY(!zt::isWholeNumberText(u"2,5"));
        QVERIFY(!zt::isWholeNumberText(u""));
    }

    void roundingHalvesToEven()
    {
        QCOMPARE(zt::roundHalfEven(2.5), 2.0);
        QCOMPARE(zt::roundHalfEven(3.5), 4.0);
        QCOMPARE(zt::roundHalfEven(0.4), 0.0);
        QCOMPARE(zt::roundHalfEven(-2.5), -2.0);
        QCOMPARE(zt::roundClamped(36.5, 1, 500), 36);
        QCOMPARE(zt::roundClamped(0, 1, 500), 1);
        QCOMPARE(zt::roundClamped(1e300, 1, 500), 500);
    }

    void signPosition()
    {
        QCOMPARE(zt::signText(7), QStringLiteral(" 7"));
        QCOMPARE(zt::signText(0), QStringLiteral(" 0"));
        QCOMPARE(zt::signText(-3), QStringLiteral("-3"));
        QCOMPARE(zt::plainNumberText(5), QStringLiteral("5"));
        QCOMPARE(zt::plainNumberText(2.5), QStringLiteral("2.5"));
    }
};

ZT_TEST_MAIN(TextRulesTest)
#include "tst_textrules.moc"
