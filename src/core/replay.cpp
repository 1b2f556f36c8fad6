#include "core/replay.h"

#include "core/textrules.h"

#include <QRandomGenerator>

#include <limits>

namespace zt {

int drawRandomNumber()
{
    return static_cast<int>(QRandomGenerator::global()->bounded(1, 37));
}

std::optional<int> goRunCount(QStringView text)
{
    if (text.isEmpty())
        return 0;
    if (!isWholeNumberText(text))
        return std::nullopt;
    return roundClamped(leadingNumber(text.trimmed()), 0, std::numeric_limits<int>::max());
}

bool EventPacing::step()
{
    if (counter_ == 0) {
        counter_ = 10;
        return true;
    }
    --counter_;
    return false;
}

} // namespace zt
