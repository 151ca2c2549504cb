#pragma once

#include "toolkit/Types.h"

#include <string>
#include <vector>

namespace tk {

enum class ControlKind {
    PushButton,
    AutoRadioButton,
    StaticText,        // left-aligned, word-wrapped
    StaticBlackFrame,  // a one-pixel frame in the window-frame colour; its inside is left to the parent
    StaticEtchedHorz,  // the etched separator line
    Edit,
    ComboBoxDropList,  // a drop-down list without an edit field
    ProgressBar,
};

// One control of a dialog template; positions and sizes in dialog units.
struct ControlTemplate {
    int id = -1;
    ControlKind kind = ControlKind::StaticText;
    std::string text;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    Style style = WS_VISIBLE;
    ExStyle exStyle = WS_EX_NONE;
};

struct FontSpec {
    std::string family = "MS Sans Serif";
    int points = 8;
};

// A dialog layout as data: the toolkit turns it into a window and its controls.
struct DialogTemplate {
    int id = 0;
    std::string caption;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    FontSpec font;
    Style style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    ExStyle exStyle = WS_EX_NONE;
    std::vector<ControlTemplate> controls;
};

}  // namespace tk
