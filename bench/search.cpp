// The search of `zentrima13 search` with its default grid (31,968
// combinations) over 100,000 rows split in half, on two threads, with three
// random evenings for the luck of the search: by the wall clock and by the
// CPU time of the whole program.  Against it, the same combinations verified
// one by one over the same 100,000 rows, as `verify` run for each would:
// every 41st of them timed (780) and the time scaled to the whole grid.

#include "bench.h"

#include "core/search.h"
#include "store/replayreader.h"

#include <QElapsedTimer>

#include <ctime>

namespace {

constexpr int fileRows = 100'000;

double processSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

std::vector<zt::VerifySettings> defaultGrid()
{
    using Mode = zt::VerifySettings::Mode;
    std::vector<zt::VerifySettings> grid;
    for (Mode mode : {Mode::None, Mode::Quorix, Mode::Zentrima13}) {
        for (int filter = 0; filter <= 36; ++filter) {
            for (int max = 1; max <= 36; ++max) {
                for (int bits = 0; bits < 8; ++bits) {
                    zt::VerifySettings s;
                    s.mode = mode;
                    s.filter = filter == 0 ? QStringLiteral("Tutti") : QString::number(filter);
                    s.maxDelay = QString::number(max);
                    s.stringsReport = true;
                    s.secondHit = bits & 4;
                    s.resetAfterString = bits & 2;
                    s.autoReset = !(bits & 1);
                    grid.push_back(s);
                }
            }
        }
    }
    return grid;
}

} // namespace

ZT_BENCH(searchGrid)
{
    zt::bench::makeSpinsFile(fileRows, [](int i) { return 1 + i / 37 % 2; });
    using zt::bench::report;
    zt::ReplayRows rows;
    QString problem;
    if (zt::readReplayRows(QStringLiteral("dati.mdb"), QStringLiteral("dati.mdb"), {}, -1, rows,
                           &problem) != zt::ReplayRead::Done)
        qFatal("%s", qPrintable(problem));
    const std::size_t at = zt::gameEndAfter(rows, rows.size() / 2 - 1);
    const zt::ReplayRows choose = zt::rowsBetween(rows, 0, at);
    const zt::ReplayRows judge = zt::rowsBetween(rows, at, rows.size());

    zt::SearchSettings settings;
    settings.combinations = defaultGrid();
    QElapsedTimer wall;
    wall.start();
    double cpu = processSeconds();
    const zt::SearchResult found = zt::search(choose, judge, settings, 2);
    cpu = processSeconds() - cpu;
    const double seconds = double(wall.nsecsElapsed()) / 1e9;
    if (!found.runs.complete || found.order.empty())
        qFatal("the search did not end");
    report(QStringLiteral("search, default grid over 100,000 rows, 2 threads, wall clock"), seconds,
           QStringLiteral("s"));
    report(QStringLiteral("  CPU time of the search (every thread)"), cpu, QStringLiteral("s"));

    const QString count = QString::number(rows.size());
    const double start = zt::bench::threadSeconds();
    std::size_t timed = 0;
    for (std::size_t i = 0; i < settings.combinations.size(); i += 41, ++timed)
        zt::verify(rows, count, settings.combinations[i], false);
    const double oneByOne = (zt::bench::threadSeconds() - start) *
                            double(settings.combinations.size()) / double(timed);
    report(QStringLiteral("the same combinations verified one by one (CPU time, estimated)"),
           oneByOne, QStringLiteral("s"));
    report(QStringLiteral("  search CPU time / one by one"), cpu / oneByOne, QStringLiteral("x"));
}
