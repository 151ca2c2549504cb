#include "resources/ResourceIds.h"
#include "resources/SetupResources.h"

using namespace tk;

namespace {

constexpr int kNoId = -1;
constexpr Style kPageStyle = WS_CHILD | WS_VISIBLE | DS_CONTROL;

DialogTemplate Page(int id, int height, std::vector<ControlTemplate> controls)
{
    DialogTemplate page;
    page.id = id;
    page.width = 207;
    page.height = height;
    page.style = kPageStyle;
    page.exStyle = WS_EX_CONTROLPARENT;
    page.controls = std::move(controls);
    return page;
}

// A left-aligned, word-wrapped label of a page.
ControlTemplate Text(const char* text, int x, int y, int width, int height)
{
    return {kNoId, ControlKind::StaticText, text, x, y, width, height, WS_VISIBLE | WS_GROUP};
}

DialogTemplate Wizard()
{
    DialogTemplate wizard;
    wizard.id = IDD_SETUP_WIZARD;
    wizard.caption = "OlvexRemote for PalmOS Setup";
    wizard.width = 290;
    wizard.height = 156;
    wizard.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    wizard.exStyle = WS_EX_APPWINDOW;
    wizard.controls = {
        {IDC_PAGE_FRAME, ControlKind::StaticBlackFrame, "", 76, 7, 207, 121, WS_NONE},
        {IDOK, ControlKind::PushButton, "&Next >", 240, 135, 43, 14,
         WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON},
        {IDC_BACK, ControlKind::PushButton, "< &Back", 197, 135, 43, 14, WS_VISIBLE | WS_TABSTOP},
        {IDCANCEL, ControlKind::PushButton, "&Cancel", 145, 135, 43, 14, WS_VISIBLE | WS_TABSTOP},
        {IDC_BANNER, ControlKind::StaticBlackFrame, "", 7, 7, 63, 118, WS_VISIBLE},
        {kNoId, ControlKind::StaticEtchedHorz, "", 8, 131, 275, 1, WS_VISIBLE, WS_EX_STATICEDGE},
    };
    return wizard;
}

DialogTemplate WelcomePage()
{
    return Page(
        IDD_WELCOME, 118,
        {
            Text("Welcome to Olvex Remote for PalmOS Setup Wizard.", 0, 0, 207, 13),
            Text("OlvexRemote  is  a software program, which provides a convenient means of controlling "
                 "your home entertainment devices, such as TVs, VCRs, satellites and cable boxes from a "
                 "handheld computer.",
                 0, 15, 207, 33),
            Text("The Setup Wizard will install OlvexRemote for PalmOS on your computer. Click Next to "
                 "continue or Cancel to exit the Setup Wizard.",
                 0, 52, 207, 27),
        });
}

DialogTemplate LicensePage()
{
    return Page(IDD_LICENSE, 120,
                {
                    {IDC_LICENSE_TEXT, ControlKind::Edit, "", 0, 12, 206, 80,
                     WS_VISIBLE | WS_TABSTOP | WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_READONLY |
                         ES_AUTOVSCROLL | ES_WANTRETURN},
                    Text("Please read the following license agreement carefully", 0, 0, 207, 10),
                    {IDC_ACCEPT, ControlKind::AutoRadioButton, "I &accept the terms in the License Agreement",
                     0, 96, 205, 11, WS_VISIBLE | WS_GROUP},
                    {IDC_DECLINE, ControlKind::AutoRadioButton,
                     "I &do not accept the terms in the License Agreement", 0, 109, 205, 11, WS_VISIBLE},
                });
}

DialogTemplate RequirementsPage()
{
    // The template order is not the order on screen: the heading comes second.
    return Page(
        IDD_REQUIREMENTS, 118,
        {
            Text("- Palm OS ver. 3.5 or later using Dragonball processor EZ/VZ, running on the following "
                 "devices: Palm V, m125, m130, m500, m505, m515, Handspring Treo, Sony Clie, etc*",
                 0, 12, 207, 25),
            Text("System Requirements for Palm OS devices:", 0, 0, 207, 10),
            Text("- 900KB of free memory", 0, 39, 140, 8),
            Text("DESKTOP:", 0, 49, 207, 8),
            Text("- Windows 98/NT/2000/ME/XP", 0, 59, 207, 8),
            Text("- HotSync Manager must be installed", 0, 69, 207, 8),
            Text("*Note: Not all PalmOS devices were tested under OlvexRemote.", 0, 79, 207, 12),
        });
}

DialogTemplate VersionPage()
{
    return Page(
        IDD_VERSION, 118,
        {
            {IDC_COLOR, ControlKind::AutoRadioButton, "&Color version", 0, 15, 56, 10, WS_VISIBLE | WS_GROUP},
            {IDC_GRAYSCALE, ControlKind::AutoRadioButton, "&Grayscale version", 0, 55, 71, 9, WS_VISIBLE},
            Text("Color version can be installed on color PalmOS devices like Palm IIIc, Palm m130, m505, "
                 "m515, etc.",
                 16, 27, 191, 20),
            Text("Select a version to install:", 0, 2, 140, 8),
            Text("Grayscale version is to be installed on grayscale PalmOS devices like Palm m125, m500, "
                 "and others.",
                 15, 70, 192, 19),
        });
}

DialogTemplate UserPage()
{
    return Page(IDD_USER, 118,
                {
                    {IDC_USER_LIST, ControlKind::ComboBoxDropList, "", 24, 34, 153, 65,
                     WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_SORT},
                    Text("Select a user to install OlvexRemote to your PalmOS handheld:", 0, 10, 207, 13),
                });
}

DialogTemplate ProgressPage()
{
    return Page(
        IDD_PROGRESS, 118,
        {
            {IDC_STATUS, ControlKind::StaticText, "Installing file:", 0, 30, 207, 8, WS_VISIBLE | WS_GROUP},
            {IDC_PROGRESS, ControlKind::ProgressBar, "", 0, 45, 207, 12, WS_VISIBLE | WS_BORDER,
             WS_EX_STATICEDGE},
        });
}

DialogTemplate FinishPage()
{
    return Page(
        IDD_FINISH, 118,
        {
            Text("OlvexRemote has been successfuly installed!", 0, 5, 207, 15),
            Text("Please perform HotSync to transfer OlvexRemote to your PalmOS handheld.", 0, 25, 207, 21),
        });
}

DialogTemplate ErrorPage()
{
    return Page(
        IDD_ERROR, 118,
        {
            Text("OlvexRemote for PalmOS setup ended prematurely because of an error. To install this "
                 "program at a later time, please run the installation again.",
                 0, 5, 207, 30),
            Text("Click the OK button to exit the Setup Wizard.", 0, 39, 207, 14),
        });
}

DialogTemplate InterruptedPage()
{
    return Page(
        IDD_INTERRUPTED, 118,
        {
            Text("OlvexRemote for PalmOS Setup was interrrupted. To install this program later, please run "
                 "the installation again.",
                 0, 5, 207, 21),
            Text("Click the OK button to exit the Setup Wizard.", 0, 34, 207, 15),
        });
}

}  // namespace

void RegisterSetupTemplates(ResourceModule& module)
{
    for (DialogTemplate dialog : {Wizard(), WelcomePage(), LicensePage(), RequirementsPage(), VersionPage(),
                                  UserPage(), ProgressPage(), FinishPage(), ErrorPage(), InterruptedPage()}) {
        module.AddDialog(std::move(dialog));
    }
}
