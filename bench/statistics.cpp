// The statistics of 1,000,000 recorded spins: reading dati.mdb on the
// reader's own connection (wall and CPU time), the figures alone, both
// together, and the window "Statistiche" from its opening to its figures
// shown (best of three each).
// Then what the window costs a recorded spin: the board's spin bridge with
// recording on, the window closed and open (following every spin) in turn,
// 300 spins each, with 20 ms of events after each spin.

#include "bench.h"

#include "windowsupport.h"
#include "store/spinreader.h"
#include "windows/statisticswindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QThread>

#include <algorithm>
#include <vector>

namespace {

using zt::bench::ms;
using zt::bench::percentile;

// dati.mdb (the program's table) with `rows` spins, types 1 and 2 in turn.
void makeFile(int rows)
{
    QFile::remove(QStringLiteral("dati.mdb"));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "bench-stats");
        db.setDatabaseName(QStringLiteral("dati.mdb"));
        db.open();
        QSqlQuery q(db);
        q.exec(QStringLiteral("CREATE TABLE Uscite (id INTEGER PRIMARY KEY AUTOINCREMENT, Numero "
                              "TEXT, Memoria TEXT, Tipo INTEGER, Cima TEXT, Memcima TEXT, Note TEXT)"));
        q.exec(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n "
                              "WHERE i < %1) INSERT INTO Uscite (Numero, Memoria, Tipo) SELECT ' ' "
                              "|| ((i * 7919) % 37), ' ' || (i % 37 + 1), 1 + i % 2 FROM n")
                   .arg(rows));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("bench-stats"));
}

long long figures(const zt::SpinReading& reading)
{
    using namespace zt::stats;
    const NumberTable table = tabulate(selectNumbers(reading.spins, TypeFilter::All, 0));
    const auto groups = groupFigures(table);
    return table.spins + groups.front().groups.front().observed;
}

zt::StatisticsWindow* openWindow()
{
    zt::test::links().show(zt::Links::Window::Statistics);
    return static_cast<zt::StatisticsWindow*>(
        zt::test::links().window(zt::Links::Window::Statistics));
}

void waitUntilShown(zt::StatisticsWindow* w)
{
    while (w->isBusy()) {
        QApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::usleep(200);
    }
}

// Wall and CPU time of each spin sent through the board's bridge with
// recording on, with 20 ms of events after each.
void spinTimes(int count, std::vector<double>& wall, std::vector<double>& cpu)
{
    zt::BoardLink& board = zt::test::links().board();
    board.setRecording(true);
    for (int i = 0; i < count; ++i) {
        QElapsedTimer t;
        t.start();
        const double start = zt::bench::threadSeconds();
        board.sendSpin(QString::number(i % 37));
        cpu.push_back((zt::bench::threadSeconds() - start) * 1000);
        wall.push_back(ms(t));
        QElapsedTimer events;
        events.start();
        while (events.elapsed() < 20)
            QApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    board.setRecording(false);
}

} // namespace

ZT_BENCH(statistics)
{
    makeFile(1'000'000);
    double read = 1e300, readCpu = 1e300, compute = 1e300, both = 1e300, window = 1e300;
    long long check = 0;
    for (int run = 0; run < 3; ++run) {
        QElapsedTimer t;
        t.start();
        const double cpu = zt::bench::threadSeconds();
        zt::SpinReading reading;
        if (zt::readSpins(reading, nullptr) != zt::ReadResult::Read || reading.spins.size() != 1'000'000)
            qFatal("the rows were not read");
        const double r = ms(t);
        readCpu = std::min(readCpu, (zt::bench::threadSeconds() - cpu) * 1000);
        QElapsedTimer f;
        f.start();
        check += figures(reading);
        compute = std::min(compute, ms(f));
        read = std::min(read, r);
        both = std::min(both, ms(t));

        zt::destroySharedWindows();
        QElapsedTimer w;
        w.start();
        zt::StatisticsWindow* statistics = openWindow();
        waitUntilShown(statistics);
        window = std::min(window, ms(w));
        if (statistics->numbers().spins != 1'000'000)
            qFatal("the window shows %lld spins", statistics->numbers().spins);
    }
    zt::bench::report("read 1,000,000 rows (Numero, Tipo)", read, "ms");
    zt::bench::report("read 1,000,000 rows, CPU time", readCpu, "ms");
    zt::bench::report("figures of 1,000,000 spins (numbers, groups)", compute, "ms");
    zt::bench::report("statistics of 1,000,000 rows, reading included", both, "ms");
    zt::bench::report("window opened until its figures show, 1,000,000 rows", window, "ms");

    // A spin recorded while the window is open: only the new row is read.
    // Rounds with the window closed and open alternate, against the noise of
    // the disk's flush.
    std::vector<double> closedWall, openWall, closedCpu, openCpu;
    long long recorded = 1'000'000;
    for (int round = 0; round < 3; ++round) {
        zt::destroySharedWindows();
        spinTimes(100, closedWall, closedCpu);
        recorded += 100;
        zt::StatisticsWindow* statistics = openWindow();
        waitUntilShown(statistics);
        spinTimes(100, openWall, openCpu);
        recorded += 100;
        waitUntilShown(statistics);
        if (statistics->numbers().spins != recorded)
            qFatal("the window did not follow the spins: %lld", statistics->numbers().spins);
    }
    zt::bench::report("recorded spin, statistics closed, median", percentile(closedWall, 0.5), "ms");
    zt::bench::report("recorded spin, statistics open, median", percentile(openWall, 0.5), "ms");
    zt::bench::report("recorded spin, statistics closed, 95th percentile",
                      percentile(closedWall, 0.95), "ms");
    zt::bench::report("recorded spin, statistics open, 95th percentile", percentile(openWall, 0.95),
                      "ms");
    zt::bench::report("recorded spin, statistics closed, board's CPU, median",
                      percentile(closedCpu, 0.5), "ms");
    zt::bench::report("recorded spin, statistics open, board's CPU, median",
                      percentile(openCpu, 0.5), "ms");
    zt::destroySharedWindows();
    if (check < 0)
        zt::bench::report("checksum", double(check), "");
}
