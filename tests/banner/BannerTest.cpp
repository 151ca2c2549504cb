// The wizard's banner and its minimised icon, painted on the headless display with pictures whose
// colours tell which bitmap was drawn where.
#include "resources/ResourceIds.h"
#include "resources/SetupResources.h"
#include "shell/SetupWizardDlg.h"
#include "tests/support/HeadlessFixture.h"
#include "toolkit/Gdi.h"

#include <cstdint>
#include <vector>

using namespace tk;

namespace {

constexpr Color kSmallColour = Rgb(200, 30, 30);
constexpr Color kLargeColour = Rgb(30, 30, 200);
constexpr Color kIconColour = Rgb(20, 160, 40);

void PutU16(std::vector<unsigned char>& out, std::size_t at, unsigned value)
{
    out[at] = static_cast<unsigned char>(value);
    out[at + 1] = static_cast<unsigned char>(value >> 8U);
}
void PutU32(std::vector<unsigned char>& out, std::size_t at, unsigned value)
{
    PutU16(out, at, value & 0xFFFFU);
    PutU16(out, at + 2, value >> 16U);
}

// An 8-bit bitmap file of one colour, as the banners are stored.
std::vector<unsigned char> SolidBitmap(int width, int height, Color colour)
{
    const auto rowBytes = (static_cast<std::size_t>(width) + 3) / 4 * 4;
    const std::size_t pixelOffset = 14 + 40 + 256 * 4;
    std::vector<unsigned char> file(pixelOffset + rowBytes * static_cast<std::size_t>(height), 0);
    file[0] = 'B';
    file[1] = 'M';
    PutU32(file, 2, static_cast<unsigned>(file.size()));
    PutU32(file, 10, static_cast<unsigned>(pixelOffset));
    PutU32(file, 14, 40);
    PutU32(file, 18, static_cast<unsigned>(width));
    PutU32(file, 22, static_cast<unsigned>(height));
    PutU16(file, 26, 1);
    PutU16(file, 28, 8);
    file[54 + 0] = BlueOf(colour);
    file[54 + 1] = GreenOf(colour);
    file[54 + 2] = RedOf(colour);
    return file;  // every pixel is palette entry 0
}

// A 32 x 32 icon of one opaque colour.
std::vector<unsigned char> SolidIcon(Color colour)
{
    const int size = 32;
    const std::size_t image =
        40 + 4 + static_cast<std::size_t>(size) * size * 4 + static_cast<std::size_t>(size) * 4;
    std::vector<unsigned char> file(6 + 16 + image, 0);
    PutU16(file, 2, 1);
    PutU16(file, 4, 1);
    file[6] = size;
    file[7] = size;
    PutU32(file, 6 + 8, static_cast<unsigned>(image));
    PutU32(file, 6 + 12, 22);
    const std::size_t header = 22;
    PutU32(file, header, 40);
    PutU32(file, header + 4, size);
    PutU32(file, header + 8, size * 2);
    PutU16(file, header + 12, 1);
    PutU16(file, header + 14, 32);
    for (std::size_t i = 0; i < static_cast<std::size_t>(size) * size; ++i) {
        const std::size_t at = header + 40 + i * 4;
        file[at] = BlueOf(colour);
        file[at + 1] = GreenOf(colour);
        file[at + 2] = RedOf(colour);
        file[at + 3] = 255;
    }
    return file;  // an all-zero mask: every pixel shows
}

class BannerTest : public testsupport::HeadlessFixture {
protected:
    void SetUp() override
    {
        HeadlessFixture::SetUp();
        RegisterSetupResources(module);
        module.AddBinary(RT_BITMAP, IDB_BANNER_SMALL, m_small);
        module.AddBinary(RT_BITMAP, IDB_BANNER_LARGE, m_large);
        module.AddBinary(RT_ICON, IDR_MAINFRAME, m_icon);
    }

    // Runs `check` while the wizard is open, then cancels it.
    template <class Check> void WithWizard(Check check)
    {
        CSetupWizardDlg wizard;
        display.Then([&] { check(wizard); }).Click(IDCANCEL).Answer(IDYES).Click(IDOK);
        wizard.DoModal();
    }

    static Rect BannerRect(CSetupWizardDlg& wizard) { return wizard.GetDlgItem(IDC_BANNER)->RectInParent(); }

    // Paints the wizard afresh and returns what it shows.
    static Surface Painted(CSetupWizardDlg& wizard)
    {
        Surface surface;
        WindowSystem::Get().Paint(wizard, surface);
        return surface;
    }

