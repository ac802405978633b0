#pragma once

#include "platform/Backend.h"
#include "platform/Message.h"
#include "platform/WindowPeer.h"
#include "platform/wx/WxControlPeer.h"
#include "platform/wx/WxMenuBar.h"

#include <memory>
#include <vector>

#include <wx/font.h>
#include <wx/weakref.h>

class WxBackend;
class WxCanvas;
class Window;
class wxBookCtrlEvent;
class wxCloseEvent;
class wxCommandEvent;
class wxFrame;
class wxPropertySheetDialog;
class wxTopLevelWindow;
class wxWindow;
struct DialogTemplate;

// A window of the game on the screen. A window with a menu is a wxFrame, any other dialog a
// wxDialog, a property sheet a wxPropertySheetDialog with a tab per page; each has a fixed size
// (no resize border, no maximise box). The client area of a dialog and of a page is a WxCanvas
// showing the back buffer, with the template's controls on it.
class WxWindowPeer : public WindowPeer
{
public:
    WxWindowPeer(WxBackend& backend, Window& window, PeerKind kind);
    ~WxWindowPeer() override;

    WxWindowPeer(const WxWindowPeer&) = delete;
    WxWindowPeer& operator=(const WxWindowPeer&) = delete;

    // Makes the wx windows; owner is the window the dialog belongs to (for a page, its sheet).
    // False when the toolkit could not.
    bool Create(const DialogTemplate* dialogTemplate, WxWindowPeer* owner);

    void SetTitle(const char* title) override;
    void Move(const Rect& windowRect) override;
    Rect GetWindowRect() const override;
    Rect GetClientRect() const override { return Rect{0, 0, clientWidth, clientHeight}; }
    void Show(bool show) override;
    bool IsIconic() const override;
    void Present(const Rect& area) override;
    void SetCursor(const Cursor* cursor) override;
    void SetIcon(const Icon* icon, bool big) override;
    void SetCapture(bool capture) override;
    void MenuChanged(const Menu& menu) override;
    int GetControlCount() const override { return static_cast<int>(controls.size()); }
    ControlPeer* GetControl(int index) override { return controls[index].get(); }
    void SetActiveTab(int index) override;

    Window& GetWindow() const { return window; }
    PeerKind GetKind() const { return kind; }
    // The frame or dialog on the screen (a page's is its sheet's); nullptr for a page whose sheet
    // is gone.
    wxTopLevelWindow* GetTopLevel() const;
    WxCanvas* GetCanvas() const { return canvas; }
    const WxMenuBar& GetMenuBar() const { return menuBar; }
    // A property sheet's panel for the page at index; nullptr for anything else.
    wxWindow* GetPageHolder(int index) const;
    // A page whose sheet goes first: the sheet takes the page's client with it.
    void Orphan();
    WxWindowPeer* GetSheetPeer() const { return sheetPeer; }
    // The focus another window had when this one opened, to go back there when it closes.
    void SetFocusBefore(wxWindow* focus) { focusBefore = focus; }
    wxWindow* GetFocusBefore() const { return focusBefore.get(); }

private:
    bool CreateDialog(const DialogTemplate& dialogTemplate, wxWindow* parent);
    bool CreateSheet(wxWindow* parent);
    bool CreatePage(const DialogTemplate& dialogTemplate, WxWindowPeer* sheetPeer);
    // The canvas on parent with the template's controls, laid out in the template's font.
    void BuildClient(const DialogTemplate& dialogTemplate, wxWindow* parent, const wxSize& least);
    void BindTopLevel();
    void OnClose(wxCloseEvent& event);
    // A menu item or a sheet button, as the command the game's handlers know.
    void PostCommand(unsigned id);
    void OnMenu(wxCommandEvent& event);
    void OnSheetButton(wxCommandEvent& event);
    void OnPageChanged(wxBookCtrlEvent& event);
    void PostSimple(MessageKind kind, unsigned id, int code = 0, unsigned flags = 0);

    WxBackend& backend;
    Window& window;
    PeerKind kind;
    wxTopLevelWindow* top = nullptr;
    wxFrame* frame = nullptr;
    wxPropertySheetDialog* sheet = nullptr;
    std::vector<wxWindow*> pageHolders;
    WxCanvas* canvas = nullptr;
    WxWindowPeer* sheetPeer = nullptr;
    std::vector<std::unique_ptr<WxControlPeer>> controls;
    WxMenuBar menuBar;
    wxWeakRef<wxWindow> focusBefore;
    unsigned style = 0;
    bool hasMenu = false;
    int clientWidth = 0;
    int clientHeight = 0;
};
