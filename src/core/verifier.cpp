#include "core/verifier.h"

#include "core/plainboard.h"
#include "core/proposals.h"
#include "core/replay.h"
#include "core/textrules.h"

#include <algorithm>
#include <limits>
#include <map>
#include <thread>

namespace zt {

namespace {

// The outcome viewer and the settings window as plain values, over a
// PlainBoard: the console of the replay and the panel the engine reports to.
class PlainConsole final : public ReplayIO, public StringsReportTarget, public StakeListener {
public:
    // With one way of staking for each of `stakes` (their bankrolls as
    // given), all following the same board.
    PlainConsole(const ReplayRows& rows, const VerifySettings& s, const QString& countText,
                 bool keepDetail, const std::vector<const StakeTable*>& stakes,
                 const std::vector<Chips>& bankrolls)
        : rows_(rows), settings_(s), countText_(countText), keepDetail_(keepDetail)
    {
        purses.reserve(stakes.size());
        for (std::size_t i = 0; i < stakes.size(); ++i)
            purses.emplace_back(*stakes[i], bankrolls[i]);
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
        board_.stakeListener =
            purses.size() == 1 ? static_cast<StakeListener*>(&purses.front()) : this;
        // The numbers with which a spin makes a proposal in the board's
        // default mode (none when it is in another mode).
        if (!board_.quorix && !board_.zentrima) {
            for (int n = 0; n <= 36; ++n) {
                if (!defaultProposalText(n, board_.filter).text.isEmpty())
                    proposing_.add(n);
            }
        } else {
            proposing_ = NumberSet{~std::uint64_t(0)};
        }
        for (int b = 0; b <= 36; ++b)
            buttonOf_[int(digitsValue(board_.captions[b]))] = b;
    }
    PlainConsole(const ReplayRows& rows, const VerifySettings& s, const QString& countText,
                 bool keepDetail, const StakeTable& stakes)
        : PlainConsole(rows, s, countText, keepDetail, {&stakes}, {s.bet.bankroll})
    {
    }

    std::array<double, panelCounterCount> counters{};
    ConteggioColpi tally;
    std::vector<Purse> purses;

    // StakeListener: every way of staking follows the spin.
    void followed(const FollowedSpin& spin) override
    {
        for (Purse& p : purses)
            p.followed(spin);
    }
    void spinEntered() override
    {
        for (Purse& p : purses)
            p.spinEntered();
    }

    // Rows from the current one on that change nothing but the history, the
    // last number, the rows replayed and the spins of the evening, passed at
    // once (at most `most`): while the board follows no proposal, a row that
    // brings no number that makes one (in the default mode a number filter
    // waits for its number) only enters its spin, after the reset of the
    // board when it starts a game.  Returns how many rows were passed.
    std::int64_t passIdleRows(std::int64_t most)
    {
        if (!board_.row.note.isEmpty())
            return 0;
        std::int64_t passed = 0;
        long long entered = 0;
        int lastNumber = -1;
        const bool resets = settings_.autoReset;
        while (passed < most && pos_ < rows_.size()) {
            const ReplayRows::Brief r = rows_.brief(pos_);
            if (r.number >= 0 && proposing_.contains(r.number))
                break;
            if (r.startsGame && resets)
                board_.requestReset();
            if (r.number >= 0) {
                board_.history.push(r.number);
                lastNumber = r.number;
                ++entered;
            }
            ++pos_;
            ++passed;
        }
        if (entered > 0) {
            board_.lastNumber = board_.captions[buttonOf_[lastNumber]];
            board_.yellow = {};
            for (Purse& p : purses)
                p.spinsEntered(entered);
        }
        counters[int(PanelCounter::Rows)] += double(passed);
        return passed;
    }

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
    ProposalCheck checkProposal(const QString& proposal, double sent) override
    {
        const ListFacts& facts = board_.factsOf(proposal);
        return {facts.equalItems(proposal, sent), facts.items};
    }
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
    bool keepsDetail() const override { return keepDetail_; }
    void postAttempt(long long attempt) override { tally.postAttempt(attempt); }
    void postFailure() override { tally.postFailure(); }
    void addVerified() override { counters[int(PanelCounter::Verified)] += 1; }
    void addCancelledBeforeHit() override { counters[int(PanelCounter::CancelledBeforeHit)] += 1; }
    void addCancelledAfterHit() override { counters[int(PanelCounter::CancelledAfterHit)] += 1; }
    void followedString(const StringOutcome& outcome) override { strings.add(outcome); }

