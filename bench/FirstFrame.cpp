// A process that starts, paints its first frame on the headless display and exits at once: what the
// first-frame benchmark spawns, with "wizard" or "sample" as its argument.
#include "resources/SetupResources.h"
#include "shell/SetupWizardDlg.h"
#include "toolkit/WindowSystem.h"
#include "toolkit/display/HeadlessDisplay.h"
#include "toolkit/sample/SampleDialog.h"

#include <cstdlib>
#include <cstring>

int main(int argc, char** argv)
{
    const bool wizard = argc > 1 && std::strcmp(argv[1], "wizard") == 0;
    tk::HeadlessDisplay display;
    tk::WindowSystem::Get().SetDisplay(&display);
    // The first wait for input comes right after the first frame was presented.
    display.Then([] { std::_Exit(0); });
    if (wizard) {
        RegisterSetupResources(tk::AfxGetResourceHandle());
        CSetupWizardDlg dialog;
        dialog.DoModal();
    } else {
        sample::RegisterSampleResources(tk::AfxGetResourceHandle());
        sample::CSampleDialog dialog;
        dialog.DoModal();
    }
    return 1;
}
