#include "toolkit/Gdi.h"

#include "toolkit/Window.h"
#include "toolkit/gfx/Dib.h"
#include "toolkit/gfx/Painter.h"
#include "toolkit/gfx/Stretch.h"

#include <stdexcept>

namespace tk {

namespace {
int g_liveObjects = 0;
}  // namespace

int LiveDrawingObjects()
{
    return g_liveObjects;
}

CBitmap::CBitmap() = default;

CBitmap::~CBitmap()
{
    DeleteObject();
}

bool CBitmap::LoadBitmap(int id)
{
    DeleteObject();
    auto bytes = AfxGetResourceHandle().FindBinary(RT_BITMAP, id);
    if (!bytes) {
        return false;
    }
    m_pixels = DecodeBitmapFile(*bytes);
    if (m_pixels) {
        ++g_liveObjects;
    }
    return m_pixels.has_value();
}

bool CBitmap::DeleteObject()
{
    if (!m_pixels) {
        return false;
    }
    m_pixels.reset();
    --g_liveObjects;
    return true;
}

int CBitmap::GetBitmap(BITMAP* info) const
{
    if (!m_pixels || info == nullptr) {
        return 0;
    }
    info->bmWidth = m_pixels->Width();
    info->bmHeight = m_pixels->Height();
    return static_cast<int>(sizeof(BITMAP));
}

CDC::CDC() = default;

CDC::~CDC()
{
    DeleteDC();
}

bool CDC::CreateCompatibleDC(CDC* /*reference*/)
{
    DeleteDC();
    m_memory = true;
    m_counted = true;
    ++g_liveObjects;
    return true;
}

bool CDC::DeleteDC()
{
    if (!m_counted) {
        return false;
    }
    m_counted = false;
    m_memory = false;
    m_selected = nullptr;
    --g_liveObjects;
    return true;
}

CBitmap* CDC::SelectObject(CBitmap* bitmap)
{
    CBitmap* previous = m_selected;
    m_selected = bitmap;
    return previous;
}

StretchMode CDC::SetStretchBltMode(StretchMode mode)
{
    const StretchMode previous = m_stretchMode;
    m_stretchMode = mode;
    return previous;
}

bool CDC::StretchBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY,
                     int sourceWidth, int sourceHeight, unsigned int rop)
{
    if (m_painter == nullptr || source == nullptr || source->m_selected == nullptr || rop != SRCCOPY) {
        return false;
    }
    const Surface* pixels = source->m_selected->Pixels();
    if (pixels == nullptr || sourceWidth <= 0 || sourceHeight <= 0) {
        return false;
    }
    const Surface* from = pixels;
    Surface part;
    if (sourceX != 0 || sourceY != 0 || sourceWidth != pixels->Width() || sourceHeight != pixels->Height()) {
        const Rect wanted = Rect{sourceX, sourceY, sourceX + sourceWidth, sourceY + sourceHeight};
        if (wanted.Intersect(pixels->Bounds()) != wanted) {
            return false;
        }
        part.Resize(sourceWidth, sourceHeight);
        for (int row = 0; row < sourceHeight; ++row) {
            for (int column = 0; column < sourceWidth; ++column) {
                part.Set(column, row, pixels->At(sourceX + column, sourceY + row));
            }
        }
        from = &part;
    }
    const Point origin = m_painter->Origin();
    const Rect target = Rect{x, y, x + width, y + height}.Offset(origin.x, origin.y);
    const Rect clip = m_painter->LocalClip().Offset(origin.x, origin.y);
    if (m_stretchMode == StretchMode::Halftone) {
        StretchHalftone(*from, m_painter->Target(), target, clip);
    } else {
        StretchNearest(*from, m_painter->Target(), target, clip);
    }
    return true;
}

bool CDC::DrawIcon(int x, int y, HICON icon)
{
    if (m_painter == nullptr || icon == nullptr) {
        return false;
    }
    const Surface* image = icon->ImageOfSize(GetSystemMetrics(SM_CXICON));
    if (image == nullptr) {
        return false;
    }
    m_painter->DrawImage(*image, {x, y});
    return true;
}

void CDC::FillSolidRect(const Rect& rect, Color color)
{
    if (m_painter != nullptr) {
        m_painter->FillRect(rect, color);
    }
}

CPaintDC::CPaintDC(CWnd* window)
{
    m_painter = window != nullptr ? window->CurrentPainter() : nullptr;
    if (m_painter == nullptr) {
        throw std::logic_error("a paint context can only be opened while the window paints");
    }
    m_counted = true;
    ++g_liveObjects;
    m_painter->FillRect(m_painter->LocalClip(), colors::ButtonFace);
}

}  // namespace tk