    FollowedStrings strings;

private:
    PlainBoard board_;
    NumberSet proposing_;
    std::array<int, 37> buttonOf_{}; // the keypad button of each number
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
    append(r);
}

void ReplayRows::append(const Row& row)
{
    // The number on each keypad button, read once.
    static const std::array<std::int8_t, 37> numberOn = [] {
        std::array<std::int8_t, 37> numbers{};
        for (int b = 0; b <= 36; ++b)
            numbers[b] = std::int8_t(digitsValue(startKeypad().captions[b]));
        return numbers;
    }();
    rows_.push_back(row);
    briefs_.push_back({row.button >= 0 ? numberOn[row.button] : std::int8_t(-1),
                       row.read.startsGame});
}

void ReplayRows::appendNumber(int number, bool startsGame)
{
    int& button = buttonOf_[number];
    if (button == -2)
        button = bridgedButton(startKeypad(), QString::number(number));
    append({{double(number), true, startsGame}, button});
}

namespace {

// "GO" over the console's rows with "Colpi:" at `count`: that many passes,
// rows that change nothing but the counts passed at once.  progress grows by
// the passes done times `weight` (the combinations the run stands for);
// false when control.stop was set before the end.
bool playPasses(PlainConsole& console, std::int64_t count, const RunControl& control,
                std::int64_t weight)
{
    std::int64_t done = 0;
    std::int64_t reported = 0;
    const auto report = [&](std::int64_t least) {
        if (done - reported < least)
            return true;
        if (control.progress)
            control.progress->fetch_add((done - reported) * weight, std::memory_order_relaxed);
        reported = done;
        return !(control.stop && control.stop->load(std::memory_order_relaxed));
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
        if (const std::int64_t passed = console.passIdleRows(count - done)) {
            done += passed;
        } else {
            replaySpin(console);
            ++done;
        }
        if (!report(8192))
            return false;
    }
    return report(1);
}

// Every row replayed once ("GO" over all of them).
void playAll(PlainConsole& console)
{
    while (!console.atEnd()) {
        if (console.passIdleRows(std::numeric_limits<std::int64_t>::max()) == 0)
            replaySpin(console);
    }
}

// What a run leaves for one of its ways of staking.
VerifyResult resultOf(PlainConsole& console, std::size_t purse)
{
    VerifyResult result;
    for (int i = 0; i < panelCounterCount; ++i)
        result.counters[i] = console.counterText(PanelCounter(i));
    result.tally = console.tally;
    result.report = reportInputs(console);
    result.money = console.purses[purse].figures();
    return result;
}

} // namespace

VerifyResult verify(const ReplayRows& rows, const QString& countText,
                    const VerifySettings& settings, bool keepDetail,
                    std::atomic<std::int64_t>* progress, int simulationThreads)
{
    const StakeTable stakes(settings.bet);
    PlainConsole console(rows, settings, countText, keepDetail, stakes);
    playPasses(console, goRunCount(countText).value_or(0), {progress, nullptr}, 1);
    VerifyResult result = resultOf(console, 0);
    result.followed = console.strings;
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
    console.purses.front().keepTrace(trace);
    playAll(console);
    return console.purses.front().figures();
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
    std::vector<ChipSum> finals(evenings);
    std::vector<ChipSum> staked(evenings);
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
            playAll(console);
            const EveningFigures& f = console.purses.front().figures();
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

namespace {

QString numberKey(double v)
{
    return QString::number(v, 'g', 17);
}

// What makes the board's replay of a combination: its settings but the
// stakes, the simulated evenings and what the board's mode does not read.
// In the default mode no proposal reads the history, so "Azzera", which only
// empties the history besides what closing a string does already, changes
// nothing there; the other modes do not read the number filter.
QString boardKey(const VerifySettings& s)
{
    const bool byDefault = s.mode == VerifySettings::Mode::None;
    return QStringList{QString::number(int(s.mode)),
                       byDefault ? s.filter : QString(),
                       s.maxDelay,
                       QStringLiteral("%1%2%3%4%5%6")
                           .arg(s.firstCheck)
                           .arg(s.secondHit)
                           .arg(s.resetAfterString && !byDefault)
                           .arg(s.proposalCheck)
                           .arg(s.stringsReport)
                           .arg(s.autoReset)}
        .join(QChar(0));
}

// What makes a combination's figures besides the board: its stakes (counted
// in chips whatever a chip is worth) and its simulated evenings.
QString stakesKey(const VerifySettings& s)
{
    const BetSettings& b = s.bet;
    return QStringList{progressionText(b),
                       numberKey(b.stake),
                       numberKey(b.target),
                       numberKey(b.tableMax),
                       numberKey(b.bankroll),
                       QString::number(s.simulation.evenings),
                       QString::number(s.simulation.spins),
                       QString::number(s.simulation.seed)}
        .join(QChar(0));
}

} // namespace

SharedRuns verifyShared(const std::vector<const ReplayRows*>& rowSets,
                        const std::vector<QString>& countTexts,
                        const std::vector<VerifySettings>& settings, int threads,
                        const RunControl& control)
{
    SharedRuns runs;
    runs.of.resize(settings.size());
    // The distinct runs, grouped by the board's replay they share.
    struct Group {
        std::vector<std::size_t> runs; // distinct runs
        std::int64_t combinations = 0;
    };
    std::vector<Group> groups;
    std::vector<std::size_t> first;    // per distinct run: its first combination
    std::vector<std::size_t> groupOf;  // per distinct run
    std::vector<std::int64_t> sharing; // per distinct run: the combinations it stands for
    {
        std::map<QString, std::size_t> boards;
        std::map<QString, std::size_t> distinct;
        for (std::size_t i = 0; i < settings.size(); ++i) {
            const QString board = boardKey(settings[i]);
            const auto [g, newBoard] = boards.try_emplace(board, groups.size());
            if (newBoard)
                groups.emplace_back();
            const auto [d, newRun] =
                distinct.try_emplace(board + QChar(1) + stakesKey(settings[i]), first.size());
            if (newRun) {
                first.push_back(i);
                groupOf.push_back(g->second);
                sharing.push_back(0);
                groups[g->second].runs.push_back(d->second);
            }
            runs.of[i] = d->second;
            ++sharing[d->second];
            ++groups[g->second].combinations;
        }
    }
    runs.distinct = first.size();
    runs.boardRuns = groups.size() * rowSets.size();
    runs.results.assign(rowSets.size(), std::vector<VerifyResult>(runs.distinct));

    // The simulated evenings do not depend on the rows: played once for
    // each distinct run that asks for them.
    std::vector<std::size_t> simulated;
    for (std::size_t d = 0; d < runs.distinct; ++d) {
        if (settings[first[d]].simulation.evenings > 0)
            simulated.push_back(d);
    }
    std::vector<SimulationFigures> simulations(simulated.size());

    const std::size_t boardItems = groups.size() * rowSets.size();
    const std::size_t items = boardItems + simulated.size();
    std::atomic<std::size_t> next{0};
    const auto stopped = [&] { return control.stop && control.stop->load(); };
    onThreads(threads, items, [&] {
        for (std::size_t item; !stopped() && (item = next.fetch_add(1)) < items;) {
            if (item >= boardItems) {
                const std::size_t k = item - boardItems;
                const VerifySettings& s = settings[first[simulated[k]]];
                simulations[k] = simulateEvenings(s, 1, control.progress);
                if (control.progress)
                    control.progress->fetch_add(std::int64_t(s.simulation.evenings) *
                                                    s.simulation.spins *
                                                    (sharing[simulated[k]] - 1),
                                                std::memory_order_relaxed);
                continue;
            }
            const std::size_t set = item % rowSets.size();
            const Group& group = groups[item / rowSets.size()];
            std::vector<StakeTable> tables;
            tables.reserve(group.runs.size());
            std::vector<const StakeTable*> stakes;
            std::vector<Chips> bankrolls;
            for (std::size_t d : group.runs) {
                tables.emplace_back(settings[first[d]].bet);
                stakes.push_back(&tables.back());
                bankrolls.push_back(settings[first[d]].bet.bankroll);
            }
            const VerifySettings& s = settings[first[group.runs.front()]];
            PlainConsole console(*rowSets[set], s, countTexts[set], false, stakes, bankrolls);
            if (!playPasses(console, goRunCount(countTexts[set]).value_or(0), control,
                            group.combinations))
                return;
            for (std::size_t k = 0; k < group.runs.size(); ++k)
                runs.results[set][group.runs[k]] = resultOf(console, k);
        }
    });
    for (std::size_t k = 0; k < simulated.size(); ++k) {
        for (auto& set : runs.results)
            set[simulated[k]].simulation = simulations[k];
    }
    runs.complete = !stopped();
    return runs;
}

std::vector<VerifyResult> verifyAll(const ReplayRows& rows, const QString& countText,
                                    const std::vector<VerifySettings>& settings, int threads,
                                    std::atomic<std::int64_t>* progress)
{
    const SharedRuns runs =
        verifyShared({&rows}, {countText}, settings, threads, {progress, nullptr});
    std::vector<VerifyResult> results;
    results.reserve(settings.size());
    for (std::size_t i = 0; i < settings.size(); ++i)
        results.push_back(runs.at(0, i));
    return results;
}

} // namespace zt
