#pragma once

#include "toolkit/gfx/Color.h"
#include "toolkit/gfx/Geometry.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tk {

// A block of 32-bit pixels (0xAARRGGBB), row after row with no padding. Window surfaces are opaque;
// icon images use alpha 0 for their transparent pixels.
class Surface {
public:
    Surface() = default;
    Surface(int width, int height, Color fill = colors::ButtonFace);

    [[nodiscard]] int Width() const { return m_width; }
    [[nodiscard]] int Height() const { return m_height; }
    [[nodiscard]] Size GetSize() const { return {m_width, m_height}; }
    [[nodiscard]] Rect Bounds() const { return {0, 0, m_width, m_height}; }

    [[nodiscard]] Color At(int x, int y) const { return m_pixels[Index(x, y)]; }
    void Set(int x, int y, Color c) { m_pixels[Index(x, y)] = c; }
    [[nodiscard]] std::span<const Color> Pixels() const { return m_pixels; }
    [[nodiscard]] std::span<Color> Pixels() { return m_pixels; }
    [[nodiscard]] std::span<const Color> Row(int y) const
    {
        return std::span<const Color>(m_pixels).subspan(Index(0, y), static_cast<std::size_t>(m_width));
    }
    [[nodiscard]] std::span<Color> Row(int y)
    {
        return std::span<Color>(m_pixels).subspan(Index(0, y), static_cast<std::size_t>(m_width));
    }

    void Fill(Color c);
    void Resize(int width, int height, Color fill = colors::ButtonFace);

    // Writes the surface as an 8-bit RGB PNG; throws std::runtime_error naming the file on failure.
    void SavePng(const std::string& path) const;

private:
    [[nodiscard]] std::size_t Index(int x, int y) const
    {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width) + static_cast<std::size_t>(x);
    }

    int m_width = 0;
    int m_height = 0;
    std::vector<Color> m_pixels;
};

}  // namespace tk
