#pragma once

#include "toolkit/Window.h"

namespace tk {

class Display;

// The application object: one per program, constructed before the program starts; InitInstance does the
// program's work. Returning false skips the message loop, and the program ends.
class CWinApp {
public:
    CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;
    virtual ~CWinApp();

    virtual bool InitInstance();
    virtual int ExitInstance();
    // The classic look is the toolkit's only look; kept so programs can ask for it as they always have.
    void Enable3dControls() {}

    CWnd* m_pMainWnd = nullptr;
};

CWinApp* AfxGetApp();

// Runs the application object on `display`: InitInstance, then ExitInstance. The result is the exit
// status the toolkit reports for the process.
int AfxWinMain(Display& display);

}  // namespace tk
