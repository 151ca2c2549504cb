#pragma once

#include <cstdint>

namespace tk {

// Command ids of the standard buttons, and the answers of a message box.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

// Message box types: a button set combined with an icon.
constexpr unsigned int MB_OK = 0x0;
constexpr unsigned int MB_OKCANCEL = 0x1;
constexpr unsigned int MB_YESNO = 0x4;
constexpr unsigned int MB_ICONERROR = 0x10;
constexpr unsigned int MB_ICONQUESTION = 0x20;

// Notification codes a control sends its parent with its id.
constexpr int BN_CLICKED = 0;
constexpr int CBN_SELCHANGE = 1;

// ShowWindow commands.
constexpr int SW_HIDE = 0;
constexpr int SW_SHOW = 5;
constexpr int SW_SHOWNA = 8;  // show without activating

// SetWindowPos flags.
constexpr unsigned int SWP_NOSIZE = 0x1;
constexpr unsigned int SWP_NOMOVE = 0x2;
constexpr unsigned int SWP_NOZORDER = 0x4;
constexpr unsigned int SWP_NOACTIVATE = 0x10;
constexpr unsigned int SWP_SHOWWINDOW = 0x40;
constexpr unsigned int SWP_HIDEWINDOW = 0x80;

// System metrics the setup asks for.
constexpr int SM_CXICON = 11;
constexpr int SM_CYICON = 12;

// Icon sizes for SetIcon.
constexpr bool ICON_BIG = true;
constexpr bool ICON_SMALL = false;

// Stretch modes of a paint context.
enum class StretchMode { Nearest, Halftone };
constexpr StretchMode HALFTONE = StretchMode::Halftone;

// Window and control styles, as bit flags that templates combine.
enum Style : std::uint32_t {
    WS_NONE = 0,
    WS_VISIBLE = 1U << 0,
    WS_DISABLED = 1U << 1,
    WS_TABSTOP = 1U << 2,
    WS_GROUP = 1U << 3,
    WS_CHILD = 1U << 4,
    WS_POPUP = 1U << 5,
    WS_CAPTION = 1U << 6,
    WS_SYSMENU = 1U << 7,
    WS_BORDER = 1U << 8,
    WS_VSCROLL = 1U << 9,
    WS_MINIMIZEBOX = 1U << 10,
    WS_MAXIMIZEBOX = 1U << 11,
    WS_THICKFRAME = 1U << 12,
    DS_MODALFRAME = 1U << 13,
    DS_CONTROL = 1U << 14,  // a child dialog whose controls join the parent's keyboard interface
    DS_CENTER = 1U << 15,
    // control-specific
    BS_DEFPUSHBUTTON = 1U << 16,
    ES_MULTILINE = 1U << 17,
    ES_READONLY = 1U << 18,
    ES_WANTRETURN = 1U << 19,
    ES_AUTOVSCROLL = 1U << 20,
    CBS_SORT = 1U << 21,
    PBS_SMOOTH = 1U << 22,
};
constexpr Style operator|(Style a, Style b)
{
    return static_cast<Style>(static_cast<std::uint32_t>(a) | static_cast<std::uint32_t>(b));
}

// Extended styles.
enum ExStyle : std::uint32_t {
    WS_EX_NONE = 0,
    WS_EX_STATICEDGE = 1U << 0,
    WS_EX_APPWINDOW = 1U << 1,
    WS_EX_CONTROLPARENT = 1U << 2,
    WS_EX_CLIENTEDGE = 1U << 3,
};
constexpr ExStyle operator|(ExStyle a, ExStyle b)
{
    return static_cast<ExStyle>(static_cast<std::uint32_t>(a) | static_cast<std::uint32_t>(b));
}

}  // namespace tk
