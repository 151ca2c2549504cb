#pragma once

#include <cstdint>

namespace tk {

// 0xAARRGGBB.
using Color = std::uint32_t;

constexpr Color Rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b)
{
    return 0xFF000000U | (std::uint32_t{r} << 16U) | (std::uint32_t{g} << 8U) | std::uint32_t{b};
}
constexpr std::uint8_t RedOf(Color c)
{
    return static_cast<std::uint8_t>(c >> 16U);
}
constexpr std::uint8_t GreenOf(Color c)
{
    return static_cast<std::uint8_t>(c >> 8U);
}
constexpr std::uint8_t BlueOf(Color c)
{
    return static_cast<std::uint8_t>(c);
}

// The classic desktop palette, named by role so that controls never hard-code a colour.
namespace colors {
constexpr Color ButtonFace = Rgb(212, 208, 200);
constexpr Color ButtonHighlight = Rgb(255, 255, 255);
constexpr Color ButtonLight = Rgb(212, 208, 200);
constexpr Color ButtonShadow = Rgb(128, 128, 128);
constexpr Color DarkShadow = Rgb(64, 64, 64);
constexpr Color WindowFrame = Rgb(0, 0, 0);
constexpr Color Window = Rgb(255, 255, 255);
constexpr Color WindowText = Rgb(0, 0, 0);
constexpr Color GrayText = Rgb(128, 128, 128);
constexpr Color Highlight = Rgb(10, 36, 106);
constexpr Color HighlightText = Rgb(255, 255, 255);
constexpr Color ScrollbarTrack = Rgb(234, 232, 228);
}  // namespace colors

}  // namespace tk
