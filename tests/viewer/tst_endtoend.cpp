// The whole chain, as the player goes through it: spins clicked on the keypad
// of the shown board and recorded into dati.mdb, the outcome viewer opened with
// Ctrl+U, the recorded evening replayed with "GO" and verified, and the report
// written with "SALVA".  The expected results are worked out independently of
// the windows: by hand for a short evening, and by a window-less board for a
// longer one.

#include "app/controls.h"
#include "app/sharedwindow.h"
#include "board/boardwindow.h"
#include "board/plainboard.h"
#include "reportrecorder.h"
#include "store/spinrecorder.h"
#include "strings/settingswindow.h"
#include "testsupport.h"
#include "viewer/report.h"
#include "viewer/tally.h"
#include "viewer/viewerwindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTimer>

#include <array>
#include <cstdint>

using zt::control;

namespace {

struct Spin {
    int number;
    int memoria; // position in its game, from 1
};

// The rows of Uscite, in order: Numero, Memoria and Tipo as read back.
QList<Spin> recordedSpins(QStringList* problems)
{
    QList<Spin> spins;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "endtoend");
        db.setDatabaseName(QStringLiteral("dati.mdb"));
        QSqlQuery q(db);
        if (!db.open() || !q.exec("SELECT Numero, Memoria, Tipo FROM Uscite ORDER BY id"))
            *problems << QStringLiteral("dati.mdb cannot be read");
        while (q.next()) {
            const QString numero = q.value(0).toString();
            const QString memoria = q.value(1).toString();
            if (!numero.startsWith(u' ') || !memoria.startsWith(u' ') || q.value(2).toInt() != 1)
                *problems << numero + u'|' + memoria + u'|' + q.value(2).toString();
            spins.append({numero.toInt(), memoria.toInt()});
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("endtoend"));
    return spins;
}

