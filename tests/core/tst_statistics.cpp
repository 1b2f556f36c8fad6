#include "core/engine.h"
#include "core/followedstrings.h"
#include "core/statistics.h"
#include "testsupport.h"

#include <cmath>
#include <set>

using namespace zt;
using namespace zt::stats;

namespace {

// The outcomes of one engine step.
struct Outcomes : StringOutcomeSink {
    std::vector<StringOutcome> list;
    void apply(const StringOutcome& o) override { list.push_back(o); }
};

const GroupFigure& group(const std::vector<GroupingFigure>& all, const QString& name)
{
    for (const GroupingFigure& g : all)
        for (const GroupFigure& f : g.groups)
            if (f.name == name)
                return f;
    qFatal("no group %s", qPrintable(name));
}

// The numbers of the hottest or coldest, in their order.
QList<int> numbersOf(const std::vector<NumberFigure>& figures)
{
    QList<int> out;
    for (const NumberFigure& f : figures)
        out << f.number;
    return out;
}

} // namespace

class StatisticsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void pValuesMatchThePublishedTable_data()
    {
        QTest::addColumn<double>("statistic");
        QTest::addColumn<int>("degrees");
        QTest::addColumn<double>("p");
        // Critical values of the chi-square distribution, as printed in the usual tables.
        QTest::newRow("36 df, 5 %") << 50.998 << 36 << 0.05;
        QTest::newRow("36 df, 95 %") << 23.269 << 36 << 0.95; // below a + 1: the series
        QTest::newRow("1 df, 5 %") << 3.841 << 1 << 0.05;
        QTest::newRow("2 df, exactly e^-x/2") << 10.0 << 2 << std::exp(-5.0);
        QTest::newRow("nothing off") << 0.0 << 36 << 1.0;
        QTest::newRow("far off") << 1e7 << 36 << 0.0;
        QTest::newRow("infinite") << qInf() << 3 << 0.0;
    }
    void pValuesMatchThePublishedTable()
    {
        QFETCH(double, statistic);
        QFETCH(int, degrees);
        QFETCH(double, p);
        QVERIFY2(std::fabs(chiSquarePValue(statistic, degrees) - p) < 5e-5,
                 qPrintable(QString::number(chiSquarePValue(statistic, degrees), 'g', 10)));
    }

    void chiSquareOfASmallTable()
    {
        const std::vector<double> observed{10, 20, 30};
        const std::vector<double> expected{20, 20, 20};
        ChiSquare t = chiSquare(observed, expected);
        QVERIFY(t.valid && t.degrees == 2);
        QCOMPARE(t.statistic, 10.0); // (100 + 0 + 100) / 20
        QVERIFY(std::fabs(t.pValue - std::exp(-5.0)) < 1e-12);

        // A cell chance never reaches: left out when empty, impossible when not.
        t = chiSquare(std::vector<double>{10, 20, 0}, std::vector<double>{15, 15, 0});
        QVERIFY(t.degrees == 1 && std::fabs(t.statistic - 50.0 / 15) < 1e-12);
        t = chiSquare(std::vector<double>{10, 20, 1}, std::vector<double>{15, 16, 0});
        QVERIFY(std::isinf(t.statistic) && t.pValue == 0);
        // Nothing to test: no counts, one cell.
        QVERIFY(!chiSquare(std::vector<double>{0, 0}, std::vector<double>{0, 0}).valid);
        QVERIFY(!chiSquare(std::vector<double>{5}, std::vector<double>{5}).valid);
        QCOMPARE(zScore(3, 0, 0.5), 0.0);
        QCOMPARE(zScore(3, 10, 1.0), 0.0);
    }

    void binomialTailsMatchExactSums_data()
    {
        QTest::addColumn<long long>("trials");
        QTest::addColumn<double>("p");
        QTest::addColumn<long long>("count");
        QTest::addColumn<bool>("upper");
        QTest::addColumn<double>("tail");
        // Summed exactly in rational numbers.
        QTest::newRow("coin, 8 of 10 or more") << 10LL << 0.5 << 8LL << true << 56.0 / 1024;
        QTest::newRow("1000 spins, 40 or more") << 1000LL << 1.0 / 37 << 40LL << true << 0.010517010651503188;
        QTest::newRow("1000 spins, 15 or fewer") << 1000LL << 1.0 / 37 << 15LL << false << 0.008059503189927042;
        QTest::newRow("below the mean, upper") << 10LL << 0.5 << 3LL << true << 968.0 / 1024;
        QTest::newRow("nothing or more") << 5LL << 0.2 << 0LL << true << 1.0;
        QTest::newRow("more than the trials") << 5LL << 0.2 << 6LL << true << 0.0;
    }
    void binomialTailsMatchExactSums()
    {
        QFETCH(long long, trials);
        QFETCH(double, p);
        QFETCH(long long, count);
        QFETCH(bool, upper);
        QFETCH(double, tail);
        const double got = binomialTail(trials, p, count, upper);
        QVERIFY2(std::fabs(got - tail) < 1e-12, qPrintable(QString::number(got, 'g', 17)));
    }

    // One scale for every verdict: the same chance gives the same words.
    void gradedWords_data()
    {
        QTest::addColumn<double>("p");
        QTest::addColumn<QString>("words");
        QTest::addColumn<QString>("often");
        QTest::addColumn<QString>("sentence");
        QTest::newRow("5 %") << 0.05 << "nella norma" << "5 volte su cento" << "nulla fa pensare";
        QTest::newRow("just below 5 %") << 0.0499 << "un indizio" << "5 volte su cento"
                                        << "non ancora una prova";
        QTest::newRow("1 %") << 0.01 << "un indizio" << "una volta su cento" << "non ancora una prova";
        QTest::newRow("below 1 %") << 0.0099 << "un forte indizio" << "meno di una volta su cento"
                                   << "difficilmente è solo fortuna";
        QTest::newRow("1 in 1000") << 0.001 << "un forte indizio" << "meno di una volta su cento"
                                   << "difficilmente è solo fortuna";
        QTest::newRow("below 1 in 1000") << 0.00099 << "quasi una prova"
                                         << "meno di una volta su mille" << "controllare la ruota";
        QTest::newRow("almost always") << 0.996 << "nella norma" << "quasi sempre" << "nulla fa pensare";
    }
    void gradedWords()
    {
        QFETCH(double, p);
        QFETCH(QString, words);
        QFETCH(QString, often);
        QFETCH(QString, sentence);
        ChiSquare test;
        test.valid = true;
        test.pValue = p;
        QCOMPARE(shortVerdict(test), words);
        QCOMPARE(chanceText(p), often);
        const QString text = verdict(test);
        QVERIFY2(text.startsWith(words.front().toUpper() + words.mid(1)) && text.contains(often) &&
                     text.contains(sentence),
                 qPrintable(text));
    }

    // The proposals' failures against chance's, on the same scale and on
    // their side: ten stretches of 18 numbers and one spin, none failed,
    // luck does it (18/37)^10 = 0.075 % of the time.
    void proposalsVerdictOnTheSameScale()
    {
        const struct {
            int side;
            double p;
            const char* start;
            const char* how;
        } cases[] = {{-1, 0.041, "Un indizio:", "fallite meno di"},
                     {1, 0.06, "Nella norma:", "né meglio né peggio"},
                     {1, 0.005, "Un forte indizio:", "fallite più di"}};
        for (const auto& c : cases) {
            AttemptFigures f;
            f.failuresChance = {c.side, c.p};
            const QString text = attemptsVerdict(f);
            QVERIFY2(text.startsWith(c.start) && text.contains(c.how), qPrintable(text));
        }
        zt::FollowedStrings followed;
        followed.add({18, 1, 1}, 10);
        zt::ConteggioColpi tally;
        for (int i = 0; i < 10; ++i)
            tally.postAttempt(1);
        const AttemptFigures f = compareAttempts(tally, followed);
        QCOMPARE(f.failuresChance.side, -1);
        QVERIFY(std::fabs(f.failuresChance.p / std::pow(18.0 / 37, 10) - 1) < 1e-9);
        QVERIFY(attemptsVerdict(f).startsWith("Quasi una prova:") &&
                attemptsVerdict(f).contains("fallite meno di"));
    }

    void numbersOfAShortRun()
    {
        const std::vector<std::uint8_t> run{5, 0, 5, 7};
        const NumberTable t = tabulate(run);
        QCOMPARE(QString::asprintf("%lld spins, 5 %lld times, delays %lld %lld %lld %lld", t.spins,
                                   t.counts[5], t.delays[5], t.delays[0], t.delays[7], t.delays[1]),
                 "4 spins, 5 2 times, delays 1 2 0 4");
        QVERIFY(!t.seen[1] && t.expected == 4.0 / 37);
        // Σ o² / e − n = 6 · 37 / 4 − 4
        QVERIFY(std::fabs(t.test.statistic - 51.5) < 1e-9 && t.test.degrees == 36);
        // 7 as often as 0, seen later.
        QCOMPARE(numbersOf(t.hottest).mid(0, 3), (QList<int>{5, 7, 0}));
        QCOMPARE(t.hottest.size(), 5u);
        QVERIFY(std::fabs(t.hottest[0].z - 70.0 / 12) < 1e-9); // (70/37) / (12/37)
        QVERIFY(t.coldest[0].number == 1 && !t.coldest[0].seen);
        // Some number twice or more in 4 spins: 1 - 36·35·34 / 37³ = 15.4 %
        // (the numbers taken as independent would say 14.5 %).
        QVERIFY(std::fabs(t.hottestChance - (1 - 36.0 * 35 * 34 / (37.0 * 37 * 37))) < 0.01);
        QCOMPARE(t.z[5], t.hottest[0].z);

        // Ties among numbers seen: the one seen more lately is the hotter,
        // the one missing for longer the colder.
        std::vector<std::uint8_t> all;
        for (int n = 0; n <= 36; ++n)
            all.push_back(std::uint8_t(n));
        all.push_back(5);
        all.push_back(9);
        const NumberTable ties = tabulate(all);
        QCOMPARE(numbersOf(ties.hottest), (QList<int>{9, 5, 36, 35, 34}));
        QCOMPARE(numbersOf(ties.coldest), (QList<int>{0, 1, 2, 3, 4}));

        // 111 spins, the 0 never, the 1 six times, every other three times:
        // some number never in 111 spins, by inclusion and exclusion,
        // Σ (-1)^(j+1) C(37, j) (1 - j/37)^111; the numbers taken as
        // independent would say 83.7 % and 95.6 %, less than luck gives.
        std::vector<std::uint8_t> even(6, 1);
        for (int n = 2; n <= 36; ++n)
            even.insert(even.end(), 3, std::uint8_t(n));
        const NumberTable extremes = tabulate(even);
        double missing = 0;
        double choose = 1;
        for (int j = 1; j <= 36; ++j) {
            choose *= double(37 - j + 1) / j;
            missing += (j % 2 ? 1 : -1) * choose * std::pow(1 - j / 37.0, 111);
        }
        QVERIFY2(std::fabs(extremes.coldestChance - missing) < 0.01,
                 qPrintable(QString("%1 against %2").arg(extremes.coldestChance).arg(missing)));
        QVERIFY(extremes.hottestChance > 0.9563389395082306 + 0.01);

        // Nothing, or only zeros: figures without a division by zero.
        const NumberTable none = tabulate({});
        QVERIFY(!none.test.valid && none.hottest.empty() && none.expected == 0);
        for (const GroupingFigure& g : groupFigures(none))
            for (const GroupFigure& f : g.groups)
                QVERIFY(!g.test.valid && f.expected == 0 && f.z == 0);
        const std::vector<std::uint8_t> zeros(3, 0);
        const NumberTable z = tabulate(zeros);
        QVERIFY(std::fabs(z.test.statistic - 108) < 1e-9); // 9 / (3/37) − 3
        // Three spins of one number: luck does it 1 time in 37², not the
        // chi-square distribution's 1 in 10^6 or less.
        QVERIFY2(std::fabs(z.test.pValue * 37 * 37 - 1) < 0.1, qPrintable(QString::number(z.test.pValue)));
    }

    void selection()
    {
        const std::vector<Spin> spins{{1, 1}, {2, 2}, {3, 0}, {4, 1}, {5, 2}, {6, 1}};
        using V = std::vector<std::uint8_t>;
        QCOMPARE(selectNumbers(spins, TypeFilter::All, 0), (V{1, 2, 3, 4, 5, 6}));
        QCOMPARE(selectNumbers(spins, TypeFilter::Live, 0), (V{1, 4, 6}));
        QCOMPARE(selectNumbers(spins, TypeFilter::Spin, 1), (V{5}));
        QCOMPARE(selectNumbers(spins, TypeFilter::Live, 2), (V{4, 6}));
        QCOMPARE(selectNumbers(spins, TypeFilter::All, 100).size(), 6u);
    }

    void everyNumberInItsGroups()
    {
        // Typed from the betting table and the wheel picture.
        const std::set<int> red{1, 3, 5, 7, 9, 12, 14, 16, 18, 19, 21, 23, 25, 27, 30, 32, 34, 36};
        const std::set<int> gioco{12, 35, 3, 26, 0, 32, 15};
        const std::set<int> vicini{22, 18, 29, 7, 28, 12, 35, 3, 26, 0, 32, 15, 19, 4, 21, 2, 25};
        const std::set<int> orfanelli{17, 34, 6, 1, 20, 14, 31, 9};
        const std::set<int> serie{27, 13, 36, 11, 30, 8, 23, 10, 5, 24, 16, 33};
        for (int n = 0; n <= 36; ++n) {
            QStringList want;
            want << (n == 0 ? "Zero" : red.count(n) ? "Rosso" : "Nero");
            if (n > 0)
                want << QStringLiteral("%1ª dozzina").arg((n - 1) / 12 + 1)
                     << QStringLiteral("%1ª colonna").arg((n - 1) % 3 + 1);
            else
                want << "Zero" << "Zero";
            if (gioco.count(n))
                want << "Gioco 0";
            if (vicini.count(n))
                want << "Vicini dello 0";
            if (orfanelli.count(n))
                want << "Orfanelli";
            if (serie.count(n))
                want << "Serie 5 / 8";
            QStringList got;
            for (const Grouping& g : groupings()) {
                int tested = 0;
                for (const Group& member : g.groups) {
                    if (member.members[std::size_t(n)]) {
                        got << member.name;
                        tested += member.tested;
                    }
                }
                QVERIFY2(tested == 1, qPrintable(QStringLiteral("%1 in %2").arg(n).arg(g.name)));
            }
            QCOMPARE(got, want);
        }
        QCOMPARE(groupings().size(), 4u);
        for (const Grouping& g : groupings()) { // and no group without a number
            for (const Group& member : g.groups) {
                int size = 0;
                for (int n = 0; n <= 36; ++n)
                    size += member.members[std::size_t(n)];
                QVERIFY2(size > 0, qPrintable(member.name));
            }
        }

        const std::vector<std::uint8_t> run{5, 0, 5, 7, 12};
        const auto figures = groupFigures(tabulate(run));
        QVERIFY(group(figures, "Rosso").observed == 4 && group(figures, "Gioco 0").observed == 2 &&
                group(figures, "Vicini dello 0").observed == 3);
        QCOMPARE(group(figures, "Serie 5 / 8").expected, 5.0 * 12 / 37);
        const QList<int> degrees{figures[0].test.degrees, figures[1].test.degrees,
                                 figures[2].test.degrees, figures[3].test.degrees};
        QCOMPARE(degrees, (QList<int>{2, 3, 3, 2}));
        // 4 red in 5 spins: (4 - 5 · 18/37) / √(5 · 18/37 · 19/37).
        QVERIFY(std::fabs(group(figures, "Rosso").z - 1.402587416879356) < 1e-12);

        // The cell that weighs most in each test, the zero included: 10
        // zeros in 20 spins outweigh every dozen; far fewer reds than chance
        // outweigh more blacks.
        std::vector<std::uint8_t> zeros(10, 0);
        for (int n : {1, 13, 25, 2, 14, 26, 3, 15, 27, 4})
            zeros.push_back(std::uint8_t(n));
        const auto heavy = groupFigures(tabulate(zeros));
        const GroupingFigure& dozens = heavy[1];
        QCOMPARE(dozens.groups[std::size_t(dozens.heaviest)].name, QString("Zero"));
        const double zeroTerm = std::pow(10 - 20.0 / 37, 2) / (20.0 / 37);
        QVERIFY(std::fabs(dozens.heaviestShare - zeroTerm / dozens.test.statistic) < 1e-12);
        // Gioco 0 is farther from chance, but no cell of its test.
        const GroupingFigure& sectors = heavy[3];
        QCOMPARE(sectors.groups[std::size_t(sectors.heaviest)].name, QString("Vicini dello 0"));
        std::vector<std::uint8_t> blacks(12, 2);
        blacks.push_back(1);
        blacks.push_back(0);
        const GroupingFigure colours = groupFigures(tabulate(blacks))[0];
        QCOMPARE(colours.groups[std::size_t(colours.heaviest)].name, QString("Rosso"));
        const GroupingFigure none = groupFigures(tabulate({}))[0];
        QVERIFY(none.heaviest == -1 && none.heaviestShare == 0);
        // Every number once: every group exactly as chance expects, none weighs.
        std::vector<std::uint8_t> once;
        for (int n = 0; n <= 36; ++n)
            once.push_back(std::uint8_t(n));
        for (const GroupingFigure& g : groupFigures(tabulate(once)))
            QCOMPARE(g.heaviest, -1);
    }

    void chanceOfAttemptsForAMixOfSizes()
    {
        // Two strings of 18 numbers and one of 1, two attempts each:
        // attempt 1: 2 · 18/37 + 1/37 = 1; attempt 2: (2 · 19 · 18 + 36) / 37²;
        // failures: (2 · 19² + 36²) / 37².
        FollowedStrings followed;
        followed.add({18, 1, 2}, 2);
        followed.add({1, 1, 2});
        std::vector<double> chance = chanceAttempts(followed, 2);
        QVERIFY(std::fabs(chance[1] - 1) < 1e-12);
        QVERIFY(std::fabs(chance[2] - 720.0 / 1369) < 1e-12);
        QVERIFY(std::fabs(chance[0] - 2018.0 / 1369) < 1e-12);

        // Awaiting a second hit the attempts start at 2; with none left it fails.
        followed.clear();
        followed.add({18, 2, 3});
        followed.add({5, 2, 1});
        chance = chanceAttempts(followed, 3);
        QVERIFY(chance[1] == 0 && std::fabs(chance[2] - 18.0 / 37) < 1e-12 &&
                std::fabs(chance[3] - 19.0 * 18 / 1369) < 1e-12);
        QVERIFY(std::fabs(chance[0] - (361.0 / 1369 + 1)) < 1e-12);

        // Beside the tally, up to its last entry.
        ConteggioColpi tally;
        for (const char* post : {" 2", " 2", " 3", "F", " 100"})
            tally.post(QString::fromLatin1(post));
        followed.clear();
        followed.add({18, 1, 3}, 4);
        const AttemptFigures f = compareAttempts(tally, followed);
        QCOMPARE(QString::asprintf("last %d, hits %lld %lld, %lld failed, %lld stretches, %lld "
                                   "tallied, %g numbers",
                                   f.lastAttempt, f.hits[2], f.hits[100], f.failures, f.stretches,
                                   f.tallied, f.meanSize),
                 "last 100, hits 2 1, 1 failed, 4 stretches, 5 tallied, 18 numbers");
        const double fail = std::pow(19.0 / 37, 3);
        QVERIFY(std::fabs(f.chanceFailures - 4 * fail) < 1e-12);
        QVERIFY(std::fabs(f.failuresZ - (1 - 4 * fail) / std::sqrt(4 * fail * (1 - fail))) < 1e-12);

        const AttemptFigures none = compareAttempts(ConteggioColpi(), FollowedStrings());
        QVERIFY(none.lastAttempt == 0 && none.chanceFailures == 0 && none.failuresZ == 0);
    }

    void theEngineReportsTheSizeOfEachString()
    {
        StringsSettings settings;
        Outcomes out;
        // 5 listed twice: two numbers; the first 5 closes the string at attempt 4.
        FollowedSpin spin;
        followStringRow({u"5, 16, 5,", false, u" 3", u" 0"}, true, 5, settings, out, &spin);
        QCOMPARE(int(out.list[1].kind), int(StringOutcome::Kind::CloseFirstHit));
        QVERIFY(out.list[1].size == 2 && out.list[1].attempts == 10);
        QVERIFY(spin.hit && spin.size == 2 && spin.attempt == 4); // the stake's spin
        followStringRow({u"0, 32,", false, u" 0", u" 0"}, true, 0, settings, out, &spin);
        QVERIFY(spin.hit && spin.attempt == 1); // 0 is a number like any other

        settings.checkSecond = true;
        settings.maxDelay = 0; // the first miss cancels
        out.list.clear();
        followStringRow({u"1, 2, 3,", true, u" 2", u" 0"}, true, 9, settings, out);
        QVERIFY(out.list[0].kind == StringOutcome::Kind::CancelAfterHit &&
                out.list[0].attempts == 1);
        FollowedStrings followed;
        followed.add(out.list[0]);
        const std::map<FollowedPhase, long long> both{{{3, 1, 1}, 1}, {{3, 2, 1}, 1}};
        QVERIFY(followed.phases() == both);
        QVERIFY(stringAttempts(10.5) == 11 && stringAttempts(-3) == 1);
        QCOMPARE(stringSize(u"00, 36, 37, x,"), 2);
    }
};

ZT_TEST_MAIN(StatisticsTest)
#include "tst_statistics.moc"
