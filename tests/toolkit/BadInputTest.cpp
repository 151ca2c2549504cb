// Templates, resources and data exchange that are wrong: each gives a clear error, never a crash.

#include "tests/support/HeadlessFixture.h"
#include "toolkit/DataExchange.h"
#include "toolkit/Dialog.h"
#include "toolkit/Gdi.h"
#include "toolkit/controls/Button.h"
#include "toolkit/gfx/Font.h"
#include "toolkit/sample/SampleDialog.h"

#include <gmock/gmock.h>

#include <array>
#include <functional>
#include <stdexcept>
#include <string>

namespace {

using namespace tk;
using ::testing::AllOf;
using ::testing::HasSubstr;

class BadInputTest : public testsupport::HeadlessFixture {};

TEST_F(BadInputTest, ATemplateNamingAMissingFontOpensInASimilarFaceAndSaysSo)
{
    DialogTemplate layout;
    layout.id = 300;
    layout.caption = "Missing Font";
    layout.width = 120;
    layout.height = 50;
    layout.font.family = "No Such Font 123";
    layout.controls = {
        {-1, ControlKind::StaticText, "Some text in the face used instead.", 7, 7, 106, 9, WS_VISIBLE},
        {IDOK, ControlKind::PushButton, "OK", 63, 29, 50, 14, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON},
    };
    module.AddDialog(layout);

    CDialog dialog(300);
    std::string family;
    display.Then([&] {
        const Font& font = dialog.GetFont();
        family = font.FamilyName();
        EXPECT_TRUE(font.IsSubstitute());
        EXPECT_GT(font.Metrics().averageCharWidth, 3);
        EXPECT_GT(font.Metrics().height, 9);
        EXPECT_TRUE(dialog.GetDlgItem(IDOK)->IsWindowVisible());
    });
    display.Press(Key::Enter);
    ::testing::internal::CaptureStderr();
    const int result = dialog.DoModal();
    const std::string errors = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(result, IDOK);
    EXPECT_THAT(family, ::testing::AnyOf("Liberation Sans", "DejaVu Sans", "MS Sans Serif"));
    EXPECT_THAT(errors, AllOf(HasSubstr("No Such Font 123"), HasSubstr(family)));
}

TEST_F(BadInputTest, DoModalOfAMissingTemplateGivesMinusOneAndOpensNothing)
{
    CDialog dialog(4242);
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(dialog.DoModal(), -1);
    EXPECT_THAT(::testing::internal::GetCapturedStderr(), HasSubstr("4242"));
    EXPECT_TRUE(display.Windows().empty());
    EXPECT_TRUE(WindowSystem::Get().TopLevels().empty());
}

// ---------------------------------------------------------------------------------------------------------
// Data exchange with a control the dialog does not have

struct ExchangeCase {
    const char* name;
    std::function<void(CDataExchange*)> exchange;
};

class SampleExchangeTest : public BadInputTest {
protected:
    void SetUp() override
    {
        BadInputTest::SetUp();
        sample::RegisterSampleResources(module);
    }
};

class DataExchangeErrorTest : public SampleExchangeTest,
                              public ::testing::WithParamInterface<ExchangeCase> {};

TEST_P(DataExchangeErrorTest, ThrowsNamingTheDialogAndTheIdInBothDirections)
{
    sample::CSampleDialog dialog;
    display.Then([&] {
        for (const bool save : {false, true}) {
            CDataExchange exchange(&dialog, save);
            try {
                GetParam().exchange(&exchange);
                ADD_FAILURE() << "no error for the missing control, save " << save;
            } catch (const std::invalid_argument& error) {
                EXPECT_THAT(error.what(), AllOf(HasSubstr("dialog 100"), HasSubstr("4242")));
            }
        }
    });
    display.Press(Key::Escape);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL) << "the dialog goes on working";
}

CString g_text;
int g_radio = 0;
CButton g_button;

INSTANTIATE_TEST_SUITE_P(
    Exchanges, DataExchangeErrorTest,
    ::testing::Values(ExchangeCase{"Text", [](CDataExchange* dx) { DDX_Text(dx, 4242, g_text); }},
                      ExchangeCase{"Radio", [](CDataExchange* dx) { DDX_Radio(dx, 4242, g_radio); }},
                      ExchangeCase{"Control", [](CDataExchange* dx) { DDX_Control(dx, 4242, g_button); }}),
    [](const ::testing::TestParamInfo<ExchangeCase>& info) { return std::string(info.param.name); });

// A dialog whose own exchange names a control its template lacks: DoModal reports it and leaves no window.
class MisspelledExchangeDialog final : public sample::CSampleDialog {
public:
    void DoDataExchange(CDataExchange* exchange) override
    {
        sample::CSampleDialog::DoDataExchange(exchange);
        DDX_Text(exchange, 4242, m_strNotes);
    }
};

TEST_F(SampleExchangeTest, AnExchangeErrorWhileOpeningLeavesNoWindowBehind)
{
    MisspelledExchangeDialog dialog;
    EXPECT_THROW(dialog.DoModal(), std::invalid_argument);
    EXPECT_TRUE(WindowSystem::Get().TopLevels().empty());
    EXPECT_EQ(WindowSystem::Get().Focus(), nullptr);
}

// ---------------------------------------------------------------------------------------------------------
// Resources that are missing or broken

TEST_F(BadInputTest, MissingOrBrokenResourcesGiveFalseOrNothing)
{
    static constexpr std::array<unsigned char, 6> kGarbage{'B', 'M', 1, 2, 3, 4};
    module.AddBinary(RT_BITMAP, 7, kGarbage);
    module.AddBinary(RT_ICON, 8, kGarbage);

    CBitmap bitmap;
    EXPECT_FALSE(bitmap.LoadBitmap(6)) << "missing";
    EXPECT_FALSE(bitmap.LoadBitmap(7)) << "broken";
    BITMAP info;
    EXPECT_EQ(bitmap.GetBitmap(&info), 0);
    EXPECT_EQ(LiveDrawingObjects(), 0);

    EXPECT_EQ(LoadIcon(6), nullptr) << "missing";
    EXPECT_EQ(LoadIcon(8), nullptr) << "broken";

    EXPECT_EQ(FindResource(6, RT_BITMAP), nullptr);
    EXPECT_EQ(FindResource(7, RT_ICON), nullptr) << "the id exists, but as another type";
    EXPECT_EQ(LoadResource(nullptr), nullptr);
    EXPECT_EQ(SizeofResource(nullptr), 0U);
    ASSERT_NE(FindResource(7, RT_BITMAP), nullptr);
    EXPECT_EQ(SizeofResource(FindResource(7, RT_BITMAP)), kGarbage.size());
}

TEST_F(BadInputTest, LoadingAStringThatIsNotInTheTableEmptiesTheString)
{
    module.AddString(5, "Five");
    CString text("left over");
    EXPECT_FALSE(text.LoadString(6));
    EXPECT_TRUE(text.IsEmpty());
    EXPECT_TRUE(text.LoadString(5));
    EXPECT_EQ(text, "Five");
    EXPECT_TRUE(LoadStringResource(6).IsEmpty());
}

}  // namespace
