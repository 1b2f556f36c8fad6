#include "core/textrules.h"
#include "core/plainboard.h"
#include "reportrecorder.h"
#include "core/engine.h"
#include "testsupport.h"

namespace {

// Outcomes as letters: R restore keypad, T turn red, C close (first hit),
// S close (second hit), F cancel before a hit, A cancel after it, Z reset
// request, 1 / 2 raise the first / second delay, E end of the call; a close or
// cancel is followed by its attempts in brackets.
struct Letters : zt::StringOutcomeSink {
    QString text;
    void apply(const zt::StringOutcome& o) override
    {
        text += QStringLiteral("RTCSFAZ12E")[int(o.kind)];
        using K = zt::StringOutcome::Kind;
        if (o.kind == K::CloseFirstHit || o.kind == K::CancelAfterHit)
            text += QStringLiteral("(%1)").arg(o.a);
        if (o.kind == K::CloseSecondHit)
            text += QStringLiteral("(%1-%2)").arg(o.a).arg(o.b);
    }
};

// A board that never proposes on its own: the filter names 1, which has no row.
struct Board : zt::PlainBoard {
    explicit Board(const QString& note, bool second = false)
    {
        filter = QStringLiteral("1");
        row.note = note;
        strings.checkSecond = second;
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
        QTest::addColumn<QString>("setup"); // s second-hit mode, z "Azzera", digit: maximum
        QTest::addColumn<bool>("red");
        QTest::addColumn<QString>("delays");
        QTest::addColumn<QString>("expected");
        auto row = [](const char* name, const char* text, double drawn, const char* setup, bool red,
                      const char* delays, const char* expected) {
            QTest::newRow(name) << QString::fromLatin1(text) << drawn << QString::fromLatin1(setup)
                                << red << QString::fromLatin1(delays)
                                << QString::fromLatin1(expected);
        };
        row("hit", "17, 25, 34,", 25, "", false, " 0| 0", "RC(1)R");
        row("2 is no item", "17, 25, 34,", 2, "", false, " 4| 0", "1");
        row("5 is no item", "17, 25, 34,", 5, "", false, " 0| 0", "1");
        row("fraction", "17, 25, 34,", 25.5, "", false, " 0| 0", "1");
        row("zero", "26, 0, 3,", 0, "", false, " 2| 0", "RC(3)R");
        row("double zero", "00, 26, 32,", 0, "", false, " 0| 0", "RC(1)R");
        row("one digit first", " 5, 16, ", 16, "", false, " 0| 0", "RC(1)R");
        row("listed twice", "7, 7,", 7, "", false, " 4| 0", "RC(5)RC(1)R");
        row("closed row stays black", "7, 7, 7,", 7, "s", false, " 4| 0", "RTRS(5-1)RR");
        row("tenth miss", "17,", 3, "", false, " 9| 0", "FE");
        row("tenth miss, reset", "17,", 3, "z", false, " 9| 0", "FZE");
        row("hit, reset", "17,", 17, "z", false, " 0| 0", "RC(1)ZR");
        row("no maximum", "17,", 3, "0", false, "0|0", "FE");
        row("hit is never also cancelled", "17,", 17, "1", false, "0|0", "RC(1)R");
        row("first of two hits", "17,", 17, "s", false, " 3| 0", "RT2");
        row("second hit", "17,", 17, "s", true, " 3| 1", "RS(4-2)R");
        row("cancel after hit", "17,", 3, "s", true, " 2| 9", "A(3)E");
        row("red miss", "17,", 3, "s", true, " 2| 4", "2");
    }
    void outcomes()
    {
        QFETCH(QString, text);
        QFETCH(double, drawn);
        QFETCH(QString, setup);
        QFETCH(bool, red);
        QFETCH(QString, delays);
        QFETCH(QString, expected);
        zt::StringsSettings s;
        s.checkSecond = setup.contains(u's');
        s.resetAfter = setup.contains(u'z');
        if (zt::isWholeNumberText(setup))
            s.maxDelay = setup.toDouble();
        const QStringList d = delays.split(u'|');
        Letters out;
        const bool ends = zt::followStringRow({text, red, d[0], d[1]}, true, drawn, s, out);
        QCOMPARE(out.text, expected);
        QCOMPARE(ends, expected.endsWith(u'E'));
    }

    void tenthMissCancelsAndReports()
    {
        zt::test::ReportRecorder report;
        Board b(QStringLiteral("17, 25, 34,"));
        b.reportTarget = &report;
        for (int i = 1; i <= 9; ++i) {
            b.spin(3);
            QCOMPARE(b.row.firstDelay, zt::delayText(i));
        }
        QVERIFY(report.calls.isEmpty());
        b.spin(3);
        QCOMPARE(b.row.note + b.row.firstDelay, QStringLiteral("0"));
        QCOMPARE(report.calls, (QStringList{"Text15", "detail: F,", "post:F"}));
    }

    void secondHitReportsBothAttempts()
    {
        zt::test::ReportRecorder report;
        Board b(QStringLiteral("17, 25, 34,"), true);
        b.reportTarget = &report;
        for (int n : {3, 3, 3, 25})
            b.spin(n);
        QVERIFY(b.row.red);
        QCOMPARE(b.row.firstDelay + b.row.secondDelay, QStringLiteral(" 3 1"));
        b.spin(3);
        QCOMPARE(b.row.firstDelay + b.row.secondDelay, QStringLiteral(" 3 2"));
        b.spin(34);
        QCOMPARE(report.calls, (QStringList{"detail: 4- 3, ", "post: 4", "post: 3", "Text16"}));
        QVERIFY(!b.row.red);
        QCOMPARE(b.row.note + b.row.firstDelay + b.row.secondDelay, QStringLiteral("00"));
    }

    void cancelAfterFirstHit()
    {
        zt::test::ReportRecorder report;
        Board b(QStringLiteral("17, 25, 34,"), true);
        b.reportTarget = &report;
        b.spin(17);
        for (int i = 0; i < 8; ++i)
            b.spin(3);
        QCOMPARE(b.row.secondDelay, QStringLiteral(" 9"));
        QVERIFY(report.calls.isEmpty());
        b.spin(3);
        QCOMPARE(report.calls,
                 (QStringList{"Text3", "detail: 1, ", "post: 1", "detail: F,", "post:F"}));
        QVERIFY(!b.row.red);
        QCOMPARE(b.row.note, QString());
    }

    void frozenWhenChecksOffAndSilentWithoutReports()
    {
        Board b(QStringLiteral("17, 25, 34,"));
        b.strings.checkFirst = false;
        b.row.firstDelay = QStringLiteral(" 4");
        b.spin(25);
        b.spin(3);
        QCOMPARE(b.row.note + b.row.firstDelay, QStringLiteral("17, 25, 34, 4"));
        // No target, then a target with its reports off: the engine still works.
        Board quiet(QStringLiteral("17,"));
        quiet.spin(17);
        QCOMPARE(quiet.row.note, QString());
        zt::test::ReportRecorder off(false);
        quiet.reportTarget = &off;
        quiet.row.note = QStringLiteral("17,");
        quiet.spin(17);
        QCOMPARE(quiet.row.note, QString());
        QVERIFY(off.calls.isEmpty());
        QCOMPARE(zt::delayText(0) + zt::delayText(250) + zt::delayText(2.5),
                 QStringLiteral("0 250 2.5"));
    }
};

ZT_TEST_MAIN(EngineTest)
#include "tst_engine.moc"
