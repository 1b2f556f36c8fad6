#include "core/typednumber.h"

namespace zt {

TypedNumber::Step TypedNumber::digit(int value)
{
    if (value < 0 || value > 9)
        return {};
    const QString typed = text_ + QChar(u'0' + value);
    text_.clear();
    if (typed.size() > 2 || typed.toInt() > 36)
        return {Step::Refused, -1, typed};
    text_ = typed;
    return {Step::Typing, -1, {}};
}

TypedNumber::Step TypedNumber::enter()
{
    if (text_.isEmpty())
        return {};
    const int number = text_.toInt();
    text_.clear();
    return {Step::Entered, number, {}};
}

TypedNumber::Step TypedNumber::escape()
{
    if (text_.isEmpty())
        return {};
    text_.clear();
    return {Step::Cleared, -1, {}};
}

TypedNumber::Step TypedNumber::backspace()
{
    if (text_.isEmpty())
        return {};
    text_.chop(1);
    return {Step::Typing, -1, {}};
}

} // namespace zt
