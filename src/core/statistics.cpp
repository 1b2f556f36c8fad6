#include "core/statistics.h"

#include "core/textrules.h"
#include "core/wheellayout.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

namespace zt::stats {

std::vector<std::uint8_t> selectNumbers(std::span<const Spin> spins, TypeFilter filter,
                                        long long lastCount)
{
    std::vector<std::uint8_t> out;
    out.reserve(spins.size());
    const int wanted = filter == TypeFilter::Live ? 1 : 2;
    for (const Spin& s : spins) {
        if (filter == TypeFilter::All || s.type == wanted)
            out.push_back(s.number);
    }
    if (lastCount > 0 && std::size_t(lastCount) < out.size())
        out.erase(out.begin(), out.end() - lastCount);
    return out;
}

// --- Chance's tests ----------------------------------------------------------

namespace {

struct StatisticheText {
    Q_DECLARE_TR_FUNCTIONS(Statistiche)
};


constexpr double kEpsilon = 1e-15;
constexpr double kTiny = 1e-300;
constexpr int kMostTerms = 100000;

// e^(-x) x^a / Γ(a), the factor both expansions share, taken through logarithms.
double gammaFactor(double a, double x)
{
    return std::exp(-x + a * std::log(x) - std::lgamma(a));
}

// P(a, x) by its series, for x < a + 1.
double lowerBySeries(double a, double x)
{
    double term = 1 / a;
    double sum = term;
    for (int n = 1; n < kMostTerms; ++n) {
        term *= x / (a + n);
        sum += term;
        if (std::fabs(term) < std::fabs(sum) * kEpsilon)
            break;
    }
    return sum * gammaFactor(a, x);
}

// Q(a, x) by its continued fraction (modified Lentz), for x >= a + 1.
double upperByFraction(double a, double x)
{
    double b = x + 1 - a;
    double c = 1 / kTiny;
    double d = 1 / b;
    double h = d;
    for (int i = 1; i < kMostTerms; ++i) {
        const double an = -i * (i - a);
        b += 2;
        d = an * d + b;
        if (std::fabs(d) < kTiny)
            d = kTiny;
        c = b + an / c;
        if (std::fabs(c) < kTiny)
            c = kTiny;
        d = 1 / d;
        const double step = d * c;
        h *= step;
        if (std::fabs(step - 1) < kEpsilon)
            break;
    }
    return h * gammaFactor(a, x);
}

} // namespace

double upperGammaQ(double a, double x)
{
    if (!(a > 0) || std::isnan(x))
        return std::numeric_limits<double>::quiet_NaN();
    if (x <= 0)
        return 1;
    if (std::isinf(x))
        return 0;
    const double q = x < a + 1 ? 1 - lowerBySeries(a, x) : upperByFraction(a, x);
    return std::clamp(q, 0.0, 1.0);
}

double chiSquarePValue(double statistic, int degrees)
{
    if (degrees < 1)
        return 1;
    return upperGammaQ(degrees / 2.0, statistic / 2);
}

ChiSquare chiSquare(std::span<const double> observed, std::span<const double> expected)
{
    ChiSquare test;
    const std::size_t n = std::min(observed.size(), expected.size());
    double total = 0;
    int cells = 0;
    bool impossible = false;
    for (std::size_t i = 0; i < n; ++i) {
        total += observed[i];
        if (expected[i] > 0) {
            ++cells;
            const double d = observed[i] - expected[i];
            test.statistic += d * d / expected[i];
        } else if (observed[i] > 0) {
            impossible = true; // chance never puts anything there
        }
    }
    if (!(total > 0) || cells < 2)
        return ChiSquare{};
    test.valid = true;
    test.degrees = cells - 1;
    if (impossible)
        test.statistic = std::numeric_limits<double>::infinity();
    test.pValue = chiSquarePValue(test.statistic, test.degrees);
    return test;
}

double zScore(double observed, double trials, double p)
{
    const double variance = trials * p * (1 - p);
    if (!(variance > 0))
        return 0;
    return (observed - trials * p) / std::sqrt(variance);
}

namespace {

// P(X = k) for a binomial count, through logarithms.
double binomialTerm(long long n, double p, long long k)
{
    return std::exp(std::lgamma(double(n) + 1) - std::lgamma(double(k) + 1) -
                    std::lgamma(double(n - k) + 1) + double(k) * std::log(p) +
                    double(n - k) * std::log1p(-p));
}

// P(X >= k) summed upwards from k, for k above the mean, where the terms fall.
double upperSum(long long n, double p, long long k)
{
    double term = binomialTerm(n, p, k);
    double sum = 0;
    for (long long j = k; j <= n && term > 0; ++j) {
        sum += term;
        if (term < sum * kEpsilon)
            break;
        term *= double(n - j) / double(j + 1) * p / (1 - p);
    }
    return sum;
}

// P(X <= k) summed downwards from k, for k below the mean.
double lowerSum(long long n, double p, long long k)
{
    double term = binomialTerm(n, p, k);
    double sum = 0;
    for (long long j = k; j >= 0 && term > 0; --j) {
        sum += term;
        if (term < sum * kEpsilon)
            break;
        term *= double(j) / double(n - j + 1) * (1 - p) / p;
    }
    return sum;
}

} // namespace

double binomialTail(long long trials, double p, long long count, bool upper)
{
    // The chance of X >= count; the lower tail is that of the misses.
    if (!upper)
        return binomialTail(trials, 1 - p, trials - count, true);
    if (count <= 0 || p >= 1)
        return 1;
    if (count > trials || p <= 0)
        return 0;
    const double mean = double(trials) * p;
    const double tail = double(count) > mean ? upperSum(trials, p, count)
                                             : 1 - lowerSum(trials, p, count - 1);
    return std::clamp(tail, 0.0, 1.0);
}

// --- The numbers -------------------------------------------------------------

NumberTable tabulate(std::span<const std::uint8_t> numbers)
{
    NumberTable t;
    t.spins = static_cast<long long>(numbers.size());
    std::array<long long, kNumbers> lastSeen;
    lastSeen.fill(-1);
    for (long long i = 0; i < t.spins; ++i) {
        const int n = numbers[std::size_t(i)];
        if (n >= kNumbers)
            continue;
        ++t.counts[n];
        lastSeen[n] = i;
    }
    for (int n = 0; n < kNumbers; ++n) {
        t.seen[n] = lastSeen[n] >= 0;
        t.delays[n] = t.seen[n] ? t.spins - 1 - lastSeen[n] : t.spins;
    }
    if (t.spins == 0)
        return t;

    t.expected = double(t.spins) / kNumbers;
    std::array<double, kNumbers> observed;
    std::array<double, kNumbers> expected;
    for (int n = 0; n < kNumbers; ++n) {
        observed[n] = double(t.counts[n]);
        expected[n] = t.expected;
        t.z[n] = zScore(observed[n], double(t.spins), 1.0 / kNumbers);
    }
    t.test = chiSquare(observed, expected);
    if (const std::optional<double> p = numbersChance(t.spins, t.test.statistic))
        t.test.pValue = *p;

    std::array<int, kNumbers> order;
    std::iota(order.begin(), order.end(), 0);
    const auto figure = [&](int n) {
        return NumberFigure{n, t.counts[n], t.z[n], t.delays[n], t.seen[n]};
    };
    // Most frequent first, the one seen more lately first among equals.
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return t.counts[a] != t.counts[b] ? t.counts[a] > t.counts[b] : t.delays[a] < t.delays[b];
    });
    for (int i = 0; i < 5; ++i)
        t.hottest.push_back(figure(order[i]));
    // Least frequent first, the one missing for longer first among equals.
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return t.counts[a] != t.counts[b] ? t.counts[a] < t.counts[b] : t.delays[a] > t.delays[b];
    });
    for (int i = 0; i < 5; ++i)
        t.coldest.push_back(figure(order[i]));

    // Some number of 37 at least that far, taking the numbers as independent:
    // 1 - (1 - tail)^37.
    const auto someNumber = [](double tail) { return -std::expm1(kNumbers * std::log1p(-tail)); };
    t.hottestChance = hottestChance(t.spins, t.hottest[0].count)
                          .value_or(someNumber(binomialTail(t.spins, 1.0 / kNumbers,
                                                            t.hottest[0].count, true)));
    t.coldestChance = coldestChance(t.spins, t.coldest[0].count)
                          .value_or(someNumber(binomialTail(t.spins, 1.0 / kNumbers,
                                                            t.coldest[0].count, false)));
    return t;
}

