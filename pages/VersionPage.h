#pragma once

#include "resources/ResourceIds.h"
#include "toolkit/Dialog.h"

#include <cstdint>

// The choice of build: colour (0) or grayscale (1). It decides the application file the run installs.
class CVersionPage : public tk::CDialog {
public:
    explicit CVersionPage(tk::CWnd* pParent = nullptr) : tk::CDialog(IDD_VERSION, pParent), m_nVersion(0) {}

    void DoDataExchange(tk::CDataExchange* pDX) override;

    std::int32_t m_nVersion;  // 0 colour, 1 grayscale, -1 neither checked
};
