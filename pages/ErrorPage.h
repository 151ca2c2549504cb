#pragma once

#include "resources/ResourceIds.h"
#include "toolkit/Dialog.h"

// An information page: shown after an error has been reported in a message box. Its template is all there is
// to it.
class CErrorPage : public tk::CDialog {
public:
    explicit CErrorPage(tk::CWnd* pParent = nullptr) : tk::CDialog(IDD_ERROR, pParent) {}
};
