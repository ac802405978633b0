#pragma once

#include <string>

class wxDialog;
class wxWindow;

// A modal message box as a wx dialog of our own, so that it has a rectangle, our caption and the
// icon the box asks for: OK alone with no icon, or Yes and No with the question icon. It is wide
// enough for its caption, lays out a text with tabs in columns, and gives the focus to its default
// button (the second one with MB_DEFBUTTON2), which Enter presses. As on
// the desktop the game was made for, a Yes/No box can only be answered with its buttons (Escape
// and the close box do nothing), and a box with OK alone answers OK to Escape and the close box.
class WxMessageBox
{
public:
    // The answer: IDOK, IDCANCEL, IDYES or IDNO.
    static int Show(wxWindow* parent, const char* text, const char* caption, unsigned type);
    // The box on the screen right now, or nullptr, and its text.
    static wxDialog* Current();
    static const std::string& CurrentText();
};
