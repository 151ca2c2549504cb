#include "pages/LicensePage.h"

#include "install/SetupErrors.h"
#include "shell/SetupWizardDlg.h"
#include "toolkit/DataExchange.h"

#include <algorithm>
#include <cstring>

namespace {

const tk::MessageMap<CLicensePage> kMessageMap{
    tk::OnCommandMessage(IDC_ACCEPT, &CLicensePage::OnAcceptChanged),
    tk::OnCommandMessage(IDC_DECLINE, &CLicensePage::OnAcceptChanged),
};

}  // namespace

CLicensePage::CLicensePage(tk::CWnd* pParent)
    : tk::CDialog(IDD_LICENSE, pParent), m_strLicense(""), m_nAccept(1)
{
}

CLicensePage::~CLicensePage()
{
    m_strLicense.Empty();
}

const tk::MessageMapBase* CLicensePage::GetMessageMap() const
{
    return &kMessageMap;
}

void CLicensePage::DoDataExchange(tk::CDataExchange* pDX)
{
    tk::DDX_Text(pDX, IDC_LICENSE_TEXT, m_strLicense);
    tk::DDX_Radio(pDX, IDC_ACCEPT, m_nAccept);
}

bool CLicensePage::OnInitDialog()
{
    tk::CDialog::OnInitDialog();
    m_bLicenseMissing = true;

    tk::HRSRC resource = tk::FindResource(IDR_LICENSE, RT_LICENSE);
    if (resource == nullptr) {
        return true;
    }
    const void* loaded = tk::LoadResource(resource);
    if (loaded == nullptr) {
        return true;
    }
    const auto* bytes = static_cast<const char*>(tk::LockResource(loaded));
    if (bytes == nullptr) {
        return true;
    }
    // The text ends at its NUL byte; a resource without one ends at its last byte, never beyond.
    const std::size_t size = tk::SizeofResource(resource);
    const auto* end = static_cast<const char*>(std::memchr(bytes, '\0', size));
    m_strLicense =
        tk::CString(std::string_view(bytes, end != nullptr ? static_cast<std::size_t>(end - bytes) : size));

    UpdateData(false);
    m_bLicenseMissing = false;
    return true;
}

void CLicensePage::CheckLicenseLoaded()
{
    if (!m_bLicenseMissing) {
        return;
    }
    throw new msg_install_exception(IDS_INTERNAL_ERROR);  // NOLINT(cppcoreguidelines-owning-memory)
}

void CLicensePage::OnAcceptChanged()
{
    UpdateData(true);
    if (auto* wizard = dynamic_cast<CSetupWizardDlg*>(GetParent())) {
        wizard->UpdateNextButton();
    }
}