// One evening played on the keypad: the games, "C. TUTTO" between them.
void playOnKeypad(zt::BoardWindow* board, const QList<QList<int>>& games)
{
    for (qsizetype g = 0; g < games.size(); ++g) {
        if (g > 0)
            QTest::mouseClick(control<QPushButton>(board, "Command6"), Qt::LeftButton);
        for (int n : games[g]) {
            // The button of the number, wherever the layout puts it.
            int index = 0;
            while (index < 36 &&
                   control<QPushButton>(board, "Command9", index)->text() != QString::number(n))
                ++index;
            QTest::mouseClick(control<QPushButton>(board, "Command9", index), Qt::LeftButton);
        }
    }
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

QByteArray reportFor(const Expected& e, int maxAttempts)
{
    QByteArray r = "Orba\r\n\r\nBoules:" + QByteArray::number(e.replayed) + "\r\n\r\n\r\n\r\n";
    for (int i = 1; i <= maxAttempts; ++i)
        r += "Uscite al: " + QByteArray::number(i) +
             "\xB0 colpo n\xB0: " + QByteArray::number(e.tally[i]) + "\r\n";
    r += "\r\nFallite: " + QByteArray::number(e.tally[0]) +
         "\r\n\r\n\r\nTotale:" + QByteArray::number(e.verified) +
         "\r\n\r\n\r\ndettaglio colpi:\r\n" + e.detail.toLatin1() + "\r\n";
    return r;
}

// Replays of the test (by default two: the strings followed with their
// reports on, then the proposal check of every replayed row added), on a board
// without a window.  Each replay starts a game afresh at every row with Memoria 1.
Expected replayWithoutWindows(const QList<Spin>& rows, bool zentrima, bool secondHit,
                              const QList<bool>& runs = {false, true})
{
    Expected e;
    zt::test::ReportRecorder reports;
    for (bool proposalCheck : runs) {
        zt::PlainBoard board;
        board.zentrima = zentrima;
        board.strings.checkSecond = secondHit;
        for (const Spin& row : rows) {
            if (row.memoria == 1)
                board.requestReset();
            if (proposalCheck && !board.row.note.isEmpty()) {
                ++e.verified;
                for (const QString& item : board.row.note.split(u',', Qt::SkipEmptyParts)) {
                    if (item.trimmed().isEmpty())
                        continue;
                    ++e.numbers;
                    e.hits += item.trimmed().toInt() == row.number;
                }
                board.row.note.clear(); // "Controlla 1° colpo" drops the checked proposal
            }
            board.spin(row.number);
            ++e.replayed;
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

    zt::BoardWindow* showBoard()
    {
        auto* board = zt::shared<zt::BoardWindow>();
        board->show();
        board->activateWindow();
        if (!QTest::qWaitForWindowActive(board))
            qWarning("the board is not the active window");
        return board;
    }

    // Recording on, "Live" games.
    void startRecording(zt::BoardWindow* board)
    {
        auto* type = control<QComboBox>(board, "Combo7");
        type->setCurrentIndex(type->findText(QStringLiteral("Live")));
        QTest::mouseClick(control<QCheckBox>(board, "Check8"), Qt::LeftButton);
        QVERIFY(control<QCheckBox>(board, "Check8")->isChecked());
    }

    zt::ViewerWindow* openViewer(zt::BoardWindow* board)
    {
        QTest::keyClick(board, Qt::Key_U, Qt::ControlModifier);
        zt::ViewerWindow* viewer = zt::loaded<zt::ViewerWindow>();
        if (!viewer || !viewer->isVisible())
            return nullptr;
        return viewer;
    }

    // "GO" over `rows` rows, first with the strings reported, then with the
    // proposal check on as well; the viewer goes back to the first row after
    // each run ("Ritorno Aut.").
    void replayTwice(zt::ViewerWindow* viewer, int rows)
    {
        QTest::mouseClick(control<QCheckBox>(viewer, "Check6"), Qt::LeftButton);
        auto* count = control<QLineEdit>(viewer, "Text6");
        count->selectAll();
        QTest::keyClicks(count, QString::number(rows));
        QCOMPARE(count->text(), QString::number(rows));
        auto* go = control<QPushButton>(viewer, "Command6");
        QTest::mouseClick(go, Qt::LeftButton);
        QCOMPARE(control<QLineEdit>(viewer, "Text13")->text(), QString::number(rows));
        QCOMPARE(control<QLineEdit>(viewer, "Text7")->text(), QStringLiteral("1"));
        QTest::mouseClick(control<QCheckBox>(viewer, "Check4"), Qt::LeftButton);
        QTest::mouseClick(go, Qt::LeftButton);
    }

    void checkPanel(zt::ViewerWindow* viewer, const Expected& e, int maxAttempts)
    {
        const auto text = [viewer](const char* name) {
            return control<QLineEdit>(viewer, QLatin1String(name))->text();
        };
        QCOMPARE(text("Text16"), QString::number(e.verified));
        QCOMPARE(text("Text8"), QString::number(e.hits));
        QCOMPARE(text("Text9"), QString::number(e.numbers));
        QCOMPARE(text("Text13"), QString::number(e.replayed));
        QCOMPARE(text("Text15"), QString::number(e.cancelledBefore));
        QCOMPARE(text("Text3"), QString::number(e.cancelledAfter));
        QCOMPARE(control<QPlainTextEdit>(viewer, "Text19")->toPlainText(), e.detail);

        opened.clear();
        QTest::mouseClick(control<QPushButton>(viewer, "Command13"), Qt::LeftButton);
        QFile report(QString::fromLatin1(zt::reportFileName));
        QVERIFY(report.open(QIODevice::ReadOnly));
        QCOMPARE(report.readAll(), reportFor(e, maxAttempts));
        QCOMPARE(opened, QList<QUrl>{QUrl::fromLocalFile(QFileInfo(report).absoluteFilePath())});
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
        zt::conteggioColpi().clear();
    }
    void cleanup() { zt::destroySharedWindows(); }

    void firstHitEvening()
    {
        zt::test::FreshDir dir;
        zt::BoardWindow* board = showBoard();
        startRecording(board);
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
        const QList<QList<int>> games = {{3, 15, 5, 8, 2, 4, 6, 7, 9, 11, 12, 13, 16, 17},
                                         {22, 36, 27, 0, 10, 18, 1, 34}};
        playOnKeypad(board, games);

        QStringList problems;
        const QList<Spin> rows = recordedSpins(&problems);
        QCOMPARE(problems, QStringList());
        QCOMPARE(rows.size(), 22);
        for (qsizetype i = 0; i < rows.size(); ++i) {
            const qsizetype g = i < 14 ? 0 : 1;
            QCOMPARE(rows[i].number, games[g][i - 14 * g]);
            QCOMPARE(rows[i].memoria, i - 14 * g + 1);
        }

        zt::ViewerWindow* viewer = openViewer(board);
        QVERIFY(viewer);
        replayTwice(viewer, 22);

        // The proposal check of the second run compares each row with the
        // proposal of the row before; a row with Memoria 1 starts from an
        // empty board and 0 proposes nothing, so rows 1, 15, 19 and 22 have
        // no check.  Game 1: 13 checks of three numbers, one hit (15 in
        // 32 0 15).  Game 2: 5 checks, hits 36, 27, 0 and 18, 1 misses.
        Expected e;
        e.verified = 7 + 18;
        e.hits = 5;
        e.numbers = 3 * 18;
        e.cancelledBefore = 1;
        e.replayed = 2 * 22;
        e.detail = QStringLiteral(" 1,  2,  F, 1,  1,  1,  1,  2, ");
        e.tally[0] = 1;
        e.tally[1] = 5;
        e.tally[2] = 2;
        checkPanel(viewer, e, 10);
        // Nothing replayed was recorded again.
        QCOMPARE(recordedSpins(&problems).size(), 22);
    }

    void secondHitEvening()
    {
        zt::test::FreshDir dir;
        zt::BoardWindow* board = showBoard();
        QTest::mouseClick(control<QCheckBox>(zt::shared<zt::SettingsWindow>(), "Check16"),
                          Qt::LeftButton);
        QTest::mouseClick(control<QCheckBox>(board, "Check3"), Qt::LeftButton);
        startRecording(board);
        // Two games of 34 spins in "Modo Zentrima13", from a fixed generator.
        QList<QList<int>> games(2);
        std::uint32_t x = 2463534242u;
        for (auto& game : games) {
            for (int i = 0; i < 34; ++i) {
                x ^= x << 13;
                x ^= x >> 17;
                x ^= x << 5;
                game.append(int(x % 37));
            }
        }
        playOnKeypad(board, games);

        QStringList problems;
        const QList<Spin> rows = recordedSpins(&problems);
        QCOMPARE(problems, QStringList());
        QCOMPARE(rows.size(), 68);
        for (qsizetype i = 0; i < rows.size(); ++i) {
            QCOMPARE(rows[i].number, games[i / 34][i % 34]);
            QCOMPARE(rows[i].memoria, i % 34 + 1);
        }

        // Worked out before the viewer exists: while it is loaded it is the
        // only receiver of the strings' reports.
        const Expected e = replayWithoutWindows(rows, true, true);
        // The evening exercises every outcome.
        QVERIFY(e.detail.contains(u'-'));
        QVERIFY(e.cancelledBefore > 0);
        QVERIFY(e.cancelledAfter > 0);
        QVERIFY(e.hits > 0);

        zt::ViewerWindow* viewer = openViewer(board);
        QVERIFY(viewer);
        replayTwice(viewer, 68);
        checkPanel(viewer, e, 10);
    }

    // "SALVA" clicked while "GO" runs (handled when the run lets events in)
    // reports the rows replayed so far, all of what they did.
    void reportWhileReplaying()
    {
        zt::test::FreshDir dir;
        QList<Spin> rows;
        {
            zt::SpinRecorder recorder;
            std::uint32_t x = 123456789u;
            for (int i = 0; i < 300; ++i) {
                x ^= x << 13;
                x ^= x >> 17;
                x ^= x << 5;
                rows.append({int(x % 37), i % 37 + 1});
                QVERIFY(recorder.record(QLatin1Char(' ') + QString::number(rows.last().number),
                                        QStringLiteral("1"),
                                        QLatin1Char(' ') + QString::number(i % 37 + 1)));
            }
        }
        auto* viewer = zt::shared<zt::ViewerWindow>();
        viewer->show();
        QTest::mouseClick(control<QCheckBox>(viewer, "Check6"), Qt::LeftButton);
        control<QLineEdit>(viewer, "Text6")->setText(QStringLiteral("300"));
        // Clicked the fifth time the run lets events in, some 50 rows on.
        QTimer later;
        int ticks = 0;
        connect(&later, &QTimer::timeout, viewer, [&] {
            if (++ticks == 5)
                control<QPushButton>(viewer, "Command13")->click();
        });
        later.start(0);
        QTest::mouseClick(control<QPushButton>(viewer, "Command6"), Qt::LeftButton);
        QCOMPARE(control<QLineEdit>(viewer, "Text13")->text(), QStringLiteral("300"));

        QFile report(QString::fromLatin1(zt::reportFileName));
        QVERIFY(report.open(QIODevice::ReadOnly));
        const QByteArray bytes = report.readAll();
        const qsizetype from = bytes.indexOf("Boules:") + 7;
        const int replayed = bytes.mid(from, bytes.indexOf('\r', from) - from).toInt();
        QVERIFY(replayed > 0 && replayed < 300);
        Expected e = replayWithoutWindows(rows.first(replayed), false, false, {false});
        QVERIFY(!e.detail.isEmpty());
        QCOMPARE(bytes, reportFor(e, 10));
    }
};

ZT_TEST_MAIN(EndToEndTest)
#include "tst_endtoend.moc"
