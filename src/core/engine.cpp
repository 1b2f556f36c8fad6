#include "core/engine.h"

#include "core/textrules.h"
#include "core/numberlist.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cmath>

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
    using K = StringOutcome::Kind;
    const double last = settings.maxDelay - 1;
    bool red = row.red;
    bool holdsString = !row.text.isEmpty();
    double first = leadingNumber(row.firstDelay);
    double second = leadingNumber(row.secondDelay);
    // The stake's spin is the row as it stands before this spin.
    const double delay = red ? second : first;
    std::uint64_t held = 0;
    // The string's size, counted once and only when a close or cancellation
    // reports it.
    int size = -1;
    const auto withSize = [&](StringOutcome outcome) {
        if (size < 0)
            size = stringSize(row.text);
        outcome.size = size;
        outcome.attempts = stringAttempts(settings.maxDelay);
        return outcome;
    };

    forEachListItem(row.text, [&](double item) {
        if (followed)
            holdNumber(held, item);
        if (item != drawn)
            return;
        if (isFirstRow)
            sink.apply({K::RestoreKeypad});
        if (settings.checkSecond && !red) {
            // A row closed earlier in this scan is empty: it must not turn
            // red, or the next string made in it would start at its second hit.
            if (!holdsString)
                return;
            red = true;
            sink.apply({K::TurnRed});
            return;
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
    });

    if (followed)
        *followed = spinOf(held, delay, drawn);

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

QString delayText(double value)
{
    // The usual delays are texts over static storage, which copy for free.
    constexpr int cachedCount = 128;
    static char16_t storage[cachedCount][4];
    static const auto cached = [] {
        std::array<QString, cachedCount> texts;
        for (int i = 0; i < cachedCount; ++i) {
            const QString t = i == 0 ? QStringLiteral("0") : signText(i);
            std::copy(t.utf16(), t.utf16() + t.size(), storage[i]);
            texts[i] = QString::fromRawData(reinterpret_cast<const QChar*>(storage[i]), t.size());
        }
        return texts;
    }();
    if (value >= 0 && value < cachedCount && value == std::floor(value))
        return cached[static_cast<int>(value)];
    return value < 0 ? plainNumberText(value) : QLatin1Char(' ') + plainNumberText(value);
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
    return spinOf(held, leadingNumber(row.red ? row.secondDelay : row.firstDelay), drawn);
}

namespace {

QString attemptText(double attempt)
{
    return signText(static_cast<long long>(roundHalfEven(attempt)));
}

} // namespace

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
    const QString failure = QStringLiteral(" F,");
    switch (outcome.kind) {
    case K::CloseFirstHit: {
        const QString a = attemptText(outcome.a);
        target->appendDetail(a + QLatin1String(", "));
        target->post(a);
        target->addVerified();
        break;
    }
    case K::CloseSecondHit: {
        const QString a = attemptText(outcome.a);
        const QString b = attemptText(outcome.b);
        target->appendDetail(a + u'-' + b + QLatin1String(", "));
        target->post(a);
        target->post(b);
        target->addVerified();
        break;
    }
    case K::CancelBeforeHit:
        target->addCancelledBeforeHit();
        target->appendDetail(failure);
        target->post(QStringLiteral("F"));
        break;
    case K::CancelAfterHit: {
        const QString a = attemptText(outcome.a);
        target->addCancelledAfterHit();
        target->appendDetail(a + QLatin1String(", "));
        target->post(a);
        target->appendDetail(failure);
        target->post(QStringLiteral("F"));
        break;
    }
    default:
        break;
    }
}

} // namespace zt
