// Message boxes over the sample dialog, answered as a user would: keys, the close box, a button.

#include "toolkit/MessageBox.h"
#include "tests/support/HeadlessFixture.h"
#include "toolkit/controls/Button.h"
#include "toolkit/gfx/Font.h"
#include "toolkit/gfx/TextLayout.h"
#include "toolkit/sample/SampleDialog.h"

#include <functional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace tk;

constexpr const char* kLongText =
    "The application could not be added to the install list because the handheld's user folder is not "
    "there any more. Choose another user and try again.\nDo you want to keep the changes made so far?";

constexpr unsigned int kOk = MB_OK | MB_ICONERROR;
constexpr unsigned int kOkCancel = MB_OKCANCEL | MB_ICONQUESTION;
constexpr unsigned int kYesNo = MB_YESNO | MB_ICONQUESTION;

class MessageBoxTest : public testsupport::HeadlessFixture {
protected:
    void SetUp() override
    {
        HeadlessFixture::SetUp();
        sample::RegisterSampleResources(module);
    }

    // Opens the sample, and while it waits shows a box over it that `script` answers; the sample is
    // cancelled afterwards. Returns the box's answer.
    int ShowOverSample(unsigned int type, const std::function<void()>& script, const char* text = "Text")
    {
        int answer = 0;
        display.Then([&] {
            script();
            answer = ShowMessageBox(&dialog, text, "Caption", type);
            display.Press(Key::Escape);
        });
        EXPECT_EQ(dialog.DoModal(), IDCANCEL);
        EXPECT_TRUE(display.ScriptDone()) << "every scripted step was taken";
        return answer;
    }

    static CWnd& Box()
    {
        CWnd* box = WindowSystem::Get().TopLevels().back();
        EXPECT_TRUE(box->IsTopLevel());
        return *box;
    }

    const HeadlessDisplay::WindowRecord& WaitingWindow() const { return display.Window(display.Waiting()); }

    sample::CSampleDialog dialog;
};

// ---------------------------------------------------------------------------------------------------------
// Buttons of each type

struct TypeCase {
    const char* name;
    unsigned int type;
    std::vector<std::pair<int, std::string>> buttons;
    bool closeBox;
};
void PrintTo(const TypeCase& c, std::ostream* out)
{
    *out << c.name;
}

class MessageBoxTypeTest : public MessageBoxTest, public ::testing::WithParamInterface<TypeCase> {};

TEST_P(MessageBoxTypeTest, ShowsTheButtonsOfItsTypeWithTheFirstAsDefault)
{
    const TypeCase& c = GetParam();
    ShowOverSample(c.type, [&] {
        display.Then([&] {
            std::vector<std::pair<int, std::string>> buttons;
            for (CWnd* child : Box().Children()) {
                if (auto* button = dynamic_cast<CButton*>(child);
                    button != nullptr && button->IsWindowVisible()) {
                    buttons.emplace_back(button->GetDlgCtrlID(), button->GetWindowText().Str());
                }
            }
            EXPECT_EQ(buttons, c.buttons);
            EXPECT_EQ(Box().GetWindowText(), "Caption");
            EXPECT_EQ(WaitingWindow().description.closeBoxEnabled, c.closeBox);
            ASSERT_NE(CWnd::GetFocus(), nullptr);
            EXPECT_EQ(CWnd::GetFocus()->GetDlgCtrlID(), c.buttons.front().first)
                << "the first button has the focus";
            auto* first = dynamic_cast<CButton*>(Box().GetDlgItem(c.buttons.front().first));
            EXPECT_TRUE(first->LooksDefault());
        });
        display.Answer(c.buttons.back().first);
    });
}

