#include "install/SetupErrors.h"
#include "install/UserPage.h"
#include "pages/LicensePage.h"
#include "resources/ResourceIds.h"
#include "shell/SetupMessages.h"
#include "shell/SetupWizardDlg.h"

#include <exception>
#include <memory>

void CSetupWizardDlg::UpdateButtons(int nPage)
{
    const bool closingPage = nPage >= PAGE_FINISH;
    const char* label = "&Next >";
    if (nPage == PAGE_USER) {
        label = "&Install";
    } else if (closingPage) {
        label = "&Ok";
    }
    tk::CWnd* next = GetDlgItem(tk::IDOK);
    tk::CWnd* back = GetDlgItem(IDC_BACK);
    tk::CWnd* cancel = GetDlgItem(tk::IDCANCEL);
    next->SetWindowText(label);

    const bool showBack = nPage >= PAGE_LICENSE && nPage <= PAGE_USER;
    const bool showCancel = nPage <= PAGE_USER;
    const bool showNext = nPage != PAGE_PROGRESS;
    back->ShowWindow(showBack ? tk::SW_SHOWNA : tk::SW_HIDE);
    cancel->ShowWindow(showCancel ? tk::SW_SHOWNA : tk::SW_HIDE);
    next->ShowWindow(showNext ? tk::SW_SHOWNA : tk::SW_HIDE);

    if (nPage == PAGE_LICENSE) {
        UpdateNextButton();
    } else {
        next->EnableWindow(true);
    }
    if (closingPage) {
        next->SetFocus();
    }
}

void CSetupWizardDlg::UpdateNextButton()
{
    const auto* license = dynamic_cast<const CLicensePage*>(Page(PAGE_LICENSE));
    tk::CWnd* next = GetDlgItem(tk::IDOK);
    if (license == nullptr || next == nullptr) {
        return;
    }
    if (license->m_nAccept == 0) {
        next->EnableWindow(true);
    } else if (license->m_nAccept == 1) {
        next->EnableWindow(false);
    }
}

void CSetupWizardDlg::GoToPage(int nPage)
{
    const int previous = m_nCurPage;
    m_nCurPage = nPage;
    Page(previous)->ShowWindow(tk::SW_HIDE);
    Page(m_nCurPage)->ShowWindow(tk::SW_SHOWNA);
    UpdateButtons(m_nCurPage);
}

void CSetupWizardDlg::OnBack()
{
    if (m_nCurPage - 1 >= 0) {
        GoToPage(m_nCurPage - 1);
    }
}

void CSetupWizardDlg::OnCancel()
{
    if (m_nCurPage >= PAGE_PROGRESS) {
        return;
    }
    if (SetupMessageBox(this, IDS_CONFIRM_CANCEL, tk::MB_YESNO | tk::MB_ICONQUESTION) == tk::IDYES) {
        GoToPage(PAGE_INTERRUPTED);
    }
}

void CSetupWizardDlg::ShowErrorBox(const tk::CString& message)
{
    tk::CString title;
    title.LoadString(IDS_SETUP_TITLE);
    MessageBox(message.Str(), title.Str(), tk::MB_OK | tk::MB_ICONERROR);
}

void CSetupWizardDlg::RunLeavingAction()
{
    if (m_nCurPage == PAGE_WELCOME) {
        dynamic_cast<CLicensePage&>(*Page(PAGE_LICENSE)).CheckLicenseLoaded();
    } else if (m_nCurPage == PAGE_VERSION) {
        dynamic_cast<CUserPage&>(*Page(PAGE_USER)).LoadUsers();
    }
}

void CSetupWizardDlg::OnNext()
{
    if (m_nCurPage >= PAGE_PROGRESS) {
        tk::CDialog::OnOK();
        return;
    }
    try {
        RunLeavingAction();
        Page(m_nCurPage)->UpdateData(true);
        GoToPage(m_nCurPage + 1);
        if (m_nCurPage == PAGE_PROGRESS) {
            RunArrivalAction();
        }
    } catch (msg_install_exception* raw) {
        const std::unique_ptr<msg_install_exception> error(raw);
        ShowErrorBox(error->message);
        GoToPage(PAGE_ERROR);
    } catch (msg_cancel_exception* raw) {
        const std::unique_ptr<msg_cancel_exception> error(raw);
        GoToPage(PAGE_INTERRUPTED);
    } catch (const std::exception&) {
        // Anything else (memory running out, say) must not end the setup unseen: report it as the
        // internal error it is and end on the error page.
        tk::CString message;
        message.LoadString(IDS_INTERNAL_ERROR);
        ShowErrorBox(message);
        GoToPage(PAGE_ERROR);
    }
}
