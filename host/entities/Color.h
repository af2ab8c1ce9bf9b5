#pragma once
// An entity colour: an index (0 ByBlock, 1-255, 256 ByLayer) or a full 24-bit colour.

#include <cstdint>

namespace host {

struct Color {
    short index = 256;
    bool isTrueColor = false;
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    static Color fromIndex(short index) { return Color{index, false, 0, 0, 0}; }
    // A full colour; its nearest index is not kept, the index stays what it was before (ByLayer when new).
    static Color fromRgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) { return Color{256, true, r, g, b}; }
    // 0x00RRGGBB.
    std::uint32_t rgb() const { return (std::uint32_t(red) << 16) | (std::uint32_t(green) << 8) | blue; }

    bool operator==(const Color& o) const
    {
        return isTrueColor == o.isTrueColor && (isTrueColor ? rgb() == o.rgb() : index == o.index);
    }
    bool operator!=(const Color& o) const { return !(*this == o); }
};

} // namespace host
