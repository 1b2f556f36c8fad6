// How often luck alone leaves an evening's net as far from what chance
// expects: the net is a sum of independent stretches, each with its chance
// of a hit at every attempt it can reach.

#include "core/betting.h"
#include "core/statistics.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace zt {

namespace {

struct PuntateText {
    Q_DECLARE_TR_FUNCTIONS(Puntate)
};

using Value = stats::IndependentSum::Value;

// Chances of reaching an attempt below this are left out of a stretch.
constexpr double kUnreachable = 1e-24;

Value whole(double chips)
{
    return Value(std::llround(chips));
}

// The nets of a stretch: a hit at each attempt it can reach, or none.
stats::IndependentSum::Kind kindOf(const StakeTable& table, const StakedStretches::Stretch& s)
{
    const double p = std::clamp(s.size / 37.0, 0.0, 1.0);
    stats::IndependentSum::Kind kind;
    Value staked = 0;
    double reach = 1;
    for (int a = s.first; a <= s.last; ++a) {
        const Value chips = whole(table.at(s.size, a).chips);
        staked += Value(s.size) * chips;
        kind.push_back({36 * chips - staked, reach * p});
        reach *= 1 - p;
        if (reach < kUnreachable)
            return kind;
    }
    kind.push_back({-staked, reach});
    return kind;
}

} // namespace

void StakedStretches::follow(const FollowedSpin& spin)
{
    if (size_ > 0 && (spin.size != size_ || spin.attempt != next_))
        close(next_ - 1); // cut short unhit
    if (size_ == 0) {
        size_ = spin.size;
        first_ = spin.attempt;
        cancelAt_ = spin.last;
    }
    next_ = spin.attempt + 1;
    if (spin.hit)
        close(std::max(cancelAt_, spin.attempt));
}

void StakedStretches::close(int last)
{
    const auto same = [&](const Stretch& s) {
        return s.size == size_ && s.first == first_ && s.last == last;
    };
    if (const auto it = std::find_if(closed_.begin(), closed_.end(), same); it != closed_.end())
        ++it->count;
    else
        closed_.push_back({size_, first_, last, 1});
    size_ = 0;
}

namespace {

// The nets of the stretches of an evening, as chance gives them.
stats::IndependentSum netsOf(const EveningFigures& f, const StakeTable& table)
{
    stats::IndependentSum nets;
    for (const StakedStretches::Stretch& s : f.stretches.closed())
        nets.add(kindOf(table, s), s.count);
    if (const StakedStretches::Stretch open = f.stretches.open(); open.count > 0)
        nets.add(kindOf(table, open));
    return nets;
}

} // namespace

stats::SidedChance netChance(const EveningFigures& f, const StakeTable& table)
{
    return netsOf(f, table).chance(whole(f.net()));
}

stats::SidedChance netChance(const EveningFigures& f, const BetSettings& settings)
{
    return netChance(f, StakeTable(settings));
}

double chanceOfGain(const EveningFigures& f, const BetSettings& settings)
{
    const stats::IndependentSum nets = netsOf(f, StakeTable(settings));
    return nets.isEmpty() ? 0 : nets.atLeast(1);
}

QString netVerdict(const EveningFigures& f, const BetSettings& settings)
{
    const stats::SidedChance chance = netChance(f, settings);
    if (chance.side == 0)
        return stats::evidenceWords(stats::Evidence::Normal);
    const stats::Evidence level = stats::evidence(chance.p);
    const QString often = stats::chanceText(chance.p);
    const QString how =
        chance.side > 0 ? PuntateText::tr("un saldo almeno così alto il caso lo dà %1").arg(often)
                        : PuntateText::tr("un saldo così basso o meno il caso lo dà %1").arg(often);
    if (level == stats::Evidence::Normal)
        return QStringLiteral("%1: %2").arg(stats::evidenceWords(level), how);
    const QString side =
        chance.side > 0 ? PuntateText::tr("sopra il caso") : PuntateText::tr("sotto il caso");
    return QStringLiteral("%1, %2: %3").arg(stats::evidenceWords(level), side, how);
}

} // namespace zt
