#include "shell/SetupWizardDlg.h"

#include "install/ProgressPage.h"
#include "install/UserPage.h"
#include "pages/ErrorPage.h"
#include "pages/FinishPage.h"
#include "pages/InterruptedPage.h"
#include "pages/LicensePage.h"
#include "pages/RequirementsPage.h"
#include "pages/VersionPage.h"
#include "pages/WelcomePage.h"
#include "resources/ResourceIds.h"

namespace {

// The page table: index, template and class. The template ids do not follow the page order; this table
// is the only link between the two.
struct PageEntry {
    int templateId;
    std::unique_ptr<tk::CDialog> (*construct)();
};

template <class Page> std::unique_ptr<tk::CDialog> Construct()
{
    return std::make_unique<Page>();
}

const std::array<PageEntry, PAGE_COUNT> kPageTable{{
    {IDD_WELCOME, Construct<CWelcomePage>},
    {IDD_LICENSE, Construct<CLicensePage>},
    {IDD_REQUIREMENTS, Construct<CRequirementsPage>},
    {IDD_VERSION, Construct<CVersionPage>},
    {IDD_USER, Construct<CUserPage>},
    {IDD_PROGRESS, Construct<CProgressPage>},
    {IDD_FINISH, Construct<CFinishPage>},
    {IDD_ERROR, Construct<CErrorPage>},
    {IDD_INTERRUPTED, Construct<CInterruptedPage>},
}};

const tk::MessageMap<CSetupWizardDlg> kMessageMap{
    tk::OnPaintMessage(&CSetupWizardDlg::OnPaint),
    tk::OnQueryDragIconMessage(&CSetupWizardDlg::OnQueryDragIcon),
    tk::OnCommandMessage(IDC_BACK, &CSetupWizardDlg::OnBack),
    tk::OnCreateMessage(&CSetupWizardDlg::OnCreate),
    tk::OnCommandMessage(tk::IDOK, &CSetupWizardDlg::OnNext),
};

}  // namespace

CSetupWizardDlg::CSetupWizardDlg(tk::CWnd* pParent)
    : tk::CDialog(IDD_SETUP_WIZARD, pParent), m_hIcon(tk::LoadIcon(IDR_MAINFRAME)), m_nCurPage(PAGE_WELCOME)
{
    for (std::size_t i = 0; i < m_pages.size(); ++i) {
        m_pages[i] = kPageTable[i].construct();
    }
    m_nCurPage = PAGE_WELCOME;
}

CSetupWizardDlg::~CSetupWizardDlg()
{
    for (auto& page : m_pages) {
        page.reset();
    }
}

const tk::MessageMapBase* CSetupWizardDlg::GetMessageMap() const
{
    return &kMessageMap;
}

void CSetupWizardDlg::DoDataExchange(tk::CDataExchange* /*pDX*/) {}

int CSetupWizardDlg::OnCreate(tk::CreateStruct* lpCreateStruct)
{
    if (tk::CDialog::OnCreate(lpCreateStruct) == -1) {
        return -1;
    }
    // The pages come before the template's controls, so Tab runs through the visible page first and then
    // through Next, Back and Cancel. A page that cannot be created leaves its area empty.
    for (std::size_t i = 0; i < m_pages.size(); ++i) {
        m_pages[i]->Create(kPageTable[i].templateId, this);
    }
    m_nCurPage = PAGE_WELCOME;
    return 0;
}

bool CSetupWizardDlg::OnInitDialog()
{
    tk::CDialog::OnInitDialog();
    SetIcon(m_hIcon, tk::ICON_BIG);
    SetIcon(tk::LoadIcon(IDI_SMALL), tk::ICON_SMALL);

    tk::CWnd* frame = GetDlgItem(IDC_PAGE_FRAME);
    for (int i = 0; i < PAGE_COUNT; ++i) {
        tk::CDialog& page = *m_pages[static_cast<std::size_t>(i)];
        if (frame == nullptr || !page.IsCreated()) {
            continue;
        }
        tk::Rect rect;
        frame->GetWindowRect(&rect);
        ScreenToClient(&rect);
        const unsigned int visibility = i == PAGE_WELCOME ? 0U : tk::SWP_HIDEWINDOW;
        page.SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
                          tk::SWP_NOZORDER | tk::SWP_NOACTIVATE | visibility);
    }
    UpdateButtons(m_nCurPage);
    return true;
}

tk::HICON CSetupWizardDlg::OnQueryDragIcon()
{
    return m_hIcon;
}
