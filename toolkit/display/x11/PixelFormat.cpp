#include "toolkit/display/x11/PixelFormat.h"

#include <bit>

namespace tk::x11 {

PixelFormat::PixelFormat(const Visual& visual)
    : m_red(ChannelOf(visual.red_mask)), m_green(ChannelOf(visual.green_mask)),
      m_blue(ChannelOf(visual.blue_mask))
{
}

unsigned long PixelFormat::ToPixel(Color color) const
{
    return Place(RedOf(color), m_red) | Place(GreenOf(color), m_green) | Place(BlueOf(color), m_blue);
}

bool PixelFormat::StoresColorsAsIs(const XImage& image)
{
    const int hostOrder = std::endian::native == std::endian::little ? LSBFirst : MSBFirst;
    return image.bits_per_pixel == 32 && image.byte_order == hostOrder && image.red_mask == 0xFF0000UL &&
           image.green_mask == 0xFF00UL && image.blue_mask == 0xFFUL;
}

PixelFormat::Channel PixelFormat::ChannelOf(unsigned long mask)
{
    return {std::countr_zero(mask), std::popcount(mask)};
}

unsigned long PixelFormat::Place(std::uint8_t value, Channel channel)
{
    unsigned long scaled = value;
    if (channel.bits < 8) {
        scaled >>= static_cast<unsigned>(8 - channel.bits);
    } else {
        scaled <<= static_cast<unsigned>(channel.bits - 8);
    }
    return scaled << static_cast<unsigned>(channel.shift);
}

}  // namespace tk::x11
