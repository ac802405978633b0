#pragma once

#include "platform/ControlPeer.h"

#include <string>

#include <wx/string.h>

class wxCommandEvent;
class wxRadioButton;
class wxWindow;

// A control of a dialog as a real wx control: push button, check box, radio button, group box,
// drop-down list (wxChoice), slider, edit box (one line, or multi-line and read-only), static
// text (the sunken or vertically centred kind drawn by WxSunkenStatic) and icon static. Its wx id
// is the control's id, so that its commands reach the window through the canvas it sits on.
class WxControlPeer : public ControlPeer
{
public:
    // Makes the control on parent at the rectangle in pixels (the rectangle of a drop-down list is
    // its closed field: the toolkit chooses the height).
    WxControlPeer(wxWindow* parent, const ControlTemplate& control, const Rect& rect);
    // Wraps a button the toolkit made (the OK, Cancel and Apply of a property sheet).
    WxControlPeer(wxWindow* button, int id, unsigned style, const char* text);
    ~WxControlPeer() override = default;

    int GetId() const override { return id; }
    ControlKind GetKind() const override { return kind; }
    unsigned GetStyle() const override { return style; }

    void SetText(const char* text) override;
    void GetText(std::string& text) const override;
    void Enable(bool enable) override;
    bool IsEnabled() const override;
    void Show(bool show) override;
    bool IsVisible() const override;

    void SetCheck(int check) override;
    int GetCheck() const override;

    void InsertString(int index, const char* text) override;
    void DeleteString(int index) override;
    int GetCount() const override;
    void GetString(int index, std::string& text) const override;
    void SetCurSel(int index) override;
    int GetCurSel() const override;

    void SetRange(int minimum, int maximum) override;
    int GetRangeMin() const override;
    int GetRangeMax() const override;
    void SetPos(int position) override;
    int GetPos() const override;

    void SetLimitText(int limit) override;
    int GetLimitText() const override { return limitText; }

    void Move(const Rect& rect) override;
    Rect GetRect() const override;

    wxWindow* GetWx() const { return control; }
    // Radio buttons: the hidden member of the group that is checked when none of the others is.
    void SetGroupNone(wxRadioButton* none) { groupNone = none; }
    // Grows the control to the size its text needs, keeping its centre (down) and its aligned edge
    // (across); the drop-down list and the edit box keep the toolkit's height.
    void GrowToFit();

private:
    // Keeps an edit box's text within its limit in bytes, which the toolkit counts in characters.
    void OnEditText(wxCommandEvent& event);

    int id;
    ControlKind kind;
    unsigned style;
    std::string text;
    int limitText = 0;
    // The edit box's text as last accepted.
    wxString accepted;
    wxWindow* control = nullptr;
    wxRadioButton* groupNone = nullptr;
};
