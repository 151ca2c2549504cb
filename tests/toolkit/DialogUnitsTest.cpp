// Dialog units come from the measured dialog font; these cases recompute the base units from the glyphs
// themselves and check where the sample's controls land, pixel for pixel, at three screen densities.

#include "tests/support/HeadlessFixture.h"
#include "toolkit/gfx/Font.h"
#include "toolkit/sample/SampleDialog.h"

#include <string>

namespace {

using tk::Font;

// Half up, as the platform's multiply-and-divide rounds positive values.
int UnitsToPixels(int units, int base, int unitsPerBase)
{
    return (units * base * 2 + unitsPerBase) / (unitsPerBase * 2);
}

class DialogFontTest : public ::testing::TestWithParam<int> {};

TEST_P(DialogFontTest, BaseUnitsFollowTheLetterRuleAndTheWindowMetrics)
{
    const int dpi = GetParam();
    const auto font = Font::Load("MS Sans Serif", 8, dpi);
    int letters = 0;
    for (char upper = 'A'; upper <= 'Z'; ++upper) {
        const char lower = static_cast<char>(upper - 'A' + 'a');
        letters += font->GlyphFor(static_cast<unsigned char>(upper)).advance;
        letters += font->GlyphFor(static_cast<unsigned char>(lower)).advance;
    }
    ASSERT_GT(letters, 52) << "every letter has a glyph with an advance";
    EXPECT_EQ(font->Metrics().averageCharWidth, (letters / 26 + 1) / 2) << font->FamilyName();
    EXPECT_EQ(font->Metrics().height, font->Metrics().ascent + font->Metrics().descent);
    EXPECT_GT(font->Metrics().descent, 0);
    EXPECT_EQ(font->TextWidth("Az"), font->GlyphFor('A').advance + font->GlyphFor('z').advance);
}

TEST_P(DialogFontTest, GrowsWithTheScreenDensity)
{
    const int dpi = GetParam();
    const auto atDpi = Font::Load("MS Sans Serif", 8, dpi);
    const auto at96 = Font::Load("MS Sans Serif", 8, 96);
    if (dpi > 96) {
        EXPECT_GT(atDpi->Metrics().height, at96->Metrics().height);
        EXPECT_GE(atDpi->Metrics().averageCharWidth, at96->Metrics().averageCharWidth);
    }
}

INSTANTIATE_TEST_SUITE_P(Dpi, DialogFontTest, ::testing::Values(96, 120, 144),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return std::to_string(info.param);
                         });

TEST(DialogFontAt96Test, IsTheClassicLookAlikeWithBaseUnitsSixByThirteen)
{
    const auto font = Font::Load("MS Sans Serif", 8, 96);
    EXPECT_EQ(font->FamilyName(), "MS Sans Serif");
    EXPECT_FALSE(font->IsSubstitute());
    EXPECT_NE(font->FilePath().find("/usr/share/wine/fonts/"), std::string::npos) << font->FilePath();
    EXPECT_EQ(font->Metrics().averageCharWidth, 6);
    EXPECT_EQ(font->Metrics().height, 13);
}

// The sample opened on a headless screen of a given density: every control where its template puts it.
class SampleLayoutTest : public testsupport::HeadlessFixture, public ::testing::WithParamInterface<int> {
protected:
    void SetUp() override
    {
        HeadlessFixture::SetUp();
        display.SetDpi(GetParam());
        sample::RegisterSampleResources(module);
    }
};

TEST_P(SampleLayoutTest, ControlsLieWhereTheirDialogUnitsRoundTo)
{
    const auto font = Font::Load("MS Sans Serif", 8, GetParam());
    const int cx = font->Metrics().averageCharWidth;
    const int cy = font->Metrics().height;
    const tk::DialogTemplate& layout = *module.FindDialog(sample::IDD_SAMPLE);
    auto x = [&](int units) { return UnitsToPixels(units, cx, 4); };
    auto y = [&](int units) { return UnitsToPixels(units, cy, 8); };

    sample::CSampleDialog dialog;
    display.Then([&] {
        const auto& window = display.Window(display.Waiting());
        EXPECT_EQ(window.description.clientSize, (tk::Size{x(layout.width), y(layout.height)}));
        const auto& children = dialog.Children();
        ASSERT_EQ(children.size(), layout.controls.size());
        for (std::size_t i = 0; i < children.size(); ++i) {
            const tk::ControlTemplate& control = layout.controls[i];
            SCOPED_TRACE("control " + std::to_string(i) + " '" + control.text + "'");
            EXPECT_EQ(children[i]->GetDlgCtrlID(), control.id);
            const tk::Rect r = children[i]->RectInParent();
            EXPECT_EQ(r.left, x(control.x));
            EXPECT_EQ(r.top, y(control.y));
            EXPECT_EQ(r.Width(), x(control.width));
            // A drop-down list's template height is its dropped height; the closed field is its own.
            if (control.kind != tk::ControlKind::ComboBoxDropList) {
                EXPECT_EQ(r.Height(), y(control.height));
            }
        }
    });
    display.Press(tk::Key::Escape);
    EXPECT_EQ(dialog.DoModal(), tk::IDCANCEL);
}

INSTANTIATE_TEST_SUITE_P(Dpi, SampleLayoutTest, ::testing::Values(96, 120, 144),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return std::to_string(info.param);
                         });

}  // namespace
