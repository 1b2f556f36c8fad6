// The whole chain, as the player goes through it: spins clicked on the keypad
// of the shown board and recorded into dati.mdb, the outcome viewer opened with
// Ctrl+U, the recorded evening replayed with "GO" and verified, and the report
// written with "SALVA".  The expected results are worked out independently of
// the windows: by hand for a short evening, and by a window-less board for a
// longer one.

#include "storetesting.h"
#include "windowsupport.h"
#include "ui/linesbox.h"

#include "windows/boardwindow.h"
#include "core/plainboard.h"
#include "reportrecorder.h"
#include "store/spinrecorder.h"
#include "windows/settingswindow.h"
#include "testsupport.h"
#include "core/report.h"
#include "core/tally.h"
#include "windows/viewerwindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include <array>
#include <cstdint>

using zt::control;

namespace {

using Games = QList<QList<int>>; // the spins of each game of an evening

// Games of pseudo-random spins from a fixed seed.
Games randomGames(std::uint32_t x, int games, int length)
{
    Games out(games);
    for (auto& game : out) {
        for (int i = 0; i < length; ++i) {
            x ^= x << 13;
            x ^= x >> 17;
            x ^= x << 5;
            game.append(int(x % 37));
        }
    }
    return out;
}

// The rows of Uscite for a "Live" evening: Numero, Memoria and Tipo.
QVariantList rowsOf(const Games& games)
{
    QVariantList rows;
    for (const auto& game : games)
        for (qsizetype i = 0; i < game.size(); ++i)
            rows << QString(" %1| %2|1").arg(game[i]).arg(i + 1);
    return rows;
}

// What the results panel and the report should show.
struct Expected {
    int verified = 0;        // Text16
    int hits = 0;            // Text8
    int numbers = 0;         // Text9
    int cancelledBefore = 0; // Text15
    int cancelledAfter = 0;  // Text3
    int replayed = 0;        // Text13
    QString detail;          // Text19
    std::array<int, 101> tally{};
};

QByteArray reportFor(const Expected& e)
{
    QByteArray r = "Orba\r\n\r\nBoules:" + QByteArray::number(e.replayed) + "\r\n\r\n\r\n\r\n";
    for (int i = 1; i <= 10; ++i)
        r += "Uscite al: " + QByteArray::number(i) +
             "\xB0 colpo n\xB0: " + QByteArray::number(e.tally[i]) + "\r\n";
    r += "\r\nFallite: " + QByteArray::number(e.tally[0]) +
         "\r\n\r\n\r\nTotale:" + QByteArray::number(e.verified) +
         "\r\n\r\n\r\ndettaglio colpi:\r\n" + e.detail.toLatin1() + "\r\n";
    return r;
}

// Replays of the evening (by default two: the strings followed with their
// reports on, then the proposal check of every replayed row added), on a board
// without a window.  Each game starts afresh.
Expected replayWithoutWindows(const Games& games, bool zentrima, bool secondHit,
                              const QList<bool>& runs = {false, true})
{
    Expected e;
    zt::test::ReportRecorder reports;
    for (bool proposalCheck : runs) {
        zt::PlainBoard board;
        board.reportTarget = &reports;
        board.zentrima = zentrima;
        board.strings.checkSecond = secondHit;
        for (const auto& game : games) {
            if (game.isEmpty())
                continue;
            board.requestReset();
            for (int n : game) {
                if (proposalCheck && !board.row.note.isEmpty()) {
                    ++e.verified;
                    for (const QString& item : board.row.note.split(u',', Qt::SkipEmptyParts)) {
                        if (item.trimmed().isEmpty())
                            continue;
                        ++e.numbers;
                        e.hits += item.trimmed().toInt() == n;
                    }
                    board.row.note.clear(); // "Controlla 1° colpo" drops the checked proposal
                }
                board.spin(n);
                ++e.replayed;
            }
        }
    }
    for (const QString& call : reports.calls) {
        if (call == u"Text16")
            ++e.verified;
        else if (call == u"Text15")
            ++e.cancelledBefore;
        else if (call == u"Text3")
            ++e.cancelledAfter;
        else if (call.startsWith(u"detail:"))
            e.detail += call.mid(7);
        else if (call == u"post:F")
            ++e.tally[0];
        else
            ++e.tally[call.mid(5).trimmed().toInt()];
    }
    return e;
}

} // namespace

class EndToEndTest : public QObject {
    Q_OBJECT
public Q_SLOTS:
    void openUrl(const QUrl& url) { opened << url; }

private:
    QList<QUrl> opened;

