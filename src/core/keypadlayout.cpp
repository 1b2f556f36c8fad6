#include "core/keypadlayout.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>

namespace zt::keypad {

bool isRed(int number)
{
    static constexpr std::array<int, 18> reds{1,  3,  5,  7,  9,  12, 14, 16, 18,
                                              19, 21, 23, 25, 27, 30, 32, 34, 36};
    return std::find(reds.begin(), reds.end(), number) != reds.end();
}

Rgb numberColor(int number)
{
    if (number == 0)
        return zeroGreen;
    return isRed(number) ? red : black;
}

QString numberName(int number)
{
    // For screen readers: "17 nero", "3 rosso", "0 verde".
    const char* name = number == 0    ? QT_TRANSLATE_NOOP("Keypad", "%1 verde")
                       : isRed(number) ? QT_TRANSLATE_NOOP("Keypad", "%1 rosso")
                                       : QT_TRANSLATE_NOOP("Keypad", "%1 nero");
    return QCoreApplication::translate("Keypad", name).arg(number);
}

QRect buttonTwips(int index)
{
    if (index == 0)
        return {150, 600, 375, 735};
    if (index == hiddenZero)
        return {7440, 120, 495, 2055};
    return {120 + 600 * (columnOf(index) - 1), 120 + 600 * (rowOf(index) - 1), 495, 495};
}

} // namespace zt::keypad
