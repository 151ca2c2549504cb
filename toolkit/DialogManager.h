#pragma once

#include <vector>

namespace tk {

class CWnd;
struct KeyPress;

// The keyboard interface of a dialog, as the platform's dialog manager gives it: Tab and Shift+Tab over
// the tab stops, arrows within a group, mnemonics, Enter for the default button and Esc for cancel.
// Child dialogs that group controls take part with their controls.

// The controls of `dialog` in keyboard order, child dialogs' controls in their place; hidden ones too.
std::vector<CWnd*> KeyboardOrder(CWnd& dialog);
[[nodiscard]] bool IsUsable(const CWnd& control);  // visible and enabled, with its ancestors
CWnd* FirstTabStop(CWnd& dialog);
// The group `control` belongs to, within its own parent: from the control before it that starts a group
// (WS_GROUP) up to the next one.
std::vector<CWnd*> ControlGroup(CWnd& control);
CWnd* NextTabStop(CWnd& dialog, CWnd* from, bool backwards);
// The push button that Enter presses in `dialog`, whether or not it can be pressed now.
CWnd* DefaultButton(CWnd& dialog);

// Handles a key pressed in `dialog`; gives the rest to the focused control.
void HandleDialogKey(CWnd& dialog, const KeyPress& key);

}  // namespace tk
