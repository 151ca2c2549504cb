// Scaled copies on bitmaps small enough that every expected pixel can be worked out by hand.

#include "toolkit/gfx/Stretch.h"
#include "toolkit/gfx/Surface.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using tk::Color;
using tk::Rect;
using tk::Rgb;
using tk::Surface;

constexpr Color kUntouched = Rgb(1, 2, 3);

Surface FromRows(int width, int height, std::initializer_list<Color> pixels)
{
    Surface surface(width, height);
    auto it = pixels.begin();
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            surface.Set(x, y, *it++);
        }
    }
    return surface;
}

// Different in every channel of every pixel, so a pixel taken from the wrong place shows.
Surface Pattern(int width, int height)
{
    Surface surface(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            surface.Set(x, y,
                        Rgb(static_cast<std::uint8_t>(x * 40 + y), static_cast<std::uint8_t>(y * 30 + 7),
                            static_cast<std::uint8_t>(x * y * 9 + 3)));
        }
    }
    return surface;
}

TEST(StretchHalftoneTest, HalvingAveragesEachTwoByTwoBlockExactly)
{
    // Each block's four values in each channel sum to a multiple of four.
    const Surface source = FromRows(4, 4,
                                    {Rgb(10, 0, 255), Rgb(20, 4, 255), Rgb(100, 200, 0), Rgb(0, 0, 0),
                                     Rgb(30, 8, 255), Rgb(40, 12, 251), Rgb(0, 0, 4), Rgb(252, 252, 252),
                                     Rgb(1, 2, 3), Rgb(3, 2, 1), Rgb(250, 250, 250), Rgb(250, 250, 250),
                                     Rgb(5, 6, 7), Rgb(7, 6, 5), Rgb(250, 250, 250), Rgb(254, 254, 254)});
    Surface target(2, 2, kUntouched);
    tk::StretchHalftone(source, target, target.Bounds(), target.Bounds());
    EXPECT_EQ(target.At(0, 0), Rgb(25, 6, 254));
    EXPECT_EQ(target.At(1, 0), Rgb(88, 113, 64));
    EXPECT_EQ(target.At(0, 1), Rgb(4, 4, 4));
    EXPECT_EQ(target.At(1, 1), Rgb(251, 251, 251));
}

TEST(StretchHalftoneTest, WideningMixesByTheAreaEachSourcePixelCovers)
{
    // Three target pixels over two source pixels: the middle one covers a third of each, half and half.
    const Surface source = FromRows(2, 1, {Rgb(0, 100, 200), Rgb(240, 50, 0)});
    Surface target(3, 1, kUntouched);
    tk::StretchHalftone(source, target, target.Bounds(), target.Bounds());
    EXPECT_EQ(target.At(0, 0), Rgb(0, 100, 200));
    EXPECT_EQ(target.At(1, 0), Rgb(120, 75, 100));
    EXPECT_EQ(target.At(2, 0), Rgb(240, 50, 0));
}

TEST(StretchHalftoneTest, ThreeToTwoWeighsTheSharedPixelByItsCoveredPart)
{
    // Target pixel 0 covers source [0, 1.5): two thirds from the first pixel, one third from the second.
    const Surface source = FromRows(3, 1, {Rgb(0, 0, 0), Rgb(90, 150, 210), Rgb(30, 60, 90)});
    Surface target(2, 1, kUntouched);
    tk::StretchHalftone(source, target, target.Bounds(), target.Bounds());
    EXPECT_EQ(target.At(0, 0), Rgb(30, 50, 70));
    EXPECT_EQ(target.At(1, 0), Rgb(50, 90, 130));
}

struct CopyCase {
    const char* name;
    void (*stretch)(const Surface&, Surface&, const Rect&, const Rect&);
};

class SameSizeCopyTest : public ::testing::TestWithParam<CopyCase> {};

