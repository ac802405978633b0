#pragma once

#include "platform/Geometry.h"

#include <string>

class Control;
class HeadlessBackend;
class HeadlessWindow;
class PropertySheet;
class Window;

// A test script's hold on a modal dialog or property sheet while it runs. Each action is the
// player's: it is queued and, the script running between messages, handled at once. In a
// property sheet, controls are those of the page in front, and OK, Cancel and Apply those of the
// sheet.
class DialogSession
{
public:
    DialogSession(HeadlessBackend& backend, Window& window);
    virtual ~DialogSession() = default;

    Window& GetWindow() const { return window; }
    PropertySheet* GetSheet() const { return sheet; }
    // The page in front for a sheet, else the dialog.
    Window& Front() const;
    HeadlessWindow* Peer() const;
    HeadlessBackend& Backend() const { return backend; }
    // Still running (not ended by its handlers).
    bool IsOpen() const;

    Control* Item(int id) const;
    std::string Text(int id) const;

    // Push buttons, check boxes, radio buttons.
    void Click(int id);
    void Select(int id, int index);
    // Chooses the first entry beginning with text, ignoring case; false when there is none.
    bool SelectText(int id, const char* text);
    void SetSlider(int id, int position);
    void Type(int id, const char* text);
    void SelectTab(int index);

    void Ok();     // Enter
    void Cancel(); // Escape
    // Any key, routed as the real window routes it.
    void Key(unsigned key, unsigned modifiers = 0);
    void Close(); // the close box

    void MouseMove(Point point);
    void LButtonDown(Point point);
    bool ChooseMenuItem(unsigned id);
    void SysCommand(unsigned id);

private:
    Window& Owner(int id) const;

    HeadlessBackend& backend;
    Window& window;
    PropertySheet* sheet;
};
