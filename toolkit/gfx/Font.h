#pragma once

#include "toolkit/gfx/Color.h"
#include "toolkit/gfx/Geometry.h"

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tk {

class Surface;

// One rasterised glyph: an 8-bit coverage mask (0 none, 255 full) with its placement.
struct Glyph {
    int width = 0;
    int height = 0;
    int left = 0;     // from the pen position to the mask's left edge
    int top = 0;      // from the baseline up to the mask's top edge
    int advance = 0;  // pen movement in pixels
    std::vector<std::uint8_t> coverage;
};

// Metrics a dialog needs from its font, in pixels.
struct FontMetrics {
    int ascent = 0;
    int descent = 0;
    int height = 0;            // ascent + descent: the character height of dialog units
    int averageCharWidth = 0;  // the average of "A".."Z" and "a".."z", rounded as the dialog manager does
};

// A face at one pixel size, its 256 glyphs of Windows-1252 text rendered once and kept.
class Font {
public:
    // Finds `family` through fontconfig (a similar sans-serif face when it is missing) at `points` on a
    // screen of `dpi`. Throws std::runtime_error when no usable face exists at all.
    static std::shared_ptr<const Font> Load(const std::string& family, int points, int dpi);

    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;
    ~Font();

    [[nodiscard]] const FontMetrics& Metrics() const { return m_metrics; }
    // The family the font matched, which may differ from the one asked for.
    [[nodiscard]] const std::string& FamilyName() const { return m_family; }
    [[nodiscard]] const std::string& FilePath() const { return m_path; }
    [[nodiscard]] bool IsSubstitute() const { return m_substitute; }
    [[nodiscard]] int PixelSize() const { return m_pixelSize; }

    [[nodiscard]] const Glyph& GlyphFor(unsigned char ch) const { return m_glyphs[ch]; }
    [[nodiscard]] int TextWidth(std::string_view text) const;

    // Draws 8-bit text with its top at `origin.y`, clipped to `clip`.
    void DrawText(Surface& target, Point origin, std::string_view text, Color color, const Rect& clip) const;

private:
    Font() = default;

    std::string m_family;
    std::string m_path;
    bool m_substitute = false;
    int m_pixelSize = 0;
    FontMetrics m_metrics;
    std::array<Glyph, 256> m_glyphs;
};

}  // namespace tk
