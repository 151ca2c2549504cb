#include "toolkit/gfx/Font.h"

#include "toolkit/gfx/Surface.h"
#include "toolkit/gfx/Windows1252.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <cmath>
#include <cstdio>
#include <map>
#include <mutex>
#include <optional>
#include <stdexcept>
#include <tuple>

namespace tk {

namespace {

// Computed in size_t: the product of two ints could overflow before a cast widened it.
std::size_t CoverageIndex(const Glyph& glyph, int x, int y)
{
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(glyph.width) + static_cast<std::size_t>(x);
}

// The free look-alike of the classic dialog face ships in a folder fontconfig does not search, and
// Debian rejects bitmap-only faces by default; both are lifted for this process only.
constexpr const char* kExtraFontConfig = R"(<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig>
  <dir>/usr/share/wine/fonts</dir>
  <selectfont><acceptfont><pattern><patelt name="family"><string>MS Sans Serif</string></patelt></pattern></acceptfont></selectfont>
</fontconfig>
)";

struct FontFile {
    std::string path;
    std::string family;
    bool substitute = false;
};

FontFile MatchFont(const std::string& family)
{
    static std::mutex configLock;
    static FcConfig* config = nullptr;  // lives for the process, as fontconfig's own default does
    std::lock_guard lock(configLock);
    if (config == nullptr) {
        FcInit();
        config = FcInitLoadConfigAndFonts();
        if (config == nullptr) {
            throw std::runtime_error("fontconfig could not be initialised");
        }
        FcConfigParseAndLoadFromMemory(config, reinterpret_cast<const FcChar8*>(kExtraFontConfig), FcFalse);
        FcConfigBuildFonts(config);
    }
    auto tryFamily = [&](const std::string& name, bool exactOnly) -> std::optional<FontFile> {
        FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(name.c_str()));
        if (pattern == nullptr) {
            return std::nullopt;
        }
        FcConfigSubstitute(config, pattern, FcMatchPattern);
        FcDefaultSubstitute(pattern);
        FcResult result = FcResultNoMatch;
        FcPattern* match = FcFontMatch(config, pattern, &result);
        FcPatternDestroy(pattern);
        if (match == nullptr) {
            return std::nullopt;
        }
        FcChar8* file = nullptr;
        FcChar8* matched = nullptr;
        std::optional<FontFile> found;
        if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch &&
            FcPatternGetString(match, FC_FAMILY, 0, &matched) == FcResultMatch) {
            std::string matchedFamily(reinterpret_cast<const char*>(matched));
            if (!exactOnly || matchedFamily == name) {
                found = FontFile{reinterpret_cast<const char*>(file), matchedFamily, matchedFamily != name};
            }
        }
        FcPatternDestroy(match);
        return found;
    };
    if (auto exact = tryFamily(family, true)) {
        return *exact;
    }
    for (const char* similar : {"Liberation Sans", "DejaVu Sans", "sans-serif"}) {
        if (auto found = tryFamily(similar, false)) {
            found->substitute = true;
            return *found;
        }
    }
    throw std::runtime_error("no font found for '" + family + "' and no sans-serif face to use instead");
}

struct FreeTypeLibrary {
    FT_Library library = nullptr;
    FreeTypeLibrary()
    {
        if (FT_Init_FreeType(&library) != 0) {
            throw std::runtime_error("FreeType could not be initialised");
        }
    }
    ~FreeTypeLibrary() { FT_Done_FreeType(library); }
    FreeTypeLibrary(const FreeTypeLibrary&) = delete;
    FreeTypeLibrary& operator=(const FreeTypeLibrary&) = delete;
};

FT_Library SharedLibrary()
{
    static FreeTypeLibrary library;
    return library.library;
}

struct FaceCloser {
    void operator()(FT_Face face) const { FT_Done_Face(face); }
};
using FacePtr = std::unique_ptr<std::remove_pointer_t<FT_Face>, FaceCloser>;

