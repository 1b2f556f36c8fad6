// The money window as a player uses it: the stakes kept between runs, the
// readout following the board's spins, the balance of the recorded rows with
// their times, the simulated evenings, and the key that opens it.

#include "core/numberlist.h"
#include "core/playersettings.h"
#include "core/session.h"
#include "storetesting.h"
#include "windows/moneywindow.h"
#include "windowsupport.h"

#include <QAreaSeries>
#include <QChartView>
#include <QCheckBox>
#include <QLineSeries>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSpinBox>

using zt::control;
using zt::Links;
using zt::MoneyWindow;

namespace {

// 3000 spins in one game, of the type "Live".
const QString kEvening = QStringLiteral(
    "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 3000) INSERT INTO "
    "Uscite (Numero, Memoria, Tipo) SELECT ' ' || (i * 7 % 37), ' ' || i, 1 FROM n");

MoneyWindow* money()
{
    zt::test::links().show(Links::Window::Money);
    return static_cast<MoneyWindow*>(zt::test::links().window(Links::Window::Money));
}

// A number 1..36 that the board's proposal does not hold.
QString missOf(const QString& proposal)
{
    std::array<bool, 37> held{};
    zt::forEachListItem(proposal, [&](double n) { held[int(n)] = true; });
    int n = 1;
    while (held[n])
        ++n;
    return QString::number(n);
}

} // namespace

class MoneyWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { zt::destroySharedWindows(); }

    // The window opens inside the screen's free area, and what does not fit
    // scrolls: the stakes stay whole, the charts keep the height that shows
    // them (also at double scale on a 1280 x 800 screen: money_scale2).
    void fitsTheScreen()
    {
        zt::test::FreshDir dir;
        zt::test::sql({zt::test::usciteTable, kEvening});
        MoneyWindow* w = money();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        control<QComboBox>(w, "Curva")->setCurrentIndex(2);
        control<QPushButton>(w, "Simula")->click();
        QTRY_VERIFY_WITH_TIMEOUT(!w->isBusy(), 120000);
        const QRect area = w->screen()->availableGeometry();
        // The whole frame, title bar included (under a window manager).
        QTRY_VERIFY2(area.contains(w->frameGeometry()),
                     qPrintable(QDebug::toString(w->frameGeometry())));
        w->resize(std::min(area.width(), 700), std::min(area.height() - 40, 500));
        QTRY_COMPARE(w->height(), std::min(area.height() - 40, 500));
        QApplication::processEvents();
        auto* scroll = control<QScrollArea>(w, "Scorrimento");
        QVERIFY(scroll->verticalScrollBar()->maximum() > 0);
        for (const char* name : {"GraficoSaldo", "GraficoSerate"})
            QVERIFY2(control<QWidget>(w, name)->height() >= 220, name);
        for (const char* name : {"Puntata", "Progressione", "Cassa", "NuovaSerata", "Simula"}) {
            const auto* c = control<QWidget>(w, name);
            QVERIFY2(c->width() >= c->minimumSizeHint().width(), name);
        }
        // Down to the smallest size the window allows, the charts' texts stay whole.
        const QStringList cut = zt::cutChartTextsWhileNarrowing(w, area.width());
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join("\n")));
    }

    // The stakes set in the window hold at once, are written to the
    // settings file, and are there again in the next run; multiples that
    // are no list change nothing and say why.
    void stakesKeptBetweenRuns()
    {
        ZT_ITALIAN_WORDS();
        MoneyWindow* w = money();
        control<QSpinBox>(w, "Puntata")->setValue(2);
        control<QLineEdit>(w, "Elenco")->setText("1,2,4");
        control<QComboBox>(w, "Progressione")->setCurrentIndex(1);
        control<QSpinBox>(w, "Cassa")->setValue(300);
        const zt::BetSettings& now = zt::test::links().session().play.settings();
        QCOMPARE(zt::progressionText(now), QString("1,2,4"));
        QCOMPARE(now.bankroll, zt::Chips(300));

        auto* list = control<QLineEdit>(w, "Elenco");
        list->clear();
        QTest::keyClicks(list, "1,,2");
        QTest::keyClick(list, Qt::Key_Return);
        QVERIFY(control<QLabel>(w, "Avviso")->isVisibleTo(w));
        QCOMPARE(zt::progressionText(zt::test::links().session().play.settings()), QString("1,2,4"));
        // Multiples past what a number can hold without a table maximum: said.
        list->setText("1,1000001");
        control<QSpinBox>(w, "Puntata")->setValue(1'000'000'000);
        QVERIFY(control<QLabel>(w, "Avviso")->isVisibleTo(w));
        QVERIFY(control<QLabel>(w, "Avviso")->text().contains("oltre 1.000.000.000.000.000"));
        control<QSpinBox>(w, "Puntata")->setValue(2);
        list->setText("1,2,4");
        QTest::keyClick(list, Qt::Key_Return);

        zt::AppLinks nextRun;
        QCOMPARE(zt::progressionText(nextRun.session().play.settings()), QString("1,2,4"));
        QCOMPARE(nextRun.session().play.settings().stake, zt::Chips(2));
        QCOMPARE(nextRun.session().play.settings().bankroll, zt::Chips(300));

        // Opened again, the window shows the stakes in use.
        w->close();
        w = money();
        QCOMPARE(control<QComboBox>(w, "Progressione")->currentIndex(), 1);
        QCOMPARE(control<QLineEdit>(w, "Elenco")->text(), QString("1,2,4"));
        QCOMPARE(control<QSpinBox>(w, "Puntata")->value(), 2);

        // Back to one chip, flat, for the tests after.
        control<QComboBox>(w, "Progressione")->setCurrentIndex(0);
        control<QSpinBox>(w, "Puntata")->setValue(1);
        control<QSpinBox>(w, "Cassa")->setValue(0);
        w->close();

        // A settings file that cannot be written: the player is told.
        QFile::remove(zt::settingsFileName);
        QVERIFY(QDir().mkdir(zt::settingsFileName));
        w = money();
        QCOMPARE(control<QComboBox>(w, "Progressione")->currentIndex(), 0);
        control<QSpinBox>(w, "Obiettivo")->setValue(3);
        QVERIFY(control<QLabel>(w, "Avviso")->text().contains("non sono state salvate"));
        QVERIFY(QDir().rmdir(zt::settingsFileName));
    }

    // The stake of the next spin and the evening's balance follow the board.
    void readoutFollowsTheBoard()
    {
        ZT_ITALIAN_WORDS();
        MoneyWindow* w = money();
        zt::BoardLink& board = zt::test::links().board();
        control<QPushButton>(w, "NuovaSerata")->click();
        board.requestReset();
        board.sendSpin("5");
        const QString proposal = board.proposal();
        QVERIFY(!proposal.isEmpty());
        QTRY_COMPARE(w->nextStakeText(),
                     QString("Prossima puntata: 1 su ognuno dei 3 numeri (3 in tutto), tentativo 1."));
        board.sendSpin(missOf(proposal));
        board.sendSpin(missOf(proposal));
        QTRY_VERIFY(w->nextStakeText().endsWith("tentativo 3."));
        QTRY_VERIFY(control<QLabel>(w, "SaldoSerata")->text().startsWith(
            "Serata: saldo -6, puntato 6 in 2 colpi"));
        // A bankroll that just covers the next stake; a chip less does not.
        control<QSpinBox>(w, "Cassa")->setValue(9);
        QTRY_VERIFY(w->nextStakeText().endsWith("tentativo 3."));
        control<QSpinBox>(w, "Cassa")->setValue(8);
        QTRY_VERIFY(w->nextStakeText().endsWith("tentativo 3: la cassa non la copre."));
        control<QSpinBox>(w, "Cassa")->setValue(0);
        control<QPushButton>(w, "NuovaSerata")->click();
        QVERIFY(control<QLabel>(w, "SaldoSerata")->text().startsWith("Serata: saldo 0, puntato 0"));
        // With "Controlla 1° colpo" cleared the proposal is not followed.
        auto* followed = control<QCheckBox>(zt::shared<zt::SettingsWindow>(), "Check12");
        followed->setChecked(false);
        QTRY_COMPARE(w->nextStakeText(), QString("Nessuna proposta seguita: nessuna puntata."));
        followed->setChecked(true);
        board.clearProposal();
        QTRY_COMPARE(w->nextStakeText(), QString("Nessuna proposta seguita: nessuna puntata."));

        // Ctrl+P on the board and on the viewer shows the one window.
        for (auto opener : {Links::Window::Board, Links::Window::Viewer}) {
            w->hide();
            zt::test::links().show(opener);
            QWidget* window = zt::test::links().window(opener);
            QVERIFY(QTest::qWaitForWindowActive(window));
            QTest::keyClick(window, Qt::Key_P, Qt::ControlModifier);
            QVERIFY(w->isVisible());
        }
    }

    // The recorded rows replayed for their balance, with when they were
    // played; the simulated evenings.
    void recordedRowsAndSimulatedEvenings()
    {
        ZT_ITALIAN_WORDS();
        zt::test::FreshDir dir;
        zt::test::sql(
            {zt::test::usciteTable, kEvening,
             "CREATE TABLE IF NOT EXISTS UsciteOra (id INTEGER PRIMARY KEY, Ora TEXT NOT NULL)",
             "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 3000) "
             "INSERT INTO UsciteOra SELECT i, strftime('%Y-%m-%dT%H:%M:%S', "
             "'2026-12-06 21:00:00', '+' || (i * 12) || ' seconds') || '+01:00' FROM n"});
        MoneyWindow* w = money();
        QSignalSpy shown(w, &MoneyWindow::refreshed);
        control<QComboBox>(w, "Curva")->setCurrentIndex(2);
        QTRY_VERIFY_WITH_TIMEOUT(!w->isBusy() && w->balanceFigures().contains("Inizio"), 120000);
        QVERIFY(w->balanceFigures().startsWith("Colpi puntati: "));
        QVERIFY(w->balanceFigures().contains("di 3000\n"));
        QVERIFY(w->balanceFigures().contains("Uscite all'ora: 300,0")); // every 12 seconds
        // The chart draws every second spin of twice its most points, and the last one.
        QLineSeries* balance = nullptr;
        for (QAbstractSeries* series : control<QChartView>(w, "GraficoSaldo")->chart()->series()) {
            if (series->name() == "Saldo")
                balance = static_cast<QLineSeries*>(series);
        }
        QVERIFY(balance && balance->count() == 1 + 1500 + 1); // the origin first
        const QString net = w->balanceFigures().section("Saldo: ", 1).section('\n', 0, 0);
        QCOMPARE(balance->points().back(), QPointF(3000, QLocale(QLocale::Italian).toDouble(net)));

        control<QSpinBox>(w, "Serate")->setValue(200);
        control<QSpinBox>(w, "UsciteSerata")->setValue(50);
        control<QSpinBox>(w, "Seme")->setValue(3);
        control<QPushButton>(w, "Simula")->click();
        QTRY_VERIFY_WITH_TIMEOUT(!w->isBusy(), 120000);
        QVERIFY(w->simulationFigures().startsWith("Serate simulate: 200 da 50 uscite (seme 3)"));
        QVERIFY(w->simulationFigures().contains("Nessuna progressione cambia il conto"));
        // The histogram counts every evening once, across the balances they ended with.
        const auto series = control<QChartView>(w, "GraficoSerate")->chart()->series();
        const QList<QPointF> bars = static_cast<QAreaSeries*>(series.front())->upperSeries()->points();
        double evenings = 0;
        for (int i = 0; i < bars.size(); i += 2)
            evenings += bars[i].y();
        QCOMPARE(evenings, 200.0);
        QCOMPARE(bars.size(), 2 * 30); // thirty bins
        QVERIFY(bars.back().x() - bars.front().x() > 40);
        QVERIFY(!shown.isEmpty());
    }
};

ZT_WINDOWS_TEST_MAIN(MoneyWindowTest)
#include "tst_moneywindow.moc"
