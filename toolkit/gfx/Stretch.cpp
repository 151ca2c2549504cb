#include "toolkit/gfx/Stretch.h"

#include "toolkit/gfx/Surface.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace tk {

namespace {

// For one axis: which source cells each target cell covers, and by how much (weights sum to one).
struct Span {
    int first = 0;
    std::vector<float> weights;
};

std::vector<Span> AreaSpans(int sourceLength, int targetLength)
{
    std::vector<Span> spans(static_cast<std::size_t>(targetLength));
    const double scale = static_cast<double>(sourceLength) / targetLength;
    for (int t = 0; t < targetLength; ++t) {
        const double start = t * scale;
        const double end = (t + 1) * scale;
        Span& span = spans[static_cast<std::size_t>(t)];
        span.first = static_cast<int>(std::floor(start));
        const int last = std::min(sourceLength - 1, static_cast<int>(std::ceil(end)) - 1);
        for (int s = span.first; s <= last; ++s) {
            const double covered = std::min(end, s + 1.0) - std::max(start, static_cast<double>(s));
            span.weights.push_back(static_cast<float>(covered / scale));
        }
    }
    return spans;
}

}  // namespace

void StretchHalftone(const Surface& source, Surface& target, const Rect& targetRect, const Rect& clip)
{
    if (source.Width() == 0 || source.Height() == 0 || targetRect.IsEmpty()) {
        return;
    }
    const Rect area = targetRect.Intersect(clip).Intersect(target.Bounds());
    if (area.IsEmpty()) {
        return;
    }
    const auto columns = AreaSpans(source.Width(), targetRect.Width());
    const auto rows = AreaSpans(source.Height(), targetRect.Height());

    // Horizontal pass first, into float channels for the rows the vertical pass needs.
    const int firstRow = rows[static_cast<std::size_t>(area.top - targetRect.top)].first;
    const auto& lastSpan = rows[static_cast<std::size_t>(area.bottom - 1 - targetRect.top)];
    const int lastRow = lastSpan.first + static_cast<int>(lastSpan.weights.size()) - 1;
    const int width = area.Width();
    std::vector<float> horizontal(static_cast<std::size_t>((lastRow - firstRow + 1) * width) * 3U);
    for (int sy = firstRow; sy <= lastRow; ++sy) {
        auto sourceRow = source.Row(sy);
        float* out = &horizontal[static_cast<std::size_t>((sy - firstRow) * width) * 3U];
        for (int x = 0; x < width; ++x) {
            const Span& span = columns[static_cast<std::size_t>(area.left + x - targetRect.left)];
            float r = 0;
            float g = 0;
            float b = 0;
            for (std::size_t i = 0; i < span.weights.size(); ++i) {
                const Color c = sourceRow[static_cast<std::size_t>(span.first) + i];
                r += span.weights[i] * RedOf(c);
                g += span.weights[i] * GreenOf(c);
                b += span.weights[i] * BlueOf(c);
            }
            out[x * 3] = r;
            out[x * 3 + 1] = g;
            out[x * 3 + 2] = b;
        }
    }
    auto channel = [](float v) { return static_cast<std::uint8_t>(std::clamp(v + 0.5F, 0.0F, 255.0F)); };
    for (int y = area.top; y < area.bottom; ++y) {
        const Span& span = rows[static_cast<std::size_t>(y - targetRect.top)];
        auto targetRow = target.Row(y);
        for (int x = 0; x < width; ++x) {
            float r = 0;
            float g = 0;
            float b = 0;
            for (std::size_t i = 0; i < span.weights.size(); ++i) {
                const float* in =
                    &horizontal[static_cast<std::size_t>((span.first + static_cast<int>(i) - firstRow) * width + x) * 3U];
                r += span.weights[i] * in[0];
                g += span.weights[i] * in[1];
                b += span.weights[i] * in[2];
            }
            targetRow[static_cast<std::size_t>(area.left + x)] = Rgb(channel(r), channel(g), channel(b));
        }
    }
}

void StretchNearest(const Surface& source, Surface& target, const Rect& targetRect, const Rect& clip)
{
    if (source.Width() == 0 || source.Height() == 0 || targetRect.IsEmpty()) {
        return;
    }
    const Rect area = targetRect.Intersect(clip).Intersect(target.Bounds());
    for (int y = area.top; y < area.bottom; ++y) {
        const int sy = (y - targetRect.top) * source.Height() / targetRect.Height();
        auto sourceRow = source.Row(sy);
        auto targetRow = target.Row(y);
        for (int x = area.left; x < area.right; ++x) {
            const int sx = (x - targetRect.left) * source.Width() / targetRect.Width();
            targetRow[static_cast<std::size_t>(x)] = sourceRow[static_cast<std::size_t>(sx)];
        }
    }
}

}  // namespace tk
