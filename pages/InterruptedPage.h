#pragma once

#include "resources/ResourceIds.h"
#include "toolkit/Dialog.h"

// An information page: shown after the user cancelled the setup. Its template is all there is to it.
class CInterruptedPage : public tk::CDialog {
public:
    explicit CInterruptedPage(tk::CWnd* pParent = nullptr) : tk::CDialog(IDD_INTERRUPTED, pParent) {}
};
