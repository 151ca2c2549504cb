#include "tests/wizard/WizardFixture.h"

#include "install/AideConnection.h"
#include "install/InstallList.h"
#include "resources/ResourceIds.h"
#include "resources/SetupResources.h"
#include "toolkit/MessageBox.h"
#include "toolkit/controls/Button.h"

namespace wizardtest {

std::string FileFailedText(const std::string& file)
{
    return "OlvexRemote Setup faced a problem while installing file " + file +
           ". Do you want to continue the installation?";
}

std::ostream& operator<<(std::ostream& out, const ButtonState& state)
{
    return out << "{" << (state.shown ? "shown" : "hidden") << ", "
               << (state.enabled ? "enabled" : "disabled") << ", \"" << state.label << "\"}";
}

int CurrentPageIndex(const CSetupWizardDlg& wizard)
{
    int visible = -1;
    for (int page = 0; page < PAGE_COUNT; ++page) {
        if (wizard.Page(page)->IsWindowVisible()) {
            if (visible != -1) {
                return -1;
            }
            visible = page;
        }
    }
    return visible;
}

ButtonState GetButtonState(const CSetupWizardDlg& wizard, int id)
{
    const tk::CWnd* button = wizard.GetDlgItem(id);
    if (button == nullptr) {
        return {};
    }
    return {button->IsWindowVisible(), !button->HasStyle(tk::WS_DISABLED), button->GetWindowText().Str()};
}

std::string ControlText(const CSetupWizardDlg& wizard, int page, int id)
{
    const tk::CWnd* control = wizard.Page(page)->GetDlgItem(id);
    return control != nullptr ? control->GetWindowText().Str() : "<no control>";
}

bool IsChecked(const CSetupWizardDlg& wizard, int page, int id)
{
    const auto* button = dynamic_cast<const tk::CButton*>(wizard.Page(page)->GetDlgItem(id));
    return button != nullptr && button->GetCheck() == tk::BST_CHECKED;
}

int FocusId()
{
    const tk::CWnd* focus = tk::CWnd::GetFocus();
    return focus != nullptr ? focus->GetDlgCtrlID() : 0;
}

namespace {

const tk::CWnd* NewestTopLevel()
{
    const auto& windows = tk::WindowSystem::Get().TopLevels();
    return windows.empty() ? nullptr : windows.back();
}

}  // namespace

std::string MessageBoxText()
{
    const tk::CWnd* box = NewestTopLevel();
    const tk::CWnd* text = box != nullptr ? box->GetDlgItem(tk::IDC_MESSAGE_TEXT) : nullptr;
    return text != nullptr ? text->GetWindowText().Str() : "<no message box>";
}

std::string MessageBoxTitle()
{
    const tk::CWnd* box = NewestTopLevel();
    return box != nullptr ? box->GetWindowText().Str() : "<no window>";
}

std::vector<int> MessageBoxButtons()
{
    std::vector<int> buttons;
    if (const tk::CWnd* box = NewestTopLevel()) {
        for (const int id : {tk::IDOK, tk::IDCANCEL, tk::IDYES, tk::IDNO}) {
            if (const tk::CWnd* button = box->GetDlgItem(id);
                button != nullptr && button->IsWindowVisible()) {
                buttons.push_back(id);
            }
        }
    }
    return buttons;
}

std::vector<std::string> ExpectedOffers(const char* applicationFile)
{
    std::vector<std::string> files{applicationFile};
    for (std::size_t slot = 1; slot < olvex::INSTALL_LIST_SIZE; ++slot) {
        files.emplace_back(olvex::g_installFiles[slot]);
    }
    return files;
}

void WizardTest::SetUp()
{
    HeadlessFixture::SetUp();
    RegisterSetupResources(module);
    ResetScriptedAide();
    m_previousAide = olvex::CurrentInstallAide();
    olvex::UseInstallAide(ScriptedAideCalls());
    m_wizard = std::make_unique<CSetupWizardDlg>(nullptr);
}

void WizardTest::TearDown()
{
    m_wizard.reset();
    olvex::UseInstallAide(m_previousAide);
    ResetScriptedAide();
    HeadlessFixture::TearDown();
}

void WizardTest::WalkToUserPage()
{
    display.Click(tk::IDOK).Click(IDC_ACCEPT).Click(tk::IDOK).Click(tk::IDOK).Click(tk::IDOK);
}

void WizardTest::ExpectBox(const std::string& text, const std::vector<int>& buttons)
{
    display.Then([this, text, buttons] {
        EXPECT_TRUE(BoxIsOpen()) << "expected a box saying: " << text;
        EXPECT_EQ(MessageBoxText(), text);
        EXPECT_EQ(MessageBoxTitle(), kTitle);
        EXPECT_EQ(MessageBoxButtons(), buttons);
    });
}

void WizardTest::ExpectPage(int page)
{
    display.Then([this, page] {
        EXPECT_FALSE(BoxIsOpen());
        EXPECT_EQ(CurrentPageIndex(Wizard()), page);
    });
}

void WizardTest::EndFromAnyPage()
{
    display.Then([this] {
        if (CurrentPageIndex(Wizard()) <= PAGE_USER) {
            display.Press(tk::Key::Escape).Answer(tk::IDYES);
        }
        display.Click(tk::IDOK);
    });
}

int WizardTest::MessageBoxesShown() const
{
    int boxes = 0;
    for (const auto& [id, record] : display.Windows()) {
        boxes += record.description.kind == tk::WindowKind::MessageBox ? 1 : 0;
    }
    return boxes;
}

bool WizardTest::BoxIsOpen() const
{
    return display.Window(display.Waiting()).description.kind == tk::WindowKind::MessageBox;
}

}  // namespace wizardtest
