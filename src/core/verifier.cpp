#include "core/verifier.h"

#include "core/plainboard.h"
#include "core/replay.h"
#include "core/textrules.h"

#include <algorithm>
#include <thread>

namespace zt {

namespace {

// The outcome viewer and the settings window as plain values, over a
// PlainBoard: the console of the replay and the panel the engine reports to.
class PlainConsole final : public ReplayIO, public StringsReportTarget {
public:
    PlainConsole(const ReplayRows& rows, const VerifySettings& s, const QString& countText,
                 bool keepDetail, const StakeTable& stakes)
        : purse(stakes, s.bet.bankroll), rows_(rows), settings_(s), countText_(countText),
          keepDetail_(keepDetail)
    {
        // "GO" switches the keypad highlighting off for its run.
        board_.strings.highlight = false;
        board_.strings.checkFirst = s.firstCheck;
        board_.strings.checkSecond = s.secondHit;
        board_.strings.maxDelay = leadingNumber(s.maxDelay);
        board_.strings.resetAfter = s.resetAfterString;
        board_.quorix = s.mode == VerifySettings::Mode::Quorix;
        board_.zentrima = s.mode == VerifySettings::Mode::Zentrima13;
        board_.filter = s.filter;
        board_.keepHistoryText = false;
        board_.reportTarget = this;
        board_.stakeListener = &purse;
    }

    std::array<double, panelCounterCount> counters{};
    ConteggioColpi tally;
    Purse purse;

    // ReplayIO
    bool autoReset() override { return settings_.autoReset; }
    bool checksProposals() override { return settings_.proposalCheck; }
    ReplayRow currentRow() override { return atEnd() ? ReplayRow{} : rows_[pos_].read; }
    bool atEnd() override { return pos_ >= rows_.size(); }
    void moveNext() override { ++pos_; }
    bool addToCounter(PanelCounter counter, double amount) override
    {
        counters[int(counter)] += amount;
        return true;
    }
    QString proposal() override { return board_.noteText(0); }
    void clearProposal() override { board_.setNoteText(0, QString()); }
    bool checksFirstHit() override { return settings_.firstCheck; }
    void requestReset() override { board_.requestReset(); }
    void sendRowNumber() override
    {
        if (const int button = rows_[pos_].button; button >= 0)
            board_.click(button);
    }
    void paceEvents() override {}
    QString runRowsText() override { return countText_; }
    QString counterText(PanelCounter counter) override
    {
        return plainNumberText(counters[int(counter)]);
    }
    bool reportsStrings() override { return settings_.stringsReport; }
    QString maxDelayText() override { return settings_.maxDelay; }
    QString detailText() override { return detail_; }

