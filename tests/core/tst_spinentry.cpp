// What the board does with spins, corrections and resets, the strings engine
// following its proposal included, over a board without a window.  The window runs the same code:
// the differential test of the windows holds it to this board.

#include "core/plainboard.h"
#include "core/textrules.h"
#include "reportrecorder.h"
#include "testsupport.h"

#include <functional>
#include <map>

namespace {

// Plays a script on the board.  A number spins it; k<i> clicks keypad button
// i; b<text> writes the text into the spin bridge; U "C. ULTIMO", P "C. PRIMO",
// C "C. TUTTO", X the row's "X", I "<>", E "EV"; switches: Q Quorix,
// Z Zentrima13, L lock, S second hit, R reset after a string, H highlighting,
// F first-hit check, N reports; M<n> maximum delay, #<text> number filter,
// =<text> a proposal typed under the lock; "_" is a blank, <n>*<k> k spins.
void play(zt::PlainBoard& b, zt::test::ReportRecorder& reports, const QString& script)
{
    const std::map<char, std::function<void()>> commands = {
        {'U', [&] { zt::dropNewestSpin(b, b.history); }},
        {'P', [&] { zt::dropOldestSpin(b, b.history); }},
        {'C', [&] { b.requestReset(); }},
        {'X', [&] { zt::clearStringRow(b, 0); }},
        {'I', [&] { b.invertKeypad(); }},
        {'E', [&] { zt::EvidenziaTastiera(b); }}};
    const std::map<char, bool*> switches = {{'Q', &b.quorix},
                                            {'Z', &b.zentrima},
                                            {'L', &b.lock},
                                            {'S', &b.strings.checkSecond},
                                            {'R', &b.strings.resetAfter},
                                            {'H', &b.strings.highlight},
                                            {'F', &b.strings.checkFirst},
                                            {'N', &reports.enabled}};
    for (QString word : script.split(u' ', Qt::SkipEmptyParts)) {
        word.replace(u'_', u' ');
        const char c = word[0].toLatin1();
        const QString rest = word.mid(1);
        if (word[0].isDigit()) {
            for (int k = word.contains(u'*') ? word.section(u'*', 1).toInt() : 1; k > 0; --k)
                b.spin(word.section(u'*', 0, 0).toInt());
        } else if (c == 'k') {
            b.click(rest.toInt());
        } else if (c == 'b') {
            zt::enterBridgeSpin(b, b.history, rest);
        } else if (c == '=' || c == '#') {
            (c == '=' ? b.row.note : b.filter) = rest;
        } else if (c == 'M') {
            b.strings.maxDelay = rest.toDouble();
        } else if (commands.count(c)) {
            commands.at(c)();
        } else {
            *switches.at(c) = !*switches.at(c);
        }
    }
}

} // namespace

class SpinEntryTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A script played on the board; then what it shows: the proposal | the
    // delays and the count [red] | the lit keys | the history (count: newest
    // first, six at most) | the last number; and what it reported.
    void scripts_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("shows");
        QTest::addColumn<QString>("reports");
        const auto row = [](const char* name, const char* script, const char* shows,
                            const char* reports = "") {
            QTest::newRow(name) << script << shows << reports;
        };
        const char* const v = "detail: 1, |post: 1|Text16";
        const char* const q = "Q 0*12 5*6 7 8 9 10 11 12 13 14 15 16 22*3 23 24 25 26 27";
        // clang-format off
        row("filter", "#17 5 2 36", "| 0/ 0/ 0||3: 36 2 5|36");
        row("filter hit", "#17 5 17", "14, 20, 31,| 0/ 0/ 0|14, 20, 31, |2: 17 5|17");
        row("a proposal blocks a new one", "=9,_10, 17", "9, 10,| 1/ 0/ 0|9, 10, |1: 17|17");
        row("no highlighting", "H 17", "14, 20, 31,| 0/ 0/ 0||1: 17|17");
        row("hit at the third attempt", "17 5 32 20",
            "25, 2, 17,|0/0/ 0|2, 17, 25, |4: 20 32 5 17|20",
            "detail: 3, |post: 3|Text16");
        row("second-hit mode, first hit", "S 17 5 32 20",
            "14, 20, 31,| 2/ 1/ 0 red|14, 20, 31, |4: 20 32 5 17|20");
        row("second hit", "S 17 5 32 20 3 14",
            "15, 19, 32,|0/0/ 0|15, 19, 32, |6: 14 3 20 32 5 17|14",
            "detail: 3- 3, |post: 3|post: 3|Text16");
        row("ninth miss", "#1 =17,_25, 3*9", "17, 25,| 9/ 0/ 0|17, 25, |9: 3 3 3 3 3 3|3");
        row("tenth miss", "#1 =17,_25, 3*10",
            "|0/0/ 0||10: 3 3 3 3 3 3|3", "Text15|detail: F,|post:F");
        row("delays past 127", "#1 M200 =17, 3*150 17", "|0/0/ 0||36: 17 3 3 3 3 3|17",
            "detail: 151, |post: 151|Text16");
        row("maximum 3", "#1 M3 =17, 3*3", "|0/0/ 0||3: 3 3 3|3", "Text15|detail: F,|post:F");
        row("cancel after the first hit", "#1 S =17,_25, 17 3*9", "|0/0/ 0||10: 3 3 3 3 3 3|3",
            "Text3|detail: 1, |post: 1|detail: F,|post:F");
        row("reports off", "N #1 =17, 17", "|0/0/ 0||1: 17|17");
        row("zero listed", "#1 =26,_0,_3, 5 5 0", "|0/0/ 0||3: 0 5 5|0", "detail: 3, |post: 3|Text16");
        row("listed twice", "#1 =7,_7, 3 3 3 3 7", "|0/0/ 0||5: 7 3 3 3 3|7",
            "detail: 5, |post: 5|Text16|detail: 1, |post: 1|Text16");
        row("closed row stays black", "#1 S =7,_7,_7, 3 3 3 3 7", "|0/0/ 0||5: 7 3 3 3 3|7",
            "detail: 5- 1, |post: 5|post: 1|Text16");
        row("no maximum", "#1 M0 =17, 3", "|0/0/ 0||1: 3|3", "Text15|detail: F,|post:F");
        row("hit, never also cancelled", "#1 M1 =17, 17", "|0/0/ 0||1: 17|17", v);
        row("tenth miss, reset", "R #1 =17, 3*10", "|0/0/0||0: |3", "Text15|detail: F,|post:F");
        row("first-hit check off", "F =17,_25, 3 25", "17, 25,| 0/ 0/ 0|17, 25, |2: 25 3|25");
        row("reset inside the spin", "R #1 3 4 #Tutti =17,_25, 25",
            "28, 7, 12,|0/0/0|7, 12, 28, |0: |25", v);
        row("after the reset", "R #1 3 4 #Tutti =17,_25, 25 9",
            "28, 7, 12,| 1/0/0|7, 12, 28, |1: 9|9", v);
        row("Zentrima13, five spins", "Z 10 20 30 4 5", "| 0/ 0/ 0||5: 5 4 30 20 10|5");
        row("Zentrima13, sixth spin", "Z 10 20 30 4 5 6",
            "6, 17, 34, | 0/ 0/ 0|6, 17, 34, |6: 6 5 4 30 20 10|6");
        row("Quorix", q, "1, 5, 11, 13, 14, 20, 22, 36, | 0/ 0/8|1, 5, 11, 13, 14, 20, 22, 36, |"
                         "36: 27 26 25 24 23 22|27");
        row("C. ULTIMO", "5 17 32 U", "20, 1, 14,| 2/ 0/ 0|1, 14, 20, |2: 17 5|17");
        row("C. PRIMO", "5 17 32 P", "20, 1, 14,| 2/ 0/ 0|1, 14, 20, |2: 32 17|32");
        row("corrections to the end", "U P 5 17 U U U P", "20, 1, 14,| 1/ 0/ 0|1, 14, 20, |0: |5");
        row("X", "S 2 25 3 X", "|0/0/0|17, 25, 34, |3: 3 25 2|3");
        row("C. TUTTO", "S 2 25 3 C", "|0/0/0||0: |3");
        row("lock keeps the numbers", "L =17,_25, 3 25 3", "17, 25,| 1/0/ 0|17, 25, |3: 3 25 3|3",
            "detail: 2, |post: 2|Text16");
        row("lock on typed text", "L =xx,_25,_zz, 25", "xx, 25, zz,|0/0/ 0|25, |1: 25|25", v);
        row("bridge texts", "b17 b17.5 b b37 bword bok b_5",
            "14, 20, 31,| 5/ 0/ 0|14, 20, 31, |6: 5 0 0 0 0 17|5");
        row("turned keypad", "I k1 k36", "02, 21, 25,| 1/ 0/ 0|2, 21, 25, |2: 3 34|3");
        row("EV paints the typed proposal", "=3,_34,_0, E", "3, 34, 0,| 0/ 0/ 0|3, 34, |0: |");
        row("EV without a proposal", "=3,_34,_0, E = E", "| 0/ 0/ 0|3, 34, |0: |");
        // clang-format on
    }
    void scripts()
    {
        QFETCH(QString, script);
        QFETCH(QString, shows);
        QFETCH(QString, reports);
        zt::test::ReportRecorder recorder;
        zt::PlainBoard b;
        b.reportTarget = &recorder;
        play(b, recorder, script);
        QStringList history = b.historyText.split(QLatin1String("\r\n"), Qt::SkipEmptyParts);
        for (QString& line : history)
            line = line.section(u':', 1).trimmed();
        const QString row = b.row.firstDelay + u'/' + b.row.secondDelay + u'/' + b.row.count;
        QCOMPARE(
            QStringList({b.row.note, row + (b.row.red ? " red" : ""), zt::numberListText(b.yellow),
                         QString::number(history.size()) + ": " + history.mid(0, 6).join(u' '),
                         b.lastNumber})
                .join(u'|'),
            shows);
        QCOMPARE(recorder.calls.join(u'|'), reports);
    }
};

ZT_TEST_MAIN(SpinEntryTest)
#include "tst_spinentry.moc"
