// The toolkit's costs against plain baselines measured in the same run: a full repaint of the sample
// dialog (290 x 156 units, a text box of 10,000 characters) against copying its surface, and the halftone
// stretch of the banner sizes against a nearest-neighbour stretch.
#include "toolkit/Resources.h"
#include "toolkit/WindowSystem.h"
#include "toolkit/display/HeadlessDisplay.h"
#include "toolkit/gfx/Stretch.h"
#include "toolkit/sample/SampleDialog.h"

#include <benchmark/benchmark.h>

#include <cstring>

namespace {

// Runs `body` while the sample dialog is open on a headless display.
template <class Body> void WithSampleDialog(Body body)
{
    tk::HeadlessDisplay display;
    tk::ResourceModule module;
    tk::WindowSystem::Get().SetDisplay(&display);
    tk::AfxSetResourceHandle(&module);
    sample::RegisterSampleResources(module);
    sample::CSampleDialog dialog;
    display.Then([&] { body(dialog); }).Press(tk::Key::Escape);
    dialog.DoModal();
    tk::AfxSetResourceHandle(nullptr);
    tk::WindowSystem::Get().SetDisplay(nullptr);
}

void BM_RepaintSampleDialog(benchmark::State& state)
{
    WithSampleDialog([&](sample::CSampleDialog& dialog) {
        tk::Surface surface;
        for (auto _ : state) {
            tk::WindowSystem::Get().Paint(dialog, surface);
            benchmark::DoNotOptimize(surface.Pixels().data());
        }
        state.counters["pixels"] = surface.Width() * surface.Height();
    });
}

void BM_CopySurfaceBaseline(benchmark::State& state)
{
    WithSampleDialog([&](sample::CSampleDialog& dialog) {
        tk::Surface source;
        tk::WindowSystem::Get().Paint(dialog, source);
        tk::Surface target(source.Width(), source.Height());
        for (auto _ : state) {
            std::memcpy(target.Pixels().data(), source.Pixels().data(), source.Pixels().size_bytes());
            benchmark::ClobberMemory();
        }
    });
}

tk::Surface Gradient(int width, int height)
{
    tk::Surface surface(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            surface.Set(x, y,
                        tk::Rgb(static_cast<std::uint8_t>(x * 255 / width),
                                static_cast<std::uint8_t>(y * 255 / height),
                                static_cast<std::uint8_t>((x + y) & 0xFF)));
        }
    }
    return surface;
}

template <void (*Stretch)(const tk::Surface&, tk::Surface&, const tk::Rect&, const tk::Rect&)>
void BM_Stretch(benchmark::State& state)
{
    const int fromWidth = static_cast<int>(state.range(0));
    const int fromHeight = static_cast<int>(state.range(1));
    const int toWidth = static_cast<int>(state.range(2));
    const int toHeight = static_cast<int>(state.range(3));
    const tk::Surface source = Gradient(fromWidth, fromHeight);
    tk::Surface target(toWidth, toHeight);
    for (auto _ : state) {
        Stretch(source, target, target.Bounds(), target.Bounds());
        benchmark::ClobberMemory();
    }
}

}  // namespace

BENCHMARK(BM_CopySurfaceBaseline);
BENCHMARK(BM_RepaintSampleDialog);
BENCHMARK(BM_Stretch<tk::StretchNearest>)
    ->Name("BM_StretchNearest")
    ->Args({116, 236, 95, 192})
    ->Args({95, 192, 116, 236});
BENCHMARK(BM_Stretch<tk::StretchHalftone>)
    ->Name("BM_StretchHalftone")
    ->Args({116, 236, 95, 192})
    ->Args({95, 192, 116, 236});
