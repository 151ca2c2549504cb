#include "install/UserPage.h"

#include "install/AideConnection.h"
#include "install/SetupErrors.h"
#include "toolkit/DataExchange.h"

#include <array>
#include <cstring>

namespace {

const tk::MessageMap<CUserPage> kMessageMap{
    tk::OnNotifyMessage(IDC_USER_LIST, tk::CBN_SELCHANGE, &CUserPage::OnSelChangeUserList),
};

}  // namespace

const tk::MessageMapBase* CUserPage::GetMessageMap() const
{
    return &kMessageMap;
}

bool CUserPage::OnInitDialog()
{
    tk::CDialog::OnInitDialog();
    return true;
}

void CUserPage::DoDataExchange(tk::CDataExchange* pDX)
{
    tk::DDX_Control(pDX, IDC_USER_LIST, m_cbUsers);
}

void CUserPage::LoadUsers()
{
    if (m_bUsersLoaded != 0) {
        return;
    }
    // Set before the first call, so that a load that failed is never tried again.
    m_bUsersLoaded = 1;

    const olvex::InstallAide& aide = olvex::CurrentInstallAide();
    const int count = aide.userCount();
    if (count <= 0) {
        throw new msg_install_exception(IDS_NO_USERS);  // NOLINT(cppcoreguidelines-owning-memory)
    }
    std::array<char, olvex::USER_NAME_BUFFER_SIZE> name{};
    for (int index = 0; index < count; ++index) {
        int size = olvex::USER_NAME_BUFFER_SIZE;
        name.fill('\0');
        if (aide.userName(index, name.data(), &size) <= 0) {
            throw new msg_install_exception(IDS_USER_READ_FAILED);  // NOLINT(cppcoreguidelines-owning-memory)
        }
        // A name without its NUL inside the buffer ends at the buffer's end.
        m_cbUsers.AddString(std::string_view(name.data(), strnlen(name.data(), name.size())));
    }
    m_cbUsers.SetCurSel(0);
    m_cbUsers.GetLBText(m_cbUsers.GetCurSel(), m_strUser);
}

void CUserPage::OnSelChangeUserList()
{
    m_cbUsers.GetLBText(m_cbUsers.GetCurSel(), m_strUser);
}