// --- Groups ------------------------------------------------------------------

namespace {

template <class Pred> NumberMask numbersWhere(Pred pred)
{
    NumberMask m;
    for (int n = 0; n < kNumbers; ++n)
        m[std::size_t(n)] = pred(n);
    return m;
}

// The numbers under the sectors of the wheel picture that carry this label.
NumberMask sectorNumbers(const char* label)
{
    NumberMask m;
    for (const wheel::Sector& s : wheel::kSectors) {
        if (qstrcmp(s.label, label) != 0)
            continue;
        for (int k = 0; k < s.count; ++k)
            m.set(std::size_t(wheel::kOrder[std::size_t((s.first + k) % wheel::kPockets)]));
    }
    return m;
}

std::vector<Grouping> makeGroupings()
{
    const auto colour = [](int n) { return wheel::pocketColor(wheel::positionOf(n)); };
    const NumberMask zero = numbersWhere([](int n) { return n == 0; });
    std::vector<Grouping> all;

    all.push_back({StatisticheText::tr("Colori"),
                   {{StatisticheText::tr("Rosso"), numbersWhere([&](int n) { return colour(n) == wheel::kRed; })},
                    {StatisticheText::tr("Nero"), numbersWhere([&](int n) { return colour(n) == wheel::kBlack; })},
                    {StatisticheText::tr("Zero"), zero}}});

    Grouping dozens{StatisticheText::tr("Dozzine"), {}};
    Grouping columns{StatisticheText::tr("Colonne"), {}};
    for (int k = 0; k < 3; ++k) {
        dozens.groups.push_back({StatisticheText::tr("%1ª dozzina").arg(k + 1),
                                 numbersWhere([k](int n) { return n > 0 && (n - 1) / 12 == k; })});
        columns.groups.push_back({StatisticheText::tr("%1ª colonna").arg(k + 1),
                                  numbersWhere([k](int n) { return n > 0 && (n - 1) % 3 == k; })});
    }
    // The zero loses every dozen and column bet: a cell of the tests, not a bar.
    dozens.groups.push_back({StatisticheText::tr("Zero"), zero, true, false});
    columns.groups.push_back({StatisticheText::tr("Zero"), zero, true, false});
    all.push_back(dozens);
    all.push_back(columns);

    // The sectors by the labels of the wheel picture.
    const char* const labels[] = {QT_TRANSLATE_NOOP("Statistiche", "Gioco 0"),
                                  QT_TRANSLATE_NOOP("Statistiche", "Vicini dello 0"),
                                  QT_TRANSLATE_NOOP("Statistiche", "Orfanelli"),
                                  QT_TRANSLATE_NOOP("Statistiche", "Serie 5 / 8")};
    Grouping sectors{StatisticheText::tr("Settori della ruota"), {}};
    for (const char* label : labels)
        sectors.groups.push_back({StatisticheText::tr(label), sectorNumbers(label)});
    // Gioco 0 lies inside Vicini dello 0.
    sectors.groups.front().tested = false;
    all.push_back(sectors);
    return all;
}

} // namespace

