// What the board does with spins, corrections and resets, over a board
// without a window: each row plays a script and compares what the board then
// shows and what it reported.  The window runs the same code (the
// differential test of the windows holds it to this board).
//
// Script words: a number spins it; k<i> clicks keypad button i; b<text> writes
// the text into the spin bridge; U "C. ULTIMO", P "C. PRIMO", C "C. TUTTO",
// X the row's "X", I "<>", E "EV"; switches: Q Quorix, Z Zentrima13, L lock,
// S second hit, R reset after a string, H highlighting off, F first-hit check
// off, N reports off, M<n> maximum delay, #<text> number filter, =<text> a
// proposal typed under the lock; "_" stands for a blank, <n>*<k> for k spins.

#include "core/plainboard.h"
#include "reportrecorder.h"
#include "testsupport.h"

namespace {

// note | delays and count [red] | lit keys | history, newest first | last number
QString shown(const zt::PlainBoard& b)
{
    QStringList history;
    for (const QString& line : b.historyText.split(QLatin1String("\r\n"), Qt::SkipEmptyParts))
        history << line.section(u':', 1).trimmed();
    return QStringList{b.row.note,
                       b.row.firstDelay + u'/' + b.row.secondDelay + u'/' + b.row.count +
                           (b.row.red ? " red" : ""),
                       zt::numberListText(b.yellow), history.join(u' '), b.lastNumber}
        .join(u'|');
}

void play(zt::PlainBoard& b, zt::test::ReportRecorder& reports, const QString& script)
{
    for (QString word : script.split(u' ', Qt::SkipEmptyParts)) {
        word.replace(u'_', u' ');
        const QChar c = word[0];
        const QString rest = word.mid(1);
        if (c.isDigit()) {
            for (int k = word.contains(u'*') ? word.section(u'*', 1).toInt() : 1; k > 0; --k)
                b.spin(word.section(u'*', 0, 0).toInt());
        } else if (c == u'k') {
            b.click(rest.toInt());
        } else if (c == u'b') {
            zt::enterBridgeSpin(b, b.history, rest);
        } else if (c == u'=') {
            b.row.note = rest;
        } else if (c == u'#') {
            b.filter = rest;
        } else if (c == u'M') {
            b.strings.maxDelay = rest.toDouble();
        } else {
            switch (c.unicode()) {
            case 'U': zt::dropNewestSpin(b, b.history); break;
            case 'P': zt::dropOldestSpin(b, b.history); break;
            case 'C': b.requestReset(); break;
            case 'X': zt::clearStringRow(b, 0); break;
            case 'I': b.invertKeypad(); break;
            case 'E': zt::EvidenziaTastiera(b); break;
            case 'Q': b.quorix = true; break;
            case 'Z': b.zentrima = true; break;
            case 'L': b.lock = true; break;
            case 'S': b.strings.checkSecond = true; break;
            case 'R': b.strings.resetAfter = true; break;
            case 'H': b.strings.highlight = false; break;
            case 'F': b.strings.checkFirst = false; break;
            case 'N': reports.enabled = false; break;
            default: QFAIL(qPrintable("unknown word " + word));
            }
        }
    }
}

} // namespace

class SpinEntryTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void scripts_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("shows");
        QTest::addColumn<QString>("reports");
        const auto row = [](const char* name, const char* script, const char* shows,
                            const char* reports = "") {
            QTest::newRow(name) << script << shows << reports;
        };
        const char* const t17 = "14, 20, 31,| 0/ 0/ 0|14, 20, 31, |";
        row("a spin proposes its row", "17", QByteArray(t17) + "17|17");
        row("misses raise the delay", "17 5 32",
            "14, 20, 31,| 2/ 0/ 0|14, 20, 31, |32 5 17|32");
        row("filter", "#17 5 2 36", "| 0/ 0/ 0||36 2 5|36");
        row("filter hit", "#17 5 17", QByteArray(t17) + "17 5|17");
        row("a proposal blocks a new one", "=9,_10, 17", "9, 10,| 1/ 0/ 0|9, 10, |17|17");
        row("no highlighting", "H 17", "14, 20, 31,| 0/ 0/ 0||17|17");
        row("hit at the third attempt, next row", "17 5 32 20",
            "25, 2, 17,|0/0/ 0|2, 17, 25, |20 32 5 17|20", "detail: 3, |post: 3|Text16");
        row("second-hit mode, first hit", "S 17 5 32 20",
            "14, 20, 31,| 2/ 1/ 0 red|14, 20, 31, |20 32 5 17|20");
        row("second hit", "S 17 5 32 20 3 14",
            "15, 19, 32,|0/0/ 0|15, 19, 32, |14 3 20 32 5 17|14",
            "detail: 3- 3, |post: 3|post: 3|Text16");
        row("tenth miss cancels", "#1 =17,_25,_34, 3*10", "|0/0/ 0||3 3 3 3 3 3 3 3 3 3|3",
            "Text15|detail: F,|post:F");
        row("ninth miss", "#1 =17,_25,_34, 3*9", "17, 25, 34,| 9/ 0/ 0|17, 25, 34, |3 3 3 3 3 3 3 3 3|3");
        row("maximum 3", "#1 M3 =17, 3*3", "|0/0/ 0||3 3 3|3", "Text15|detail: F,|post:F");
        row("cancel after the first hit", "#1 S =17,_25,_34, 17 3*9", "|0/0/ 0||3 3 3 3 3 3 3 3 3 17|3",
            "Text3|detail: 1, |post: 1|detail: F,|post:F");
        row("reports off", "N #1 =17, 17", "|0/0/ 0||17|17");
        row("first-hit check off", "F =17,_25,_34, 3 25", "17, 25, 34,| 0/ 0/ 0|17, 25, 34, |25 3|25");
        row("reset inside the spin", "R #1 3 4 #Tutti =17,_25,_34, 25",
            "28, 7, 12,|0/0/0|7, 12, 28, ||25", "detail: 1, |post: 1|Text16");
        row("after the reset", "R #1 3 4 #Tutti =17,_25,_34, 25 9",
            "28, 7, 12,| 1/0/0|7, 12, 28, |9|9", "detail: 1, |post: 1|Text16");
        row("Zentrima13, five spins", "Z 10 20 30 4 5", "| 0/ 0/ 0||5 4 30 20 10|5");
        row("Zentrima13, sixth spin", "Z 10 20 30 4 5 6",
            "6, 17, 34, | 0/ 0/ 0|6, 17, 34, |6 5 4 30 20 10|6");
        const char* const quorix = "Q 0*12 5*6 7 8 9 10 11 12 13 14 15 16 22*3 23 24 25 26";
        row("Quorix, 35 spins", quorix, "| 0/ 0/ 0||26 25 24 23 22 22 22 16 15 14 13 12 11 10 9 8 "
            "7 5 5 5 5 5 5 0 0 0 0 0 0 0 0 0 0 0 0|26");
        row("Quorix, 36 spins", (QByteArray(quorix) + " 27").constData(),
            "1, 5, 11, 13, 14, 20, 22, 36, | 0/ 0/8|1, 5, 11, 13, 14, 20, 22, 36, |27 26 25 24 23 "
            "22 22 22 16 15 14 13 12 11 10 9 8 7 5 5 5 5 5 5 0 0 0 0 0 0 0 0 0 0 0 0|27");
        row("C. ULTIMO", "5 17 32 U", "20, 1, 14,| 2/ 0/ 0|1, 14, 20, |17 5|17");
        row("C. PRIMO", "5 17 32 P", "20, 1, 14,| 2/ 0/ 0|1, 14, 20, |32 17|32");
        row("corrections to the end", "U P 5 17 U U U P", "20, 1, 14,| 1/ 0/ 0|1, 14, 20, ||5");
        row("X", "S 2 25 3 X", "|0/0/0|17, 25, 34, |3 25 2|3");
        row("C. TUTTO", "S 2 25 3 C", "|0/0/0|||3");
        row("lock keeps the numbers", "L =17,_25,_34, 3 25 3",
            "17, 25, 34,| 1/0/ 0|17, 25, 34, |3 25 3|3", "detail: 2, |post: 2|Text16");
        row("lock on typed text", "L =xx,_25,_zz, 25", "xx, 25, zz,|0/0/ 0|25, |25|25",
            "detail: 1, |post: 1|Text16");
        row("bridge texts", "b17 b17.5 b b37 bword bok b_5", "14, 20, 31,| 5/ 0/ 0|14, 20, 31, |5 0 0 0 0 17|5");
        row("turned keypad", "I k1 k36", "02, 21, 25,| 1/ 0/ 0|2, 21, 25, |3 34|3");
        row("EV paints the typed proposal", "=3,_34,_0, E", "3, 34, 0,| 0/ 0/ 0|3, 34, ||");
        row("EV without a proposal", "=3,_34,_0, E = E", "| 0/ 0/ 0|3, 34, ||");
    }
    void scripts()
    {
        QFETCH(QString, script);
        QFETCH(QString, shows);
        QFETCH(QString, reports);
        zt::test::ReportRecorder recorder;
        zt::PlainBoard board;
        board.reportTarget = &recorder;
        play(board, recorder, script);
        QCOMPARE(shown(board), shows);
        QCOMPARE(recorder.calls.join(u'|'), reports);
    }
};

ZT_TEST_MAIN(SpinEntryTest)
#include "tst_spinentry.moc"
