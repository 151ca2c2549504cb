#pragma once

#include "toolkit/Dialog.h"
#include "toolkit/controls/ComboBox.h"
#include "toolkit/controls/ProgressCtrl.h"

namespace sample {

constexpr int IDD_SAMPLE = 100;
constexpr int IDC_NOTES = 1001;
constexpr int IDC_RED = 1002;
constexpr int IDC_GREEN = 1003;
constexpr int IDC_BLUE = 1004;
constexpr int IDC_ITEMS = 1005;
constexpr int IDC_METER = 1006;
constexpr int IDC_ASK = 1007;
constexpr unsigned int IDS_SAMPLE_TITLE = 100;
constexpr unsigned int IDS_SAMPLE_QUESTION = 101;
constexpr unsigned int IDS_SAMPLE_ERROR = 102;
constexpr unsigned int IDS_SAMPLE_CONFIRM = 103;

// The toolkit's own sample: one of every control, data exchange both ways, and a message box.
class CSampleDialog : public tk::CDialog {
public:
    explicit CSampleDialog(tk::CWnd* parent = nullptr);

    bool OnInitDialog() override;
    void DoDataExchange(tk::CDataExchange* exchange) override;
    [[nodiscard]] const tk::MessageMapBase* GetMessageMap() const override;

    void OnAsk();
    void OnColourChanged();
    void OnItemChanged();

    tk::CString m_strNotes;
    int m_nColour = 1;
    tk::CComboBox m_cbItems;
    tk::CProgressCtrl m_meter;
    int m_nLastAnswer = 0;
    tk::CString m_strItem;
};

// Registers the sample's template and strings with `module`, with a notes text of 10,000 characters.
void RegisterSampleResources(tk::ResourceModule& module);

}  // namespace sample
