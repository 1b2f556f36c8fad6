#include "core/wheellayout.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zt::wheel {

int positionOf(int number)
{
    return int(std::find(kOrder.begin(), kOrder.end(), number) - kOrder.begin());
}

Rgb pocketColor(int position)
{
    if (position == 0)
        return kGreen;
    return position % 2 ? kRed : kBlack;
}

double pocketAngle(int position)
{
    return position * kPocketDegrees;
}

double sectorMiddle(const Sector& sector)
{
    return pocketAngle(sector.first) + (sector.count - 1) * kPocketDegrees / 2;
}

QPointF pointAt(double degrees, double radius)
{
    const double a = degrees * std::numbers::pi / 180;
    return {kCentre + radius * std::sin(a), kCentre - radius * std::cos(a)};
}

} // namespace zt::wheel
