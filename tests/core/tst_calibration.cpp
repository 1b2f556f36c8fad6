// Every graded verdict keeps its word: on evenings of random spins, however short, a verdict
// at a grade or above comes no more often than the chance that grade states (5, 1, 0.1 in
// 100), within three standard errors; and the cases worked by hand.

#include "testsupport.h"

#include "core/betting.h"
#include "core/chance.h"
#include "core/statistics.h"
#include "core/verifier.h"

#include <cmath>
#include <functional>
#include <map>
#include <thread>
#include <tuple>

namespace {

using zt::stats::Evidence;

// How many verdicts of a kind reached each grade.
struct Grades {
    long long judged = 0;
    std::array<long long, 3> reached{}; // below 5 %, 1 %, 1 in 1000

    void add(double p)
    {
        ++judged;
        for (int g = 0; g < 3; ++g)
            reached[std::size_t(g)] += p < zt::stats::kGradeLimits[g];
    }
    // The grades reached more often than three standard errors above the
    // chance they state allow: a count that high has less chance than
    // three standard errors of a normal (0.135 %), by the binomial itself,
    // since the counts of the rare grades are small.
    QStringList broken(const QString& name) const
    {
        QStringList out;
        for (int g = 0; g < 3; ++g) {
            const double limit = zt::stats::kGradeLimits[g];
            const long long count = reached[std::size_t(g)];
            const double tail = zt::stats::binomialTail(judged, limit, count, true);
            if (tail < 0.00135)
                out << QString::asprintf("%s below %g: %lld of %lld (%.1f expected at most)",
                                         qPrintable(name), limit, count, judged,
                                         double(judged) * limit);
        }
        return out;
    }
};

// A one-sided verdict counts on its side.
void addSided(std::map<QString, Grades>& grades, const QString& name,
              const zt::stats::SidedChance& c)
{
    grades[name + QStringLiteral(" above")].add(c.side > 0 ? c.p : 1);
    grades[name + QStringLiteral(" below")].add(c.side < 0 ? c.p : 1);
}

zt::EveningFigures purseOf(int size, const char* pattern)
{
    static const zt::StakeTable table;
    zt::Purse purse(table);
    int attempt = 1;
    for (const char* c = pattern; *c; ++c) {
        purse.followed({size, attempt, *c == 'x'});
        attempt = *c == '.' ? attempt + 1 : 1;
        purse.spinEntered();
    }
    return purse.figures();
}

} // namespace

