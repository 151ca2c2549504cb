#include "toolkit/sample/SampleDialog.h"

#include "toolkit/DataExchange.h"

namespace sample {

using namespace tk;

namespace {

const MessageMap<CSampleDialog> kMessageMap{
    OnCommandMessage(IDC_ASK, &CSampleDialog::OnAsk),
    OnCommandMessage(IDC_RED, &CSampleDialog::OnColourChanged),
    OnCommandMessage(IDC_GREEN, &CSampleDialog::OnColourChanged),
    OnCommandMessage(IDC_BLUE, &CSampleDialog::OnColourChanged),
    OnNotifyMessage(IDC_ITEMS, CBN_SELCHANGE, &CSampleDialog::OnItemChanged),
};

std::string NotesText()
{
    std::string text;
    const std::string sentence = "The quick brown fox jumps over the lazy dog while the sample scrolls. ";
    int paragraph = 1;
    while (text.size() < 10000) {
        text += "Paragraph " + std::to_string(paragraph++) + ". ";
        for (int i = 0; i < 4 && text.size() < 10000; ++i) {
            text += sentence;
        }
        text += "\r\n\r\n";
    }
    text.resize(10000);
    return text;
}

}  // namespace

CSampleDialog::CSampleDialog(CWnd* parent) : CDialog(IDD_SAMPLE, parent), m_strNotes(NotesText()) {}

const MessageMapBase* CSampleDialog::GetMessageMap() const
{
    return &kMessageMap;
}

bool CSampleDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    for (const char* item : {"Television", "Amplifier", "Video recorder", "Cable box", "DVD player",
                             "Satellite", "Receiver", "Projector"}) {
        m_cbItems.AddString(item);
    }
    m_cbItems.SetCurSel(0);
    m_meter.SetRange(0, 3);
    m_meter.SetPos(m_nColour + 1);
    return true;
}

void CSampleDialog::DoDataExchange(CDataExchange* exchange)
{
    DDX_Text(exchange, IDC_NOTES, m_strNotes);
    DDX_Radio(exchange, IDC_RED, m_nColour);
    DDX_Control(exchange, IDC_ITEMS, m_cbItems);
    DDX_Control(exchange, IDC_METER, m_meter);
}

void CSampleDialog::OnAsk()
{
    m_nLastAnswer = MessageBox(LoadStringResource(IDS_SAMPLE_QUESTION).Str(),
                               LoadStringResource(IDS_SAMPLE_TITLE).Str(), MB_YESNO | MB_ICONQUESTION);
}

void CSampleDialog::OnColourChanged()
{
    UpdateData(true);
    m_meter.SetPos(m_nColour + 1);
}

void CSampleDialog::OnItemChanged()
{
    m_cbItems.GetLBText(m_cbItems.GetCurSel(), m_strItem);
}

void RegisterSampleResources(ResourceModule& module)
{
    DialogTemplate dialog;
    dialog.id = IDD_SAMPLE;
    dialog.caption = "Toolkit Sample";
    dialog.width = 290;
    dialog.height = 156;
    dialog.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    dialog.controls = {
        {-1, ControlKind::StaticText, "&Notes (a text of ten thousand characters):", 7, 7, 160, 9,
         WS_VISIBLE},
        {IDC_NOTES, ControlKind::Edit, "", 7, 18, 160, 84,
         WS_VISIBLE | WS_TABSTOP | WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL},
        {-1, ControlKind::StaticText, "Colour:", 178, 7, 100, 9, WS_VISIBLE},
        {IDC_RED, ControlKind::AutoRadioButton, "&Red", 178, 18, 60, 10, WS_VISIBLE | WS_GROUP | WS_TABSTOP},
        {IDC_GREEN, ControlKind::AutoRadioButton, "&Green", 178, 30, 60, 10, WS_VISIBLE},
        {IDC_BLUE, ControlKind::AutoRadioButton, "B&lue", 178, 42, 60, 10, WS_VISIBLE},
        {-1, ControlKind::StaticText, "&Device:", 178, 58, 100, 9, WS_VISIBLE},
        {IDC_ITEMS, ControlKind::ComboBoxDropList, "", 178, 69, 105, 60,
         WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_SORT},
        {IDC_METER, ControlKind::ProgressBar, "", 7, 108, 276, 12, WS_VISIBLE | WS_BORDER, WS_EX_STATICEDGE},
        {-1, ControlKind::StaticEtchedHorz, "", 7, 127, 276, 1, WS_VISIBLE, WS_EX_STATICEDGE},
        {IDC_ASK, ControlKind::PushButton, "&Ask...", 7, 135, 50, 14, WS_VISIBLE | WS_TABSTOP},
        {IDOK, ControlKind::PushButton, "OK", 179, 135, 50, 14, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON},
        {IDCANCEL, ControlKind::PushButton, "Cancel", 233, 135, 50, 14, WS_VISIBLE | WS_TABSTOP},
    };
    module.AddDialog(std::move(dialog));
    module.AddString(IDS_SAMPLE_TITLE, "Toolkit Sample");
    module.AddString(IDS_SAMPLE_QUESTION, "Do you like the classic look of this toolkit?");
    module.AddString(IDS_SAMPLE_ERROR,
                     "The notes could not be saved, because the disk is full. Make some room "
                     "on the disk and try again.");
    module.AddString(IDS_SAMPLE_CONFIRM, "Replace the notes with the text of the clipboard?");
}

}  // namespace sample