    // The evening played on the keypad of the shown board with recording on
    // and "Live" games, "C. TUTTO" between the games; the rows recorded.
    void recordOnKeypad(const Games& games)
    {
        auto* board = zt::shared<zt::BoardWindow>();
        board->show();
        board->activateWindow();
        if (!QTest::qWaitForWindowActive(board))
            qWarning("the board is not the active window");
        auto* type = control<QComboBox>(board, "Combo7");
        type->setCurrentIndex(type->findText(QStringLiteral("Live")));
        QTest::mouseClick(control<QCheckBox>(board, "Check8"), Qt::LeftButton);
        QVERIFY(control<QCheckBox>(board, "Check8")->isChecked());
        for (qsizetype g = 0; g < games.size(); ++g) {
            if (g > 0)
                QTest::mouseClick(control<QPushButton>(board, "Command6"), Qt::LeftButton);
            for (int n : games[g]) {
                int index = 0; // the button of the number, wherever the layout puts it
                while (index < 36 &&
                       control<QPushButton>(board, "Command9", index)->text() != QString::number(n))
                    ++index;
                QTest::mouseClick(control<QPushButton>(board, "Command9", index), Qt::LeftButton);
            }
        }
        QCOMPARE(recorded(), rowsOf(games));
    }

    QVariantList recorded()
    {
        return zt::test::sql("SELECT Numero || '|' || Memoria || '|' || Tipo FROM Uscite "
                             "ORDER BY id");
    }