    // StringsReportTarget
    bool reportsEnabled() const override { return settings_.stringsReport; }
    void appendDetail(const QString& text) override
    {
        if (keepDetail_)
            detail_ += text;
    }
    void post(const QString& text) override { tally.post(text); }
    void addVerified() override { counters[int(PanelCounter::Verified)] += 1; }
    void addCancelledBeforeHit() override { counters[int(PanelCounter::CancelledBeforeHit)] += 1; }
    void addCancelledAfterHit() override { counters[int(PanelCounter::CancelledAfterHit)] += 1; }

private:
    PlainBoard board_;
    const ReplayRows& rows_;
    std::size_t pos_ = 0;
    const VerifySettings& settings_;
    QString countText_;
    bool keepDetail_;
    QString detail_;
};

// The board's keypad as it starts, for the bridge's buttons.
PlainBoard& startKeypad()
{
    thread_local PlainBoard board;
    return board;
}

} // namespace

ReplayRows::ReplayRows()
{
    buttonOf_.fill(-2);
}

void ReplayRows::append(QStringView numberText, QStringView memoryText)
{
    Row r{replayRow(numberText, memoryText)};
    if (r.read.sends) {
        // The bridge's button depends on the text's number alone (and on the
        // text being "ok"): the usual numbers are looked up once.
        const double n = r.read.number;
        const bool usual = n >= 0 && n <= 36 && n == int(n) && numberText != u"ok";
        int* known = usual ? &buttonOf_[int(n)] : nullptr;
        if (known && *known != -2)
            r.button = *known;
        else
            r.button = bridgedButton(startKeypad(), numberText);
        if (known)
            *known = r.button;
    }
    rows_.push_back(r);
}

void ReplayRows::appendNumber(int number, bool startsGame)
{
    int& button = buttonOf_[number];
    if (button == -2)
        button = bridgedButton(startKeypad(), QString::number(number));
    rows_.push_back({{double(number), true, startsGame}, button});
}

VerifyResult verify(const ReplayRows& rows, const QString& countText,
                    const VerifySettings& settings, bool keepDetail,
                    std::atomic<std::int64_t>* progress, int simulationThreads)
{
    const StakeTable stakes(settings.bet);
    PlainConsole console(rows, settings, countText, keepDetail, stakes);
    const std::int64_t count = goRunCount(countText).value_or(0);
    std::int64_t done = 0;
    std::int64_t reported = 0;
    const auto report = [&](std::int64_t least) {
        if (progress && done - reported >= least) {
            progress->fetch_add(done - reported, std::memory_order_relaxed);
            reported = done;
        }
    };
    int passesAtEnd = 0;
    while (done < count) {
        // Past the last row every pass after the first is the same (nothing
        // is sent, so the proposal stays as the first one left it): the
        // second one is made, and its counts stand for the rest.
        if (console.atEnd() && ++passesAtEnd == 2) {
            const auto before = console.counters;
            replaySpin(console);
            const double passes = double(count - done);
            for (int i = 0; i < panelCounterCount; ++i)
                console.counters[i] = before[i] + (console.counters[i] - before[i]) * passes;
            done = count;
            break;
        }
        replaySpin(console);
        ++done;
        report(8192);
    }
    report(1);

    VerifyResult result;
    for (int i = 0; i < panelCounterCount; ++i)
        result.counters[i] = console.counterText(PanelCounter(i));
    result.tally = console.tally;
    result.report = reportInputs(console);
    result.money = console.purse.figures();
    if (settings.simulation.evenings > 0)
        result.simulation = simulateEvenings(settings, simulationThreads, progress);
    return result;
}

EveningFigures playRows(const ReplayRows& rows, const VerifySettings& settings,
                        std::vector<BalancePoint>* trace)
{
    const StakeTable stakes(settings.bet);
    const QString countText = QString::number(rows.size());
    PlainConsole console(rows, settings, countText, false, stakes);
    console.purse.keepTrace(trace);
    while (!console.atEnd())
        replaySpin(console);
    return console.purse.figures();
}

namespace {

// Runs work() on `threads` threads at once (this one among them), at most
// one for each of `items`.
template <class Work> void onThreads(int threads, std::size_t items, Work&& work)
{
    const int extra = std::clamp(threads, 1, int(std::max<std::size_t>(items, 1))) - 1;
    std::vector<std::thread> helpers;
    helpers.reserve(extra);
    for (int t = 0; t < extra; ++t)
        helpers.emplace_back(work);
    work();
    for (std::thread& t : helpers)
        t.join();
}

} // namespace

SimulationFigures simulateEvenings(const VerifySettings& settings, int threads,
                                   std::atomic<std::int64_t>* progress)
{
    const auto& sim = settings.simulation;
    const std::size_t evenings = std::size_t(std::max(sim.evenings, 0));
    const int spins = std::max(sim.spins, 0);
    const StakeTable stakes(settings.bet);
    const QString countText = QString::number(spins);
    std::vector<double> finals(evenings);
    std::vector<double> staked(evenings);
    std::vector<char> ruined(evenings);
    std::atomic<std::size_t> next{0};
    onThreads(threads, evenings, [&] {
        ReplayRows rows;
        rows.reserve(std::size_t(spins));
        for (std::size_t i; (i = next.fetch_add(1)) < evenings;) {
            SpinStream stream(sim.seed, i);
            rows.clear();
            for (int j = 0; j < spins; ++j)
                rows.appendNumber(stream.next(), j == 0);
            PlainConsole console(rows, settings, countText, false, stakes);
            while (!console.atEnd())
                replaySpin(console);
            const EveningFigures& f = console.purse.figures();
            finals[i] = f.net();
            staked[i] = f.staked;
            ruined[i] = f.ruined;
            if (progress)
                progress->fetch_add(spins, std::memory_order_relaxed);
        }
    });
    SimulationFigures figures =
        simulationFigures(std::move(finals), staked, std::count(ruined.begin(), ruined.end(), 1));
    figures.spins = spins;
    figures.seed = sim.seed;
    return figures;
}

std::vector<VerifyResult> verifyAll(const ReplayRows& rows, const QString& countText,
                                    const std::vector<VerifySettings>& settings, int threads,
                                    std::atomic<std::int64_t>* progress)
{
    std::vector<VerifyResult> results(settings.size());
    std::atomic<std::size_t> next{0};
    onThreads(threads, settings.size(), [&] {
        for (std::size_t i; (i = next.fetch_add(1)) < settings.size();)
            results[i] = verify(rows, countText, settings[i], false, progress);
    });
    return results;
}

} // namespace zt