TEST_P(SameSizeCopyTest, CopiesEveryPixelUnchangedAndNothingAround)
{
    const Surface source = Pattern(5, 4);
    Surface target(9, 8, kUntouched);
    const Rect where{2, 3, 7, 7};
    GetParam().stretch(source, target, where, target.Bounds());
    for (int y = 0; y < target.Height(); ++y) {
        for (int x = 0; x < target.Width(); ++x) {
            const Color expected = where.Contains({x, y}) ? source.At(x - 2, y - 3) : kUntouched;
            ASSERT_EQ(target.At(x, y), expected) << "at " << x << "," << y;
        }
    }
}

TEST_P(SameSizeCopyTest, DrawsOnlyInsideTheClipWithTheSamePixelsAsUnclipped)
{
    const Surface source = Pattern(4, 4);
    Surface whole(10, 10, kUntouched);
    GetParam().stretch(source, whole, {1, 1, 9, 9}, whole.Bounds());

    Surface clipped(10, 10, kUntouched);
    const Rect clip{3, 2, 6, 7};
    GetParam().stretch(source, clipped, {1, 1, 9, 9}, clip);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x) {
            ASSERT_EQ(clipped.At(x, y), clip.Contains({x, y}) ? whole.At(x, y) : kUntouched)
                << "at " << x << "," << y;
        }
    }
}

TEST_P(SameSizeCopyTest, ATargetHangingOffTheSurfaceIsCutAtItsEdge)
{
    const Surface source = Pattern(4, 4);
    Surface target(3, 3, kUntouched);
    GetParam().stretch(source, target, {-2, -2, 2, 2}, target.Bounds());
    EXPECT_EQ(target.At(0, 0), source.At(2, 2));
    EXPECT_EQ(target.At(1, 1), source.At(3, 3));
    EXPECT_EQ(target.At(2, 2), kUntouched);
}

INSTANTIATE_TEST_SUITE_P(Modes, SameSizeCopyTest,
                         ::testing::Values(CopyCase{"Halftone", &tk::StretchHalftone},
                                           CopyCase{"Nearest", &tk::StretchNearest}),
                         [](const ::testing::TestParamInfo<CopyCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(StretchNearestTest, TakesOneSourcePixelPerTargetPixelWhereHalftoneMixes)
{
    // One-pixel black and white stripes, halved: the nearest copy keeps the contrast, halftone turns grey.
    const Color black = Rgb(0, 0, 0);
    const Color white = Rgb(255, 255, 255);
    const Surface stripes = FromRows(4, 1, {black, white, black, white});
    Surface nearest(2, 1, kUntouched);
    Surface halftone(2, 1, kUntouched);
    tk::StretchNearest(stripes, nearest, nearest.Bounds(), nearest.Bounds());
    tk::StretchHalftone(stripes, halftone, halftone.Bounds(), halftone.Bounds());
    EXPECT_EQ(nearest.At(0, 0), black);
    EXPECT_EQ(nearest.At(1, 0), black);
    EXPECT_EQ(halftone.At(0, 0), Rgb(128, 128, 128));
}

TEST(StretchNearestTest, DoublingRepeatsEachPixelAsATwoByTwoBlock)
{
    const Surface source = Pattern(3, 2);
    Surface target(6, 4, kUntouched);
    tk::StretchNearest(source, target, target.Bounds(), target.Bounds());
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 6; ++x) {
            ASSERT_EQ(target.At(x, y), source.At(x / 2, y / 2)) << "at " << x << "," << y;
        }
    }
}

TEST(StretchTest, AnEmptySourceOrTargetDrawsNothing)
{
    Surface target(4, 4, kUntouched);
    for (auto stretch : {&tk::StretchHalftone, &tk::StretchNearest}) {
        stretch(Surface(), target, target.Bounds(), target.Bounds());
        stretch(Pattern(2, 2), target, {2, 2, 2, 4}, target.Bounds());
        stretch(Pattern(2, 2), target, target.Bounds(), {});
    }
    EXPECT_TRUE(
        std::all_of(target.Pixels().begin(), target.Pixels().end(), [](Color c) { return c == kUntouched; }));
}

}  // namespace