const std::vector<Grouping>& groupings()
{
    static const std::vector<Grouping> all = makeGroupings();
    return all;
}

std::vector<GroupingFigure> groupFigures(const NumberTable& table)
{
    std::vector<GroupingFigure> out;
    const double spins = double(table.spins);
    for (std::size_t index = 0; index < groupings().size(); ++index) {
        const Grouping& g = groupings()[index];
        GroupingFigure f{g.name, {}, {}};
        std::vector<double> observed;
        std::vector<double> expected;
        for (const Group& group : g.groups) {
            long long count = 0;
            for (int n = 0; n < kNumbers; ++n) {
                if (group.members[std::size_t(n)])
                    count += table.counts[n];
            }
            const double p = double(group.members.count()) / kNumbers;
            f.groups.push_back({group.name, count, spins * p, zScore(double(count), spins, p),
                                group.tested, group.charted});
            if (group.tested) {
                observed.push_back(double(count));
                expected.push_back(spins * p);
            }
        }
        f.test = chiSquare(observed, expected);
        if (f.test.valid) {
            if (const std::optional<double> p = groupingChance(table.spins, index, f.test.statistic))
                f.test.pValue = *p;
        }
        if (f.test.valid && f.test.statistic > 0) {
            double most = -1;
            for (std::size_t i = 0; i < f.groups.size(); ++i) {
                const GroupFigure& cell = f.groups[i];
                if (!cell.tested || !(cell.expected > 0))
                    continue;
                const double d = double(cell.observed) - cell.expected;
                if (d * d / cell.expected > most) {
                    most = d * d / cell.expected;
                    f.heaviest = int(i);
                }
            }
            f.heaviestShare = most / f.test.statistic;
        }
        out.push_back(f);
    }
    return out;
}

