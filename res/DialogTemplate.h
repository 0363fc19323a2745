#pragma once

#include <cstdint>
#include <vector>

// Dialog templates as data: each page builds its controls from one of these.
// Positions and sizes are in dialog units; the order of controls is the tab order.

// Window and control styles, with their Win32 values so templates read as they were drawn.
enum : std::uint32_t {
    WS_CHILD = 0x40000000,
    WS_VISIBLE = 0x10000000,
    WS_BORDER = 0x00800000,
    WS_VSCROLL = 0x00200000,
    WS_GROUP = 0x00020000,
    WS_TABSTOP = 0x00010000,
    WS_EX_APPWINDOW = 0x00040000,

    BS_DEFPUSHBUTTON = 0x00000001,
    BS_AUTORADIOBUTTON = 0x00000009,
    BS_TYPEMASK = 0x0000000F,
    ES_AUTOHSCROLL = 0x00000080,
    SS_ICON = 0x00000003,
    SS_BITMAP = 0x0000000E,
    SS_TYPEMASK = 0x0000001F,
    SS_NOPREFIX = 0x00000080,
    CBS_DROPDOWNLIST = 0x00000003,
    CBS_SORT = 0x00000100,
    LBS_NOTIFY = 0x00000001,
    LBS_SORT = 0x00000002,
    LBS_NOINTEGRALHEIGHT = 0x00000100,
    LVS_REPORT = 0x00000001,
};

// Control ids the platform gives meaning to on every dialog: OK ends it
// accepted, Cancel (also Escape and the close box) ends it rejected; a static
// text that nobody addresses has none.
enum DialogCommand { IDOK = 1, IDCANCEL = 2 };
inline constexpr int IDC_STATIC = -1;

enum class ControlClass { Static, Button, Edit, ComboBox, ListBox, ListView };

struct ControlTemplate {
    ControlClass controlClass;
    int id;           // IDC_STATIC for controls nobody addresses
    const char* text; // UTF-8; "&" marks an access letter, "\n" a line break
    int x, y, cx, cy; // dialog units
    std::uint32_t style;
    int image = 0; // icon or bitmap resource of an SS_ICON / SS_BITMAP static
};

struct DialogTemplate {
    int id;
    const char* caption;
    int cx, cy; // dialog units
    std::uint32_t exStyle;
    const char* fontName;
    int pointSize;
    std::vector<ControlTemplate> controls;
};

// The template with the given number, or nullptr when there is none.
const DialogTemplate* FindDialogTemplate(int id);
