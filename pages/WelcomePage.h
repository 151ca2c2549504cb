#pragma once

#include "resources/ResourceIds.h"
#include "toolkit/Dialog.h"

// An information page: the first page: what the program is and what the wizard will do. Its template is all
// there is to it.
class CWelcomePage : public tk::CDialog {
public:
    explicit CWelcomePage(tk::CWnd* pParent = nullptr) : tk::CDialog(IDD_WELCOME, pParent) {}
};
