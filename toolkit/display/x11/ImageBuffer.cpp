#include "toolkit/display/x11/ImageBuffer.h"

#include <cstdint>
#include <cstring>
#include <stdexcept>

#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>

namespace tk::x11 {

void ImageDestroyer::operator()(XImage* image) const
{
    image->data = nullptr;
    XDestroyImage(image);
}

std::unique_ptr<ImageBuffer> ImageBuffer::CreateShared(const ImageTarget& target, Size size)
{
    auto buffer = std::unique_ptr<ImageBuffer>(new ImageBuffer(target.display, size));
    buffer->m_segment = std::make_unique<SharedSegment>();
    buffer->m_image.reset(XShmCreateImage(
        target.display, target.visual, static_cast<unsigned>(target.depth), ZPixmap, nullptr,
        buffer->m_segment->Info(), static_cast<unsigned>(size.width), static_cast<unsigned>(size.height)));
    if (!buffer->m_image || !buffer->m_segment->Attach(target.display, buffer->ByteCount())) {
        return nullptr;
    }
    buffer->m_image->data = buffer->m_segment->Info()->shmaddr;
    return buffer;
}

std::unique_ptr<ImageBuffer> ImageBuffer::CreatePlain(const ImageTarget& target, Size size)
{
    auto buffer = std::unique_ptr<ImageBuffer>(new ImageBuffer(target.display, size));
    buffer->m_image.reset(XCreateImage(target.display, target.visual, static_cast<unsigned>(target.depth),
                                       ZPixmap, 0, nullptr, static_cast<unsigned>(size.width),
                                       static_cast<unsigned>(size.height), 32, 0));
    if (!buffer->m_image) {
        throw std::runtime_error("cannot create an X image");
    }
    buffer->m_clientMemory.resize(buffer->ByteCount());
    buffer->m_image->data = buffer->m_clientMemory.data();
    return buffer;
}

void ImageBuffer::Load(const Surface& surface, const PixelFormat& format)
{
    XImage& image = *m_image;
    if (PixelFormat::StoresColorsAsIs(image)) {
        std::vector<std::uint32_t> row(static_cast<std::size_t>(m_size.width));
        for (int y = 0; y < m_size.height; ++y) {
            const auto source = surface.Row(y);
            for (std::size_t x = 0; x < row.size(); ++x) {
                row[x] = source[x] & 0x00FFFFFFU;
            }
            std::memcpy(image.data + static_cast<std::ptrdiff_t>(y) * image.bytes_per_line, row.data(),
                        row.size() * sizeof(std::uint32_t));
        }
        return;
    }
    for (int y = 0; y < m_size.height; ++y) {
        for (int x = 0; x < m_size.width; ++x) {
            XPutPixel(&image, x, y, format.ToPixel(surface.At(x, y)));
        }
    }
}

void ImageBuffer::Put(Window window, GC gc, Rect area) const
{
    area = area.Intersect(Rect::FromPointSize({}, m_size));
    if (area.IsEmpty()) {
        return;
    }
    const auto width = static_cast<unsigned>(area.Width());
    const auto height = static_cast<unsigned>(area.Height());
    if (m_segment) {
        XShmPutImage(m_display, window, gc, m_image.get(), area.left, area.top, area.left, area.top, width,
                     height, False);
    } else {
        XPutImage(m_display, window, gc, m_image.get(), area.left, area.top, area.left, area.top, width,
                  height);
    }
}

std::size_t ImageBuffer::ByteCount() const
{
    return static_cast<std::size_t>(m_image->bytes_per_line) * static_cast<std::size_t>(m_size.height);
}

}  // namespace tk::x11
