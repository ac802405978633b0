#pragma once

class wxDialog;
class wxWindow;

// A modal message box as a wx dialog (the generic one, so that it has a rectangle, our caption and
// the icon the box asks for): OK alone with no icon, or Yes and No with the question icon. As on
// the desktop the game was made for, a Yes/No box can only be answered with its buttons (Escape
// and the close box do nothing), and a box with OK alone answers OK to Escape and the close box.
class WxMessageBox
{
public:
    // The answer: IDOK, IDCANCEL, IDYES or IDNO.
    static int Show(wxWindow* parent, const char* text, const char* caption, unsigned type);
    // The box on the screen right now, or nullptr.
    static wxDialog* Current();
};
