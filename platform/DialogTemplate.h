#pragma once

// Dialog templates as data: what the backends build a dialog and its controls from. Rectangles
// are in dialog units (a quarter of the font's average character width across, an eighth of its
// height down); the backend converts them for the font the template names.

// Window styles.
constexpr unsigned WS_POPUP = 0x80000000;
constexpr unsigned WS_CHILD = 0x40000000;
constexpr unsigned WS_VISIBLE = 0x10000000;
constexpr unsigned WS_DISABLED = 0x08000000;
constexpr unsigned WS_CAPTION = 0x00C00000;
constexpr unsigned WS_BORDER = 0x00800000;
constexpr unsigned WS_VSCROLL = 0x00200000;
constexpr unsigned WS_HSCROLL = 0x00100000;
constexpr unsigned WS_SYSMENU = 0x00080000;
constexpr unsigned WS_GROUP = 0x00020000;
constexpr unsigned WS_TABSTOP = 0x00010000;
constexpr unsigned WS_EX_APPWINDOW = 0x00040000;

// Dialog styles.
constexpr unsigned DS_SETFONT = 0x0040;
constexpr unsigned DS_MODALFRAME = 0x0080;

// Button styles (the low four bits are the kind of button).
constexpr unsigned BS_PUSHBUTTON = 0x0000;
constexpr unsigned BS_DEFPUSHBUTTON = 0x0001;
constexpr unsigned BS_AUTOCHECKBOX = 0x0003;
constexpr unsigned BS_GROUPBOX = 0x0007;
constexpr unsigned BS_AUTORADIOBUTTON = 0x0009;
constexpr unsigned BS_CENTER = 0x0300;

// Static styles.
constexpr unsigned SS_LEFT = 0x0000;
constexpr unsigned SS_CENTER = 0x0001;
constexpr unsigned SS_ICON = 0x0003;
constexpr unsigned SS_NOPREFIX = 0x0080;
constexpr unsigned SS_CENTERIMAGE = 0x0200;
constexpr unsigned SS_SUNKEN = 0x1000;

// Drop-down list styles.
constexpr unsigned CBS_DROPDOWNLIST = 0x0003;
constexpr unsigned CBS_SORT = 0x0100;

// Edit box styles. A multi-line box wraps its lines at its width and, with WS_VSCROLL, scrolls
// them; a read-only one shows its text for reading and copying only.
constexpr unsigned ES_MULTILINE = 0x0004;
constexpr unsigned ES_AUTOHSCROLL = 0x0080;
constexpr unsigned ES_READONLY = 0x0800;

// Slider styles.
constexpr unsigned TBS_AUTOTICKS = 0x0001;
constexpr unsigned TBS_VERT = 0x0002;
constexpr unsigned TBS_LEFT = 0x0004;

// The id of controls that nobody addresses (labels, group boxes).
constexpr int IDC_STATIC = -1;

enum ControlKind
{
    CONTROL_STATIC,      // text: left aligned, or centred with SS_CENTER; SS_SUNKEN edge
    CONTROL_ICON,        // a static showing the icon resourceId
    CONTROL_PUSHBUTTON,  // BS_DEFPUSHBUTTON marks the default button
    CONTROL_CHECKBOX,    // automatic: a click toggles it
    CONTROL_RADIOBUTTON, // automatic: a click checks it and clears the rest of its group
    CONTROL_GROUPBOX,
    CONTROL_COMBOBOX, // a drop-down list; CBS_SORT keeps it sorted ignoring case
    CONTROL_SLIDER,
    CONTROL_EDIT,
};

struct ControlTemplate
{
    int id;
    ControlKind kind;
    const char* text;
    unsigned style; // WS_ bits and the kind's own bits
    int x;
    int y;
    int cx;
    int cy;
    int resourceId; // the icon of a CONTROL_ICON; 0 otherwise
};

struct DialogTemplate
{
    int id;
    const char* caption; // also the tab caption of a property page
    unsigned style;
    unsigned exStyle;
    int menuId; // 0: no menu
    const char* fontName;
    int fontSize; // points
    int x;
    int y;
    int cx;
    int cy;
    const ControlTemplate* controls;
    int controlCount;
};
