#include "gifwriter.h"

#include <unordered_map>

namespace wheelgen {

namespace {

// Packs variable-width codes least significant bit first.
class BitWriter {
public:
    void put(int code, int width)
    {
        bits_ |= unsigned(code) << count_;
        count_ += width;
        while (count_ >= 8) {
            bytes_.append(char(bits_ & 0xff));
            bits_ >>= 8;
            count_ -= 8;
        }
    }
    QByteArray finish()
    {
        if (count_ > 0)
            bytes_.append(char(bits_ & 0xff));
        return bytes_;
    }

private:
    QByteArray bytes_;
    unsigned bits_ = 0;
    int count_ = 0;
};

// GIF's LZW with 8-bit symbols: 9 to 12 bit codes, a clear code when the
// table is full.
QByteArray lzw(const std::vector<unsigned char>& pixels)
{
    constexpr int kClear = 256, kEnd = 257, kMaxCode = 4096;
    BitWriter out;
    std::unordered_map<unsigned, int> table; // (prefix << 8 | symbol) -> code
    int next = kEnd + 1, width = 9;
    out.put(kClear, width);
    int prefix = pixels.front();
    for (size_t i = 1; i < pixels.size(); ++i) {
        const unsigned key = unsigned(prefix) << 8 | pixels[i];
        if (const auto it = table.find(key); it != table.end()) {
            prefix = it->second;
            continue;
        }
        out.put(prefix, width);
        table.emplace(key, next++);
        // The decoder adds this entry one code later, and widens its codes
        // when its next free code reaches 1 << width.
        if (next - 1 == (1 << width) && width < 12)
            ++width;
        if (next == kMaxCode) {
            out.put(kClear, width);
            table.clear();
            next = kEnd + 1;
            width = 9;
        }
        prefix = pixels[i];
    }
    out.put(prefix, width);
    out.put(kEnd, width);
    return out.finish();
}

void putWord(QByteArray& out, int value)
{
    out.append(char(value & 0xff));
    out.append(char(value >> 8 & 0xff));
}

} // namespace

QByteArray encodeGif(int width, int height, const std::array<QRgb, 256>& palette,
                     const std::vector<unsigned char>& pixels)
{
    QByteArray gif("GIF89a");
    putWord(gif, width);
    putWord(gif, height);
    gif.append(char(0xf7)); // global colour table, 8 bits per primary, 256 entries
    gif.append(char(0));    // background colour index
    gif.append(char(0));    // square pixels
    for (const QRgb c : palette) {
        gif.append(char(qRed(c)));
        gif.append(char(qGreen(c)));
        gif.append(char(qBlue(c)));
    }
    // Graphic control extension: no disposal, no delay, index 0 transparent.
    gif.append("\x21\xf9\x04\x01\x00\x00\x00\x00", 8);
    // Image descriptor: the whole screen, no local table, not interlaced.
    gif.append(char(0x2c));
    putWord(gif, 0);
    putWord(gif, 0);
    putWord(gif, width);
    putWord(gif, height);
    gif.append(char(0));
    gif.append(char(8)); // LZW minimum code size
    const QByteArray data = lzw(pixels);
    for (qsizetype at = 0; at < data.size(); at += 255) {
        const QByteArray block = data.mid(at, 255);
        gif.append(char(block.size()));
        gif.append(block);
    }
    gif.append(char(0));    // end of the image data
    gif.append(char(0x3b)); // trailer
    return gif;
}

} // namespace wheelgen
