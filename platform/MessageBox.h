#pragma once

#include "platform/Message.h"

class Window;

// Buttons and icons of message boxes.
constexpr unsigned MB_OK = 0x0000;
constexpr unsigned MB_OKCANCEL = 0x0001;
constexpr unsigned MB_YESNO = 0x0004;
constexpr unsigned MB_ICONEXCLAMATION = 0x0030;
constexpr unsigned MB_ICONQUESTION = 0x0020;
// The second button is the default one (Enter presses it) in place of the first.
constexpr unsigned MB_DEFBUTTON2 = 0x0100;
constexpr unsigned MB_BUTTONS_MASK = 0x000F;
constexpr unsigned MB_ICON_MASK = 0x00F0;
constexpr unsigned MB_DEFBUTTON_MASK = 0x0F00;

// A modal message box; returns the button pressed (IDOK, IDCANCEL, IDYES, IDNO). Without a
// backend nothing is shown and the box answers as if its default button had been pressed. A text
// whose lines hold tabs is shown as columns: the first left aligned, the others right aligned.
int MessageBox(Window* owner, const char* text, const char* caption, unsigned type);

// The answer of the box's default button: Enter's answer.
int DefaultButton(unsigned type);

// The application's own box: no owner, the application's title as caption.
int AppMessageBox(const char* text, unsigned type = MB_OK);

// The application's title, "TOBRIX++" unless set otherwise.
void SetAppTitle(const char* title);
const char* GetAppTitle();
