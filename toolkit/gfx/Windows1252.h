#pragma once

#include <array>

namespace tk {

// The Unicode code point of a byte of 8-bit text. The setup's text is Windows-1252: ISO 8859-1 except for
// 0x80..0x9F, where the five unassigned bytes keep their C1 control value.
constexpr char32_t Windows1252CodePoint(unsigned char byte)
{
    constexpr std::array<char32_t, 32> kHighControls = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
    };
    return byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80U] : char32_t{byte};
}

}  // namespace tk
