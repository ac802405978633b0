#pragma once

#include "platform/Geometry.h"

#include <string>

class Window;

// What a window is told, in the order the backend or the program produced it. The backends turn
// toolkit events into these; Window::Dispatch turns them into the handlers.
enum MessageKind
{
    MSG_MOUSEMOVE,
    MSG_LBUTTONDOWN, // a double click arrives as a second button-down
    MSG_RBUTTONUP,
    MSG_TIMER,      // id: the timer id
    MSG_COMMAND,    // id: command or control id, code: notification code
    MSG_SYSCOMMAND, // id: system command (SC_CLOSE or an item of the system menu), param
    MSG_PAINT,      // produced by the queue itself when nothing else waits
    MSG_INITDIALOG, // sent once when the window has been built, before it shows
    MSG_KEY_ENTER,  // becomes the default button's command
    MSG_KEY_ESCAPE, // becomes IDCANCEL
    MSG_KEYDOWN,    // any other key: id the key (platform/Keys.h), flags its modifiers
    MSG_SELECT_TAB, // property sheets: value is the page index
    // The player working a control of a dialog. The backend without real controls delivers these so
    // that the control changes when the dialog gets the input, as a real one would.
    MSG_CONTROL_CLICK,  // a button, check box or radio button: id
    MSG_CONTROL_SELECT, // a drop-down list entry chosen: id, value = index
    MSG_CONTROL_SCROLL, // a slider dragged: id, value = position
    MSG_CONTROL_TYPE,   // an edit box typed over: id, text
};

// Buttons of dialogs, answers of message boxes.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;
// The Apply button of a property sheet.
constexpr int ID_APPLY_NOW = 0x3021;

// Key and button flags of mouse messages.
constexpr unsigned MK_LBUTTON = 0x0001;
constexpr unsigned MK_RBUTTON = 0x0002;
constexpr unsigned MK_SHIFT = 0x0004;
constexpr unsigned MK_CONTROL = 0x0008;

// Notification codes of MSG_COMMAND. Menu commands and button clicks both come as BN_CLICKED.
constexpr int BN_CLICKED = 0;
constexpr int CBN_SELCHANGE = 1;
constexpr int EN_CHANGE = 0x0300;

// System commands.
constexpr unsigned SC_MOVE = 0xF010;
constexpr unsigned SC_MINIMIZE = 0xF020;
constexpr unsigned SC_CLOSE = 0xF060;
constexpr unsigned SC_RESTORE = 0xF120;

struct Message
{
    Window* target = nullptr;
    MessageKind kind = MSG_COMMAND;
    unsigned id = 0;
    int code = 0;
    unsigned flags = 0;
    Point point{0, 0};
    long param = 0;
    int value = 0;
    std::string text;
};