INSTANTIATE_TEST_SUITE_P(
    Types, MessageBoxTypeTest,
    ::testing::Values(TypeCase{"OkError", kOk, {{IDOK, "OK"}}, true},
                      TypeCase{"OkCancelQuestion", kOkCancel, {{IDOK, "OK"}, {IDCANCEL, "Cancel"}}, true},
                      TypeCase{"YesNoQuestion", kYesNo, {{IDYES, "&Yes"}, {IDNO, "&No"}}, false}),
    [](const ::testing::TestParamInfo<TypeCase>& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------------------------------------
// Answers

enum class Act { Tab, Enter, Escape, Close, StillOpen, Ok, Cancel, Yes, No };

struct AnswerCase {
    const char* name;
    unsigned int type;
    std::vector<Act> acts;
    int expected;
};
void PrintTo(const AnswerCase& c, std::ostream* out)
{
    *out << c.name;
}

class MessageBoxAnswerTest : public MessageBoxTest, public ::testing::WithParamInterface<AnswerCase> {
protected:
    void Queue(Act act)
    {
        switch (act) {
        case Act::Tab:
            display.Press(Key::Tab);
            break;
        case Act::Enter:
            display.Press(Key::Enter);
            break;
        case Act::Escape:
            display.Press(Key::Escape);
            break;
        case Act::Close:
            display.Close();
            break;
        case Act::StillOpen:
            display.Then([this] {
                EXPECT_EQ(WaitingWindow().description.kind, WindowKind::MessageBox)
                    << "the box is still open";
            });
            break;
        case Act::Ok:
            display.Answer(IDOK);
            break;
        case Act::Cancel:
            display.Answer(IDCANCEL);
            break;
        case Act::Yes:
            display.Answer(IDYES);
            break;
        case Act::No:
            display.Answer(IDNO);
            break;
        }
    }
};

TEST_P(MessageBoxAnswerTest, AnswersWithTheButtonTheUserChose)
{
    const AnswerCase& c = GetParam();
    const int answer = ShowOverSample(c.type, [&] {
        for (Act act : c.acts) {
            Queue(act);
        }
    });
    EXPECT_EQ(answer, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, MessageBoxAnswerTest,
    ::testing::Values(
        AnswerCase{"Ok_Enter", kOk, {Act::Enter}, IDOK}, AnswerCase{"Ok_Escape", kOk, {Act::Escape}, IDOK},
        AnswerCase{"Ok_Close", kOk, {Act::Close}, IDOK}, AnswerCase{"Ok_Button", kOk, {Act::Ok}, IDOK},
        AnswerCase{"OkCancel_Enter", kOkCancel, {Act::Enter}, IDOK},
        AnswerCase{"OkCancel_Escape", kOkCancel, {Act::Escape}, IDCANCEL},
        AnswerCase{"OkCancel_Close", kOkCancel, {Act::Close}, IDCANCEL},
        AnswerCase{"OkCancel_Ok", kOkCancel, {Act::Ok}, IDOK},
        AnswerCase{"OkCancel_Cancel", kOkCancel, {Act::Cancel}, IDCANCEL},
        AnswerCase{"YesNo_Enter", kYesNo, {Act::Enter}, IDYES},
        AnswerCase{"YesNo_Yes", kYesNo, {Act::Yes}, IDYES}, AnswerCase{"YesNo_No", kYesNo, {Act::No}, IDNO},
        AnswerCase{"YesNo_EscapeAndCloseDoNothing",
                   kYesNo,
                   {Act::Escape, Act::StillOpen, Act::Close, Act::StillOpen, Act::No},
                   IDNO},
        AnswerCase{"YesNo_TabThenEnterPressesNo", kYesNo, {Act::Tab, Act::Enter}, IDNO}),
    [](const ::testing::TestParamInfo<AnswerCase>& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------------------------------------
// Placement, size and the owner

class MessageBoxLayoutTest : public MessageBoxTest, public ::testing::WithParamInterface<unsigned int> {};

TEST_P(MessageBoxLayoutTest, SitsCentredOverItsOwnerWithAllOfItsTextInside)
{
    ShowOverSample(
        GetParam(),
        [&] {
            display.Then([&] {
                const auto& box = WaitingWindow();
                const auto& owner = display.Window(*box.description.owner);
                EXPECT_EQ(box.description.kind, WindowKind::MessageBox);
                EXPECT_EQ(owner.description.title, "Toolkit Sample");
                const Size b = box.description.clientSize;
                const Size o = owner.description.clientSize;
                EXPECT_EQ(box.description.position.x, owner.description.position.x + (o.width - b.width) / 2);
                EXPECT_EQ(box.description.position.y,
                          owner.description.position.y + (o.height - b.height) / 2);

                const Rect client{0, 0, b.width, b.height};
                CWnd* text = Box().GetDlgItem(IDC_MESSAGE_TEXT);
                ASSERT_NE(text, nullptr);
                EXPECT_EQ(text->GetWindowText(), kLongText);
                const Rect r = text->RectInParent();
                EXPECT_EQ(r.Intersect(client), r) << "the text lies inside the box";
                const Font& font = text->GetFont();
                const auto lines = WrapText(font, kLongText, r.Width(), LongWords::Overflow);
                EXPECT_GE(lines.size(), 3U) << "a long text wraps";
                EXPECT_LE(static_cast<int>(lines.size()) * font.Metrics().height, r.Height())
                    << "no line is cut off";
                for (const TextLine& line : lines) {
                    EXPECT_LE(font.TextWidth(line.text), r.Width()) << line.text;
                }
                // The icon sits in the top-left margin; the text starts to its right.
                const int iconRight = Box().MapDialogX(7) + GetSystemMetrics(SM_CXICON);
                EXPECT_GE(r.left, iconRight);

                for (CWnd* child : Box().Children()) {
                    if (dynamic_cast<CButton*>(child) == nullptr) {
                        continue;
                    }
                    const Rect button = child->RectInParent();
                    EXPECT_EQ(button.Intersect(client), button)
                        << "button " << child->GetDlgCtrlID() << " inside";
                    EXPECT_GE(button.top, r.bottom) << "buttons below the text";
                }
            });
            display.Press(Key::Enter);
        },
        kLongText);
}

INSTANTIATE_TEST_SUITE_P(Types, MessageBoxLayoutTest, ::testing::Values(kOk, kOkCancel, kYesNo));

TEST_F(MessageBoxTest, OwnerTakesNoInputWhileTheBoxIsOpenAndGetsItsFocusBack)
{
    const auto send = [](NativeWindowId window, InputEvent::Type type, Key key, Point position) {
        InputEvent event;
        event.type = type;
        event.window = window;
        event.key = key;
        event.position = position;
        WindowSystem::Get().Dispatch(event);
    };
    int answer = 0;
    display.Press(Key::Tab).Press(Key::Tab);  // onto the device list
    display.Then([&] {
        ASSERT_EQ(CWnd::GetFocus()->GetDlgCtrlID(), sample::IDC_ITEMS);
        const NativeWindowId owner = display.Waiting();
        display.Then([&, owner] {
            EXPECT_FALSE(dialog.IsWindowEnabled());
            // What a real screen could still deliver to the owner: Esc, and a click on Red.
            send(owner, InputEvent::Type::KeyDown, Key::Escape, {});
            const Point red = dialog.GetDlgItem(sample::IDC_RED)->RectInTopLevel().Center();
            send(owner, InputEvent::Type::MouseDown, Key::None, red);
            send(owner, InputEvent::Type::MouseUp, Key::None, red);
            EXPECT_EQ(WaitingWindow().description.kind, WindowKind::MessageBox);
        });
        display.Answer(IDYES);
        answer = ShowMessageBox(&dialog, "Text", "Caption", kYesNo);
        EXPECT_TRUE(dialog.IsWindowEnabled());
        ASSERT_NE(CWnd::GetFocus(), nullptr);
        EXPECT_EQ(CWnd::GetFocus()->GetDlgCtrlID(), sample::IDC_ITEMS) << "focus back where it was";
        display.Click(IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK) << "the Esc sent to the owner did not cancel it";
    EXPECT_EQ(answer, IDYES);
    EXPECT_EQ(dialog.m_nColour, 1) << "the click on Red did not reach the owner";
}

}  // namespace
