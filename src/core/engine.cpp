#include "core/engine.h"

#include "core/numberlist.h"
#include "core/textrules.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>

namespace zt {

namespace {

// A number list's numbers 0..36 as bits (bit n: n is listed).
void holdNumber(std::uint64_t& held, double item)
{
    if (item >= 0 && item <= 36 && item == std::floor(item))
        held |= std::uint64_t(1) << int(item);
}

// The spin of a string holding `held`, at the delay of its phase.
FollowedSpin spinOf(std::uint64_t held, double delay, double drawn)
{
    FollowedSpin spin;
    spin.size = std::popcount(held);
    spin.hit = drawn >= 0 && drawn <= 36 && drawn == std::floor(drawn) && (held >> int(drawn) & 1);
    spin.attempt = int(std::clamp(delay + 1, 1.0, 1e9));
    return spin;
}

} // namespace

bool followStringRow(const StringRowState& row, bool isFirstRow, double drawn,
                     const StringsSettings& settings, StringOutcomeSink& sink,
                     FollowedSpin* followed)
{
    std::uint64_t held = 0;
    int hits = 0;
    forEachListItem(row.text, [&](double item) {
        holdNumber(held, item);
        hits += item == drawn;
    });
    const RowFacts facts{!row.text.isEmpty(),         row.red, delayValue(row.firstDelay),
                         delayValue(row.secondDelay), hits,    std::popcount(held)};
    if (followed)
        *followed = spinOf(held, facts.red ? facts.secondDelay : facts.firstDelay, drawn);
    return followRow(facts, isFirstRow, settings, sink);
}

bool followRow(const RowFacts& row, bool isFirstRow, const StringsSettings& settings,
               StringOutcomeSink& sink)
{
    using K = StringOutcome::Kind;
    const double last = settings.maxDelay - 1;
    bool red = row.red;
    bool holdsString = row.holdsString;
    double first = row.firstDelay;
    double second = row.secondDelay;
    const auto withSize = [&](StringOutcome outcome) {
        outcome.size = row.size;
        outcome.attempts = stringAttempts(settings.maxDelay);
        return outcome;
    };

    // Each item equal to the drawn number is a hit, in the order of the list:
    // a number listed twice is handled twice.
    for (int hit = 0; hit < row.hits; ++hit) {
        if (isFirstRow)
            sink.apply({K::RestoreKeypad});
        if (settings.checkSecond && !red) {
            // A row closed earlier in this scan is empty: it must not turn
            // red, or the next string made in it would start at its second hit.
            if (!holdsString)
                continue;
            red = true;
            sink.apply({K::TurnRed});
            continue;
        }
        // a and b are read before the delays go back to 0.
        sink.apply(withSize(
            {settings.checkSecond ? K::CloseSecondHit : K::CloseFirstHit, first + 1, second + 1}));
        red = false;
        holdsString = false;
        first = 0;
        second = 0;
        if (settings.resetAfter)
            sink.apply({K::ResetRequest});
    }

    // A row that no longer holds a string (closed just now) has no delay to
    // check: a string already reported as hit is never also reported cancelled.
    const auto cancel = [&](StringOutcome outcome) {
        sink.apply(withSize(outcome));
        if (settings.resetAfter)
            sink.apply({K::ResetRequest});
        sink.apply({K::EndCall});
        return true;
    };
    if (holdsString && !red) {
        if (first >= last)
            return cancel({K::CancelBeforeHit});
        first += 1;
        sink.apply({K::RaiseFirstDelay, first});
    }
    if (holdsString && red) {
        if (second >= last)
            return cancel({K::CancelAfterHit, first + 1});
        second += 1;
        sink.apply({K::RaiseSecondDelay, second});
    }
    if (!holdsString)
        sink.apply({K::RestoreKeypad});
    return false;
}

FollowedSpin followedSpin(const RowFacts& row, NumberSet held, double drawn)
{
    FollowedSpin spin;
    spin.size = row.size;
    spin.hit = drawn >= 0 && drawn <= 36 && held.containsValue(drawn);
    spin.attempt = int(std::clamp((row.red ? row.secondDelay : row.firstDelay) + 1, 1.0, 1e9));
    return spin;
}

namespace {

// The usual delays are texts over static storage, which copy for free.
constexpr int cachedDelays = 128;

const std::array<QString, cachedDelays>& cachedDelayTexts()
{
    static char16_t storage[cachedDelays][4];
    static const auto cached = [] {
        std::array<QString, cachedDelays> texts;
        for (int i = 0; i < cachedDelays; ++i) {
            const QString t = i == 0 ? QStringLiteral("0") : signText(i);
            std::copy(t.utf16(), t.utf16() + t.size(), storage[i]);
            texts[i] = QString::fromRawData(reinterpret_cast<const QChar*>(storage[i]), t.size());
        }
        return texts;
    }();
    return cached;
}

[[gnu::noinline]] QString otherDelayText(double value)
{
    return value < 0 ? plainNumberText(value) : QLatin1Char(' ') + plainNumberText(value);
}

} // namespace

QString delayText(double value)
{
    if (value >= 0 && value < cachedDelays && value == static_cast<int>(value))
        return cachedDelayTexts()[static_cast<int>(value)];
    return otherDelayText(value);
}

int stringSize(QStringView text)
{
    std::array<bool, 37> held{};
    int size = 0;
    forEachListItem(text, [&](double item) {
        if (item >= 0 && item <= 36 && item == std::floor(item) && !held[int(item)]) {
            held[int(item)] = true;
            ++size;
        }
    });
    return size;
}

int stringAttempts(double maxDelay)
{
    // A miss cancels the string once its delay has reached M - 1.
    constexpr double most = 1'000'000;
    if (!(maxDelay > 1))
        return 1;
    return maxDelay >= most ? int(most) : int(std::ceil(maxDelay));
}

FollowedSpin followedSpin(const StringRowState& row, double drawn)
{
    std::uint64_t held = 0;
    forEachListItem(row.text, [&](double item) { holdNumber(held, item); });
    return spinOf(held, delayValue(row.red ? row.secondDelay : row.firstDelay), drawn);
}

double delayValue(QStringView text)
{
    // The captions this engine writes: "0", " 7", " 12".
    const auto digit = [](QChar c) { return c >= u'0' && c <= u'9'; };
    const qsizetype n = text.size();
    if (n == 1 && digit(text[0]))
        return text[0].unicode() - u'0';
    if (n == 2 && text[0] == u' ' && digit(text[1]))
        return text[1].unicode() - u'0';
    if (n == 3 && text[0] == u' ' && digit(text[1]) && digit(text[2]))
        return (text[1].unicode() - u'0') * 10 + (text[2].unicode() - u'0');
    return leadingNumber(text);
}

namespace {

long long attemptOf(double attempt)
{
    return static_cast<long long>(roundHalfEven(attempt));
}

} // namespace

void StringsReportTarget::postAttempt(long long attempt)
{
    post(signText(attempt));
}

void StringsReportTarget::postFailure()
{
    post(QStringLiteral("F"));
}

void reportStringOutcome(StringsReportTarget* target, const StringOutcome& outcome)
{
    using K = StringOutcome::Kind;
    if (!target)
        return;
    switch (outcome.kind) {
    case K::CloseFirstHit:
    case K::CloseSecondHit:
    case K::CancelBeforeHit:
    case K::CancelAfterHit:
        break;
    default:
        return;
    }
    if (!target->reportsEnabled())
        return;
    target->followedString(outcome);
    const bool detail = target->keepsDetail();
    const auto append = [&](const QString& text) {
        if (detail)
            target->appendDetail(text);
    };
    const QString failure = QStringLiteral(" F,");
    switch (outcome.kind) {
    case K::CloseFirstHit: {
        const long long a = attemptOf(outcome.a);
        if (detail)
            append(signText(a) + QLatin1String(", "));
        target->postAttempt(a);
        target->addVerified();
        break;
    }
    case K::CloseSecondHit: {
        const long long a = attemptOf(outcome.a);
        const long long b = attemptOf(outcome.b);
        if (detail)
            append(signText(a) + u'-' + signText(b) + QLatin1String(", "));
        target->postAttempt(a);
        target->postAttempt(b);
        target->addVerified();
        break;
    }
    case K::CancelBeforeHit:
        target->addCancelledBeforeHit();
        append(failure);
        target->postFailure();
        break;
    case K::CancelAfterHit: {
        const long long a = attemptOf(outcome.a);
        target->addCancelledAfterHit();
        if (detail)
            append(signText(a) + QLatin1String(", "));
        target->postAttempt(a);
        append(failure);
        target->postFailure();
        break;
    }
    default:
        break;
    }
}

} // namespace zt