// Bitmap strikes name their full cell height, of which about 15% is internal leading; the requested
// size is a character height without leading, so compare against the strike less its leading.
int ChooseStrike(FT_Face face, int emPixels)
{
    int best = 0;
    int bestDistance = 1 << 30;
    for (int i = 0; i < face->num_fixed_sizes; ++i) {
        const int cell = face->available_sizes[i].height;
        const int withoutLeading = static_cast<int>(std::lround(cell * 0.85));
        const int distance = std::abs(withoutLeading - emPixels);
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

void SelectCharmap(FT_Face face)
{
    if (FT_Select_Charmap(face, FT_ENCODING_UNICODE) == 0) {
        return;
    }
    if (face->num_charmaps > 0) {
        FT_Set_Charmap(face, face->charmaps[0]);
    }
}

Glyph RenderGlyph(FT_Face face, std::uint32_t codePoint, bool bitmapFace)
{
    Glyph glyph;
    const FT_UInt index = FT_Get_Char_Index(face, codePoint);
    const FT_Int32 flags = bitmapFace ? FT_LOAD_DEFAULT : (FT_LOAD_TARGET_LIGHT | FT_LOAD_FORCE_AUTOHINT);
    if (FT_Load_Glyph(face, index, flags) != 0 || FT_Render_Glyph(face->glyph, FT_RENDER_MODE_NORMAL) != 0) {
        return glyph;
    }
    const FT_GlyphSlot slot = face->glyph;
    const FT_Bitmap& bitmap = slot->bitmap;
    glyph.width = static_cast<int>(bitmap.width);
    glyph.height = static_cast<int>(bitmap.rows);
    glyph.left = slot->bitmap_left;
    glyph.top = slot->bitmap_top;
    glyph.advance = static_cast<int>((slot->advance.x + 32) >> 6);
    glyph.coverage.resize(static_cast<std::size_t>(glyph.width) * static_cast<std::size_t>(glyph.height));
    for (int y = 0; y < glyph.height; ++y) {
        const unsigned char* row = bitmap.buffer + static_cast<std::ptrdiff_t>(y) * bitmap.pitch;
        for (int x = 0; x < glyph.width; ++x) {
            std::uint8_t value = 0;
            if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO) {
                value = (row[x / 8] & (0x80U >> (x % 8))) != 0 ? 255 : 0;
            } else if (bitmap.pixel_mode == FT_PIXEL_MODE_GRAY) {
                value = row[x];
            }
            glyph.coverage[CoverageIndex(glyph, x, y)] = value;
        }
    }
    return glyph;
}

}  // namespace

Font::~Font() = default;

