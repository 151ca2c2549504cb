#include "toolkit/sample/SampleDialog.h"
#include "tests/support/HeadlessFixture.h"
#include "toolkit/DialogManager.h"
#include "toolkit/MessageBox.h"
#include "toolkit/controls/Button.h"
#include "toolkit/controls/Edit.h"

using namespace tk;
using namespace sample;

namespace {

class SampleDialogTest : public testsupport::HeadlessFixture {
protected:
    void SetUp() override
    {
        HeadlessFixture::SetUp();
        RegisterSampleResources(module);
    }

    int FocusId() const
    {
        CWnd* focus = CWnd::GetFocus();
        return focus != nullptr ? focus->GetDlgCtrlID() : 0;
    }

    CSampleDialog dialog;
};

TEST_F(SampleDialogTest, OpensCentredWithFocusOnFirstTabStopAndEscCancels)
{
    display.Then([&] {
        const auto& window = display.Window(display.Waiting());
        EXPECT_EQ(window.description.title, "Toolkit Sample");
        const Size size = window.description.clientSize;
        EXPECT_EQ(window.description.position.x, (1024 - size.width) / 2);
        EXPECT_EQ(window.description.position.y, (768 - size.height) / 2);
        EXPECT_EQ(FocusId(), IDC_NOTES);
        EXPECT_GT(window.presents, 0);
    });
    display.Press(Key::Escape);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_TRUE(display.ScriptDone());
}

TEST_F(SampleDialogTest, TabVisitsTabStopsInTemplateOrderBothWays)
{
    std::vector<int> forward;
    std::vector<int> backward;
    for (int i = 0; i < 6; ++i) {
        display.Press(Key::Tab).Then([&] { forward.push_back(FocusId()); });
    }
    for (int i = 0; i < 6; ++i) {
        display.Press(Key::Tab, {true, false, false}).Then([&] { backward.push_back(FocusId()); });
    }
    display.Press(Key::Escape);
    dialog.DoModal();
    // The radio group is entered on its checked button, Green, whichever way Tab goes.
    EXPECT_EQ(forward, (std::vector<int>{IDC_GREEN, IDC_ITEMS, IDC_ASK, IDOK, IDCANCEL, IDC_NOTES}));
    EXPECT_EQ(backward, (std::vector<int>{IDCANCEL, IDOK, IDC_ASK, IDC_ITEMS, IDC_GREEN, IDC_NOTES}));
}

TEST_F(SampleDialogTest, ArrowsMoveAndCheckWithinTheRadioGroupAndStoreOnOk)
{
    std::vector<int> focus;
    display.Press(Key::Tab);  // onto the group, at its checked button, Green
    display.Press(Key::Down).Then([&] { focus.push_back(FocusId()); });
    display.Press(Key::Down).Then([&] { focus.push_back(FocusId()); });  // wraps to the first
    display.Press(Key::Down).Then([&] { focus.push_back(FocusId()); });
    display.Press(Key::Up).Then([&] { focus.push_back(FocusId()); });
    display.Press(Key::Enter);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(focus, (std::vector<int>{IDC_BLUE, IDC_RED, IDC_GREEN, IDC_RED}));
    EXPECT_EQ(dialog.m_nColour, 0);
    EXPECT_EQ(dialog.m_meter.GetPos(), 1) << "the radio click reached the dialog's handler";
}

TEST_F(SampleDialogTest, MnemonicsWithAltAndWithoutWhereTheFocusTakesNoCharacters)
{
    display.Alt('g');  // Green, focus moves there
    display.Then([&] { EXPECT_EQ(FocusId(), IDC_GREEN); });
    display.Type('l');  // Blue, no Alt needed on a radio button
    display.Then([&] { EXPECT_EQ(FocusId(), IDC_BLUE); });
    display.Alt('n');  // the label before the notes
    display.Then([&] { EXPECT_EQ(FocusId(), IDC_NOTES); });
    display.Type('r');  // the notes take characters: nothing happens
    display.Then([&] { EXPECT_EQ(FocusId(), IDC_NOTES); });
    display.Alt('a').Answer(IDNO);  // a push button's mnemonic presses it
    display.Press(Key::Enter);      // the notes keep Enter for themselves
    display.Close();
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.m_nLastAnswer, IDNO);
    EXPECT_EQ(dialog.m_nColour, 2) << "the radio button's click handler stored the choice";
}

