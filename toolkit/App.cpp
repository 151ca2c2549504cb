#include "toolkit/App.h"

#include "toolkit/WindowSystem.h"

#include <stdexcept>

namespace tk {

namespace {
CWinApp* g_app = nullptr;
}  // namespace

CWinApp::CWinApp()
{
    g_app = this;
}

CWinApp::~CWinApp()
{
    if (g_app == this) {
        g_app = nullptr;
    }
}

bool CWinApp::InitInstance()
{
    return true;
}

int CWinApp::ExitInstance()
{
    return 0;
}

CWinApp* AfxGetApp()
{
    return g_app;
}

int AfxWinMain(Display& display)
{
    CWinApp* app = AfxGetApp();
    if (app == nullptr) {
        throw std::logic_error("the program has no application object");
    }
    WindowSystem& system = WindowSystem::Get();
    system.SetDisplay(&display);
    struct Detach {
        WindowSystem& system;
        ~Detach() { system.SetDisplay(nullptr); }
    } detach{system};
    app->InitInstance();
    // No message loop runs after InitInstance: every program here lives inside its modal dialog.
    const int status = app->ExitInstance();
    app->m_pMainWnd = nullptr;
    return status;
}

}  // namespace tk