std::shared_ptr<const Font> Font::Load(const std::string& family, int points, int dpi)
{
    static std::mutex cacheLock;
    static std::map<std::tuple<std::string, int, int>, std::shared_ptr<const Font>> cache;
    std::lock_guard lock(cacheLock);
    auto key = std::make_tuple(family, points, dpi);
    if (auto it = cache.find(key); it != cache.end()) {
        return it->second;
    }

    const FontFile file = MatchFont(family);
    FT_Face rawFace = nullptr;
    if (FT_New_Face(SharedLibrary(), file.path.c_str(), 0, &rawFace) != 0) {
        throw std::runtime_error("cannot open font file '" + file.path + "'");
    }
    FacePtr face(rawFace);
    SelectCharmap(face.get());

    // Points to pixels rounds to the nearest pixel, so 8 points at 96 DPI is 11 pixels, not 10.67.
    const int emPixels = static_cast<int>(std::lround(points * dpi / 72.0));
    const bool bitmapFace = !FT_IS_SCALABLE(face.get()) && face->num_fixed_sizes > 0;
    if (bitmapFace) {
        FT_Select_Size(face.get(), ChooseStrike(face.get(), emPixels));
    } else if (FT_Set_Pixel_Sizes(face.get(), 0, static_cast<FT_UInt>(emPixels)) != 0) {
        throw std::runtime_error("cannot size font '" + file.path + "'");
    }

    std::shared_ptr<Font> font(new Font());
    font->m_family = file.family;
    font->m_path = file.path;
    font->m_substitute = file.substitute;
    font->m_pixelSize = bitmapFace ? face->size->metrics.y_ppem : emPixels;

    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face.get(), FT_SFNT_OS2));
    if (os2 != nullptr && os2->usWinAscent + os2->usWinDescent > 0) {
        // The window metrics, rounded up separately, give the character height the dialog manager
        // uses; FreeType's own ascender less descender comes out one pixel short for some faces.
        const double scale = static_cast<double>(face->size->metrics.y_ppem) / face->units_per_EM;
        font->m_metrics.ascent = static_cast<int>(std::ceil(os2->usWinAscent * scale - 0.01));
        font->m_metrics.descent = static_cast<int>(std::ceil(os2->usWinDescent * scale - 0.01));
    } else {
        font->m_metrics.ascent = static_cast<int>(face->size->metrics.ascender >> 6);
        font->m_metrics.descent = static_cast<int>(-(face->size->metrics.descender >> 6));
    }
    font->m_metrics.height = font->m_metrics.ascent + font->m_metrics.descent;

    for (int ch = 0; ch < 256; ++ch) {
        if (ch < 0x20) {
            continue;
        }
        font->m_glyphs[static_cast<std::size_t>(ch)] =
            RenderGlyph(face.get(), Windows1252CodePoint(static_cast<unsigned char>(ch)), bitmapFace);
    }
    int letters = 0;
    for (char ch = 'A'; ch <= 'Z'; ++ch) {
        letters += font->GlyphFor(static_cast<unsigned char>(ch)).advance;
        letters += font->GlyphFor(static_cast<unsigned char>(ch - 'A' + 'a')).advance;
    }
    font->m_metrics.averageCharWidth = (letters / 26 + 1) / 2;

    if (file.substitute) {
        std::fprintf(stderr, "font '%s' is not installed; using '%s' instead\n", family.c_str(),
                     file.family.c_str());
    }
    cache.emplace(key, font);
    return font;
}

int Font::TextWidth(std::string_view text) const
{
    int width = 0;
    for (char ch : text) {
        width += GlyphFor(static_cast<unsigned char>(ch)).advance;
    }
    return width;
}

void Font::DrawText(Surface& target, Point origin, std::string_view text, Color color, const Rect& clip) const
{
    const Rect bounds = clip.Intersect(target.Bounds());
    const int baseline = origin.y + m_metrics.ascent;
    int pen = origin.x;
    for (char ch : text) {
        const Glyph& glyph = GlyphFor(static_cast<unsigned char>(ch));
        const int x0 = pen + glyph.left;
        const int y0 = baseline - glyph.top;
        for (int y = 0; y < glyph.height; ++y) {
            const int ty = y0 + y;
            if (ty < bounds.top || ty >= bounds.bottom) {
                continue;
            }
            for (int x = 0; x < glyph.width; ++x) {
                const int tx = x0 + x;
                if (tx < bounds.left || tx >= bounds.right) {
                    continue;
                }
                const unsigned alpha = glyph.coverage[CoverageIndex(glyph, x, y)];
                if (alpha == 0) {
                    continue;
                }
                if (alpha == 255) {
                    target.Set(tx, ty, color);
                    continue;
                }
                const Color under = target.At(tx, ty);
                auto mix = [alpha](unsigned fg, unsigned bg) {
                    return static_cast<std::uint8_t>((fg * alpha + bg * (255 - alpha) + 127) / 255);
                };
                target.Set(tx, ty,
                           Rgb(mix(RedOf(color), RedOf(under)), mix(GreenOf(color), GreenOf(under)),
                               mix(BlueOf(color), BlueOf(under))));
            }
        }
        pen += glyph.advance;
    }
}

}  // namespace tk
