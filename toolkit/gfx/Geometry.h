#pragma once

#include <algorithm>

namespace tk {

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int width = 0;
    int height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

// Half-open rectangle: right and bottom lie just outside, as in the platform the setup was written for.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    static Rect FromPointSize(Point origin, Size size)
    {
        return {origin.x, origin.y, origin.x + size.width, origin.y + size.height};
    }
    [[nodiscard]] int Width() const { return right - left; }
    [[nodiscard]] int Height() const { return bottom - top; }
    [[nodiscard]] Point TopLeft() const { return {left, top}; }
    [[nodiscard]] Size GetSize() const { return {Width(), Height()}; }
    [[nodiscard]] bool IsEmpty() const { return right <= left || bottom <= top; }
    [[nodiscard]] bool Contains(Point p) const
    {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }
    [[nodiscard]] Point Center() const { return {(left + right) / 2, (top + bottom) / 2}; }
    [[nodiscard]] Rect Offset(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    [[nodiscard]] Rect Inflate(int dx, int dy) const
    {
        return {left - dx, top - dy, right + dx, bottom + dy};
    }
    [[nodiscard]] Rect Intersect(const Rect& other) const
    {
        Rect r{std::max(left, other.left), std::max(top, other.top), std::min(right, other.right),
               std::min(bottom, other.bottom)};
        if (r.IsEmpty()) {
            return {};
        }
        return r;
    }
    // The smallest rectangle holding both; an empty one adds nothing.
    [[nodiscard]] Rect Union(const Rect& other) const
    {
        if (IsEmpty()) {
            return other;
        }
        if (other.IsEmpty()) {
            return *this;
        }
        return {std::min(left, other.left), std::min(top, other.top), std::max(right, other.right),
                std::max(bottom, other.bottom)};
    }
    friend bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace tk
