#include "core/betting.h"

#include "core/statistics.h"
#include "core/textrules.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>

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

// The digits of a whole number, without sign.
QString digitsOf(ChipSum value)
{
    unsigned __int128 v = value < 0 ? -static_cast<unsigned __int128>(value) : value;
    QString text;
    do {
        text.prepend(QChar(u'0' + int(v % 10)));
        v /= 10;
    } while (v > 0);
    return text;
}

// A value in hundredths or ten-thousandths (`places` decimals), to a text
// with those decimals: grouped, with the locale's signs, for the player; plain
// with a point for the CSV, trailing zeros dropped.
QString scaledText(ChipSum value, int places, bool forPlayer)
{
    QString digits = digitsOf(value);
    if (digits.size() <= places)
        digits = QString(places + 1 - digits.size(), u'0') + digits;
    QString whole = digits.left(digits.size() - places);
    QString fraction = digits.right(places);
    const QLocale locale = shownLocale();
    if (forPlayer) {
        if (!(locale.numberOptions() & QLocale::OmitGroupSeparator)) {
            for (qsizetype i = whole.size() - 3; i > 0; i -= 3)
                whole.insert(i, locale.groupSeparator());
        }
    } else {
        while (fraction.endsWith(u'0'))
            fraction.chop(1);
    }
    QString text = value < 0 ? (forPlayer ? locale.negativeSign() : QStringLiteral("-")) : QString();
    text += whole;
    if (!fraction.isEmpty())
        text += (forPlayer ? locale.decimalPoint() : QStringLiteral(".")) + fraction;
    return text;
}

