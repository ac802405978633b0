#pragma once

#include "platform/DialogTemplate.h"
#include "platform/Geometry.h"

#include <string>

class ControlPeer;
class Window;

// A control of a window, reached by id (Window::GetDlgItem) or bound to a member by data
// exchange. It is a handle: it names the window and the control's place in it, and forwards to
// the backend's control while the window exists; before and after that every operation does
// nothing and every query answers 0, -1 or "".
//
// Drop-down lists follow the usual rules: indices from 0, -1 (CB_ERR) for none or for an error;
// a CBS_SORT list inserts each new string after the strings that sort before or equal to it,
// ignoring case; searches find the first entry beginning with the text, ignoring case.
class Control
{
public:
    Control() = default;
    Control(Window* owner, int index);
    virtual ~Control() = default;

    bool IsAttached() const;
    int GetDlgCtrlID() const { return id; }
    ControlKind GetKind() const { return kind; }
    unsigned GetStyle() const { return style; }
    Window* GetOwner() const { return owner; }

    void SetWindowText(const char* text);
    std::string GetWindowText() const;
    void EnableWindow(bool enable = true);
    bool IsWindowEnabled() const;
    void ShowWindow(bool show);
    bool IsWindowVisible() const;
    void MoveWindow(int x, int y, int width, int height, bool repaint = true);
    // In the client coordinates of the owner.
    Rect GetRect() const;

    void SetCheck(int check);
    int GetCheck() const;

    int AddString(const char* text);
    int InsertString(int index, const char* text); // index -1 appends
    int DeleteString(int index);                   // the number of entries left, or -1
    void ResetContent();
    int GetCount() const;
    int SetCurSel(int index); // -1 clears the selection and returns -1
    int GetCurSel() const;
    // The first entry after startAfter (-1: from the top), going round, that begins with prefix.
    int FindString(int startAfter, const char* prefix) const;
    // FindString, then select what it found; -1 and no change when nothing begins with prefix.
    int SelectString(int startAfter, const char* prefix);
    std::string GetLBText(int index) const;
    // The selected entry's text; "" when nothing is selected.
    std::string GetSelectedText() const;

    // Sliders: the position always stays within the range (0 to 100 until set).
    void SetRange(int minimum, int maximum, bool redraw = false);
    int GetRangeMin() const;
    int GetRangeMax() const;
    void SetPos(int position);
    int GetPos() const;

    // Edit boxes: the most bytes of UTF-8 text the player may type (0: no limit), as the game's
    // files count them; a character that would not fit whole is refused.
    void LimitText(int limit);
    int GetLimitText() const;

    static constexpr int CB_ERR = -1;

private:
    ControlPeer* Peer() const;

    Window* owner = nullptr;
    int index = -1;
    int id = 0;
    ControlKind kind = CONTROL_STATIC;
    unsigned style = 0;
};

// Case-blind ordering of ASCII texts, as the sorted lists use it.
int CompareNoCase(const char* a, const char* b);
bool StartsWithNoCase(const char* text, const char* prefix);
// The length of the longest start of a UTF-8 text that fits in limit bytes without splitting a
// character.
size_t FitUtf8(const std::string& text, size_t limit);
