#include "toolkit/gfx/Surface.h"

#include <png.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <stdexcept>

namespace tk {

Surface::Surface(int width, int height, Color fill)
{
    Resize(width, height, fill);
}

void Surface::Fill(Color c)
{
    std::fill(m_pixels.begin(), m_pixels.end(), c);
}

void Surface::Resize(int width, int height, Color fill)
{
    m_width = std::max(width, 0);
    m_height = std::max(height, 0);
    m_pixels.assign(static_cast<std::size_t>(m_width) * static_cast<std::size_t>(m_height), fill);
}

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

}  // namespace

void Surface::SavePng(const std::string& path) const
{
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
    if (!file) {
        throw std::runtime_error("cannot write PNG file '" + path + "'");
    }
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!png || !info) {
        png_destroy_write_struct(&png, &info);
        throw std::runtime_error("out of memory writing PNG file '" + path + "'");
    }
    std::vector<png_byte> row(static_cast<std::size_t>(m_width) * 3U);
    if (setjmp(png_jmpbuf(png))) {  // NOLINT(cert-err52-cpp): libpng reports errors only this way
        png_destroy_write_struct(&png, &info);
        throw std::runtime_error("failed writing PNG file '" + path + "'");
    }
    png_init_io(png, file.get());
    png_set_IHDR(png, info, static_cast<png_uint_32>(m_width), static_cast<png_uint_32>(m_height), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < m_height; ++y) {
        auto pixels = Row(y);
        for (std::size_t x = 0; x < pixels.size(); ++x) {
            row[x * 3] = RedOf(pixels[x]);
            row[x * 3 + 1] = GreenOf(pixels[x]);
            row[x * 3 + 2] = BlueOf(pixels[x]);
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
}

}  // namespace tk
