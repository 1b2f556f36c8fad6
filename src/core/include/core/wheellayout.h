#pragma once
// The wheel as drawn in the wheel picture: the pockets in wheel order, their
// colours, the classic sectors of the inner disc and the picture's geometry.
// The picture generator draws from this table and the tests check the picture
// against it.

#include <QPointF>
#include "core/rgb.h"

#include <array>

namespace zt::wheel {

inline constexpr int kPockets = 37;

// The numbers clockwise from the zero at the top.
inline constexpr std::array<int, kPockets> kOrder{0,  32, 15, 19, 4,  21, 2,  25, 17, 34, 6, 27, 13,
                                                  36, 11, 30, 8,  23, 10, 5,  24, 16, 33, 1, 20, 14,
                                                  31, 9,  22, 18, 29, 7,  28, 12, 35, 3,  26};

// Geometry of the picture, in pixels; radii from the centre of the picture.
inline constexpr int kPictureSize = 400;
inline constexpr double kCentre = kPictureSize / 2.0;
inline constexpr double kOuterRadius = 199; // edge of the wheel
inline constexpr double kRingRadius = 160;  // inner edge of the ring of pockets
inline constexpr double kDiscRadius = 159;  // the inner disc with the sectors
inline constexpr double kBandRadius = 106;  // inner edge of the zero-game band
inline constexpr double kHubRadius = 13;
inline constexpr double kNumberBaseline = 169; // the pocket numbers stand on this circle

inline constexpr Rgb kBackground = rgb(140, 142, 139);
inline constexpr Rgb kGreen = rgb(0, 209, 0);
inline constexpr Rgb kRed = rgb(223, 5, 0);
inline constexpr Rgb kBlack = rgb(0, 1, 0);
inline constexpr Rgb kNumberColor = rgb(254, 255, 252);
inline constexpr Rgb kHubColor = rgb(0, 0, 0);
inline constexpr Rgb kLineColor = rgb(0, 0, 0); // sector boundaries and disc edge

// A sector of the inner disc: the pockets it lies against, from the pocket at
// wheel position `first` clockwise for `count` pockets, filled from
// `innerRadius` to the ring.  The label is written level, centred on the
// sector's middle line at `labelRadius`: `label` in the Italian picture,
// `englishLabel` (UTF-8) in the English one, the names the statistics give
// the sector in either language.
struct Sector {
    const char* label;
    const char* englishLabel;
    int first;
    int count;
    double innerRadius;
    double labelRadius;
    Rgb fill;
    Rgb text;
};

// In painting order: the zero-game band lies over the neighbours of zero.
inline constexpr std::array<Sector, 5> kSectors{{
    {"Vicini dello 0", "Voisins du z\u00e9ro", 28, 17, 0, 68, rgb(129, 199, 125), rgb(0, 143, 0)},
    {"Gioco 0", "Zero game", 33, 7, kBandRadius, 132, rgb(129, 232, 124), kGreen},
    {"Orfanelli", "Orphelins", 8, 3, 0, 112, rgb(222, 224, 221), rgb(0, 0, 0)},
    {"Serie 5 / 8", "Tiers 5 / 8", 11, 12, 0, 100, rgb(223, 176, 123), rgb(129, 46, 0)},
    {"Orfanelli", "Orphelins", 23, 5, 0, 100, rgb(222, 224, 221), rgb(0, 0, 0)},
}};

inline constexpr double kPocketDegrees = 360.0 / kPockets;

// Wheel position (0 = the zero at the top) of a number 0..36.
int positionOf(int number);
// Colour of the pocket at a wheel position.
Rgb pocketColor(int position);
// Angle of the middle of the pocket at a wheel position, in degrees clockwise from the top.
double pocketAngle(int position);
// Angle of the middle of a sector, in degrees clockwise from the top.
double sectorMiddle(const Sector& sector);
// The point of the picture at an angle (degrees clockwise from the top) and radius.
QPointF pointAt(double degrees, double radius);

} // namespace zt::wheel
