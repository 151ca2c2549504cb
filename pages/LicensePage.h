#pragma once

#include "resources/ResourceIds.h"
#include "toolkit/Dialog.h"

#include <cstdint>

// The licence agreement: the text from the setup's own resources in a read-only box, and the choice to
// accept it or not. The wizard's Next button follows that choice while this page is shown.
class CLicensePage : public tk::CDialog {
public:
    explicit CLicensePage(tk::CWnd* pParent = nullptr);
    ~CLicensePage() override;

    bool OnInitDialog() override;
    void DoDataExchange(tk::CDataExchange* pDX) override;
    [[nodiscard]] const tk::MessageMapBase* GetMessageMap() const override;

    // Throws msg_install_exception with the internal error when the agreement did not load.
    void CheckLicenseLoaded();
    void OnAcceptChanged();

    tk::CString m_strLicense;
    std::int32_t m_nAccept;  // 0 accept, 1 do not accept, -1 neither checked
    bool m_bLicenseMissing = true;
};
