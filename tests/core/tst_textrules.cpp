#include "core/textrules.h"
#include "testsupport.h"

class TextRulesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void leadingNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("whole"); // the whole text is that one number
        QTest::newRow("plain") << "17" << 17.0 << true;
        QTest::newRow("sign position") << " 7" << 7.0 << true;
        QTest::newRow("trailing text") << "5x" << 5.0 << false;
        QTest::newRow("fraction") << "17.5" << 17.5 << true;
        QTest::newRow("comma is not a point") << "2,5" << 2.0 << false;
        QTest::newRow("negative") << "-3" << -3.0 << true;
        QTest::newRow("leading zero") << "08" << 8.0 << true;
        QTest::newRow("word") << "ok" << 0.0 << false;
        QTest::newRow("empty") << "" << 0.0 << false;
        QTest::newRow("blanks only") << "   " << 0.0 << false;
        QTest::newRow("lone point") << "." << 0.0 << false;
        QTest::newRow("point fraction") << ".4" << 0.4 << true;
        QTest::newRow("cr lf after") << "17\r\n" << 17.0 << true;
    }
    void leadingNumber()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QFETCH(bool, whole);
        QCOMPARE(zt::leadingNumber(text), value);
        QCOMPARE(zt::isWholeNumberText(text), whole);
    }

    void roundingAndSignPosition()
    {
        QCOMPARE(zt::roundHalfEven(2.5), 2.0);
        QCOMPARE(zt::roundHalfEven(3.5), 4.0);
        QCOMPARE(zt::roundHalfEven(-2.5), -2.0);
        QCOMPARE(zt::roundClamped(36.5, 1, 500), 36);
        QCOMPARE(zt::roundClamped(0, 1, 500), 1);
        QCOMPARE(zt::roundClamped(1e300, 1, 500), 500);
        QCOMPARE(zt::signText(7) + zt::signText(0) + zt::signText(-3), QStringLiteral(" 7 0-3"));
        QCOMPARE(zt::plainNumberText(5) + u'|' + zt::plainNumberText(2.5) + u'|' + zt::plainNumberText(1e15),
                 QStringLiteral("5|2.5|1000000000000000"));
    }
};

ZT_TEST_MAIN(TextRulesTest)
#include "tst_textrules.moc"