TEST_F(SampleDialogTest, EnterPressesTheFocusedPushButtonElseTheDefault)
{
    display.Click(IDC_ASK).Then(
        [&] { EXPECT_EQ(display.Window(display.Waiting()).description.kind, WindowKind::MessageBox); });
    display.Answer(IDYES);
    display.Then([&] { EXPECT_EQ(FocusId(), IDC_ASK) << "focus returns to where it was"; });
    display.Press(Key::Enter).Answer(IDNO);      // Ask has the focus: Enter presses it
    display.Click(IDC_GREEN).Press(Key::Enter);  // a radio button: Enter presses OK
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.m_nLastAnswer, IDNO);
}

TEST_F(SampleDialogTest, DataExchangeLoadsMembersIntoControlsAndStoresThemBack)
{
    dialog.m_nColour = 2;
    display.Then([&] {
        auto* blue = dynamic_cast<CButton*>(dialog.GetDlgItem(IDC_BLUE));
        auto* notes = dialog.GetDlgItem(IDC_NOTES);
        EXPECT_EQ(blue->GetCheck(), BST_CHECKED);
        EXPECT_EQ(notes->GetWindowText().GetLength(), 10000);
        EXPECT_EQ(&dialog.m_cbItems, dialog.GetDlgItem(IDC_ITEMS)) << "the member is the control";
        CString first;
        dialog.m_cbItems.GetLBText(0, first);
        EXPECT_EQ(first, "Amplifier") << "sorted list";
    });
    display.Click(IDC_RED).Click(IDOK);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.m_nColour, 0);
    EXPECT_EQ(dialog.m_strNotes.GetLength(), 10000);
}

TEST_F(SampleDialogTest, DroppedListSelectsWithKeysAndNotifies)
{
    display.Click(IDC_ITEMS);  // drops the list
    display.Then([&] { EXPECT_TRUE(dialog.m_cbItems.GetDroppedState()); });
    display.Press(Key::Down).Press(Key::Down).Press(Key::Enter);
    display.Then([&] { EXPECT_FALSE(dialog.m_cbItems.GetDroppedState()); });
    display.Press(Key::Escape);  // closed again: Esc cancels the dialog
    dialog.DoModal();
    EXPECT_EQ(dialog.m_strItem, "DVD player");
}

TEST_F(SampleDialogTest, TextBoxScrollsByKeyWheelAndScrollBar)
{
    int afterKeys = -1;
    int afterWheel = -1;
    int afterArrowClick = -1;
    auto notes = [&] { return dynamic_cast<CEdit*>(dialog.GetDlgItem(IDC_NOTES)); };
    display.Press(Key::PageDown).Press(Key::Down).Then([&] { afterKeys = notes()->GetFirstVisibleLine(); });
    display.Wheel(-1).Then([&] { afterWheel = notes()->GetFirstVisibleLine(); });
    display.Press(Key::End, {false, true, false}).Then([&] {
        EXPECT_EQ(notes()->GetFirstVisibleLine() + 1 > 100, true)
            << "ten thousand characters make many lines";
    });
    display.Press(Key::Home, {false, true, false});
    // The scroll bar's lower arrow: the last pixels of the control, inside its border.
    display.Then([&] {
        const Rect r = notes()->RectInParent();
        display.MouseDown(IDC_NOTES, {r.Width() - 6, r.Height() - 6})
            .MouseUp(IDC_NOTES, {r.Width() - 6, r.Height() - 6});
        display.Then([&] { afterArrowClick = notes()->GetFirstVisibleLine(); });
        display.Press(Key::Escape);
    });
    dialog.DoModal();
    EXPECT_GT(afterKeys, 1);
    EXPECT_EQ(afterWheel, afterKeys + 3);
    EXPECT_EQ(afterArrowClick, 1);
}

TEST_F(SampleDialogTest, RunningOutOfScriptFailsLoudlyNamingTheWindow)
{
    try {
        dialog.DoModal();
        FAIL() << "the modal loop returned without input";
    } catch (const ScriptExhausted& error) {
        EXPECT_NE(std::string(error.what()).find("'Toolkit Sample'"), std::string::npos);
    }
}

}  // namespace
