// Verification without windows (`zentrima13 verify`): rows per second over a
// 1,000,000-row dati.mdb, reading included; "GO" through the windows over
// the first 100,000 of the same rows in the same run, and the ratio; and a
// sweep of 2 x 3 x 10 combinations on every core against one after another.
// Games of 37 rows (Memoria 1 to 37), as in the replay benchmark.  Rates per
// second of this thread's CPU time, best of three, with the wall clock of the
// best run beside them; the sweep by the wall clock.

#include "bench.h"

#include "core/verifier.h"
#include "store/replayreader.h"
#include "store/storefile.h"
#include "windows/viewerwindow.h"
#include "windowsupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <algorithm>
#include <cstdint>
#include <ctime>

namespace {

constexpr int fileRows = 1'000'000;
constexpr int goRows = 100'000;

struct Rate {
    double cpu = 0;
    double wall = 0;
};

// The command's work for one setting: the rows read, the replay, the report's bytes.
Rate verifyRate(const zt::VerifySettings& s, qint64 rows)
{
    Rate best;
    for (int run = 0; run < 3; ++run) {
        QElapsedTimer wall;
        wall.start();
        const double start = zt::bench::threadSeconds();
        zt::ReplayRows read;
        QString problem;
        if (zt::readReplayRows(QStringLiteral("dati.mdb"), QStringLiteral("dati.mdb"), {}, rows,
                               read, &problem) != zt::ReplayRead::Done)
            qFatal("%s", qPrintable(problem));
        const zt::VerifyResult r = zt::verify(read, QString::number(rows), s, true);
        const QByteArray bytes = zt::reportBytes(r.report, r.tally);
        const double cpu = zt::bench::threadSeconds() - start;
        if (r.counters[int(zt::PanelCounter::Rows)] != QString::number(rows) || bytes.isEmpty())
            qFatal("the run did not replay every row");
        if (rows / cpu > best.cpu)
            best = {rows / cpu, rows / (double(wall.nsecsElapsed()) / 1e9)};
    }
    return best;
}

Rate goRate(const zt::VerifySettings& s)
{
    Rate best;
    for (int run = 0; run < 3; ++run) {
        zt::destroySharedWindows();
        zt::shared<zt::BoardWindow>()->show();
        auto* viewer = zt::shared<zt::ViewerWindow>();
        viewer->show();
        QApplication::processEvents();
        zt::control<QCheckBox>(viewer, "Check4")->setChecked(s.proposalCheck);
        zt::control<QCheckBox>(viewer, "Check6")->setChecked(s.stringsReport);
        zt::control<QLineEdit>(viewer, "Text6")->setText(QString::number(goRows));
        QElapsedTimer wall;
        wall.start();
        const double start = zt::bench::threadSeconds();
        zt::control<QPushButton>(viewer, "Command6")->click();
        const double cpu = zt::bench::threadSeconds() - start;
        if (zt::control<QLineEdit>(viewer, "Text13")->text() != QString::number(goRows))
            qFatal("the run did not replay every row");
        if (goRows / cpu > best.cpu)
            best = {goRows / cpu, goRows / (double(wall.nsecsElapsed()) / 1e9)};
    }
    zt::destroySharedWindows();
    return best;
}

} // namespace

ZT_BENCH(verifyCommand)
{
    zt::bench::makeSpinsFile(fileRows, [](int i) { return 1 + i / 37 % 2; });
    using zt::bench::report;
    const QString perSecond = QStringLiteral("rows/s");
    zt::VerifySettings reported;
    reported.stringsReport = true;
    zt::VerifySettings both = reported;
    both.proposalCheck = true;
    const std::pair<zt::VerifySettings, const char*> settings[] = {{reported, "strings reported"},
                                                                   {both, "both checks ticked"}};
    for (const auto& [s, name] : settings) {
        const Rate all = verifyRate(s, fileRows);
        report(QStringLiteral("verify over 1,000,000 rows, read included, %1").arg(name), all.cpu,
               perSecond);
        report(QStringLiteral("  the same run, by the wall clock"), all.wall, perSecond);
        const Rate first = verifyRate(s, goRows);
        const Rate go = goRate(s);
        report(QStringLiteral("verify over the first 100,000 rows, %1").arg(name), first.cpu,
               perSecond);
        report(QStringLiteral("GO over the same 100,000 rows, %1").arg(name), go.cpu, perSecond);
        report(QStringLiteral("  ratio verify / GO"), first.cpu / go.cpu, QStringLiteral("x"));
    }
}

// 2 modes x 3 maxima x 10 number filters over 200,000 rows, one after another
// and on two threads, alternately, the best of five each (the machine is
// shared: only the quietest moments show what the cores give).
ZT_BENCH(verifySweep)
{
    zt::bench::makeSpinsFile(fileRows, [](int i) { return 1 + i / 37 % 2; });
    using zt::bench::report;
    zt::VerifySettings reported;
    reported.stringsReport = true;
    zt::ReplayRows rows;
    QString problem;
    zt::readReplayRows(QStringLiteral("dati.mdb"), QStringLiteral("dati.mdb"), {}, 200'000, rows,
                       &problem);
    std::vector<zt::VerifySettings> sweep;
    for (auto mode : {zt::VerifySettings::Mode::None, zt::VerifySettings::Mode::Zentrima13}) {
        for (const char* max : {"4", "7", "10"}) {
            for (int filter = 0; filter < 10; ++filter) {
                zt::VerifySettings s = reported;
                s.mode = mode;
                s.maxDelay = QLatin1String(max);
                s.filter = filter == 0 ? QStringLiteral("Tutti") : QString::number(filter);
                sweep.push_back(s);
            }
        }
    }
    // Wall clock, and the CPU time of the whole program (all its threads)
    // during the same run: on a machine that gives the program both cores
    // the two-thread run takes about half the wall clock.
    double seconds[2] = {1e300, 1e300};
    double cpu[2] = {0, 0};
    for (int run = 0; run < 5; ++run) {
        for (int threads : {1, 2}) {
            QElapsedTimer wall;
            wall.start();
            timespec t0{};
            clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t0);
            zt::verifyAll(rows, QStringLiteral("200000"), sweep, threads);
            timespec t1{};
            clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t1);
            const double took = wall.nsecsElapsed() / 1e9;
            if (took < seconds[threads - 1]) {
                seconds[threads - 1] = took;
                cpu[threads - 1] = double(t1.tv_sec - t0.tv_sec) + (t1.tv_nsec - t0.tv_nsec) * 1e-9;
            }
        }
    }
    report(QStringLiteral("sweep of 60 combinations x 200,000 rows, one after another"), seconds[0],
           QStringLiteral("s"));
    report(QStringLiteral("  the same on 2 threads"), seconds[1], QStringLiteral("s"));
    report(QStringLiteral("  speed-up"), seconds[0] / seconds[1], QStringLiteral("x"));
    report(QStringLiteral("  CPU time of those runs, one thread / two"), cpu[0] / cpu[1],
           QStringLiteral("x"));
    report(QStringLiteral("  cores in use during the two-thread run (CPU time / wall clock)"),
           cpu[1] / seconds[1], QString());
}
