#pragma once

#include <string>

class Control;
class Window;

// Binds a dialog's controls to its member values, in the direction UpdateData asks for:
// saving reads the controls into the values, loading writes the values into the controls.
class DataExchange
{
public:
    DataExchange(Window* window, bool saveAndValidate);
    virtual ~DataExchange() = default;

    bool IsSaving() const { return saving; }
    Window* GetWindow() const { return window; }

    // Makes control a handle of the window's control with that id (both directions).
    void Bind(int id, Control& control);
    // A drop-down list's selected index; -1 for none.
    void ComboIndex(int id, int& index);
    // A drop-down list's selected text ("" for none). Loading selects the first entry that begins
    // with the text, ignoring case, and leaves the selection alone when none does.
    void ComboString(int id, std::string& text);
    // A check box: 0 or 1.
    void Check(int id, int& checked);
    // The radio group that begins at the button firstId (it runs to the next control that starts
    // a group): the index of the checked button among the group's radio buttons, -1 for none.
    void Radio(int firstId, int& index);
    // A slider's position.
    void Slider(int id, int& position);
    // An edit box's or a static's text.
    void Text(int id, std::string& text);

private:
    Window* window;
    bool saving;
};
