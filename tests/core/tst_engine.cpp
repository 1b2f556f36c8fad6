// One step of the strings engine: a row as its controls hold it, a drawn
// number and the settings give the outcomes, in the order they are applied.

#include "core/engine.h"
#include "core/textrules.h"
#include "testsupport.h"

namespace {

// Outcomes as letters: R restore keypad, T turn red, C close (first hit),
// S close (second hit), F cancel before a hit, A cancel after it, Z reset
// request, 1 / 2 raise the first / second delay, E end of the call; a close or
// cancel after a hit is followed by its attempts in brackets.
struct Letters : zt::StringOutcomeSink {
    QString text;
    void apply(const zt::StringOutcome& o) override
    {
        using K = zt::StringOutcome::Kind;
        text += QStringLiteral("RTCSFAZ12E")[int(o.kind)];
        if (o.kind == K::CloseFirstHit || o.kind == K::CancelAfterHit)
            text += QStringLiteral("(%1)").arg(o.a);
        if (o.kind == K::CloseSecondHit)
            text += QStringLiteral("(%1-%2)").arg(o.a).arg(o.b);
        if (o.kind == K::RaiseFirstDelay || o.kind == K::RaiseSecondDelay)
            text += QString::number(o.a);
    }
};

} // namespace

class EngineTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void outcomes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("drawn");
        QTest::addColumn<QString>("setup"); // s second-hit mode, z "Azzera", r red, digit: maximum
        QTest::addColumn<QString>("delays");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* name, const char* text, double drawn, const char* setup,
                            const char* delays, const char* expected) {
            QTest::newRow(name) << text << drawn << setup << delays << expected;
        };
        row("hit", "17, 25, 34,", 25, "", " 0| 0", "RC(1)R");
        row("miss", "17, 25, 34,", 2, "", " 4| 0", "15");
        row("5 is no item", "17, 25, 34,", 5, "", " 0| 0", "11");
        row("fraction", "17, 25, 34,", 25.5, "", " 0| 0", "11");
        row("zero", "26, 0, 3,", 0, "", " 2| 0", "RC(3)R");
        row("listed twice", "7, 7,", 7, "", " 4| 0", "RC(5)RC(1)R");
        row("closed row stays black", "7, 7, 7,", 7, "s", " 4| 0", "RTRS(5-1)RR");
        row("tenth miss", "17,", 3, "", " 9| 0", "FE");
        row("tenth miss, reset", "17,", 3, "z", " 9| 0", "FZE");
        row("hit, reset", "17,", 17, "z", " 0| 0", "RC(1)ZR");
        row("maximum 3", "17,", 3, "3", " 1| 0", "12");
        row("no maximum", "17,", 3, "0", "0|0", "FE");
        row("hit is never also cancelled", "17,", 17, "1", "0|0", "RC(1)R");
        row("first of two hits", "17,", 17, "s", " 3| 0", "RT21");
        row("second hit", "17,", 17, "sr", " 3| 1", "RS(4-2)R");
        row("cancel after hit", "17,", 3, "sr", " 2| 9", "A(3)E");
        row("red miss", "17,", 3, "sr", " 2| 4", "25");
    }
    void outcomes()
    {
        QFETCH(QString, text);
        QFETCH(double, drawn);
        QFETCH(QString, setup);
        QFETCH(QString, delays);
        QFETCH(QString, expected);
        zt::StringsSettings s;
        s.checkSecond = setup.contains(u's');
        s.resetAfter = setup.contains(u'z');
        if (setup.size() == 1 && setup[0].isDigit())
            s.maxDelay = setup.toDouble();
        const QStringList d = delays.split(u'|');
        Letters out;
        const bool ends = zt::followStringRow({text, setup.contains(u'r'), d[0], d[1]}, true, drawn,
                                              s, out);
        QCOMPARE(out.text, expected);
        QCOMPARE(ends, expected.endsWith(u'E'));
    }
};

ZT_TEST_MAIN(EngineTest)
#include "tst_engine.moc"
