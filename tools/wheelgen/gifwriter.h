#pragma once
// A minimal GIF89a writer: one frame, 256-entry global colour table, colour
// index 0 marked transparent.

#include <QByteArray>
#include <QRgb>

#include <array>
#include <vector>

namespace wheelgen {

// pixels holds width * height palette indices, row by row.
QByteArray encodeGif(int width, int height, const std::array<QRgb, 256>& palette,
                     const std::vector<unsigned char>& pixels);

} // namespace wheelgen