class Calibration : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A staked spin of three numbers that hits: chance does it 3 times in
    // 37.  One hit in two spins: 1 - (34/37)² = 15.6 %.  Neither is a hint.
    void handWorkedEvenings()
    {
        const zt::BetSettings flat;
        const zt::EveningFigures one = purseOf(3, "x");
        QVERIFY(one.z() > 3.3); // what the normal approximation called a proof
        const zt::stats::SidedChance c1 = zt::netChance(one, flat);
        QVERIFY(c1.side == 1 && std::fabs(c1.p - 3.0 / 37) < 1e-12);
        QCOMPARE(zt::netVerdict(one, flat),
                 QString("nella norma: un saldo almeno così alto il caso lo dà 8 volte su cento"));
        QVERIFY(std::fabs(zt::chanceOfGain(one, flat) - 3.0 / 37) < 1e-12);

        // A hit and a miss: the string's second stretch is still followed.
        const zt::stats::SidedChance c2 = zt::netChance(purseOf(3, "x."), flat);
        QVERIFY(std::fabs(c2.p - (1 - std::pow(34.0 / 37, 2))) < 1e-12);
        QVERIFY(zt::stats::evidence(c2.p) == Evidence::Normal);

        // Three hits of one number in three spins: (1/37)³, on its side.
        const zt::EveningFigures three = purseOf(1, "xxx");
        QVERIFY(std::fabs(zt::netChance(three, flat).p / std::pow(1.0 / 37, 3) - 1) < 1e-9);
        QVERIFY(zt::netVerdict(three, flat).startsWith("quasi una prova, sopra il caso: "));
        // Twenty misses of 18 numbers: (19/37)^20, below.
        const zt::EveningFigures misses = purseOf(18, "....................");
        const zt::stats::SidedChance low = zt::netChance(misses, flat);
        QVERIFY(low.side == -1 && std::fabs(low.p / std::pow(19.0 / 37, 20) - 1) < 1e-9);
        QVERIFY(zt::netVerdict(misses, flat).startsWith("quasi una prova, sotto il caso"));
        QCOMPARE(zt::netChance({}, flat).side, 0); // nothing staked, nothing to judge

        // Doubling up to 4 on one number, cancelled after 3 attempts: a hit
        // at the third attempt nets 36·4 - 7 = 137, and only a hit there
        // does (an earlier one ends the string): chance (36/37)² / 37.
        zt::BetSettings doubling = zt::withProgression({}, QStringLiteral("1,2,4")).value();
        const zt::StakeTable table(doubling);
        zt::Purse purse(table);
        for (int a = 1; a <= 3; ++a)
            purse.followed({1, a, a == 3, 3});
        const zt::stats::SidedChance late = zt::netChance(purse.figures(), doubling);
        QVERIFY(std::fabs(late.p - std::pow(36.0 / 37, 2) / 37) < 1e-12);

        // A string replaced before its cancellation could only have been hit
        // on the spins it had; one hit could have been hit up to the tenth;
        // the one followed now is open.
        zt::StakedStretches stretches;
        for (const zt::FollowedSpin& spin : {zt::FollowedSpin{3, 1, false, 10}, {3, 2, false, 10},
                                             {5, 1, true, 10}, {5, 1, false, 10}, {5, 2, false, 10}})
            stretches.follow(spin);
        QCOMPARE(stretches.closed().size(), std::size_t(2));
        QVERIFY(stretches.closed()[0].size == 3 && stretches.closed()[0].last == 2);
        QVERIFY(stretches.closed()[1].size == 5 && stretches.closed()[1].last == 10);
        QVERIFY(stretches.open().count == 1 && stretches.open().first == 1 && stretches.open().last == 2);
        // Stretches alike but for their size, first or last attempt are kept
        // apart; one alike in all is counted again.
        zt::StakedStretches kinds;
        for (const auto& [size, attempt, hit] : std::initializer_list<std::tuple<int, int, bool>>{
                 {3, 1, false}, {3, 2, false}, {3, 1, false}, {3, 2, false}, {4, 1, false},
                 {4, 2, false}, {3, 1, false}, {3, 2, false}, {3, 3, false}, {3, 2, false},
                 {3, 3, false}, {3, 1, true}})
            kinds.follow({size, attempt, hit, 10});
        QStringList closed;
        for (const zt::StakedStretches::Stretch& k : kinds.closed())
            closed << QString("%1:%2-%3x%4").arg(k.size).arg(k.first).arg(k.last).arg(k.count);
        QCOMPARE(closed.join(' '), QString("3:1-2x2 4:1-2x1 3:1-3x1 3:2-3x1 3:1-10x1"));
    }

    // The sum is drawn where it grows too large to be summed: the drawn
    // chance agrees with the normal approximation where that holds (a long
    // evening of many different stakes); where it can be summed, the sum is
    // exact.
    void drawnWhereTheSumGrowsTooLarge()
    {
        zt::stats::IndependentSum wide;
        long double variance = 0;
        for (long long s = 1; s <= 60; ++s) {
            const long long weight = 1'000'003 * s + s * s;
            wide.addBernoulli(weight, 5 / 37.0, 200);
            variance += (long double)weight * weight * 200 * (5 / 37.0) * (32 / 37.0);
        }
        const auto above = zt::stats::IndependentSum::Value(wide.mean() + 2.326L * std::sqrt(variance));
        const zt::stats::SidedChance c = wide.chance(above);
        QVERIFY2(c.simulated && std::fabs(c.p - 0.01) < 0.002, qPrintable(QString::number(c.p)));

        // Stakes of 10^15 chips, too far apart to lay out: each draw drawn.
        zt::stats::IndependentSum huge;
        const zt::stats::IndependentSum::Value big = 1'000'000'000'000'000;
        huge.add({{-3 * big, 0.9}, {33 * big + 1, 0.1}}, 30);
        const double five = huge.atLeast(5 * (33 * big + 1) - 25 * 3 * big);
        QVERIFY2(std::fabs(five - zt::stats::binomialTail(30, 0.1, 5, true)) < 0.04,
                 qPrintable(QString::number(five)));

        // Each draw laid out, but not the sum of three (3,000,003 values):
        // drawn.  Two of 1,000,000 at least: 3 · 0.25² · 0.75 + 0.25³.
        zt::stats::IndependentSum far;
        far.add({{-1, 0.5}, {2, 0.25}, {1'000'000, 0.25}}, 3);
        QVERIFY(far.chance(1'999'999).simulated &&
                std::fabs(far.atLeast(1'999'999) - 0.15625) < 0.03);

        // Many draws of one kind, summed by squaring, exactly: at least 8
        // hits of 3 numbers in 100 spins.
        zt::stats::IndependentSum many;
        many.add({{-3, 34 / 37.0}, {33, 3 / 37.0}}, 100);
        QVERIFY(!many.chance(36 * 8 - 300).simulated);
        QVERIFY(std::fabs(many.atLeast(36 * 8 - 300) / zt::stats::binomialTail(100, 3 / 37.0, 8, true) - 1) <
                1e-9);

        zt::stats::IndependentSum small;
        small.addBernoulli(3, 0.25, 4);
        small.addBernoulli(5, 0.5, 2);
        small.add({{-1, 0.5}, {2, 0.5}});
        // P(3 B(4, 1/4) + 5 B(2, 1/2) + D ≥ 14), D -1 or 2.
        double exact = 0;
        for (int b4 = 0; b4 <= 4; ++b4)
            for (int b2 = 0; b2 <= 2; ++b2)
                for (int d : {-1, 2}) {
                    if (3 * b4 + 5 * b2 + d < 14)
                        continue;
                    const double p4 = std::tgamma(5) / std::tgamma(b4 + 1) / std::tgamma(5 - b4) *
                                      std::pow(0.25, b4) * std::pow(0.75, 4 - b4);
                    exact += p4 * (b2 == 1 ? 0.5 : 0.25) * 0.5;
                }
        QVERIFY(!small.chance(14).simulated && std::fabs(small.atLeast(14) - exact) < 1e-12);
    }

    // Beyond the runs simulated the approximations stand: at that length
    // they give the grades' thresholds as the simulated
    // runs give, within what the draws can tell (the chi-square
    // distribution for the numbers and the colours, the numbers taken as
    // independent for the extremes).
    void approximationsCloseWhereTheyAreUsed()
    {
        using namespace zt::stats;
        const long long n = kSimulatedSpins;
        QVERIFY(!numbersChance(n + 1, 40).has_value() && !hottestChance(n + 1, 40).has_value());
        // The statistic where a decreasing chance falls to `limit`.
        const auto where = [](double limit, const std::function<double(double)>& chance) {
            double lo = 0, hi = 400;
            for (int i = 0; i < 100; ++i) {
                const double mid = (lo + hi) / 2;
                (chance(mid) > limit ? lo : hi) = mid;
            }
            return hi;
        };
        const auto someNumber = [&](long long most) {
            return 1 - std::pow(1 - binomialTail(n, 1.0 / 37, most, true), 37);
        };
        for (const double limit : {0.05, 0.01, 0.001}) {
            const double numbers = where(limit, [](double x) { return chiSquarePValue(x, 36); });
            const double colours = where(limit, [](double x) { return chiSquarePValue(x, 2); });
            long long most = 25;
            while (someNumber(most + 1) > limit)
                ++most;
            const struct {
                const char* name;
                double approximated;
                double drawn;
            } cases[] = {{"numbers", limit, numbersChance(n, numbers).value()},
                         {"colours", limit, groupingChance(n, 0, colours).value()},
                         {"hottest", someNumber(most), hottestChance(n, most).value()}};
            // The draws' own error is a tenth of 1 in 1000.
            for (const auto& c : cases)
                QVERIFY2(std::fabs(c.drawn / c.approximated - 1) < (limit < 0.005 ? 0.25 : 0.1),
                         qPrintable(QString("%1: %2 against %3").arg(c.name).arg(c.drawn).arg(c.approximated)));
        }
    }

    void gradesKeepTheirWord_data()
    {
        QTest::addColumn<int>("spins");
        QTest::addColumn<int>("evenings");
        for (const int spins : {1, 2, 5, 10, 20, 37, 100, 300})
            QTest::addRow("%d spins", spins) << spins << (spins <= 37 ? 2500 : spins <= 100 ? 2000 : 1500);
    }
    void gradesKeepTheirWord()
    {
        QFETCH(int, spins);
        QFETCH(int, evenings);
        using Mode = zt::VerifySettings::Mode;
        struct Way {
            const char* name;
            Mode mode;
            const char* progression;
            bool secondHit;
        };
        const Way ways[] = {{"default mode, flat", Mode::None, "flat", false},
                            {"Quorix, 1,2,3,5,8, second hit", Mode::Quorix, "1,2,3,5,8", true},
                            {"Zentrima13, doubling", Mode::Zentrima13, "1,2,4,8,16,32", false}};
        std::vector<zt::VerifySettings> settings;
        std::vector<zt::StakeTable> tables;
        for (const Way& way : ways) {
            zt::VerifySettings s;
            s.mode = way.mode;
            s.maxDelay = QStringLiteral("6");
            s.stringsReport = true;
            s.secondHit = way.secondHit;
            s.bet = zt::withProgression({}, QString::fromLatin1(way.progression)).value();
            settings.push_back(s);
            tables.emplace_back(s.bet);
        }
        const QString countText = QString::number(spins);
        // Half the evenings on a second thread.
        std::array<std::map<QString, Grades>, 2> parts;
        const auto judge = [&](int part) {
            std::map<QString, Grades>& grades = parts[std::size_t(part)];
            for (int e = part; e < evenings; e += 2) {
                zt::SpinStream stream(2026, std::uint64_t(e) * 1000 + std::uint64_t(spins));
                std::vector<std::uint8_t> numbers;
                zt::ReplayRows rows;
                for (int i = 0; i < spins; ++i) {
                    numbers.push_back(std::uint8_t(stream.next()));
                    rows.appendNumber(numbers.back(), i == 0);
                }
                const zt::stats::NumberTable table = zt::stats::tabulate(numbers);
                grades["numbers"].add(table.test.pValue);
                grades["hottest"].add(table.hottestChance);
                grades["coldest"].add(table.coldestChance);
                for (const zt::stats::GroupingFigure& g : zt::stats::groupFigures(table)) {
                    if (g.test.valid)
                        grades[g.name].add(g.test.pValue);
                }
                for (std::size_t w = 0; w < settings.size(); ++w) {
                    const QString way = QString::fromLatin1(ways[w].name);
                    const zt::VerifyResult r = zt::verify(rows, countText, settings[w], false);
                    if (r.money.stakedSpins > 0)
                        addSided(grades, QStringLiteral("money, %1").arg(way),
                                 zt::netChance(r.money, tables[w]));
                    const zt::stats::AttemptFigures f =
                        zt::stats::compareAttempts(r.tally, r.followed);
                    if (f.stretches > 0)
                        addSided(grades, QStringLiteral("failures, %1").arg(way), f.failuresChance);
                }
            }
        };
        std::thread second(judge, 1);
        judge(0);
        second.join();
        std::map<QString, Grades> grades = parts[0];
        for (const auto& [name, g] : parts[1]) {
            Grades& sum = grades[name];
            sum.judged += g.judged;
            for (std::size_t k = 0; k < 3; ++k)
                sum.reached[k] += g.reached[k];
        }
        QStringList broken;
        for (const auto& [name, g] : grades)
            broken << g.broken(name);
        QVERIFY2(broken.isEmpty(), qPrintable(broken.join(QStringLiteral("\n"))));
        // Every verdict was judged, the money and the failures in every way
        // once the evenings are long enough for the modes to propose.
        QVERIFY(grades.count("numbers") && grades.count("hottest") && grades.count("coldest"));
        QCOMPARE(grades.size(), spins < 100 ? grades.size() : std::size_t(7 + 3 * 2 * 2));
    }
};

ZT_TEST_MAIN(Calibration)
#include "tst_calibration.moc"
