#pragma once

#include "resources/ResourceIds.h"
#include "toolkit/Dialog.h"
#include "toolkit/controls/ComboBox.h"

// The choice of HotSync user: the install aide's users in a sorted list, read once, the first selected.
class CUserPage : public tk::CDialog {
public:
    explicit CUserPage(tk::CWnd* pParent = nullptr) : tk::CDialog(IDD_USER, pParent) {}

    bool OnInitDialog() override;
    void DoDataExchange(tk::CDataExchange* pDX) override;
    [[nodiscard]] const tk::MessageMapBase* GetMessageMap() const override;

    // Reads the users from the aide the first time; throws msg_install_exception when there are none or a
    // name cannot be read.
    void LoadUsers();
    void OnSelChangeUserList();

    tk::CComboBox m_cbUsers;
    tk::CString m_strUser;
    int m_bUsersLoaded = 0;
};
