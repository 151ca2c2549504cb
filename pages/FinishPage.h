#pragma once

#include "resources/ResourceIds.h"
#include "toolkit/Dialog.h"

// An information page: shown after a completed installation run. Its template is all there is to it.
class CFinishPage : public tk::CDialog {
public:
    explicit CFinishPage(tk::CWnd* pParent = nullptr) : tk::CDialog(IDD_FINISH, pParent) {}
};
