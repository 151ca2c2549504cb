#include "toolkit/gfx/Dib.h"

namespace tk {

namespace {

class Reader {
public:
    explicit Reader(std::span<const unsigned char> bytes) : m_bytes(bytes) {}

    [[nodiscard]] bool Has(std::size_t offset, std::size_t count) const
    {
        return offset <= m_bytes.size() && count <= m_bytes.size() - offset;
    }
    [[nodiscard]] std::uint32_t U16(std::size_t offset) const
    {
        return m_bytes[offset] | (std::uint32_t{m_bytes[offset + 1]} << 8U);
    }
    [[nodiscard]] std::uint32_t U32(std::size_t offset) const
    {
        return U16(offset) | (U16(offset + 2) << 16U);
    }
    [[nodiscard]] std::int32_t S32(std::size_t offset) const
    {
        return static_cast<std::int32_t>(U32(offset));
    }
    [[nodiscard]] unsigned char Byte(std::size_t offset) const { return m_bytes[offset]; }
    [[nodiscard]] std::span<const unsigned char> Bytes() const { return m_bytes; }

private:
    std::span<const unsigned char> m_bytes;
};

struct DibLayout {
    int width = 0;
    int height = 0;  // of the colour image
    bool bottomUp = true;
    int bitsPerPixel = 0;
    std::size_t paletteOffset = 0;
    std::size_t paletteCount = 0;
    std::size_t pixelOffset = 0;
};

std::size_t RowBytes(int width, int bitsPerPixel)
{
    return ((static_cast<std::size_t>(width) * static_cast<std::size_t>(bitsPerPixel) + 31U) / 32U) * 4U;
}

// Reads a BITMAPINFOHEADER-style header at `header`; `heightDivisor` is 2 for icon images, whose
// header counts the colour image and the mask together.
std::optional<DibLayout> ReadLayout(const Reader& in, std::size_t header, int heightDivisor)
{
    if (!in.Has(header, 40)) {
        return std::nullopt;
    }
    const std::uint32_t headerSize = in.U32(header);
    const std::int32_t width = in.S32(header + 4);
    const std::int32_t rawHeight = in.S32(header + 8);
    const std::uint32_t bits = in.U16(header + 14);
    const std::uint32_t compression = in.U32(header + 16);
    std::uint32_t colorsUsed = in.U32(header + 32);
    if (headerSize < 40 || width <= 0 || width > 4096 || rawHeight == 0 || compression != 0) {
        return std::nullopt;
    }
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) {
        return std::nullopt;
    }
    DibLayout layout;
    layout.width = width;
    layout.bottomUp = rawHeight > 0;
    const std::int64_t height =
        (rawHeight > 0 ? std::int64_t{rawHeight} : -std::int64_t{rawHeight}) / heightDivisor;
    if (height <= 0 || height > 4096) {
        return std::nullopt;
    }
    layout.height = static_cast<int>(height);
    layout.bitsPerPixel = static_cast<int>(bits);
    if (bits <= 8) {
        const std::uint32_t maxColors = 1U << bits;
        layout.paletteCount = (colorsUsed == 0 || colorsUsed > maxColors) ? maxColors : colorsUsed;
    }
    layout.paletteOffset = header + headerSize;
    layout.pixelOffset = layout.paletteOffset + layout.paletteCount * 4U;
    return layout;
}

std::optional<Surface> DecodeColorImage(const Reader& in, const DibLayout& layout)
{
    const std::size_t rowBytes = RowBytes(layout.width, layout.bitsPerPixel);
    if (!in.Has(layout.paletteOffset, layout.paletteCount * 4U) ||
        !in.Has(layout.pixelOffset, rowBytes * static_cast<std::size_t>(layout.height))) {
        return std::nullopt;
    }
    std::vector<Color> palette(layout.paletteCount);
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const std::size_t at = layout.paletteOffset + i * 4U;
        palette[i] = Rgb(in.Byte(at + 2), in.Byte(at + 1), in.Byte(at));
    }
    Surface image(layout.width, layout.height);
    for (int y = 0; y < layout.height; ++y) {
        const int fileRow = layout.bottomUp ? layout.height - 1 - y : y;
        const std::size_t row = layout.pixelOffset + rowBytes * static_cast<std::size_t>(fileRow);
        for (int x = 0; x < layout.width; ++x) {
            const auto ux = static_cast<std::size_t>(x);
            Color c = 0;
            switch (layout.bitsPerPixel) {
            case 32:
            case 24: {
                const std::size_t at = row + ux * static_cast<std::size_t>(layout.bitsPerPixel / 8);
                c = Rgb(in.Byte(at + 2), in.Byte(at + 1), in.Byte(at));
                break;
            }
            default: {
                const auto bits = static_cast<unsigned>(layout.bitsPerPixel);
                const std::size_t bitOffset = ux * bits;
                const unsigned byte = in.Byte(row + bitOffset / 8U);
                const unsigned shift = 8U - bits - static_cast<unsigned>(bitOffset % 8U);
                const unsigned index = (byte >> shift) & ((1U << bits) - 1U);
                c = index < palette.size() ? palette[index] : Rgb(0, 0, 0);
                break;
            }
            }
            image.Set(x, y, c);
        }
    }
    return image;
}

}  // namespace

std::optional<Surface> DecodeBitmapFile(std::span<const unsigned char> bytes)
{
    const Reader in(bytes);
    if (!in.Has(0, 14) || in.Byte(0) != 'B' || in.Byte(1) != 'M') {
        return std::nullopt;
    }
    auto layout = ReadLayout(in, 14, 1);
    if (!layout) {
        return std::nullopt;
    }
    layout->pixelOffset = in.U32(10);
    return DecodeColorImage(in, *layout);
}

std::vector<Surface> DecodeIconFile(std::span<const unsigned char> bytes)
{
    std::vector<Surface> images;
    const Reader in(bytes);
    if (!in.Has(0, 6) || in.U16(0) != 0 || in.U16(2) != 1) {
        return images;
    }
    const std::uint32_t count = in.U16(4);
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::size_t entry = 6 + i * 16U;
        if (!in.Has(entry, 16)) {
            break;
        }
        const std::uint32_t size = in.U32(entry + 8);
        const std::uint32_t offset = in.U32(entry + 12);
        if (!in.Has(offset, size)) {
            continue;
        }
        const Reader image(bytes.subspan(offset, size));
        auto layout = ReadLayout(image, 0, 2);
        if (!layout) {
            continue;
        }
        auto colors = DecodeColorImage(image, *layout);
        if (!colors) {
            continue;
        }
        const std::size_t maskOffset = layout->pixelOffset + RowBytes(layout->width, layout->bitsPerPixel) *
                                                                 static_cast<std::size_t>(layout->height);
        const std::size_t maskRow = RowBytes(layout->width, 1);
        if (image.Has(maskOffset, maskRow * static_cast<std::size_t>(layout->height))) {
            for (int y = 0; y < layout->height; ++y) {
                const int fileRow = layout->bottomUp ? layout->height - 1 - y : y;
                const std::size_t row = maskOffset + maskRow * static_cast<std::size_t>(fileRow);
                for (int x = 0; x < layout->width; ++x) {
                    const auto ux = static_cast<std::size_t>(x);
                    if ((image.Byte(row + ux / 8U) & (0x80U >> (ux % 8U))) != 0) {
                        colors->Set(x, y, colors->At(x, y) & 0x00FFFFFFU);
                    }
                }
            }
        }
        images.push_back(std::move(*colors));
    }
    return images;
}

}  // namespace tk
