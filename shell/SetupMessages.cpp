#include "shell/SetupMessages.h"

#include "resources/ResourceIds.h"
#include "toolkit/FormatMessage.h"
#include "toolkit/Window.h"

#include <array>

int SetupMessageBox(tk::CWnd* pOwner, unsigned int nID, unsigned int nType)
{
    tk::CString title;
    title.LoadString(IDS_SETUP_TITLE);
    tk::CString text;
    text.LoadString(nID);
    return pOwner->MessageBox(text.Str(), title.Str(), nType);
}

tk::CString FormatFileFailedText(const char* szFile, int nCode)
{
    tk::CString messageTemplate;
    messageTemplate.LoadString(IDS_FILE_FAILED);
    const std::array<tk::FormatArgument, 2> arguments{std::string(szFile), nCode};
    return tk::FormatMessageText(messageTemplate.Str(), arguments);
}
