// The sample program: the sample dialog, run by its application object.
#include "toolkit/App.h"
#include "toolkit/sample/SampleDialog.h"

namespace {

class CSampleApp final : public tk::CWinApp {
public:
    bool InitInstance() override
    {
        sample::RegisterSampleResources(tk::AfxGetResourceHandle());
        sample::CSampleDialog dialog;
        m_pMainWnd = &dialog;
        dialog.DoModal();
        return false;
    }
};

CSampleApp theApp;

}  // namespace
