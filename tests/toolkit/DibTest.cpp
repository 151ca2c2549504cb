// Bitmap and icon files built byte by byte here, so that row order, padding and the mask are known.

#include "toolkit/gfx/Dib.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

using tk::Color;
using tk::Rgb;

class Bytes {
public:
    Bytes& U8(unsigned value)
    {
        m_bytes.push_back(static_cast<unsigned char>(value));
        return *this;
    }
    Bytes& U16(unsigned value) { return U8(value & 0xFFU).U8(value >> 8U); }
    Bytes& U32(std::uint32_t value) { return U16(value & 0xFFFFU).U16(value >> 16U); }
    Bytes& S32(std::int32_t value) { return U32(static_cast<std::uint32_t>(value)); }
    Bytes& Append(const std::vector<unsigned char>& more)
    {
        m_bytes.insert(m_bytes.end(), more.begin(), more.end());
        return *this;
    }
    // The blue-green-red order of palettes and 24-bit pixels.
    Bytes& Bgr(Color c) { return U8(tk::BlueOf(c)).U8(tk::GreenOf(c)).U8(tk::RedOf(c)); }
    [[nodiscard]] std::size_t Size() const { return m_bytes.size(); }
    [[nodiscard]] const std::vector<unsigned char>& Get() const { return m_bytes; }

private:
    std::vector<unsigned char> m_bytes;
};

Bytes InfoHeader(int width, int height, int bits, std::uint32_t colorsUsed)
{
    Bytes header;
    header.U32(40).S32(width).S32(height).U16(1).U16(static_cast<unsigned>(bits)).U32(0).U32(0);
    header.U32(2835).U32(2835).U32(colorsUsed).U32(0);
    return header;
}

std::vector<unsigned char> BitmapFile(const Bytes& info, const Bytes& palette, const Bytes& pixels)
{
    const auto offset = static_cast<std::uint32_t>(14 + info.Size() + palette.Size());
    Bytes file;
    file.U8('B').U8('M').U32(static_cast<std::uint32_t>(offset + pixels.Size())).U32(0).U32(offset);
    return file.Append(info.Get()).Append(palette.Get()).Append(pixels.Get()).Get();
}

constexpr Color kRed = Rgb(255, 0, 0);
constexpr Color kGreen = Rgb(0, 128, 0);
constexpr Color kBlue = Rgb(0, 0, 255);
constexpr Color kTeal = Rgb(16, 96, 160);

// 3 x 2, 8 bits: each row is 3 bytes of indices and one byte of padding; the bottom row comes first.
std::vector<unsigned char> Palettised()
{
    Bytes palette;
    palette.Bgr(kRed).U8(0).Bgr(kGreen).U8(0).Bgr(kBlue).U8(0).Bgr(kTeal).U8(0);
    Bytes pixels;
    pixels.U8(3).U8(2).U8(1).U8(0xEE);  // bottom row
    pixels.U8(0).U8(1).U8(2).U8(0xEE);  // top row
    return BitmapFile(InfoHeader(3, 2, 8, 4), palette, pixels);
}

// 2 x 2, 24 bits: each row is 6 bytes of pixels and two of padding.
std::vector<unsigned char> TrueColour(int heightSign)
{
    Bytes pixels;
    pixels.Bgr(Rgb(1, 2, 3)).Bgr(Rgb(4, 5, 6)).U8(0xEE).U8(0xEE);        // first row in the file
    pixels.Bgr(Rgb(7, 8, 9)).Bgr(Rgb(250, 251, 252)).U8(0xEE).U8(0xEE);  // second row in the file
    return BitmapFile(InfoHeader(2, 2 * heightSign, 24, 0), Bytes(), pixels);
}

std::vector<Color> PixelsOf(const tk::Surface& surface)
{
    return {surface.Pixels().begin(), surface.Pixels().end()};
}

TEST(DecodeBitmapTest, PalettisedRowsAreReadBottomUpThroughThePalette)
{
    const auto image = tk::DecodeBitmapFile(Palettised());
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(image->GetSize(), (tk::Size{3, 2}));
    EXPECT_EQ(PixelsOf(*image), (std::vector<Color>{kRed, kGreen, kBlue, kTeal, kBlue, kGreen}));
}

TEST(DecodeBitmapTest, TrueColourRowsSkipTheirPaddingInBothRowOrders)
{
    const auto bottomUp = tk::DecodeBitmapFile(TrueColour(1));
    const auto topDown = tk::DecodeBitmapFile(TrueColour(-1));
    ASSERT_TRUE(bottomUp.has_value());
    ASSERT_TRUE(topDown.has_value());
    EXPECT_EQ(PixelsOf(*bottomUp),
              (std::vector<Color>{Rgb(7, 8, 9), Rgb(250, 251, 252), Rgb(1, 2, 3), Rgb(4, 5, 6)}));
    EXPECT_EQ(PixelsOf(*topDown),
              (std::vector<Color>{Rgb(1, 2, 3), Rgb(4, 5, 6), Rgb(7, 8, 9), Rgb(250, 251, 252)}));
}