// chips * scale / divisor, rounded half away from zero; nullopt past 128 bits.
std::optional<ChipSum> scaled(ChipSum chips, ChipSum scale, int divisor)
{
    ChipSum product = 0;
    if (__builtin_mul_overflow(chips, scale, &product))
        return std::nullopt;
    const ChipSum half = divisor / 2;
    return product >= 0 ? (product + half) / divisor : -((-product + half) / divisor);
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
    const auto items = t.split(u',');
    if (items.size() > longestProgression)
        return std::nullopt;
    for (QStringView item : items) {
        bool ok = false;
        const qlonglong n = item.trimmed().toLongLong(&ok);
        if (!ok || n < 0 || n > 1'000'000'000)
            return std::nullopt;
        anyStake = anyStake || n > 0;
        settings.list.push_back(n);
    }
    if (!anyStake)
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
    for (Chips m : settings.list)
        items << QString::number(m);
    return items.join(u',');
}

StakeTable::StakeTable(const BetSettings& s) : progression_(s.progression)
{
    // Only the table's maximum cuts a stake; without one, a stake over the
    // ceiling is not made.
    const Chips cap = s.tableMax > 0 ? std::min(s.tableMax, ceiling) : ceiling;
    const auto capped = [&](ChipSum wanted) {
        if (wanted > cap && s.tableMax <= 0)
            return Stake{0, false, true};
        return Stake{Chips(std::min<ChipSum>(wanted, cap)), wanted > cap, false};
    };
    for (int size = 1; size <= 37; ++size) {
        Column& c = columns_[size];
        switch (s.progression) {
        case BetSettings::Progression::Flat:
            c.push_back(capped(s.stake));
            break;
        case BetSettings::Progression::List:
            for (Chips m : s.list)
                c.push_back(capped(ChipSum(s.stake) * m));
            break;
        case BetSettings::Progression::Recovery:
            if (!recoverable(size)) {
                c.push_back({});
                break;
            }
            // s(a) = the smallest whole stake, at least the stake, with which a
            // hit nets the target over all staked on the string so far:
            // 36 s(a) - size (sum + s(a)) >= target.  Once capped, every later
            // stake would be larger still: the cap repeats (or, over the
            // ceiling, no stake).
            for (ChipSum sum = 0;;) {
                const ChipSum need = s.target + size * sum;
                const Stake st = capped(
                    std::max<ChipSum>(s.stake, (need + (36 - size) - 1) / (36 - size)));
                c.push_back(st);
                if (st.capped || st.overLimit)
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

int StakeTable::firstOverLimit(int size) const
{
    if (size < 1 || size > 37)
        return 0;
    const Column& c = columns_[size];
    for (std::size_t i = 0; i < c.size(); ++i) {
        if (c[i].overLimit)
            return int(i) + 1;
    }
    return 0;
}

double EveningFigures::sd() const
{
    return std::sqrt(variance);
}

double EveningFigures::z() const
{
    return variance > 0 ? (double(net()) - expected) / sd() : 0;
}

double EveningFigures::returnOnStake() const
{
    return staked > 0 ? double(net()) / double(staked) : 0;
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
    if (stake.overLimit) {
        ++f.overLimit;
        return;
    }
    if (stake.chips <= 0)
        return;
    // A spin's stake and return fit in 64 bits (at most 37 and 36 times the
    // ceiling); the sums of the evening take 128.
    const Chips spinStake = spin.size * stake.chips;
    if (bankroll_ > 0 && bankroll_ + f.net() < spinStake) {
        f.ruined = true;
        f.ruinSpin = f.spins + 1;
        return;
    }
    f.stretches.follow(spin);
    ++f.stakedSpins;
    f.capped += stake.capped;
    f.staked += spinStake;
    const Chips won = spin.hit ? 36 * stake.chips : 0;
    f.returned += won;
    f.hits += spin.hit;
    const double p = spin.size / 37.0;
    f.expected -= double(spinStake) / 37;
    f.variance += (36 * double(stake.chips)) * (36 * double(stake.chips)) * p * (1 - p);
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
            {float(double(figures_.net())), float(figures_.expected), float(figures_.sd())});
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
    if (goRunning_)
        go_.followed(spin);
    else
        evening_.followed(spin);
}

void LivePlay::spinEntered()
{
    if (goRunning_)
        go_.spinEntered();
    else
        evening_.spinEntered();
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

ChipSum percentileOf(const std::vector<ChipSum>& sorted, double p)
{
    if (sorted.empty())
        return 0;
    // The nearest rank: ceil(p n), at least 1.  The tiny allowance keeps a
    // share like 0.95 of 100 at rank 95 whatever the rounding of 0.95 * 100.
    const double rank = std::ceil(std::clamp(p, 0.0, 1.0) * double(sorted.size()) - 1e-9);
    const std::size_t i = std::size_t(std::clamp(rank, 1.0, double(sorted.size()))) - 1;
    return sorted[i];
}

SimulationFigures simulationFigures(std::vector<ChipSum> finals, const std::vector<ChipSum>& staked,
                                    long long ruined)
{
    SimulationFigures s;
    s.evenings = int(finals.size());
    if (finals.empty())
        return s;
    const double n = double(finals.size());
    // The sums are whole; the means, estimates, are in double.
    s.meanNet = double(std::accumulate(finals.begin(), finals.end(), ChipSum(0))) / n;
    s.meanStaked = double(std::accumulate(staked.begin(), staked.end(), ChipSum(0))) / n;
    s.meanExpected = -s.meanStaked / 37;
    double squares = 0;
    for (ChipSum f : finals) {
        const double v = double(f);
        squares += (v - s.meanNet) * (v - s.meanNet);
    }
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

qint64 centsOf(double chip)
{
    return std::llround(chip * 100);
}

std::optional<double> chipValue(QStringView text)
{
    static const QRegularExpression form(QStringLiteral("^[0-9]{1,10}([.,][0-9]{1,2})?$"));
    QString t = text.trimmed().toString();
    if (!form.match(t).hasMatch())
        return std::nullopt;
    t.replace(u',', u'.');
    const double value = t.toDouble();
    if (!(value >= 0.01 && value < largestChip))
        return std::nullopt;
    return double(std::llround(value * 100)) / 100;
}

QString moneyText(ChipSum chips, double chip, int divisor)
{
    const bool inChips = chip == 1;
    if (inChips && chips % divisor == 0)
        return scaledText(chips / divisor, 0, true);
    const auto cents = scaled(chips, inChips ? 100 : centsOf(chip), divisor);
    if (!cents)
        return amountText(double(chips) / divisor, chip);
    return scaledText(*cents, 2, true);
}

QString csvMoney(ChipSum chips, double chip, int divisor)
{
    const auto tenThousandths = scaled(chips, ChipSum(centsOf(chip)) * 100, divisor);
    if (!tenThousandths)
        return csvAmount(double(chips) * chip / divisor);
    return scaledText(*tenThousandths, 4, false);
}

QString chipsText(ChipSum chips)
{
    return scaledText(chips, 0, true);
}

QString csvChips(ChipSum chips)
{
    return scaledText(chips, 0, false);
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
    const auto money = [&](ChipSum chips) { return moneyText(chips, s.chip); };
    QStringList lines{
        PuntateText::tr("Colpi puntati: %1 di %2").arg(f.stakedSpins).arg(f.spins),
        PuntateText::tr("Puntato: %1").arg(money(f.staked)),
        PuntateText::tr("Riscosso: %1").arg(money(f.returned)),
        PuntateText::tr("Saldo: %1").arg(money(f.net())),
        f.staked > 0
            ? PuntateText::tr("Resa sul puntato: %1 %").arg(decimalText(f.returnOnStake() * 100, 2))
            : PuntateText::tr("Resa sul puntato: nessuna puntata"),
        PuntateText::tr("Atteso dal caso: %1 ± %2")
            .arg(moneyText(-f.staked, s.chip, 37), amountText(f.sd(), s.chip)),
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
    if (f.overLimit > 0)
        lines << PuntateText::tr("Colpi non giocati, puntata oltre %1 fiches per numero: %2")
                     .arg(chipsText(StakeTable::ceiling))
                     .arg(f.overLimit);
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
    const auto exact = [&](ChipSum chips) { return moneyText(chips, s.chip); };
    QStringList lines{
        PuntateText::tr("Serate simulate: %1 da %2 uscite (seme %3)", nullptr, int(m.spins))
            .arg(m.evenings)
            .arg(m.spins)
            .arg(m.seed),
        PuntateText::tr("Saldo finale, percentili 5°, 25°, 50°, 75°, 95°: %1 / %2 / %3 / %4 / %5")
            .arg(exact(m.p5), exact(m.p25), exact(m.p50), exact(m.p75), exact(m.p95)),
        m.evenings > 1 ? PuntateText::tr("Saldo medio: %1 ± %2 (atteso dal caso %3)")
                             .arg(money(m.meanNet), money(m.standardError), money(m.meanExpected))
                       : PuntateText::tr("Saldo medio: %1, di una sola serata (atteso dal caso %2)")
                             .arg(money(m.meanNet), money(m.meanExpected)),
    };
    if (s.bankroll > 0)
        lines << PuntateText::tr("Serate in rovina: %1 %").arg(decimalText(m.ruinedShare * 100, 2));
    return lines;
}

std::vector<ProgressionRow> progressionRows(const StakeTable& table, int size, int attempts)
{
    std::vector<ProgressionRow> rows;
    ChipSum atRisk = 0;
    for (int a = 1; a <= attempts; ++a) {
        ProgressionRow r;
        r.attempt = a;
        r.stake = table.at(size, a);
        r.spinStake = ChipSum(size) * r.stake.chips;
        atRisk += r.spinStake;
        r.atRisk = atRisk;
        r.hitNet = 36 * r.stake.chips - atRisk;
        rows.push_back(r);
    }
    return rows;
}

} // namespace zt
