// What following the proposals costs: stakes by attempt, evenings worked by hand and
// reported by the engine, ruin, simulated evenings, the spins' times, the settings file.

#include "core/betting.h"
#include "core/plainboard.h"
#include "core/playersettings.h"
#include "core/search.h"
#include "core/textrules.h"
#include "core/verifier.h"
#include "reportrecorder.h"
#include "testsupport.h"

#include <cmath>
#include <numeric>

namespace {

zt::BetSettings bet(const QString& progression, double stake = 1, double target = 1,
                    double tableMax = 0, double bankroll = 0)
{
    zt::BetSettings b;
    b.stake = stake;
    b.target = target;
    b.tableMax = tableMax;
    b.bankroll = bankroll;
    return zt::withProgression(b, progression).value();
}

// The spins of a string of `size` numbers hit at the attempts marked 'x' of
// `pattern` ('.' a miss, '-' a spin without a string followed).
void play(zt::Purse& purse, int size, const char* pattern)
{
    int attempt = 1;
    for (const char* c = pattern; *c; ++c) {
        if (*c != '-')
            purse.followed({size, attempt, *c == 'x'});
        attempt = *c == '.' ? attempt + 1 : 1;
        purse.spinEntered();
    }
}

// The report of the strings engine, kept for the money it implies.
class Outcomes : public zt::test::ReportRecorder {
public:
    explicit Outcomes(const zt::StakeTable& table) : table_(table) {}
    zt::ChipSum staked = 0;
    zt::ChipSum returned = 0;

    // Staked on a string of `size` numbers at attempts first..last; a hit at the last.
    void stretch(int size, int first, int last, bool hit)
    {
        for (int a = first; a <= last; ++a)
            staked += size * table_.at(size, a).chips;
        if (hit)
            returned += 36 * table_.at(size, last).chips;
    }

    void followedString(const zt::StringOutcome& o) override
    {
        using K = zt::StringOutcome::Kind;
        const int a = int(o.a);
        switch (o.kind) {
        case K::CloseFirstHit:
            stretch(o.size, 1, a, true);
            break;
        case K::CancelBeforeHit:
            stretch(o.size, 1, o.attempts, false);
            break;
        case K::CloseSecondHit:
            stretch(o.size, 1, a, true);
            stretch(o.size, 2, int(o.b), true);
            break;
        case K::CancelAfterHit:
            stretch(o.size, 1, a, true);
            stretch(o.size, 2, o.attempts, false);
            break;
        default:
            break;
        }
    }

private:
    const zt::StakeTable& table_;
};

QString stakesText(const zt::StakeTable& table, int size, int attempts)
{
    QStringList stakes;
    for (const zt::ProgressionRow& r : zt::progressionRows(table, size, attempts))
        stakes << (r.stake.overLimit ? QStringLiteral("!")
                                     : QString::number(r.stake.chips) + (r.stake.capped ? "*" : ""));
    return stakes.join(u' ');
}

// An evening's counts: spins/staked spins/hits, staked-returned, the largest
// stake, the stakes capped/over the ceiling/unrecoverable, and the ruin.
QString counts(const zt::EveningFigures& f)
{
    return QString::asprintf("%lld/%lld/%lld %lld-%lld max %lld cut %lld/%lld/%lld ruin %s",
                             f.spins, f.stakedSpins, f.hits, qint64(f.staked), qint64(f.returned),
                             f.maxStake, f.capped, f.overLimit, f.unrecoverable,
                             f.ruined ? QByteArray::number(f.ruinSpin).constData() : "no");
}

} // namespace

class BettingTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The stakes by attempt of each progression ('*': cut to the table's maximum).
    void progressions_data()
    {
        QTest::addColumn<QString>("progression");
        QTest::addColumn<double>("stake");
        QTest::addColumn<double>("target");
        QTest::addColumn<double>("tableMax");
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("stakes");
        // clang-format off
        QTest::newRow("flat") << "flat" << 2.0 << 1.0 << 0.0 << 3 << "2 2 2";
        QTest::newRow("flat over the maximum") << "flat" << 5.0 << 1.0 << 4.0 << 8 << "4* 4*";
        QTest::newRow("list times the stake") << "1, 2" << 5.0 << 1.0 << 0.0 << 8 << "5 10 10";
        QTest::newRow("list waiting") << "0,0,1" << 1.0 << 1.0 << 0.0 << 3 << "0 0 1 1";
        QTest::newRow("list capped") << "1,4" << 1.0 << 1.0 << 3.0 << 3 << "1 3* 3*";
        // 36 s(a) - 3 (all staked up to a) >= 1: one chip covers eleven attempts.
        QTest::newRow("recovery, 3 numbers")
            << "recovery" << 1.0 << 1.0 << 0.0 << 3 << "1 1 1 1 1 1 1 1 1 1 1 2 2 2 2 2 2 3 3 3";
        QTest::newRow("recovery, target 40") << "recovery" << 1.0 << 40.0 << 0.0 << 3 << "2 2 2 2 2";
        QTest::newRow("recovery, least stake") << "recovery" << 3.0 << 1.0 << 0.0 << 1 << "3 3 3";
        QTest::newRow("recovery, 36 numbers: none") << "recovery" << 1.0 << 1.0 << 0.0 << 36 << "0 0";
        // Without a table maximum nothing is cut: a stake over 10^15 chips is not made ('!').
        QTest::newRow("recovery, 35 numbers, over the ceiling") << "recovery" << 1.0 << 1.0 << 0.0 << 35
            << "1 36 1296 46656 1679616 60466176 2176782336 78364164096 2821109907456 101559956668416 ! !";
        QTest::newRow("recovery, 35 numbers, the table's maximum") << "recovery" << 1.0 << 1.0 << 1e9 << 35
            << "1 36 1296 46656 1679616 60466176 1000000000* 1000000000*";
        QTest::newRow("list over the ceiling") << "1,1000000,1000000000" << 1e9 << 1.0 << 0.0 << 2
            << "1000000000 1000000000000000 !";
        // clang-format on
    }
    void progressions()
    {
        QFETCH(QString, progression);
        QFETCH(double, stake);
        QFETCH(double, target);
        QFETCH(double, tableMax);
        QFETCH(int, size);
        QFETCH(QString, stakes);
        const zt::BetSettings b = bet(progression, stake, target, tableMax);
        const zt::StakeTable table(b);
        QCOMPARE(stakesText(table, size, int(stakes.count(' ') + 1)), stakes);
        const int over = table.firstOverLimit(size);
        QCOMPARE(over <= stakes.count(' ') + 1 ? over : 0, int(stakes.split(' ').indexOf("!") + 1));
        QCOMPARE(table.recoverable(size), stakes != "0 0");
        if (b.progression != zt::BetSettings::Progression::Recovery || size >= 36)
            return;
        // Every uncapped recovery stake is the least whole stake (above the
        // least one) whose hit nets the target over everything staked.
        for (const zt::ProgressionRow& r : zt::progressionRows(table, size, 60)) {
            if (r.stake.capped || r.stake.overLimit)
                break;
            QVERIFY2(r.hitNet >= target, qPrintable(QString::number(r.attempt)));
            const double less = r.stake.chips - 1;
            QVERIFY(less < stake || 36 * less - (r.atRisk - size) < target);
        }
    }

    // A progression as written, and written back.
    void progressionTexts()
    {
        const QStringList good{"flat", "Recovery", " 1, 2 ,3", "0,2", "1,1000000000"};
        const QStringList back{"flat", "recovery", "1,2,3", "0,2", "1,1000000000"};
        for (int i = 0; i < good.size(); ++i)
            QCOMPARE(zt::progressionText(zt::withProgression({}, good[i]).value()), back[i]);
        for (const char* bad : {"", "0,0", "1,-2", "1,,2", "1.5", "abc", "2,x", "1000000001"})
            QVERIFY2(!zt::withProgression({}, QString::fromLatin1(bad)), bad);
        QStringList ones(1000, "1");
        QVERIFY(zt::withProgression({}, ones.join(',')));
        ones << "1";
        QVERIFY(!zt::withProgression({}, ones.join(',')));

        // A chip value: a decimal comma or point, to the cent, never a list.
        const std::pair<const char*, double> chips[] = {
            {"2,5", 2.5}, {"0,25", 0.25}, {" 2.5 ", 2.5}, {"0,01", 0.01}, {"10", 10}};
        for (auto [text, value] : chips)
            QCOMPARE(zt::chipValue(QString::fromLatin1(text)), std::optional<double>(value));
        for (const char* bad : {"0,001", "0", "0,00", "2,5,1", "1.000.000", "-1", "1e3", "", "1000000000"})
            QVERIFY2(!zt::chipValue(QString::fromLatin1(bad)), bad);
    }

    // Sums beyond what a double holds stay exact to the chip, and money to
    // the cent: for the player and in the CSV.
    void exactSums_data()
    {
        QTest::addColumn<qint64>("high"); // chips = high * 10^9 + low
        QTest::addColumn<qint64>("low");
        QTest::addColumn<double>("chip");
        QTest::addColumn<int>("divisor");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("csv");
        // clang-format off
        QTest::newRow("past a double") << 9'000'000'000ll << 1ll << 1.0 << 1 << "9.000.000.000.000.000.001" << "9000000000000000001";
        QTest::newRow("expected to the cent") << -108'000'000'000ll << 0ll << 1.0 << 37 << "-2.918.918.918.918.918.918,92" << "-2918918918918918918.9189";
        QTest::newRow("a chip in a part") << 0ll << -1ll << 1.0 << 37 << "-0,03" << "-0.027";
        QTest::newRow("under a cent, no sign") << 0ll << -1ll << 0.01 << 37 << "0,00" << "-0.0003";
        QTest::newRow("chips of 2,50") << 0ll << 3ll << 2.5 << 1 << "7,50" << "7.5";
        QTest::newRow("money past a double") << 4'000'000'000ll << 3ll << 0.25 << 1 << "1.000.000.000.000.000.000,75" << "1000000000000000000.75";
        // clang-format on
    }
    void exactSums()
    {
        QFETCH(qint64, high);
        QFETCH(qint64, low);
        QFETCH(double, chip);
        QFETCH(int, divisor);
        QFETCH(QString, shown);
        QFETCH(QString, csv);
        const zt::ChipSum chips = zt::ChipSum(high) * 1'000'000'000 + low;
        QCOMPARE(zt::moneyText(chips, chip, divisor), shown);
        QCOMPARE(zt::csvMoney(chips, chip, divisor), csv);
    }

    // Recovery on 35 numbers from 3 chips: ten attempts put
    // 10.765.355.406.852.095 chips at risk, and a hit at the tenth nets 1.
    void exactProgression()
    {
        const auto rows = zt::progressionRows(zt::StakeTable(bet("recovery", 3)), 35, 10);
        QCOMPARE(zt::chipsText(rows.back().atRisk), QString("10.765.355.406.852.095"));
        QCOMPARE(qint64(rows.back().hitNet), 1);
    }

    // A short evening worked by hand: 3 numbers, one chip each, hit at the
    // fourth attempt, then a spin without a proposal.  Staked 4 x 3 = 12,
    // returned 36, net 24; chance: -12/37 = -0.3243, variance
    // 4 x 36^2 x (3/37)(34/37) = 386.244, sd 19.653, z = 24.324 / 19.653 = 1.238.
    void handWorkedEvening()
    {
        const zt::StakeTable table(bet("flat"));
        zt::Purse purse(table);
        std::vector<zt::BalancePoint> trace;
        purse.keepTrace(&trace);
        play(purse, 3, "...x-");
        const zt::EveningFigures& f = purse.figures();
        QCOMPARE(counts(f), "5/4/1 12-36 max 1 cut 0/0/0 ruin no");
        QCOMPARE(QString::asprintf("%.12f %.4f %.4f %.4f %.12f drawdown %lld run %lld", f.expected,
                                   f.variance, f.sd(), f.z(), f.returnOnStake(),
                                   qint64(f.maxDrawdown), f.longestLosingRun),
                 "-0.324324324324 386.2440 19.6531 1.2377 2.000000000000 drawdown 9 run 3");
        QCOMPARE(QString::asprintf("%zu %g %g %.3f", trace.size(), trace[2].balance,
                                   trace[4].balance, trace[4].sd),
                 "5 -9 24 19.653");

        // What a player reads of it, and of no stake at all.
        const QStringList lines = zt::eveningLines(f, bet("flat"));
        QCOMPARE(lines.mid(0, 7),
                 (QStringList{"Colpi puntati: 4 di 5", "Puntato: 12", "Riscosso: 36", "Saldo: 24",
                              "Resa sul puntato: 200,00 %", "Atteso dal caso: -0,32 ± 19,65",
                              "z: 1,24 (nella norma: un saldo almeno così alto il caso lo dà "
                              "29 volte su cento)"}));
        zt::BetSettings halves = bet("flat", 1, 1, 0, 100);
        halves.chip = 0.5;
        const QStringList half = zt::eveningLines(f, halves), none = zt::eveningLines({}, halves);
        QVERIFY(half.contains("Saldo: 12,00") && half.contains("Rovina: no"));
        QVERIFY(none.contains("z: nessuna puntata") &&
                none.contains("Resa sul puntato: nessuna puntata"));
        QCOMPARE(zt::EveningFigures{}.z(), 0.0); // nothing staked: no spread, no z
    }

    // The bankroll ends the evening at the first stake it cannot cover; the
    // table's maximum cuts stakes and says how often.
    void ruinAndCaps()
    {
        const zt::StakeTable flat(bet("flat"));
        zt::Purse purse(flat, 10);
        play(purse, 3, "....x.x");
        const zt::EveningFigures& f = purse.figures();
        // 10 - 9 leaves 1, less than the 3 of the fourth spin.
        QCOMPARE(counts(f), "7/3/0 9-0 max 1 cut 0/0/0 ruin 4");
        QVERIFY(zt::eveningLines(f, bet("flat", 1, 1, 0, 10)).contains("Rovina: al colpo 4"));

        // Exactly covered: no ruin.
        zt::Purse exact(flat, 9);
        play(exact, 3, "..x");
        QVERIFY(!exact.figures().ruined);

        const zt::StakeTable capped(bet("1,4", 1, 1, 3));
        zt::Purse cut(capped);
        play(cut, 2, "..x"); // 2 x (1 + 3 + 3) staked, 36 x 3 returned
        QCOMPARE(counts(cut.figures()), "3/3/1 14-108 max 3 cut 2/0/0 ruin no");

        // Recovery does not stake a string of 36 numbers: it says so.
        const zt::StakeTable recovery(bet("recovery"));
        zt::Purse none(recovery);
        play(none, 36, "..x");
        QCOMPARE(counts(none.figures()), "3/0/0 0-0 max 0 cut 0/0/3 ruin no");
        zt::Purse single(recovery); // a string of one number is staked like any other
        play(single, 1, ".x");
        QVERIFY(single.figures().staked == 2 && single.figures().net() == 34);

        // Nor a stake over the ceiling, which no table maximum cut: said, not made.
        zt::BetSettings huge = bet("1,1000001", 1'000'000'000);
        const zt::StakeTable over(huge);
        zt::Purse refused(over);
        play(refused, 2, "..x");
        QCOMPARE(counts(refused.figures()), "3/1/0 2000000000-0 max 1000000000 cut 0/2/0 ruin no");
        QVERIFY(zt::eveningLines(refused.figures(), huge)
                    .contains("Colpi non giocati, puntata oltre 1.000.000.000.000.000 fiches per "
                              "numero: 2"));
        QVERIFY(!zt::eveningLines(refused.figures(), huge).join(' ').contains("ridotte"));
    }

    // On random evenings through the board, the money the stakes' listener
    // counts equals 36 x (the stakes of the hits) - staked, as the engine's
    // reports of the same strings (their sizes and attempts) give it.
    void moneyMatchesTheReportedStrings_data()
    {
        QTest::addColumn<QString>("progression");
        QTest::addColumn<bool>("secondHit");
        QTest::addColumn<int>("mode"); // 0 none, 1 Quorix, 2 Zentrima13
        QTest::newRow("flat, first hit") << "flat" << false << 0;
        QTest::newRow("list, second hit, Quorix") << "1,2,3,5" << true << 1;
        QTest::newRow("recovery, first hit, Zentrima13") << "recovery" << false << 2;
        QTest::newRow("recovery, second hit") << "recovery" << true << 0;
    }
    void moneyMatchesTheReportedStrings()
    {
        QFETCH(QString, progression);
        QFETCH(bool, secondHit);
        QFETCH(int, mode);
        const zt::StakeTable table(bet(progression, 1, 3, 40));
        for (std::uint64_t evening = 0; evening < 20; ++evening) {
            zt::PlainBoard board;
            board.keepHistoryText = false;
            board.strings.checkSecond = secondHit;
            board.strings.maxDelay = 6;
            board.quorix = mode == 1;
            board.zentrima = mode == 2;
            zt::Purse purse(table);
            Outcomes outcomes(table);
            board.stakeListener = &purse;
            board.reportTarget = &outcomes;
            zt::SpinStream spins(7, evening);
            for (int i = 0; i < 400; ++i)
                board.spin(spins.next());
            // The string still followed at the end: its spins so far.
            if (!board.row.note.isEmpty()) {
                const int size = zt::stringSize(board.row.note);
                const int first = int(zt::leadingNumber(board.row.firstDelay));
                if (board.row.red) {
                    outcomes.stretch(size, 1, first + 1, true);
                    outcomes.stretch(size, 2, int(zt::leadingNumber(board.row.secondDelay)), false);
                } else {
                    outcomes.stretch(size, 1, first, false);
                }
            }
            const zt::EveningFigures& f = purse.figures();
            QVERIFY(f.stakedSpins > 100);
            QCOMPARE(qint64(f.staked), qint64(outcomes.staked));
            QCOMPARE(qint64(f.returned), qint64(outcomes.returned));
            QCOMPARE(f.spins, 400);
        }
    }

    // Over recorded rows, combinations that differ only in their stakes
    // share one replay of the board and count as each would alone, rows that
    // only enter their spin included; the balance traced for the chart has a
    // point for every spin, ending on the evening's net.
    void stakesOverRecordedRows()
    {
        zt::ReplayRows rows;
        zt::SpinStream spins(3, 0);
        for (int i = 0; i < 3000; ++i)
            rows.appendNumber(spins.next(), i % 37 == 0);
        const QString count = QString::number(rows.size());
        std::vector<zt::VerifySettings> settings;
        for (const char* progression : {"flat", "recovery", "1,2,3"}) {
            zt::VerifySettings s;
            s.filter = QStringLiteral("7");
            s.maxDelay = QStringLiteral("6");
            s.bet = bet(progression, 1, 1, 20, 300);
            settings.push_back(s);
        }
        const std::vector<zt::VerifyResult> together = zt::verifyAll(rows, count, settings, 2);
        for (std::size_t i = 0; i < settings.size(); ++i) {
            const zt::EveningFigures alone = zt::verify(rows, count, settings[i], false).money;
            const zt::EveningFigures& shared = together[i].money;
            QVERIFY(alone.stakedSpins > 50);
            QCOMPARE(counts(shared), counts(alone));
            std::vector<zt::BalancePoint> trace;
            const zt::EveningFigures traced = zt::playRows(rows, settings[i], &trace);
            QCOMPARE(counts(traced), counts(alone));
            QCOMPARE(qint64(trace.size()), qint64(traced.spins));
            QCOMPARE(trace.back().balance, float(qint64(traced.net())));
        }
    }

    // Simulated evenings: the same seed gives the same evenings on any
    // number of threads, and over many evenings the mean lies within a few
    // standard errors of chance's -1/37 of the staked, whatever the progression.
    void simulatedEvenings()
    {
        zt::VerifySettings s;
        s.bet = bet("recovery", 1, 1, 50, 200);
        s.simulation = {3000, 200, 11};
        const zt::SimulationFigures one = zt::simulateEvenings(s, 1);
        const zt::SimulationFigures two = zt::simulateEvenings(s, 2);
        QVERIFY(one.finals == two.finals && one.meanNet == two.meanNet);
        QVERIFY(one.evenings == 3000 && one.meanStaked > 400);
        QVERIFY(std::fabs(one.meanExpected + one.meanStaked / 37) < 1e-9);
        QVERIFY2(std::fabs(one.meanNet - one.meanExpected) < 4 * one.standardError,
                 qPrintable(QString::asprintf("%g against %g ± %g", one.meanNet, one.meanExpected,
                                              one.standardError)));
        QVERIFY(one.p5 <= one.p25 && one.p25 <= one.p50 && one.p50 <= one.p75 &&
                one.p75 <= one.p95);
        QVERIFY(one.ruinedShare > 0 && one.ruinedShare < 1);
        s.simulation.seed = 12;
        QVERIFY(zt::simulateEvenings(s, 2).finals != one.finals);

        // The figures of a handful of evenings, worked by hand.  A percentile
        // is the balance of an evening, the least that at least its share of
        // the evenings did not exceed.
        const zt::SimulationFigures few = zt::simulationFigures({4, -2, 10, 0}, {37, 37, 74, 0}, 1);
        QVERIFY(few.finals == (std::vector<zt::ChipSum>{-2, 0, 4, 10}));
        QCOMPARE(QString::asprintf("%g %g | %lld %lld %lld %lld %lld | %g", few.meanNet,
                                   few.meanExpected, qint64(few.p5), qint64(few.p25),
                                   qint64(few.p50), qint64(few.p75), qint64(few.p95),
                                   few.ruinedShare),
                 "3 -1 | -2 -2 0 4 10 | 0.25");
        QVERIFY(std::fabs(few.standardError - std::sqrt(84.0 / 3 / 4)) < 1e-12);
        std::vector<zt::ChipSum> hundred(100);
        std::iota(hundred.begin(), hundred.end(), 1);
        QCOMPARE(qint64(zt::percentileOf(hundred, 0.95)), 95); // 95 in 100 did not exceed it
        QCOMPARE(qint64(zt::percentileOf(hundred, 0.05)), 5);
        const zt::SimulationFigures one1 = zt::simulationFigures({4}, {37}, 0);
        QCOMPARE(one1.standardError, 0.0); // one evening: no spread, and none shown
        QCOMPARE(zt::simulationLines(one1, bet("flat"))[2],
                 QString("Saldo medio: 4, di una sola serata (atteso dal caso -1)"));
        zt::VerifyResult none; // ranked by hits a spin, staking nothing ranks as nothing
        QCOMPARE(zt::rankValue(none, zt::SearchRank::HitsPerSpin), 0.0);
        const zt::StakeTable flat(bet("flat")); // a string may hold every number, not more
        QVERIFY(flat.at(37, 1).chips == 1 && flat.at(38, 1).chips == 0);

        // An evening of luck has the shape of the rows it stands for: as many
        // spins, games starting where theirs do, the numbers of its stream.
        zt::ReplayRows shape;
        for (int i = 0; i < 5; ++i)
            shape.appendNumber(0, i % 3 == 0);
        const zt::ReplayRows luck = zt::randomEvening(shape, 1, 0);
        QCOMPARE(luck.size(), std::size_t(5));
        zt::SpinStream same(1, 0);
        for (std::size_t i = 0; i < 5; ++i)
            QVERIFY(luck.brief(i).startsGame == (i % 3 == 0) &&
                    int(luck.brief(i).number) == same.next());

        // Progress counts the rows and the simulated spins once for every
        // combination a shared run stands for (two chips, one run).
        zt::VerifySettings small;
        small.bet = bet("flat");
        small.simulation = {4, 25, 3};
        std::vector<zt::VerifySettings> pair{small, small};
        pair[1].bet.chip = 2;
        std::atomic<std::int64_t> done{0};
        zt::verifyAll(shape, QStringLiteral("5"), pair, 2, &done);
        QCOMPARE(done.load(), 2 * 5 + 2 * 4 * 25);
    }

    // The spins a "GO" replays are the GO's: the evening counts only its own.
    void replaysApartFromTheEvening()
    {
        zt::LivePlay live;
        const auto spin = [&](bool hit) {
            live.followed({3, 1, hit});
            live.spinEntered();
        };
        spin(false);
        live.startGo();
        spin(true);
        spin(false);
        live.endGo();
        spin(true);
        QCOMPARE(counts(live.evening().figures()), "2/2/1 6-36 max 1 cut 0/0/0 ruin no");
        QCOMPARE(counts(live.lastGo().figures()), "2/2/1 6-36 max 1 cut 0/0/0 ruin no");
        QVERIFY(live.evening().balance() == 30 && live.lastGo().balance() == 30);
        QCOMPARE(live.eveningTrace().size(), std::size_t(2));
    }

    // When the spins were entered: the earliest and latest of the times that
    // read as times, and the spins an hour between them.
    void spinTimes()
    {
        zt::SpinClock clock;
        QVERIFY(zt::clockLines(clock).isEmpty());
        clock.add(u"2026-12-06T22:30:00+01:00");
        clock.add(u"2026-12-06T22:00:00+01:00");
        clock.add(u"non un'ora");
        QCOMPARE(clock.perHour(), 2.0); // one spin after the first in half an hour
        zt::SpinClock instant;          // two spins in one second: no rate, not an endless one
        instant.add(u"2026-12-06T22:00:00Z");
        instant.add(u"2026-12-06T22:00:00Z");
        QCOMPARE(instant.perHour(), 0.0);
        clock.add(u"2026-12-06T21:45:00Z"); // 22:45 at +01:00
        QCOMPARE(clock.timed(), 3);
        QCOMPARE(clock.first().toString(Qt::ISODate), QString("2026-12-06T22:00:00+01:00"));
        // Two spins after the first in three quarters of an hour; the end
        // shown in the offset of the beginning.
        QCOMPARE(zt::clockLines(clock),
                 (QStringList{"Inizio: 06/12/2026 22:00:00", "Fine: 06/12/2026 22:45:00",
                              "Uscite all'ora: 2,7"}));
    }

    // The settings file keeps the stakes between runs; what it holds wrong
    // falls back to the defaults, and its other groups stay.
    void settingsFile()
    {
        zt::test::FreshDir dir;
        zt::test::writeFile("zentrima13.ini", "[Lingua]\nNome=it\n[Puntate]\nPuntata=zero\n"
                                              "Progressione=1,x\nValoreFiche=0\nSerate=5\n"
                                              "UsciteSerata=1\nSeme=0\n");
        // The least values are kept.
        const auto text = [](const zt::MoneyPreferences& p) {
            return zt::progressionText(p.bet) +
                   QString::asprintf(" %lld %lld %lld %lld %g %d | %d %llu", p.bet.stake,
                                     p.bet.target, p.bet.tableMax, p.bet.bankroll, p.bet.chip,
                                     p.simulation.evenings, p.simulation.spins,
                                     qulonglong(p.simulation.seed));
        };
        zt::MoneyPreferences p = zt::readMoneyPreferences("zentrima13.ini");
        QCOMPARE(text(p), "flat 1 1 0 0 1 5 | 1 0");
        p.bet = bet("1,2,4", 5, 3, 100, 500);
        p.bet.chip = 0.25;
        p.simulation = {200, 150, 42};
        QVERIFY(zt::writeMoneyPreferences("zentrima13.ini", p));
        QCOMPARE(text(zt::readMoneyPreferences("zentrima13.ini")),
                 "1,2,4 5 3 100 500 0.25 200 | 150 42");
        QVERIFY(zt::test::fileBytes("zentrima13.ini").contains("[Lingua]\nNome=it"));
    }
};

ZT_TEST_MAIN(BettingTest)
#include "tst_betting.moc"
