#pragma once

#include "toolkit/App.h"

// The application object: it runs the wizard once and lets the process end.
class CSetupApp : public tk::CWinApp {
public:
    CSetupApp() = default;
    ~CSetupApp() override = default;

    bool InitInstance() override;
};