// --- The followed strings ----------------------------------------------------

std::vector<double> chanceAttempts(const FollowedStrings& followed, int last)
{
    std::vector<double> chance(std::size_t(std::max(last, 0)) + 1, 0.0);
    for (const auto& [phase, count] : followed.phases()) {
        const double p = std::clamp(double(phase.size) / kNumbers, 0.0, 1.0);
        const double q = 1 - p;
        const int spins = std::max(phase.last - phase.first + 1, 0);
        double reach = 1; // chance that the stretch is still unhit at spin j
        for (int j = 1; j <= spins; ++j) {
            const int attempt = phase.first + j - 1;
            if (attempt > last)
                break;
            if (attempt >= 1)
                chance[std::size_t(attempt)] += double(count) * reach * p;
            reach *= q;
        }
        chance[0] += double(count) * std::pow(q, spins);
    }
    return chance;
}

AttemptFigures compareAttempts(const ConteggioColpi& tally, const FollowedStrings& followed)
{
    AttemptFigures f;
    double sizes = 0;
    for (const auto& [phase, count] : followed.phases()) {
        f.stretches += count;
        sizes += double(count) * phase.size;
        f.lastAttempt = std::max(f.lastAttempt, std::min(phase.last, int(ConteggioColpi::Last)));
    }
    for (int a = 0; a <= ConteggioColpi::Last; ++a) {
        f.tallied += tally.entry(a);
        if (a > 0 && tally.entry(a) > 0)
            f.lastAttempt = std::max(f.lastAttempt, a);
    }
    if (f.stretches > 0)
        f.meanSize = sizes / double(f.stretches);
    f.hits.assign(std::size_t(f.lastAttempt) + 1, 0);
    for (int a = 1; a <= f.lastAttempt; ++a)
        f.hits[std::size_t(a)] = tally.entry(a);
    f.failures = tally.entry(0);

    f.chanceHits = chanceAttempts(followed, f.lastAttempt);
    f.chanceFailures = f.chanceHits[0];
    f.chanceHits[0] = 0;
    // The failures are a sum of independent stretches, each failing with its own chance.
    double variance = 0;
    IndependentSum failing;
    for (const auto& [phase, count] : followed.phases()) {
        const double q = 1 - std::clamp(double(phase.size) / kNumbers, 0.0, 1.0);
        const double fail = std::pow(q, std::max(phase.last - phase.first + 1, 0));
        variance += double(count) * fail * (1 - fail);
        failing.addBernoulli(1, fail, count);
    }
    if (variance > 0) {
        f.failuresZ = (double(f.failures) - f.chanceFailures) / std::sqrt(variance);
        f.failuresChance = failing.chance(f.failures);
    }
    return f;
}

// --- Words -------------------------------------------------------------------

QString decimal(double value, int decimals)
{
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("∞") : QStringLiteral("-∞");
    return shownLocale().toString(value, 'f', decimals);
}

