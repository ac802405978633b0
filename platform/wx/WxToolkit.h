#pragma once

// The first header of every file of the wx layer (its precompiled header): the toolkit's.
// On Windows the toolkit brings the system's own headers, which define many of the names the
// platform layer gives its messages, styles, keys and services, the game having been made for
// that desktop: a few as functions of the same signature, the rest as macros. While the
// system's headers are read (before the toolkit's, some of whose members have those names too),
// its functions of those names are renamed; after the toolkit's headers its macros of those
// names are taken away. In this layer every such name is then the game's, with the same value
// where it is a constant; the system's functions are not called by those names here.
#ifdef _WIN32
#define GetCapture WindowsGetCapture
#define SetCapture WindowsSetCapture
#define ReleaseCapture WindowsReleaseCapture
#define GetSysColor WindowsGetSysColor
#define GetSystemMetrics WindowsGetSystemMetrics
#define Sleep WindowsSleep
#include <wx/msw/wrapwin.h>
#undef GetCapture
#undef SetCapture
#undef ReleaseCapture
#undef GetSysColor
#undef GetSystemMetrics
#undef Sleep
#endif

#include <wx/wx.h>

#ifdef _WIN32
#undef AppendMenu
#undef BLACK_BRUSH
#undef BLACK_PEN
#undef BN_CLICKED
#undef BS_AUTOCHECKBOX
#undef BS_AUTORADIOBUTTON
#undef BS_CENTER
#undef BS_DEFPUSHBUTTON
#undef BS_GROUPBOX
#undef BS_PUSHBUTTON
#undef CBN_SELCHANGE
#undef CBS_DROPDOWNLIST
#undef CBS_SORT
#undef CB_ERR
#undef CLR_INVALID
#undef COLOR_3DDKSHADOW
#undef COLOR_3DLIGHT
#undef COLOR_BTNFACE
#undef COLOR_BTNHIGHLIGHT
#undef COLOR_BTNSHADOW
#undef COLOR_BTNTEXT
#undef COLOR_GRAYTEXT
#undef COLOR_INACTIVEBORDER
#undef COLOR_WINDOW
#undef COLOR_WINDOWTEXT
#undef DS_MODALFRAME
#undef DS_SETFONT
#undef EN_CHANGE
#undef ES_AUTOHSCROLL
#undef ES_MULTILINE
#undef ES_READONLY
#undef FALT
#undef FCONTROL
#undef FSHIFT
#undef GetBValue
#undef GetGValue
#undef GetMenuString
#undef GetRValue
#undef GetWindowText
#undef IDCANCEL
#undef IDNO
#undef IDOK
#undef IDYES
#undef MB_DEFBUTTON2
#undef MB_ICONEXCLAMATION
#undef MB_ICONQUESTION
#undef MB_OK
#undef MB_OKCANCEL
#undef MB_YESNO
#undef MF_BYCOMMAND
#undef MF_BYPOSITION
#undef MF_CHECKED
#undef MF_DISABLED
#undef MF_ENABLED
#undef MF_GRAYED
#undef MF_POPUP
#undef MF_SEPARATOR
#undef MF_STRING
#undef MF_UNCHECKED
#undef MK_CONTROL
#undef MK_LBUTTON
#undef MK_RBUTTON
#undef MK_SHIFT
#undef MessageBox
#undef NULL_BRUSH
#undef NULL_PEN
#undef PS_NULL
#undef PS_SOLID
#undef PropertySheet
#undef RGB
#undef SC_CLOSE
#undef SC_MINIMIZE
#undef SC_MOVE
#undef SC_RESTORE
#undef SM_CXICON
#undef SM_CXSCREEN
#undef SM_CYICON
#undef SM_CYSCREEN
#undef SRCCOPY
#undef SS_CENTER
#undef SS_CENTERIMAGE
#undef SS_ICON
#undef SS_LEFT
#undef SS_NOPREFIX
#undef SS_SUNKEN
#undef SetWindowText
#undef VK_DELETE
#undef VK_DOWN
#undef VK_ESCAPE
#undef VK_F1
#undef VK_F12
#undef VK_F4
#undef VK_LEFT
#undef VK_NEXT
#undef VK_OEM_COMMA
#undef VK_PRIOR
#undef VK_RETURN
#undef VK_RIGHT
#undef VK_SPACE
#undef VK_TAB
#undef VK_UP
#undef WHITE_BRUSH
#undef WHITE_PEN
#undef WS_BORDER
#undef WS_CAPTION
#undef WS_CHILD
#undef WS_DISABLED
#undef WS_EX_APPWINDOW
#undef WS_GROUP
#undef WS_HSCROLL
#undef WS_POPUP
#undef WS_SYSMENU
#undef WS_TABSTOP
#undef WS_VISIBLE
#undef WS_VSCROLL
#endif
