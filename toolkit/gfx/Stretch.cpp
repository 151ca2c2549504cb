#include "toolkit/gfx/Stretch.h"

#include "toolkit/gfx/Surface.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace tk {

namespace {

// For one axis: which source cells each target cell covers, and by how much (the weights of a cell sum
// to one). Kept flat, one allocation per axis, since a paint stretches the banner every time.
struct Spans {
    std::vector<int> first;   // first source cell of each target cell
    std::vector<int> offset;  // where its weights start in `weights`; one more entry marks the end
    std::vector<float> weights;

    [[nodiscard]] int Count(int target) const
    {
        return offset[static_cast<std::size_t>(target) + 1] - offset[static_cast<std::size_t>(target)];
    }
    [[nodiscard]] const float* Weights(int target) const
    {
        return weights.data() + offset[static_cast<std::size_t>(target)];
    }
};

Spans AreaSpans(int sourceLength, int targetLength)
{
    Spans spans;
    spans.first.reserve(static_cast<std::size_t>(targetLength));
    spans.offset.reserve(static_cast<std::size_t>(targetLength) + 1);
    const double scale = static_cast<double>(sourceLength) / targetLength;
    spans.offset.push_back(0);
    for (int t = 0; t < targetLength; ++t) {
        const double start = t * scale;
        const double end = (t + 1) * scale;
        const int first = static_cast<int>(std::floor(start));
        const int last = std::min(sourceLength - 1, static_cast<int>(std::ceil(end)) - 1);
        spans.first.push_back(first);
        for (int s = first; s <= last; ++s) {
            const double covered = std::min(end, s + 1.0) - std::max(start, static_cast<double>(s));
            spans.weights.push_back(static_cast<float>(covered / scale));
        }
        spans.offset.push_back(static_cast<int>(spans.weights.size()));
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
    const int firstRow = rows.first[static_cast<std::size_t>(area.top - targetRect.top)];
    const int lastTarget = area.bottom - 1 - targetRect.top;
    const int lastRow = rows.first[static_cast<std::size_t>(lastTarget)] + rows.Count(lastTarget) - 1;
    const int width = area.Width();
    std::vector<float> horizontal(static_cast<std::size_t>(lastRow - firstRow + 1) *
                                  static_cast<std::size_t>(width) * 3U);
    // Indexed in size_t, so that no int product is widened after it could have overflowed.
    auto channelsAt = [&horizontal, width](int row, int x) {
        return &horizontal[(static_cast<std::size_t>(row) * static_cast<std::size_t>(width) +
                            static_cast<std::size_t>(x)) *
                           3U];
    };
    for (int sy = firstRow; sy <= lastRow; ++sy) {
        auto sourceRow = source.Row(sy);
        for (int x = 0; x < width; ++x) {
            const int column = area.left + x - targetRect.left;
            const float* weights = columns.Weights(column);
            const int count = columns.Count(column);
            const Color* in =
                &sourceRow[static_cast<std::size_t>(columns.first[static_cast<std::size_t>(column)])];
            float r = 0;
            float g = 0;
            float b = 0;
            for (int i = 0; i < count; ++i) {
                const Color c = in[i];
                r += weights[i] * static_cast<float>(RedOf(c));
                g += weights[i] * static_cast<float>(GreenOf(c));
                b += weights[i] * static_cast<float>(BlueOf(c));
            }
            float* out = channelsAt(sy - firstRow, x);
            out[0] = r;
            out[1] = g;
            out[2] = b;
        }
    }
    auto channel = [](float v) { return static_cast<std::uint8_t>(std::clamp(v + 0.5F, 0.0F, 255.0F)); };
    for (int y = area.top; y < area.bottom; ++y) {
        const int row = y - targetRect.top;
        const float* weights = rows.Weights(row);
        const int count = rows.Count(row);
        const int first = rows.first[static_cast<std::size_t>(row)] - firstRow;
        auto targetRow = target.Row(y);
        for (int x = 0; x < width; ++x) {
            float r = 0;
            float g = 0;
            float b = 0;
            for (int i = 0; i < count; ++i) {
                const float* in = channelsAt(first + i, x);
                r += weights[i] * in[0];
                g += weights[i] * in[1];
                b += weights[i] * in[2];
            }
            targetRow[static_cast<std::size_t>(area.left) + static_cast<std::size_t>(x)] =
                Rgb(channel(r), channel(g), channel(b));
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
