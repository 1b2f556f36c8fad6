#include "board/plainboard.h"
#include "reportrecorder.h"
#include "strings/engine.h"
#include "testsupport.h"

using K = zt::StringOutcome::Kind;

namespace {

struct Recorded : zt::StringOutcomeSink {
    QList<zt::StringOutcome> all;
    void apply(const zt::StringOutcome& o) override { all << o; }
    QList<K> kinds() const
    {
        QList<K> k;
        for (const auto& o : all)
            k << o.kind;
        return k;
    }
};

Recorded step(const QString& text, double drawn, zt::StringsSettings settings = {},
              bool red = false, const QString& first = QStringLiteral(" 0"),
              const QString& second = QStringLiteral(" 0"))
{
    Recorded r;
    zt::followStringRow({text, red, first, second}, true, drawn, settings, r);
    return r;
}

// A board that never proposes on its own: the filter names 1, which has no row.
struct Board : zt::PlainBoard {
    explicit Board(const QString& note)
    {
        filter = QStringLiteral("1");
        row.note = note;
    }
};

} // namespace

class EngineTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void hitsAreWholeItemsOfTheList()
    {
        QCOMPARE(step("17, 25, 34,", 25).kinds(),
                 (QList<K>{K::RestoreKeypad, K::CloseFirstHit, K::RestoreKeypad}));
        for (double miss : {2.0, 5.0, 0.0, 25.5})
            QCOMPARE(step("17, 25, 34,", miss).kinds(), QList<K>{K::RaiseFirstDelay});
        QCOMPARE(step("26, 0, 3,", 0).all.at(1).kind, K::CloseFirstHit);
        QCOMPARE(step("00, 26, 32,", 0).all.at(1).kind, K::CloseFirstHit);
        QCOMPARE(step(" 5, 16, ", 5).all.at(1).kind, K::CloseFirstHit);
        QCOMPARE(step("5, 16,", 16).all.at(1).kind, K::CloseFirstHit);
        // A number listed twice is handled twice.
        const Recorded twice = step("7, 7,", 7, {}, false, " 4");
        QCOMPARE(twice.kinds(), (QList<K>{K::RestoreKeypad, K::CloseFirstHit, K::RestoreKeypad,
                                          K::CloseFirstHit, K::RestoreKeypad}));
        QCOMPARE(twice.all[1].a, 5.0);
        QCOMPARE(twice.all[3].a, 1.0);
    }

    void delaysAndCancellationOrder()
    {
        const Recorded miss = step("17, 25, 34,", 3, {}, false, " 4");
        QCOMPARE(miss.kinds(), QList<K>{K::RaiseFirstDelay});
        QCOMPARE(miss.all.first().a, 5.0);
        zt::StringsSettings azzera;
        azzera.resetAfter = true;
        QCOMPARE(step("17, 25, 34,", 3, azzera, false, " 9").kinds(),
                 (QList<K>{K::CancelBeforeHit, K::ResetRequest, K::EndCall}));
        QCOMPARE(step("17, 25, 34,", 25, azzera).kinds(),
                 (QList<K>{K::RestoreKeypad, K::CloseFirstHit, K::ResetRequest, K::RestoreKeypad}));
        // Non-numeric maximum: the first miss cancels.
        zt::StringsSettings zero;
        zero.maxDelay = 0;
        QCOMPARE(step("17,", 3, zero).all.first().kind, K::CancelBeforeHit);
        // A string closed by a hit is never reported cancelled as well.
        zt::StringsSettings one;
        one.maxDelay = 1;
        QCOMPARE(step("17,", 17, one).kinds(),
                 (QList<K>{K::RestoreKeypad, K::CloseFirstHit, K::RestoreKeypad}));
        // Second-hit mode: the first hit turns the row red and starts the second delay.
        zt::StringsSettings second;
        second.checkSecond = true;
        QCOMPARE(step("17,", 17, second, false, " 3").kinds(),
                 (QList<K>{K::RestoreKeypad, K::TurnRed, K::RaiseSecondDelay}));
        const Recorded closing = step("17,", 17, second, true, " 3", " 1");
        QCOMPARE(closing.all.at(1).kind, K::CloseSecondHit);
        QCOMPARE(closing.all.at(1).a, 4.0);
        QCOMPARE(closing.all.at(1).b, 2.0);
        const Recorded late = step("17,", 3, second, true, " 2", " 9");
        QCOMPARE(late.kinds(), (QList<K>{K::CancelAfterHit, K::EndCall}));
        QCOMPARE(late.all.first().a, 3.0);
    }

    void tenthMissCancelsAndReports()
    {
        zt::test::ReportRecorder report;
        Board b(QStringLiteral("17, 25, 34,"));
        for (int i = 1; i <= 9; ++i) {
            b.spin(3);
            QCOMPARE(b.row.firstDelay, QLatin1Char(' ') + QString::number(i));
        }
        QVERIFY(report.calls.isEmpty());
        b.spin(3);
        QCOMPARE(b.row.note, QString());
        QCOMPARE(b.row.firstDelay, QStringLiteral("0"));
        QCOMPARE(report.calls, (QStringList{"Text15", "detail: F,", "post:F"}));
    }

    void secondHitReportsBothAttempts()
    {
        zt::test::ReportRecorder report;
        Board b(QStringLiteral("17, 25, 34,"));
        b.strings.checkSecond = true;
        b.row.firstDelay = b.row.secondDelay = QStringLiteral("0");
        b.spin(3);
        b.spin(3);
        b.spin(3);
        b.spin(25);
        QVERIFY(b.row.red);
        QCOMPARE(b.row.firstDelay, QStringLiteral(" 3"));
        QCOMPARE(b.row.secondDelay, QStringLiteral(" 1"));
        b.spin(3);
        QCOMPARE(b.row.secondDelay, QStringLiteral(" 2"));
        b.spin(34);
        QCOMPARE(report.detail, QStringLiteral(" 4- 3, "));
        QCOMPARE(report.posts, (QStringList{" 4", " 3"}));
        QCOMPARE(report.calls.last(), QStringLiteral("Text16"));
        QVERIFY(!b.row.red);
        QCOMPARE(b.row.note, QString());
        QCOMPARE(b.row.firstDelay, QStringLiteral("0"));
        QCOMPARE(b.row.secondDelay, QStringLiteral("0"));
    }

    void cancelAfterFirstHit()
    {
        zt::test::ReportRecorder report;
        Board b(QStringLiteral("17, 25, 34,"));
        b.strings.checkSecond = true;
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
        QCOMPARE(b.row.note, QStringLiteral("17, 25, 34,"));
        QCOMPARE(b.row.firstDelay, QStringLiteral(" 4"));
        QVERIFY(!b.row.red);

        // No target, then a target with its reports off: the engine still works.
        Board quiet(QStringLiteral("17,"));
        quiet.spin(17);
        QCOMPARE(quiet.row.note, QString());
        zt::test::ReportRecorder off(false);
        quiet.row.note = QStringLiteral("17,");
        quiet.spin(17);
        QCOMPARE(quiet.row.note, QString());
        QVERIFY(off.calls.isEmpty());
    }

    void delayCaptions()
    {
        QCOMPARE(zt::delayText(0), QStringLiteral("0"));
        QCOMPARE(zt::delayText(3), QStringLiteral(" 3"));
        QCOMPARE(zt::delayText(250), QStringLiteral(" 250"));
        QCOMPARE(zt::delayText(2.5), QStringLiteral(" 2.5"));
    }
};

ZT_TEST_MAIN(EngineTest)
#include "tst_engine.moc"