TEST(DecodeBitmapTest, EveryTruncationOfAValidFileGivesNothing)
{
    for (const auto& file : {Palettised(), TrueColour(1)}) {
        ASSERT_TRUE(tk::DecodeBitmapFile(file).has_value());
        for (std::size_t length = 0; length < file.size(); ++length) {
            const std::vector<unsigned char> cut(file.begin(),
                                                 file.begin() + static_cast<std::ptrdiff_t>(length));
            EXPECT_FALSE(tk::DecodeBitmapFile(cut).has_value())
                << "cut to " << length << " of " << file.size();
        }
    }
}

TEST(DecodeBitmapTest, MalformedHeadersGiveNothing)
{
    struct Case {
        const char* name;
        std::size_t offset;
        std::vector<unsigned char> bytes;
    };
    const std::vector<Case> cases = {
        {"not BM", 0, {'X', 'M'}},           {"header too small", 14, {12, 0, 0, 0}},
        {"width 0", 18, {0, 0, 0, 0}},       {"negative width", 18, {0xFF, 0xFF, 0xFF, 0xFF}},
        {"height 0", 22, {0, 0, 0, 0}},      {"16 bits", 28, {16, 0}},
        {"compressed", 30, {1, 0, 0, 0}},    {"pixels beyond the end", 10, {0xF0, 0, 0, 0}},
        {"huge width", 18, {0, 0, 0, 0x40}},
    };
    for (const Case& c : cases) {
        std::vector<unsigned char> file = Palettised();
        std::copy(c.bytes.begin(), c.bytes.end(), file.begin() + static_cast<std::ptrdiff_t>(c.offset));
        EXPECT_FALSE(tk::DecodeBitmapFile(file).has_value()) << c.name;
    }
}

// One 2 x 2 image, 24 bits, with a 1-bit AND mask after the colours (rows of 4 bytes, bottom row first).
std::vector<unsigned char> IconFile()
{
    Bytes image = InfoHeader(2, 4, 24, 0);    // the height counts the colours and the mask
    image.Bgr(kRed).Bgr(kGreen).U8(0).U8(0);  // bottom row
    image.Bgr(kBlue).Bgr(kTeal).U8(0).U8(0);  // top row
    image.U8(0x00).U8(0).U8(0).U8(0);         // bottom row: both opaque
    image.U8(0x40).U8(0).U8(0).U8(0);         // top row: the second pixel is transparent
    Bytes file;
    file.U16(0).U16(1).U16(1);
    file.U8(2).U8(2).U8(0).U8(0).U16(1).U16(24).U32(static_cast<std::uint32_t>(image.Size())).U32(22);
    return file.Append(image.Get()).Get();
}

TEST(DecodeIconTest, TheAndMaskMakesItsPixelsTransparent)
{
    const auto images = tk::DecodeIconFile(IconFile());
    ASSERT_EQ(images.size(), 1U);
    const tk::Surface& icon = images.front();
    EXPECT_EQ(icon.GetSize(), (tk::Size{2, 2}));
    EXPECT_EQ(icon.At(0, 0), kBlue);
    EXPECT_EQ(icon.At(1, 0) >> 24U, 0U) << "masked out";
    EXPECT_EQ(icon.At(1, 0) & 0xFFFFFFU, kTeal & 0xFFFFFFU);
    EXPECT_EQ(icon.At(0, 1), kRed);
    EXPECT_EQ(icon.At(1, 1), kGreen);
}

TEST(DecodeIconTest, BrokenFilesGiveNoImages)
{
    const auto file = IconFile();
    EXPECT_TRUE(tk::DecodeIconFile({}).empty());
    EXPECT_TRUE(tk::DecodeIconFile(Palettised()).empty()) << "a bitmap is no icon";
    for (std::size_t length = 0; length < file.size(); ++length) {
        const std::vector<unsigned char> cut(file.begin(),
                                             file.begin() + static_cast<std::ptrdiff_t>(length));
        EXPECT_TRUE(tk::DecodeIconFile(cut).empty()) << "cut to " << length;
    }
    auto wrongOffset = file;
    wrongOffset[18] = 0xF0;  // the image would start past the end
    EXPECT_TRUE(tk::DecodeIconFile(wrongOffset).empty());
}

}  // namespace
