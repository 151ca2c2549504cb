#pragma once

#include "resources/ResourceIds.h"
#include "toolkit/Dialog.h"

// An information page: what the handheld and the PC need. Its template is all there is to it.
class CRequirementsPage : public tk::CDialog {
public:
    explicit CRequirementsPage(tk::CWnd* pParent = nullptr) : tk::CDialog(IDD_REQUIREMENTS, pParent) {}
};
