// The sample program: the sample dialog, run by its application object. For screenshots it can show one
// of its message boxes alone instead: `tk-sample --message-box ok|okcancel|yesno`.
#include "toolkit/App.h"
#include "toolkit/MessageBox.h"
#include "toolkit/X11Main.h"
#include "toolkit/sample/SampleDialog.h"

#include <cstdio>
#include <map>
#include <optional>
#include <string>

namespace {

struct BoxChoice {
    unsigned int text;
    unsigned int type;
};

std::optional<BoxChoice> g_box;

class CSampleApp final : public tk::CWinApp {
public:
    bool InitInstance() override
    {
        sample::RegisterSampleResources(tk::AfxGetResourceHandle());
        if (g_box) {
            tk::ShowMessageBox(nullptr, tk::LoadStringResource(g_box->text).Str(),
                               tk::LoadStringResource(sample::IDS_SAMPLE_TITLE).Str(), g_box->type);
            return false;
        }
        sample::CSampleDialog dialog;
        m_pMainWnd = &dialog;
        dialog.DoModal();
        return false;
    }
};

CSampleApp theApp;

// Nothing to choose: the sample dialog. An argument the program does not know is an error.
bool ParseArguments(int argc, char** argv)
{
    if (argc == 1) {
        return true;
    }
    const std::map<std::string, BoxChoice> boxes = {
        {"ok", {sample::IDS_SAMPLE_ERROR, tk::MB_OK | tk::MB_ICONERROR}},
        {"okcancel", {sample::IDS_SAMPLE_CONFIRM, tk::MB_OKCANCEL | tk::MB_ICONQUESTION}},
        {"yesno", {sample::IDS_SAMPLE_QUESTION, tk::MB_YESNO | tk::MB_ICONQUESTION}},
    };
    if (argc == 3 && std::string(argv[1]) == "--message-box") {
        if (auto it = boxes.find(argv[2]); it != boxes.end()) {
            g_box = it->second;
            return true;
        }
    }
    std::fprintf(stderr, "usage: %s [--message-box ok|okcancel|yesno]\n", argv[0]);
    return false;
}

}  // namespace

int main(int argc, char** argv)
{
    if (!ParseArguments(argc, argv)) {
        return 2;
    }
    return tk::RunApplicationOnX11();
}