    // Every pixel inside the one-pixel frame line has `inside`; the line itself is black.
    static void ExpectFilledFrame(const Surface& surface, const Rect& frame, Color inside)
    {
        int wrongInside = 0;
        int wrongLine = 0;
        for (int y = frame.top; y < frame.bottom; ++y) {
            for (int x = frame.left; x < frame.right; ++x) {
                const bool onLine =
                    x == frame.left || y == frame.top || x == frame.right - 1 || y == frame.bottom - 1;
                const Color expected = onLine ? colors::WindowFrame : inside;
                if (surface.At(x, y) != expected) {
                    ++(onLine ? wrongLine : wrongInside);
                }
            }
        }
        EXPECT_EQ(wrongInside, 0) << "pixels inside the frame that the picture does not cover";
        EXPECT_EQ(wrongLine, 0) << "pixels of the frame line not drawn over the picture";
    }

    std::vector<unsigned char> m_small = SolidBitmap(95, 192, kSmallColour);
    std::vector<unsigned char> m_large = SolidBitmap(116, 236, kLargeColour);
    std::vector<unsigned char> m_icon = SolidIcon(kIconColour);
};

TEST_F(BannerTest, FrameWidthChoosesThePictureAndThePictureFillsTheFrame)
{
    struct Case {
        int width;
        Color expected;
    };
    for (const Case& c : {Case{105, kSmallColour}, Case{106, kLargeColour}, Case{60, kSmallColour}}) {
        WithWizard([&](CSetupWizardDlg& wizard) {
            // Widened to the left, so that the frame keeps clear of the page area on its right.
            CWnd* banner = wizard.GetDlgItem(IDC_BANNER);
            const Rect r = banner->RectInParent();
            banner->MoveWindow(r.right - c.width, r.top, c.width, r.Height());
            ExpectFilledFrame(Painted(wizard), BannerRect(wizard), c.expected);
        });
    }
}

TEST_F(BannerTest, ScreenResolutionGrowsTheDialogAndPicksTheLargePicture)
{
    struct Case {
        int dpi;
        Color expected;
    };
    int widthAt96 = 0;
    for (const Case& c : {Case{96, kSmallColour}, Case{120, kLargeColour}, Case{144, kLargeColour}}) {
        display.SetDpi(c.dpi);
        WithWizard([&](CSetupWizardDlg& wizard) {
            const Rect banner = BannerRect(wizard);
            if (c.dpi == 96) {
                widthAt96 = banner.Width();
                EXPECT_EQ(banner.Width(), 95) << "63 dialog units of a 6 x 13 font";
                EXPECT_EQ(banner.Height(), 192);
            } else {
                EXPECT_GT(banner.Width(), widthAt96);
            }
            ExpectFilledFrame(Painted(wizard), banner, c.expected);
        });
    }
}

TEST_F(BannerTest, MissingBitmapsLeaveTheFaceInsideTheFrameAndTheWizardWorks)
{
    module.RemoveBinary(RT_BITMAP, IDB_BANNER_SMALL);
    module.RemoveBinary(RT_BITMAP, IDB_BANNER_LARGE);
    CSetupWizardDlg wizard;
    display.Then([&] { ExpectFilledFrame(Painted(wizard), BannerRect(wizard), colors::ButtonFace); });
    display.Click(IDOK).Then([&] { EXPECT_EQ(wizard.CurrentPage(), PAGE_LICENSE); });
    display.Click(IDCANCEL).Answer(IDYES).Click(IDOK);
    EXPECT_EQ(wizard.DoModal(), IDOK);
}

TEST_F(BannerTest, MinimisedWizardCentresItsIcon)
{
    struct Case {
        int clientSize;
        int expectedCorner;
    };
    for (const Case& c : {Case{36, 2}, Case{37, 3}}) {
        CSetupWizardDlg wizard;
        display.Minimize({c.clientSize, c.clientSize}).Then([&] {
            const Surface shown = display.Window(display.Waiting()).frame;
            ASSERT_EQ(shown.Width(), c.clientSize);
            const int at = c.expectedCorner;
            EXPECT_EQ(shown.At(at, at), kIconColour);
            EXPECT_EQ(shown.At(at + 31, at + 31), kIconColour);
            EXPECT_EQ(shown.At(at - 1, at - 1), colors::ButtonFace);
            EXPECT_EQ(shown.At(at + 32, at + 32), colors::ButtonFace);
        });
        display.Restore().Click(IDCANCEL).Answer(IDYES).Click(IDOK);
        wizard.DoModal();
    }
}

TEST_F(BannerTest, PaintsReleaseEveryDrawingObject)
{
    WithWizard([&](CSetupWizardDlg& wizard) {
        const int before = LiveDrawingObjects();
        for (int i = 0; i < 200; ++i) {
            Painted(wizard);
        }
        EXPECT_EQ(LiveDrawingObjects(), before);
    });
}

}  // namespace