Evidence evidence(double p)
{
    if (p < 0.001)
        return Evidence::VeryStrong;
    if (p < 0.01)
        return Evidence::Strong;
    if (p < 0.05)
        return Evidence::Hint;
    return Evidence::Normal;
}

QString evidenceWords(Evidence level)
{
    switch (level) {
    case Evidence::Normal:
        break;
    case Evidence::Hint:
        return QCoreApplication::translate("Statistiche", "un indizio");
    case Evidence::Strong:
        return QCoreApplication::translate("Statistiche", "un forte indizio");
    case Evidence::VeryStrong:
        return QCoreApplication::translate("Statistiche", "quasi una prova");
    }
    return QCoreApplication::translate("Statistiche", "nella norma");
}

QString chanceText(double p)
{
    if (p < 0.001)
        return QCoreApplication::translate("Statistiche", "meno di una volta su mille");
    if (p < 0.01)
        return QCoreApplication::translate("Statistiche", "meno di una volta su cento");
    const long long percent = std::llround(p * 100);
    if (percent >= 100)
        return QCoreApplication::translate("Statistiche", "quasi sempre");
    if (percent == 1)
        return QCoreApplication::translate("Statistiche", "una volta su cento");
    return QCoreApplication::translate("Statistiche", "%1 volte su cento").arg(percent);
}

namespace {

// The words of the evidence at the head of a sentence: "Un indizio".
QString opening(Evidence level)
{
    QString words = evidenceWords(level);
    words[0] = words[0].toUpper();
    return words;
}

} // namespace

QString verdict(const ChiSquare& test)
{
    if (!test.valid)
        return QCoreApplication::translate("Statistiche",
                                           "Troppo poche uscite per un confronto con il caso.");
    const double p = test.pValue;
    const Evidence level = evidence(p);
    QString why;
    switch (level) {
    case Evidence::Normal:
        why = QCoreApplication::translate("Statistiche", "differenze così grandi il caso le dà "
                                                         "%1; nulla fa pensare a qualcosa di "
                                                         "favorito.");
        break;
    case Evidence::Hint:
        why = QCoreApplication::translate("Statistiche", "non ancora una prova: il caso da solo "
                                                         "darebbe differenze così grandi solo %1.");
        break;
    case Evidence::Strong:
        why = QCoreApplication::translate("Statistiche", "il caso da solo darebbe differenze così "
                                                         "grandi %1: difficilmente è solo fortuna.");
        break;
    case Evidence::VeryStrong:
        why = QCoreApplication::translate("Statistiche", "il caso da solo non darebbe quasi mai "
                                                         "differenze così grandi (%1): vale la "
                                                         "pena di controllare la ruota o le "
                                                         "registrazioni.");
        break;
    }
    return opening(level) + (level == Evidence::Hint ? QStringLiteral(", ") : QStringLiteral(": ")) +
           why.arg(chanceText(p));
}

QString shortVerdict(const ChiSquare& test)
{
    if (!test.valid)
        return QCoreApplication::translate("Statistiche", "troppo poche uscite");
    return evidenceWords(evidence(test.pValue));
}

QString attemptsVerdict(const AttemptFigures& f)
{
    const double p = f.failuresChance.p;
    const Evidence level = evidence(p);
    if (level == Evidence::Normal)
        return QCoreApplication::translate("Statistiche",
                                           "Nella norma: le proposte non hanno fatto né meglio "
                                           "né peggio di altrettanti numeri scelti a caso (uno "
                                           "scarto così il caso lo dà %1).")
            .arg(chanceText(p));
    const QString how = f.failuresChance.side < 0
                            ? QCoreApplication::translate("Statistiche",
                                                          "le proposte sono fallite meno di "
                                                          "altrettanti numeri scelti a caso")
                            : QCoreApplication::translate("Statistiche",
                                                          "le proposte sono fallite più di "
                                                          "altrettanti numeri scelti a caso");
    return QCoreApplication::translate("Statistiche", "%1: %2; il caso darebbe uno scarto così "
                                                      "grande %3.")
        .arg(opening(level), how, chanceText(p));
}

} // namespace zt::stats
