#include "core/chance.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <numeric>
#include <optional>
#include <utility>

namespace zt::stats {

namespace {

using Value = IndependentSum::Value;
using Kind = IndependentSum::Kind;

// Chances smaller than this share of the largest are left out: what they add
// to any chance stated lies far below the grades' thresholds.
constexpr double kNegligible = 1e-13;
// The exact sum is given up for the simulation past this many cells of the
// distribution, or this many products.
constexpr double kMostCells = double(std::size_t(1) << 21);
constexpr double kMostWork = 8e8;
constexpr long long kFirstDraws = 2000;
constexpr long long kMostDraws = 400000;
constexpr double kMostDrawWork = 1e8;

Value floorDiv(Value a, Value b)
{
    const Value q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

Value ceilDiv(Value a, Value b)
{
    return -floorDiv(-a, b);
}

Value gcd(Value a, Value b)
{
    a = a < 0 ? -a : a;
    b = b < 0 ? -b : b;
    while (b != 0)
        a = std::exchange(b, a % b);
    return a;
}

// The chances of Binomial(n, p) that are not negligible, from `first` on,
// found outwards from the mode.
struct Window {
    long long first = 0;
    std::vector<double> probs;
};

Window binomialWindow(long long n, double p)
{
    if (p <= 0 || n <= 0)
        return {0, {1.0}};
    if (p >= 1)
        return {n, {1.0}};
    const long long mode = std::clamp<long long>((long long)std::floor(double(n + 1) * p), 0, n);
    const double logMode = std::lgamma(double(n) + 1) - std::lgamma(double(mode) + 1) -
                           std::lgamma(double(n - mode) + 1) + double(mode) * std::log(p) +
                           double(n - mode) * std::log1p(-p);
    const double odds = p / (1 - p);
    std::vector<double> up{1.0};
    for (long long k = mode; k < n; ++k) {
        const double next = up.back() * double(n - k) / double(k + 1) * odds;
        if (next < kNegligible)
            break;
        up.push_back(next);
    }
    std::vector<double> down;
    double term = 1.0;
    for (long long k = mode; k > 0; --k) {
        term *= double(k) / double(n - k + 1) / odds;
        if (term < kNegligible)
            break;
        down.push_back(term);
    }
    Window w;
    w.first = mode - (long long)down.size();
    w.probs.assign(down.rbegin(), down.rend());
    w.probs.insert(w.probs.end(), up.begin(), up.end());
    const double scale = std::exp(logMode);
    for (double& v : w.probs)
        v *= scale;
    return w;
}

// A distribution over whole multiples of a unit: probs[i] is the chance of
// (first + i) units.
struct Distribution {
    Value first = 0;
    std::vector<double> probs{1.0};

    void trim()
    {
        const double top = *std::max_element(probs.begin(), probs.end());
        const auto keep = [&](double v) { return v >= top * kNegligible; };
        const auto begin = std::find_if(probs.begin(), probs.end(), keep);
        const auto end = std::find_if(probs.rbegin(), probs.rend(), keep).base();
        first += begin - probs.begin();
        probs = std::vector<double>(begin, end);
    }
};

// Chances at offsets (in units) from a first one.
struct Sparse {
    Value first = 0;
    std::vector<std::pair<std::size_t, double>> at; // offset, chance
    std::size_t span = 1;
};

// A kind's outcomes in units.
Sparse sparseOf(const Kind& kind, Value unit)
{
    Sparse s;
    Value least = kind.front().value;
    Value most = least;
    for (const IndependentSum::Outcome& o : kind) {
        least = std::min(least, o.value);
        most = std::max(most, o.value);
    }
    s.first = least / unit;
    s.span = std::size_t(std::min<Value>((most - least) / unit, Value(1) << 62)) + 1;
    for (const IndependentSum::Outcome& o : kind) {
        if (o.p > 0)
            s.at.push_back({std::size_t((o.value - least) / unit), o.p});
    }
    return s;
}

// `count` draws of weight · Bernoulli(p), in units, through the binomial.
Sparse bernoulliSum(Value weight, double p, long long count, Value unit)
{
    const Window w = binomialWindow(count, p);
    const Value step = weight / unit;
    Sparse s;
    const std::size_t n = w.probs.size();
    s.span = std::size_t(std::min<Value>((step < 0 ? -step : step) * Value(n - 1), Value(1) << 62)) + 1;
    if (step >= 0) {
        s.first = Value(w.first) * step;
        for (std::size_t k = 0; k < n; ++k)
            s.at.push_back({std::size_t(Value(k) * step), w.probs[k]});
    } else {
        s.first = Value(w.first + (long long)n - 1) * step;
        for (std::size_t k = 0; k < n; ++k)
            s.at.push_back({std::size_t(Value(n - 1 - k) * -step), w.probs[k]});
    }
    return s;
}

// The discrete Fourier transform in place (its inverse, unscaled, with
// `inverse`), the size a power of two.
void fourier(std::vector<std::complex<double>>& a, bool inverse)
{
    const std::size_t n = a.size();
    for (std::size_t i = 1, j = 0; i < n; ++i) {
        std::size_t bit = n >> 1;
        for (; j & bit; bit >>= 1)
            j ^= bit;
        j ^= bit;
        if (i < j)
            std::swap(a[i], a[j]);
    }
    std::vector<std::complex<double>> roots(n / 2);
    for (std::size_t k = 0; k < n / 2; ++k)
        roots[k] = std::polar(1.0, 2 * M_PI * double(k) / double(n) * (inverse ? 1 : -1));
    for (std::size_t len = 2; len <= n; len <<= 1) {
        const std::size_t stride = n / len;
        for (std::size_t i = 0; i < n; i += len) {
            for (std::size_t k = 0; k < len / 2; ++k) {
                const std::complex<double> u = a[i + k];
                const std::complex<double> v = a[i + k + len / 2] * roots[k * stride];
                a[i + k] = u + v;
                a[i + k + len / 2] = u - v;
            }
        }
    }
}

// d * e, summed term by term or through the Fourier transform, whichever
// costs less, within the budget (false: beyond it).
bool convolve(Distribution& d, const Distribution& e, double& work)
{
    const std::size_t cells = d.probs.size() + e.probs.size() - 1;
    std::vector<std::pair<std::size_t, double>> terms;
    for (std::size_t j = 0; j < e.probs.size(); ++j) {
        if (e.probs[j] > 0)
            terms.push_back({j, e.probs[j]});
    }
    std::size_t size = 1;
    while (size < cells)
        size <<= 1;
    const double direct = double(d.probs.size()) * double(terms.size());
    const double fast = 20.0 * double(size) * std::log2(double(size) + 1);
    work += std::min(direct, fast);
    if (double(cells) > kMostCells || work > kMostWork)
        return false;
    std::vector<double> next(cells, 0.0);
    if (direct <= fast) {
        const std::size_t n = d.probs.size();
        const double* __restrict in = d.probs.data();
        for (const auto& [offset, p] : terms) {
            double* __restrict out = next.data() + offset;
            for (std::size_t i = 0; i < n; ++i)
                out[i] += in[i] * p;
        }
    } else {
        std::vector<std::complex<double>> a(size), b(size);
        std::copy(d.probs.begin(), d.probs.end(), a.begin());
        std::copy(e.probs.begin(), e.probs.end(), b.begin());
        fourier(a, false);
        fourier(b, false);
        for (std::size_t i = 0; i < size; ++i)
            a[i] *= b[i];
        fourier(a, true);
        // What the rounding leaves below nothing is nothing.
        for (std::size_t i = 0; i < cells; ++i)
            next[i] = std::max(a[i].real() / double(size), 0.0);
    }
    d.first += e.first;
    d.probs = std::move(next);
    d.trim();
    return true;
}

Distribution denseOf(const Sparse& s)
{
    Distribution d;
    d.first = s.first;
    d.probs.assign(s.span, 0.0);
    for (const auto& [offset, p] : s.at)
        d.probs[offset] += p;
    return d;
}

// Two outcomes, one of them 0: the weight of the other and its chance.
std::optional<std::pair<Value, double>> bernoulli(const Kind& kind)
{
    if (kind.size() == 1)
        return std::pair{kind[0].value, kind[0].value == 0 ? 0.0 : 1.0};
    if (kind.size() != 2 || (kind[0].value != 0 && kind[1].value != 0))
        return std::nullopt;
    return kind[0].value == 0 ? std::pair{kind[1].value, kind[1].p}
                              : std::pair{kind[0].value, kind[0].p};
}

// The distribution of `count` draws of a kind (or of every kind) in units.
bool addKind(Distribution& d, const Kind& kind, long long count, Value unit, double& work)
{
    // A kind spread wider than the budget is not laid out at all.
    const auto fits = [](const Sparse& sparse) { return double(sparse.span) <= kMostCells; };
    if (const auto b = bernoulli(kind)) {
        if (b->first == 0)
            return true;
        const Sparse sum = bernoulliSum(b->first, b->second, count, unit);
        return fits(sum) && convolve(d, denseOf(sum), work);
    }
    const Sparse one = sparseOf(kind, unit);
    if (!fits(one))
        return false;
    Distribution power = denseOf(one);
    // A few draws one by one; many by squaring: the draws of 1, 2, 4, … of them.
    if (count <= 64) {
        for (long long i = 0; i < count; ++i) {
            if (!convolve(d, power, work))
                return false;
        }
        return true;
    }
    for (long long left = count; left > 0; left >>= 1) {
        if ((left & 1) && !convolve(d, power, work))
            return false;
        if (left > 1 && !convolve(power, power, work))
            return false;
    }
    return true;
}

Value unitOf(const std::map<Kind, long long>& kinds)
{
    Value g = 0;
    for (const auto& [kind, count] : kinds) {
        for (const IndependentSum::Outcome& o : kind)
            g = gcd(g, o.value);
    }
    return g > 0 ? g : 1;
}

// A seeded stream of doubles in [0, 1).
class Uniforms {
public:
    explicit Uniforms(std::uint64_t seed) : state_(seed) {}
    double next()
    {
        state_ += 0x9E3779B97F4A7C15ull;
        std::uint64_t z = state_;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        z ^= z >> 31;
        return double(z >> 11) * 0x1.0p-53;
    }

private:
    std::uint64_t state_;
};

// Draws one part of the sum: the sum of all draws of a kind from its own
// distribution, or each draw of it apart where that grows too large.
struct Sampler {
    std::vector<Value> values;
    std::vector<double> cumulative;
    long long copies = 1;

    Value draw(Uniforms& random) const
    {
        Value s = 0;
        for (long long c = 0; c < copies; ++c) {
            const double u = random.next() * cumulative.back();
            const auto at = std::upper_bound(cumulative.begin(), cumulative.end(), u);
            s += values[std::min<std::size_t>(std::size_t(at - cumulative.begin()),
                                              cumulative.size() - 1)];
        }
        return s;
    }
};

// `work` is what the samplers made so far cost: past the budget, each draw
// of a kind is drawn apart, from its outcomes.
Sampler samplerOf(const Kind& kind, long long count, double& work)
{
    Value unit = 0;
    for (const IndependentSum::Outcome& o : kind)
        unit = gcd(unit, o.value);
    unit = unit > 0 ? unit : 1;
    Distribution d;
    Sampler s;
    const double before = work;
    if (addKind(d, kind, count, unit, work)) {
        for (std::size_t i = 0; i < d.probs.size(); ++i) {
            s.values.push_back((d.first + Value(i)) * unit);
            s.cumulative.push_back((i > 0 ? s.cumulative.back() : 0.0) + d.probs[i]);
        }
        return s;
    }
    work = before;
    for (const IndependentSum::Outcome& o : kind) {
        s.values.push_back(o.value);
        s.cumulative.push_back((s.cumulative.empty() ? 0.0 : s.cumulative.back()) + o.p);
    }
    s.copies = count;
    return s;
}

struct Tails {
    double atLeast = 1;
    double atMost = 1;
    bool simulated = false;
};

// P(S ≥ value) and P(S ≤ value), summed, or drawn until the grade of the
// side asked is settled.
Tails tailsOf(const std::map<Kind, long long>& kinds, Value value, int side, bool settle = true)
{
    const Value unit = unitOf(kinds);
    Distribution d;
    double work = 0;
    bool exact = true;
    for (const auto& [kind, count] : kinds) {
        if (!(exact = addKind(d, kind, count, unit, work)))
            break;
    }
    if (exact) {
        const Value up = ceilDiv(value, unit);
        const Value down = floorDiv(value, unit);
        Tails t{0, 0, false};
        for (std::size_t i = 0; i < d.probs.size(); ++i) {
            const Value at = d.first + Value(i);
            t.atLeast += at >= up ? d.probs[i] : 0;
            t.atMost += at <= down ? d.probs[i] : 0;
        }
        return {std::clamp(t.atLeast, 0.0, 1.0), std::clamp(t.atMost, 0.0, 1.0), false};
    }

    std::vector<Sampler> samplers;
    std::uint64_t seed = 0x5EED0F5u;
    double perDraw = 0;
    work = 0;
    for (const auto& [kind, count] : kinds) {
        samplers.push_back(samplerOf(kind, count, work));
        perDraw += double(samplers.back().copies) * std::log2(double(samplers.back().cumulative.size()) + 2);
        seed = seed * 31 + std::uint64_t(count) * 7919 + kind.size();
    }
    const long long most = std::clamp((long long)(kMostDrawWork / perDraw), kFirstDraws, kMostDraws);
    Uniforms random(seed);
    long long draws = 0, atLeast = 0, atMost = 0;
    for (long long batch = kFirstDraws; draws < most; batch = std::min(draws, most - draws)) {
        for (long long i = 0; i < batch; ++i) {
            Value s = 0;
            for (const Sampler& sm : samplers)
                s += sm.draw(random);
            atLeast += s >= value;
            atMost += s <= value;
        }
        draws += batch;
        if (!settle || gradeSettled(side >= 0 ? atLeast : atMost, draws))
            break;
    }
    return {drawnChance(atLeast, draws), drawnChance(atMost, draws), true};
}

} // namespace

bool gradeSettled(long long asFar, long long draws)
{
    const double p = drawnChance(asFar, draws);
    const double se = std::sqrt(p * (1 - p) / double(draws));
    return std::all_of(std::begin(kGradeLimits), std::end(kGradeLimits),
                       [&](double limit) { return std::fabs(p - limit) > 4 * se; });
}

double drawnChance(long long asFar, long long draws)
{
    return double(asFar + 1) / double(draws + 1);
}

void IndependentSum::add(const Kind& kind, long long count, Value seen)
{
    if (kind.empty() || count <= 0)
        return;
    observed_ += seen;
    kinds_[kind] += count;
}

void IndependentSum::addBernoulli(long long weight, double p, long long count, long long successes)
{
    p = std::clamp(p, 0.0, 1.0);
    add(Kind{{0, 1 - p}, {Value(weight), p}}, count, Value(weight) * successes);
}

void IndependentSum::add(const IndependentSum& other)
{
    for (const auto& [kind, count] : other.kinds_)
        kinds_[kind] += count;
    observed_ += other.observed_;
}

long double IndependentSum::mean() const
{
    long double m = 0;
    for (const auto& [kind, count] : kinds_) {
        long double one = 0;
        for (const Outcome& o : kind)
            one += (long double)o.value * (long double)o.p;
        m += one * (long double)count;
    }
    return m;
}

SidedChance IndependentSum::chance(Value value) const
{
    const long double m = mean();
    const long double v = (long double)value;
    if (kinds_.empty() || std::fabs(v - m) <= 1e-12L * std::max(1.0L, std::fabs(m)))
        return {};
    const int side = v > m ? 1 : -1;
    const Tails t = tailsOf(kinds_, value, side);
    return {side, side > 0 ? t.atLeast : t.atMost, t.simulated};
}

double IndependentSum::atLeast(Value value) const
{
    return kinds_.empty() ? (value <= 0 ? 1.0 : 0.0) : tailsOf(kinds_, value, 1, false).atLeast;
}

} // namespace zt::stats
