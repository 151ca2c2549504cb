#pragma once

#include "toolkit/Resources.h"
#include "toolkit/Types.h"
#include "toolkit/gfx/Color.h"
#include "toolkit/gfx/Geometry.h"
#include "toolkit/gfx/Surface.h"

#include <optional>

namespace tk {

class CWnd;
class Painter;

// Drawing objects (paint contexts, memory surfaces, bitmaps) alive right now; a paint that releases
// everything it acquired leaves this where it found it.
int LiveDrawingObjects();

struct BITMAP {
    int bmWidth = 0;
    int bmHeight = 0;
};

constexpr unsigned int SRCCOPY = 0x00CC0020;

class CBitmap {
public:
    CBitmap();
    CBitmap(const CBitmap&) = delete;
    CBitmap& operator=(const CBitmap&) = delete;
    ~CBitmap();

    // Loads bitmap resource `id` of the current module; false when it is missing or malformed.
    bool LoadBitmap(int id);
    bool DeleteObject();
    int GetBitmap(BITMAP* info) const;
    [[nodiscard]] const Surface* Pixels() const { return m_pixels ? &*m_pixels : nullptr; }

private:
    std::optional<Surface> m_pixels;
};

// A drawing context: a window's paint context, or a memory surface holding a selected bitmap.
class CDC {
public:
    CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;
    virtual ~CDC();

    bool CreateCompatibleDC(CDC* reference);
    bool DeleteDC();
    // Selects a bitmap into a memory context; returns the one it held before (nullptr at first).
    CBitmap* SelectObject(CBitmap* bitmap);
    StretchMode SetStretchBltMode(StretchMode mode);
    // Copies a rectangle of `source`'s bitmap onto this context, scaled by the stretch mode.
    bool StretchBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY,
                    int sourceWidth, int sourceHeight, unsigned int rop);
    bool DrawIcon(int x, int y, HICON icon);
    void FillSolidRect(const Rect& rect, Color color);

protected:
    Painter* m_painter = nullptr;  // set for a window's paint context
    bool m_memory = false;
    CBitmap* m_selected = nullptr;
    StretchMode m_stretchMode = StretchMode::Nearest;
    bool m_counted = false;
};

// The paint context of the paint in progress: opening it erases the window's background.
class CPaintDC final : public CDC {
public:
    explicit CPaintDC(CWnd* window);
};

}  // namespace tk
