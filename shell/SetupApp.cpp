#include "shell/SetupApp.h"

#include "install/AideConnection.h"
#include "resources/ResourceIds.h"
#include "resources/SetupResources.h"
#include "shell/SetupWizardDlg.h"
#include "toolkit/MessageBox.h"

#include <optional>
#include <stdexcept>

namespace {

// Without its install aide the setup could do nothing but fail later; say so now, in words a user can
// act on, as a program whose library is missing would be told at start-up.
void ReportMissingAide(const std::exception& error)
{
    tk::CString title;
    title.LoadString(IDS_SETUP_TITLE);
    const std::string text =
        "OlvexRemote Setup cannot start because the HotSync install aide could not be loaded. "
        "Reinstall the setup and try again.\n\n" +
        std::string(error.what());
    tk::ShowMessageBox(nullptr, text, title.Str(), tk::MB_OK | tk::MB_ICONERROR);
}

}  // namespace

bool CSetupApp::InitInstance()
{
    RegisterSetupResources(tk::AfxGetResourceHandle());
    Enable3dControls();

    std::optional<olvex::LoadedInstallAide> aide;
    try {
        aide.emplace();
    } catch (const std::exception& error) {
        ReportMissingAide(error);
        return false;
    }
    olvex::UseInstallAide(aide->Calls());

    CSetupWizardDlg dlg(nullptr);
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    return false;
}
