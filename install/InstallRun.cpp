#include "install/AideConnection.h"
#include "install/InstallList.h"
#include "install/ProgressPage.h"
#include "install/SetupErrors.h"
#include "install/UserPage.h"
#include "pages/VersionPage.h"
#include "resources/ResourceIds.h"
#include "shell/SetupMessages.h"
#include "shell/SetupWizardDlg.h"

#include <string>

namespace {

// How often one file is cleared and offered again while the aide still says it exists; an aide that never
// lets go must not hold the run for ever.
constexpr int kMaxClearAttempts = 3;

// The run offers every slot of the install list, the last code-set database included: it ships with the
// product and belongs on the handheld.
constexpr std::size_t kOfferedSlots = olvex::INSTALL_LIST_SIZE;

}  // namespace

void CSetupWizardDlg::RunArrivalAction()
{
    const auto& version = dynamic_cast<const CVersionPage&>(*Page(PAGE_VERSION));
    const int bColor = version.m_nVersion == 0 ? 1 : 0;
    const std::string user = dynamic_cast<const CUserPage&>(*Page(PAGE_USER)).m_strUser.Str();
    auto& progress = dynamic_cast<CProgressPage&>(*Page(PAGE_PROGRESS));
    InstallFiles(user.c_str(), bColor, progress.m_progress, progress.m_strStatus);
    GoToPage(m_nCurPage + 1);
}

void CSetupWizardDlg::InstallFiles(const char* szUser, int bColor, tk::CProgressCtrl& progress,
                                   tk::CString& strStatus)
{
    olvex::g_installFiles[0] = bColor != 0 ? olvex::COLOR_APPLICATION_FILE : olvex::GRAY_APPLICATION_FILE;
    progress.SetRange(0, static_cast<int>(olvex::INSTALL_LIST_SIZE));
    progress.SetPos(1);
    int bOverwriteAll = 0;
    tk::CDialog* page = Page(PAGE_PROGRESS);
    for (std::size_t k = 0; k < kOfferedSlots; ++k) {
        const char* file = olvex::g_installFiles[k];
        strStatus = tk::CString("Installing file: ") + file;
        progress.SetPos(static_cast<int>(k) + 1);
        page->UpdateData(false);
        page->UpdateWindow();
        InstallFile(szUser, file, bOverwriteAll);
    }
    progress.SetPos(static_cast<int>(olvex::INSTALL_LIST_SIZE));
}

void CSetupWizardDlg::InstallFile(const char* szUser, const char* szFile, int& bOverwriteAll)
{
    const olvex::InstallAide& aide = olvex::CurrentInstallAide();
    int code = aide.installFile(szUser, szFile);
    if (code == 0) {
        return;
    }
    for (int attempt = 0; code == olvex::INSTALL_FILE_EXISTS && attempt < kMaxClearAttempts; ++attempt) {
        if (bOverwriteAll == 0) {
            if (SetupMessageBox(this, IDS_FILES_EXIST, tk::MB_OKCANCEL | tk::MB_ICONQUESTION) != tk::IDOK) {
                throw new msg_cancel_exception(IDS_USER_CANCELED);  // NOLINT(cppcoreguidelines-owning-memory)
            }
            bOverwriteAll = 1;
        }
        aide.clearFile(szUser, szFile);
        code = aide.installFile(szUser, szFile);
        if (code == 0) {
            return;
        }
    }
    // Refused, or still in the way after every clear: the user decides whether the run goes on without it.
    tk::CString title;
    title.LoadString(IDS_SETUP_TITLE);
    const tk::CString text = FormatFileFailedText(szFile, code);
    if (MessageBox(text.Str(), title.Str(), tk::MB_YESNO | tk::MB_ICONQUESTION) != tk::IDYES) {
        throw new msg_cancel_exception(IDS_USER_CANCELED);  // NOLINT(cppcoreguidelines-owning-memory)
    }
}
