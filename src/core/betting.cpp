#include "core/betting.h"

#include "core/statistics.h"
#include "core/textrules.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace zt {

namespace {

struct PuntateText {
    Q_DECLARE_TR_FUNCTIONS(Puntate)
};

QString decimalText(double value, int decimals)
{
    // No "-0" for a value that rounds to zero.
    const double scale = std::pow(10.0, decimals);
    if (std::round(value * scale) == 0)
        value = 0;
    return shownLocale().toString(value, 'f', decimals);
}

} // namespace

std::optional<BetSettings> withProgression(BetSettings settings, QStringView text)
{
    const QStringView t = text.trimmed();
    settings.list.clear();
    if (t.compare(u"flat", Qt::CaseInsensitive) == 0) {
        settings.progression = BetSettings::Progression::Flat;
        return settings;
    }
    if (t.compare(u"recovery", Qt::CaseInsensitive) == 0) {
        settings.progression = BetSettings::Progression::Recovery;
        return settings;
    }
    bool anyStake = false;
    for (QStringView item : t.split(u',')) {
        bool ok = false;
        const qlonglong n = item.trimmed().toLongLong(&ok);
        if (!ok || n < 0 || n > 1'000'000'000)
            return std::nullopt;
        anyStake = anyStake || n > 0;
        settings.list.push_back(double(n));
    }
    if (!anyStake || settings.list.size() > 1000)
        return std::nullopt;
    settings.progression = BetSettings::Progression::List;
    return settings;
}

QString progressionText(const BetSettings& settings)
{
    switch (settings.progression) {
    case BetSettings::Progression::Flat:
        return QStringLiteral("flat");
    case BetSettings::Progression::Recovery:
        return QStringLiteral("recovery");
    case BetSettings::Progression::List:
        break;
    }
    QStringList items;
    for (double m : settings.list)
        items << QString::number(m, 'f', 0);
    return items.join(u',');
}

StakeTable::StakeTable(const BetSettings& s) : progression_(s.progression)
{
    const double cap = s.tableMax > 0 ? std::min(s.tableMax, ceiling) : ceiling;
    const auto capped = [&](double wanted) { return Stake{std::min(wanted, cap), wanted > cap}; };
    for (int size = 1; size <= 37; ++size) {
        Column& c = columns_[size];
        switch (s.progression) {
        case BetSettings::Progression::Flat:
            c.push_back(capped(s.stake));
            break;
        case BetSettings::Progression::List:
            for (double m : s.list)
                c.push_back(capped(s.stake * m));
            break;
        case BetSettings::Progression::Recovery:
            if (!recoverable(size)) {
                c.push_back({});
                break;
            }
            // s(a) = the smallest whole stake, at least the stake, with which a
            // hit nets the target over all staked on the string so far:
            // 36 s(a) - size (sum + s(a)) >= target.  Once capped, every later
            // stake would be larger still: the cap repeats.
            for (double sum = 0;;) {
                const Stake st = capped(
                    std::max(s.stake, std::ceil((s.target + size * sum) / (36 - size))));
                c.push_back(st);
                if (st.capped)
                    break;
                sum += st.chips;
            }
            break;
        }
        if (c.empty())
            c.push_back({});
    }
}

bool StakeTable::recoverable(int size) const
{
    return progression_ != BetSettings::Progression::Recovery || size < 36;
}

double EveningFigures::sd() const
{
    return std::sqrt(variance);
}

double EveningFigures::z() const
{
    return variance > 0 ? (net() - expected) / sd() : 0;
}

double EveningFigures::returnOnStake() const
{
    return staked > 0 ? net() / staked : 0;
}

void Purse::followed(const FollowedSpin& spin)
{
    EveningFigures& f = figures_;
    if (spin.size < 1 || f.ruined)
        return;
    if (!table_->recoverable(spin.size)) {
        ++f.unrecoverable;
        return;
    }
    const StakeTable::Stake stake = table_->at(spin.size, spin.attempt);
    if (stake.chips <= 0)
        return;
    const double spinStake = spin.size * stake.chips;
    if (bankroll_ > 0 && bankroll_ + f.net() < spinStake) {
        f.ruined = true;
        f.ruinSpin = f.spins + 1;
        return;
    }
    f.stretches.follow(spin);
    ++f.stakedSpins;
    f.capped += stake.capped;
    f.staked += spinStake;
    const double won = spin.hit ? 36 * stake.chips : 0;
    f.returned += won;
    f.hits += spin.hit;
    const double p = spin.size / 37.0;
    f.expected -= spinStake / 37;
    f.variance += (36 * stake.chips) * (36 * stake.chips) * p * (1 - p);
    f.maxStake = std::max(f.maxStake, stake.chips);
    peak_ = std::max(peak_, f.net());
    f.maxDrawdown = std::max(f.maxDrawdown, peak_ - f.net());
    if (won < spinStake)
        f.longestLosingRun = std::max(f.longestLosingRun, ++losingRun_);
    else
        losingRun_ = 0;
}

void Purse::spinEntered()
{
    ++figures_.spins;
    if (trace_)
        trace_->push_back(
            {float(figures_.net()), float(figures_.expected), float(figures_.sd())});
}

void Purse::spinsEntered(long long count)
{
    if (!trace_) {
        figures_.spins += count;
        return;
    }
    for (long long i = 0; i < count; ++i)
        spinEntered();
}

void Purse::clear()
{
    figures_ = {};
    peak_ = 0;
    losingRun_ = 0;
}

LivePlay::LivePlay() : evening_(table_), go_(table_)
{
    evening_.keepTrace(&eveningTrace_);
    go_.keepTrace(&goTrace_);
}

void LivePlay::setSettings(const BetSettings& settings)
{
    settings_ = settings;
    table_ = StakeTable(settings);
    evening_.setTable(table_, settings.bankroll);
    go_.setTable(table_, settings.bankroll);
    ++version_;
}

void LivePlay::newEvening()
{
    evening_.clear();
    eveningTrace_.clear();
    ++version_;
}

void LivePlay::startGo()
{
    go_.clear();
    goTrace_.clear();
    goRunning_ = true;
    ++version_;
}

void LivePlay::endGo()
{
    goRunning_ = false;
    ++version_;
}

void LivePlay::followed(const FollowedSpin& spin)
{
    evening_.followed(spin);
    if (goRunning_)
        go_.followed(spin);
}

void LivePlay::spinEntered()
{
    evening_.spinEntered();
    if (goRunning_)
        go_.spinEntered();
    ++version_;
}

void SpinClock::add(QStringView isoText)
{
    const QDateTime t = QDateTime::fromString(isoText.toString(), Qt::ISODate);
    if (!t.isValid())
        return;
    if (timed_ == 0 || t < first_)
        first_ = t;
    if (timed_ == 0 || t > last_)
        last_ = t;
    ++timed_;
}

double SpinClock::perHour() const
{
    if (timed_ < 2)
        return 0;
    const double seconds = double(first_.msecsTo(last_)) / 1000;
    return seconds > 0 ? double(timed_ - 1) * 3600 / seconds : 0;
}

double percentileOf(const std::vector<double>& sorted, double p)
{
    if (sorted.empty())
        return 0;
    const double h = (double(sorted.size()) - 1) * std::clamp(p, 0.0, 1.0);
    const std::size_t lo = std::size_t(h);
    if (lo + 1 >= sorted.size())
        return sorted.back();
    return sorted[lo] + (h - double(lo)) * (sorted[lo + 1] - sorted[lo]);
}

SimulationFigures simulationFigures(std::vector<double> finals, const std::vector<double>& staked,
                                    long long ruined)
{
    SimulationFigures s;
    s.evenings = int(finals.size());
    if (finals.empty())
        return s;
    const double n = double(finals.size());
    s.meanNet = std::accumulate(finals.begin(), finals.end(), 0.0) / n;
    s.meanStaked = std::accumulate(staked.begin(), staked.end(), 0.0) / n;
    s.meanExpected = -s.meanStaked / 37;
    double squares = 0;
    for (double v : finals)
        squares += (v - s.meanNet) * (v - s.meanNet);
    s.standardError = finals.size() > 1 ? std::sqrt(squares / (n - 1) / n) : 0;
    s.ruinedShare = double(ruined) / n;
    std::sort(finals.begin(), finals.end());
    s.p5 = percentileOf(finals, 0.05);
    s.p25 = percentileOf(finals, 0.25);
    s.p50 = percentileOf(finals, 0.50);
    s.p75 = percentileOf(finals, 0.75);
    s.p95 = percentileOf(finals, 0.95);
    s.finals = std::move(finals);
    return s;
}

namespace {

std::uint64_t mix(std::uint64_t z)
{
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

} // namespace

SpinStream::SpinStream(std::uint64_t seed, std::uint64_t evening)
    : state_(mix(seed ^ mix(evening + 0x632BE59BD9B4E019ull)))
{
}

int SpinStream::next()
{
    // 32 random bits at a time; the few values above the last whole multiple
    // of 37 are drawn again, so that every number is equally likely.
    constexpr std::uint64_t limit = (std::uint64_t(1) << 32) / 37 * 37;
    for (;;) {
        state_ += 0x9E3779B97F4A7C15ull;
        const std::uint64_t r = mix(state_) >> 32;
        if (r < limit)
            return int(r % 37);
    }
}

QString amountText(double chips, double chip)
{
    if (chip != 1)
        return decimalText(chips * chip, 2);
    return decimalText(chips, chips == std::round(chips) ? 0 : 2);
}

QString csvAmount(double value)
{
    value = std::round(value * 10000) / 10000;
    if (value == 0)
        value = 0; // no "-0"
    QString text = QString::number(value, 'f', 4);
    while (text.endsWith(u'0'))
        text.chop(1);
    if (text.endsWith(u'.'))
        text.chop(1);
    return text;
}

QStringList eveningLines(const EveningFigures& f, const BetSettings& s)
{
    const auto money = [&](double chips) { return amountText(chips, s.chip); };
    QStringList lines{
        PuntateText::tr("Colpi puntati: %1 di %2").arg(f.stakedSpins).arg(f.spins),
        PuntateText::tr("Puntato: %1").arg(money(f.staked)),
        PuntateText::tr("Riscosso: %1").arg(money(f.returned)),
        PuntateText::tr("Saldo: %1").arg(money(f.net())),
        PuntateText::tr("Resa sul puntato: %1 %").arg(decimalText(f.returnOnStake() * 100, 2)),
        PuntateText::tr("Atteso dal caso: %1 ± %2").arg(money(f.expected), money(f.sd())),
        f.variance > 0 ? PuntateText::tr("z: %1 (%2)").arg(decimalText(f.z(), 2), netVerdict(f, s))
                       : PuntateText::tr("z: nessuna puntata"),
        PuntateText::tr("Discesa massima: %1").arg(money(f.maxDrawdown)),
        PuntateText::tr("Puntata massima: %1 per numero").arg(money(f.maxStake)),
        PuntateText::tr("Colpi persi di fila, al massimo: %1").arg(f.longestLosingRun),
    };
    if (s.tableMax > 0 || f.capped > 0)
        lines << PuntateText::tr("Puntate ridotte al massimo: %1").arg(f.capped);
    if (s.bankroll > 0)
        lines << (f.ruined ? PuntateText::tr("Rovina: al colpo %1").arg(f.ruinSpin) : PuntateText::tr("Rovina: no"));
    if (f.unrecoverable > 0)
        lines << PuntateText::tr("Colpi non giocati, recupero impossibile con 36 numeri o più: %1")
                     .arg(f.unrecoverable);
    return lines;
}

QStringList clockLines(const SpinClock& clock)
{
    if (clock.timed() == 0)
        return {};
    const QString format = QStringLiteral("dd/MM/yyyy HH:mm:ss");
    // Both in the offset from UTC of the beginning.
    const QDateTime last = clock.last().toOffsetFromUtc(clock.first().offsetFromUtc());
    QStringList lines{PuntateText::tr("Inizio: %1").arg(clock.first().toString(format)),
                      PuntateText::tr("Fine: %1").arg(last.toString(format))};
    if (clock.perHour() > 0)
        lines << PuntateText::tr("Uscite all'ora: %1").arg(decimalText(clock.perHour(), 1));
    return lines;
}

QStringList simulationLines(const SimulationFigures& m, const BetSettings& s)
{
    const auto money = [&](double chips) { return amountText(chips, s.chip); };
    QStringList lines{
        PuntateText::tr("Serate simulate: %1 da %2 uscite (seme %3)", nullptr, int(m.spins))
            .arg(m.evenings)
            .arg(m.spins)
            .arg(m.seed),
        PuntateText::tr("Saldo finale, percentili 5°, 25°, 50°, 75°, 95°: %1 / %2 / %3 / %4 / %5")
            .arg(money(m.p5), money(m.p25), money(m.p50), money(m.p75), money(m.p95)),
        PuntateText::tr("Saldo medio: %1 ± %2 (atteso dal caso %3)")
            .arg(money(m.meanNet), money(m.standardError), money(m.meanExpected)),
    };
    if (s.bankroll > 0)
        lines << PuntateText::tr("Serate in rovina: %1 %").arg(decimalText(m.ruinedShare * 100, 2));
    return lines;
}

std::vector<ProgressionRow> progressionRows(const StakeTable& table, int size, int attempts)
{
    std::vector<ProgressionRow> rows;
    double atRisk = 0;
    for (int a = 1; a <= attempts; ++a) {
        ProgressionRow r;
        r.attempt = a;
        r.stake = table.at(size, a);
        r.spinStake = size * r.stake.chips;
        atRisk += r.spinStake;
        r.atRisk = atRisk;
        r.hitNet = 36 * r.stake.chips - atRisk;
        rows.push_back(r);
    }
    return rows;
}

} // namespace zt
