#pragma once

#include "shell/WizardPages.h"
#include "toolkit/Dialog.h"

#include <array>
#include <memory>

namespace tk {
class CProgressCtrl;
}

// The wizard: one modal dialog with the banner on the left, the page area on the right and Cancel, Back
// and Next below. It owns the nine pages, keeps exactly one visible, and does all the setup's work in
// the handlers of its buttons.
class CSetupWizardDlg : public tk::CDialog {
public:
    explicit CSetupWizardDlg(tk::CWnd* pParent = nullptr);
    ~CSetupWizardDlg() override;

    bool OnInitDialog() override;
    void OnCancel() override;
    void DoDataExchange(tk::CDataExchange* pDX) override;
    [[nodiscard]] const tk::MessageMapBase* GetMessageMap() const override;

    // Message handlers.
    void OnPaint();
    tk::HICON OnQueryDragIcon();
    void OnBack();
    int OnCreate(tk::CreateStruct* lpCreateStruct) override;
    void OnNext();

    // Navigation.
    void GoToPage(int nPage);
    void UpdateButtons(int nPage);
    void UpdateNextButton();

    // The installation run.
    void InstallFiles(const char* szUser, int bColor, tk::CProgressCtrl& progress, tk::CString& strStatus);
    void InstallFile(const char* szUser, const char* szFile, int& bOverwriteAll);

    [[nodiscard]] int CurrentPage() const { return m_nCurPage; }
    [[nodiscard]] tk::CDialog* Page(int nPage) const
    {
        return m_pages[static_cast<std::size_t>(nPage)].get();
    }

private:
    void RunLeavingAction();
    void RunArrivalAction();
    void ShowErrorBox(const tk::CString& message);

    tk::HICON m_hIcon;
    std::array<std::unique_ptr<tk::CDialog>, PAGE_COUNT> m_pages;
    int m_nCurPage;
};
