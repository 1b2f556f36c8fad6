#pragma once
// The keypad laid out like the betting table: its two layouts, its colours and
// where each button sits.  Button 0 is the zero left of the number panel,
// buttons 1 to 36 are the numbers (row r, column c is button 12 * (r - 1) + c),
// button 37 is a second zero that is never shown.

#include <QRect>
#include "core/rgb.h"
#include <QString>

namespace zt::keypad {

inline constexpr int rows = 3;
inline constexpr int columns = 12;
inline constexpr int numberButtons = 36;
inline constexpr int hiddenZero = 37;
inline constexpr int buttonCount = 38;

inline constexpr Rgb red = rgb(255, 0, 0);
inline constexpr Rgb black = rgb(95, 95, 95);
inline constexpr Rgb zeroGreen = rgb(0, 192, 0);
inline constexpr Rgb highlight = rgb(255, 255, 0);
inline constexpr Rgb hiddenZeroColor = rgb(192, 255, 192);

enum class Layout { Design, Inverted };

// Row (1 = top) and column (1 = left) of number button 1..36.
constexpr int rowOf(int index)
{
    return (index - 1) / columns + 1;
}
constexpr int columnOf(int index)
{
    return (index - 1) % columns + 1;
}

// The number that button 1..36 shows in a layout: 3c - (r - 1) in the design
// layout, 36 - 3c + r in the inverted one (the design turned half a turn).
constexpr int numberAt(Layout layout, int index)
{
    const int r = rowOf(index);
    const int c = columnOf(index);
    return layout == Layout::Design ? 3 * c - (r - 1) : 36 - 3 * c + r;
}

// True for the red numbers of the wheel.
bool isRed(int number);

// The plain colour of a number: green zero, red or black.
Rgb numberColor(int number);

// The spoken name of a number, with its colour in Italian: "17 nero",
// "3 rosso", "0 verde" (the accessible name of its keypad button).
QString numberName(int number);

// Caption and back colour of button 1..36 in a layout.
inline QString captionAt(Layout layout, int index)
{
    return QString::number(numberAt(layout, index));
}
inline Rgb colorAt(Layout layout, int index)
{
    return numberColor(numberAt(layout, index));
}

// The design geometry of button 0..37, in twips, relative to its panel: the
// lower panel for button 0, the number panel for the others.
QRect buttonTwips(int index);

} // namespace zt::keypad
