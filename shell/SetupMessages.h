#pragma once

#include "toolkit/CString.h"
#include "toolkit/Types.h"

namespace tk {
class CWnd;
}

// Shows string `nID` in a message box of `nType` over `pOwner`, under the setup's title; returns the answer.
int SetupMessageBox(tk::CWnd* pOwner, unsigned int nID, unsigned int nType);

// The text of the failure box: string 8 with the file's name (and, unused by the text, the aide's code).
tk::CString FormatFileFailedText(const char* szFile, int nCode);