    // Ctrl+U on the board, then "GO" over every row, first with the strings
    // reported, then with the proposal check on as well (the viewer goes back
    // to the first row after each run); the panel and "SALVA" show `e`.
    void replayAndCheck(int rows, const Expected& e)
    {
        QTest::keyClick(zt::shared<zt::BoardWindow>(), Qt::Key_U, Qt::ControlModifier);
        zt::ViewerWindow* viewer = zt::loaded<zt::ViewerWindow>();
        QVERIFY(viewer && viewer->isVisible());
        const auto text = [viewer](const char* name) {
            return zt::textBox(viewer, QLatin1String(name)).text();
        };
        QTest::mouseClick(control<QCheckBox>(viewer, "Check6"), Qt::LeftButton);
        auto* count = control<QLineEdit>(viewer, "Text6");
        count->selectAll();
        QTest::keyClicks(count, QString::number(rows));
        auto* go = control<QPushButton>(viewer, "Command6");
        QTest::mouseClick(go, Qt::LeftButton);
        QCOMPARE(text("Text13") + u'|' + text("Text7"), QString("%1|1").arg(rows));
        QTest::mouseClick(control<QCheckBox>(viewer, "Check4"), Qt::LeftButton);
        QTest::mouseClick(go, Qt::LeftButton);

        QCOMPARE(QStringList({text("Text16"), text("Text8"), text("Text9"), text("Text13"),
                              text("Text15"), text("Text3")})
                     .join(u'|'),
                 QString::asprintf("%d|%d|%d|%d|%d|%d", e.verified, e.hits, e.numbers, e.replayed,
                                   e.cancelledBefore, e.cancelledAfter));
        QCOMPARE(control<zt::LinesBox>(viewer, "Text19")->toPlainText(), e.detail);

        opened.clear();
        QTest::mouseClick(control<QPushButton>(viewer, "Command13"), Qt::LeftButton);
        QCOMPARE(zt::test::fileBytes(zt::reportFileName), reportFor(e));
        QCOMPARE(opened, QList<QUrl>{QUrl::fromLocalFile(
                             QFileInfo(zt::reportFileName).absoluteFilePath())});
    }

private Q_SLOTS:
    void initTestCase()
    {
        QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "openUrl");
    }
    void cleanupTestCase() { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
    void init()
    {
        zt::destroySharedWindows();
        zt::test::links().session().tally.clear();
    }
    void cleanup() { zt::destroySharedWindows(); }

    void firstHitEvening()
    {
        zt::test::FreshDir dir;
        // Default mode, first-hit check, maximum delay 10.  Each spin with no
        // string followed proposes the three numbers associated with it.
        //   3   proposes 32 0 15
        //   15  hit at attempt 1; proposes 23 8 10
        //   5   miss; 8 hit at attempt 2; proposes 20 1 14
        //   2 4 6 7 9 11 12 13 16 17: ten misses, the tenth cancels (F);
        //       17 proposes 14 20 31
        // C. TUTTO, a new game:
        //   22  proposes 36 13 11; 36 hit (1), proposes 13 27 36
        //   27  hit (1), proposes 32 0 15; 0 hit (1), 0 proposes nothing
        //   10  proposes 22 9 18; 18 hit (1), proposes 06 27 34
        //   1   miss; 34 hit at attempt 2
        // Reported: 1, 2, F, 1, 1, 1, 1, 2: seven strings hit (five at the
        // first attempt, two at the second) and one cancelled.
        recordOnKeypad(
            {{3, 15, 5, 8, 2, 4, 6, 7, 9, 11, 12, 13, 16, 17}, {22, 36, 27, 0, 10, 18, 1, 34}});

        // The proposal check of the second run compares each row with the
        // proposal of the row before; a game's first row starts from an
        // empty board and 0 proposes nothing, so rows 1, 15, 19 and 22 have
        // no check.  Game 1: 13 checks of three numbers, one hit (15 in
        // 32 0 15).  Game 2: 5 checks, hits 36, 27, 0 and 18, 1 misses.
        const Expected e{.verified = 7 + 18,
                         .hits = 5,
                         .numbers = 3 * 18,
                         .cancelledBefore = 1,
                         .replayed = 2 * 22,
                         .detail = QStringLiteral(" 1,  2,  F, 1,  1,  1,  1,  2, "),
                         .tally = {1, 5, 2}}; // failed, hit at attempts 1 and 2
        replayAndCheck(22, e);
        QCOMPARE(recorded().size(), 22); // nothing replayed was recorded again
    }

    void secondHitEvening()
    {
        zt::test::FreshDir dir;
        QTest::mouseClick(control<QCheckBox>(zt::shared<zt::SettingsWindow>(), "Check16"),
                          Qt::LeftButton);
        QTest::mouseClick(control<QCheckBox>(zt::shared<zt::BoardWindow>(), "Check3"),
                          Qt::LeftButton); // "Modo Zentrima13"
        const Games games = randomGames(2463534242u, 2, 34);
        recordOnKeypad(games);

        // Worked out before the viewer exists: while it is loaded it is the
        // only receiver of the strings' reports.  The evening exercises
        // every outcome.
        const Expected e = replayWithoutWindows(games, true, true);
        QVERIFY(e.detail.contains(u'-') && e.cancelledBefore > 0 && e.cancelledAfter > 0 &&
                e.hits > 0);
        replayAndCheck(68, e);
    }

    // "SALVA" clicked while "GO" runs (handled when the run lets events in)
    // reports the rows replayed so far, all of what they did.
    void reportWhileReplaying()
    {
        zt::test::FreshDir dir;
        const Games games = randomGames(123456789u, 8, 37);
        {
            zt::SpinRecorder recorder;
            for (const auto& game : games)
                for (qsizetype i = 0; i < game.size(); ++i)
                    QVERIFY(recorder.record(QString(" %1").arg(game[i]), QStringLiteral("1"),
                                            QString(" %1").arg(i + 1)));
        }
        auto* viewer = zt::shared<zt::ViewerWindow>();
        viewer->show();
        QTest::mouseClick(control<QCheckBox>(viewer, "Check6"), Qt::LeftButton);
        control<QLineEdit>(viewer, "Text6")->setText(QStringLiteral("296"));
        // Clicked the fifth time the run lets events in, some 50 rows on.
        QTimer later;
        int ticks = 0;
        connect(&later, &QTimer::timeout, viewer, [&] {
            if (++ticks == 5)
                control<QPushButton>(viewer, "Command13")->click();
        });
        later.start(0);
        QTest::mouseClick(control<QPushButton>(viewer, "Command6"), Qt::LeftButton);
        QCOMPARE(control<QLineEdit>(viewer, "Text13")->text(), QStringLiteral("296"));

        const QByteArray bytes = zt::test::fileBytes(zt::reportFileName);
        const qsizetype from = bytes.indexOf("Boules:") + 7;
        const int replayed = bytes.mid(from, bytes.indexOf('\r', from) - from).toInt();
        QVERIFY(replayed > 0 && replayed < 296);
        Games done = games.first(replayed / 37 + 1);
        done.last().resize(replayed % 37);
        const Expected e = replayWithoutWindows(done, false, false, {false});
        QVERIFY(!e.detail.isEmpty());
        QCOMPARE(bytes, reportFor(e));
    }
};

ZT_WINDOWS_TEST_MAIN(EndToEndTest)
#include "tst_endtoend.moc"
