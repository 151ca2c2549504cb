#pragma once

#include "install/InstallAide.h"
#include "shell/SetupWizardDlg.h"
#include "tests/support/HeadlessFixture.h"
#include "tests/wizard/ScriptedAide.h"

#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace wizardtest {

// The toolkit names every journey uses.
using tk::IDCANCEL;
using tk::IDNO;
using tk::IDOK;
using tk::IDYES;
using tk::Key;

// The texts the user reads in the setup's boxes.
inline const std::string kTitle = "OlvexRemote for PalmOS Setup";
inline const std::string kNoUsersText = "OlvexRemote setup cannot find HotSync users. Ensure that you have "
                                        "HotSync version 2 or later installed on "
                                        "your PC with created user account.";
inline const std::string kUserReadFailedText = "OlvexRemote setup failed to read the user's information.";
inline const std::string kConfirmCancelText =
    "Are you sure want to cancel OlvexRemote for PalmOS installation?";
inline const std::string kFilesExistText = "Setup Wizard detected that some files to install already exist "
                                           "in the user's install folder. Press OK to "
                                           "overwrite these files or Cancel to exit Setup Wizard.";
inline const std::string kInternalErrorText =
    "OlvexRemote Setup cannot continue because of the internal error.";
std::string FileFailedText(const std::string& file);

struct ButtonState {
    bool shown = false;
    bool enabled = false;
    std::string label;
    friend bool operator==(const ButtonState&, const ButtonState&) = default;
};
std::ostream& operator<<(std::ostream& out, const ButtonState& state);

// The one visible page of the wizard, or -1 when none or several are visible.
int CurrentPageIndex(const CSetupWizardDlg& wizard);
// A wizard button as the user sees it; a box on top of the wizard does not count as disabling it.
ButtonState GetButtonState(const CSetupWizardDlg& wizard, int id);
std::string ControlText(const CSetupWizardDlg& wizard, int page, int id);
bool IsChecked(const CSetupWizardDlg& wizard, int page, int id);
// Id of the control with the keyboard focus, 0 when none.
int FocusId();

// The newest top-level window, the message box when one is open.
std::string MessageBoxText();
std::string MessageBoxTitle();
std::vector<int> MessageBoxButtons();

// The install list as the run offers it, with the given application file in slot 0.
std::vector<std::string> ExpectedOffers(const char* applicationFile);

// A fresh wizard over the setup's own resources and the scripted install aide.
class WizardTest : public testsupport::HeadlessFixture {
protected:
    void SetUp() override;
    void TearDown() override;

    CSetupWizardDlg& Wizard() { return *m_wizard; }
    // Steps from the welcome page to the user page: Next, accept, Next, Next, Next.
    void WalkToUserPage();
    // A check, while the script waits, that a box with this text and these buttons is open over the
    // wizard under the setup's title.
    void ExpectBox(const std::string& text, const std::vector<int>& buttons);
    void ExpectPage(int page);
    // Ends the wizard from whatever page it shows when the script gets there.
    void EndFromAnyPage();
    // Message boxes opened so far.
    [[nodiscard]] int MessageBoxesShown() const;
    [[nodiscard]] bool BoxIsOpen() const;

private:
    std::unique_ptr<CSetupWizardDlg> m_wizard;
    olvex::InstallAide m_previousAide;
};

}  // namespace wizardtest
