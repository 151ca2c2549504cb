#pragma once

#include <string_view>

namespace tk {

class CWnd;

// Shows a modal message box over `owner` (which it disables meanwhile) with the buttons and icon of
// `type` (MB_OK, MB_OKCANCEL or MB_YESNO with MB_ICONERROR or MB_ICONQUESTION) and waits for the answer:
// the id of the button pressed. Closing the box (Esc, the close box) answers IDCANCEL where it has a
// Cancel button and IDOK where OK is its only button; a Yes/No box cannot be closed without an answer.
int ShowMessageBox(CWnd* owner, std::string_view text, std::string_view caption, unsigned int type);

// The id of the static that holds a message box's text, for those who read a box.
constexpr int IDC_MESSAGE_TEXT = 0xFFFF;

}  // namespace tk
