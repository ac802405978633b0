#pragma once

#include "platform/Backend.h"
#include "platform/CommandMap.h"
#include "platform/Control.h"
#include "platform/Geometry.h"
#include "platform/Message.h"
#include "platform/PixelImage.h"

#include <memory>
#include <string>
#include <vector>

class Cursor;
class DataExchange;
class Icon;
class Menu;
class WindowPeer;
struct DialogTemplate;

// A window of the game: its peer in the backend, its controls, its back buffer (the client area's
// pixels, drawn through ClientDC and PaintDC), its update region, its menus and its handlers.
//
// Messages reach the handlers through Dispatch, one at a time: while a handler of a window runs,
// the window is busy and the messages for it wait in the MessageQueue, also when the handler opens
// a nested modal dialog or sleeps.
class Window
{
public:
    Window();
    virtual ~Window();

    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // Makes the window in the backend from a template (nullptr for a property sheet) and builds
    // its controls, menu and back buffer. False when there is no backend or it refused.
    bool CreatePeer(const DialogTemplate* dialogTemplate, Window* parent, PeerKind kind);
    void DestroyWindow();
    bool IsCreated() const { return peer != nullptr; }
    WindowPeer* GetPeer() const { return peer; }
    const DialogTemplate* GetTemplate() const { return dialogTemplate; }
    Window* GetParent() const { return parent; }

    // Messages.
    void Dispatch(const Message& message);
    bool IsBusy() const { return busy > 0; }
    // The default processing of the message being handled (a paint validates the update region,
    // SC_CLOSE closes the window; the rest needs nothing).
    void Default();

    // The colours of the window's ground and of what the backend draws on it: the theme's, as
    // the toolkit's controls on it follow the theme, unless the window paints itself in the
    // game's classic colours. A window keeps its scheme for its lifetime.
    virtual ColorScheme GetColorScheme() const { return ColorScheme::THEME; }
    // What erasing fills with and a new back buffer starts in.
    ColorRef GetFaceColor() const { return GetSchemeColor(GetColorScheme(), COLOR_BTNFACE); }

    // Painting. A null rect stands for the whole client area. Erasing, asked by any invalidation,
    // fills the whole update region with the face colour when the paint begins.
    void InvalidateRect(const Rect* rect, bool erase = true);
    void Invalidate(bool erase = true) { InvalidateRect(nullptr, erase); }
    bool HasUpdateRegion() const { return updateCount > 0; }
    // The update region as a list of rectangles; count 0 when it is empty.
    const Rect* GetUpdateRects(int* count) const;
    bool GetUpdateErase() const { return updateErase; }
    void ValidateAll();
    PixelImage& GetBackBuffer() { return backBuffer; }
    const PixelImage& GetBackBuffer() const { return backBuffer; }
    // What drawing changed since the last presentation; presented and cleared by the queue.
    Rect& DirtyRect() { return dirty; }
    void Present();

    // Timers: a tick arrives as OnTimer(id) between handlers. Setting an existing id restarts it.
    unsigned SetTimer(unsigned id, unsigned ms);
    bool KillTimer(unsigned id);

    // The title and the frame.
    void SetWindowText(const char* text);
    std::string GetWindowText() const { return title; }
    void MoveWindow(int x, int y, int width, int height, bool repaint = true);
    void MoveWindow(const Rect& rect, bool repaint = true);
    void GetClientRect(Rect* rect) const;
    void GetWindowRect(Rect* rect) const;
    bool IsIconic() const;
    void ShowWindow(bool show);
    void SetIcon(const Icon* icon, bool big);
    const Icon* GetIcon(bool big) const { return big ? bigIcon : smallIcon; }

    // Mouse capture (one window at a time) and the cursor shown over this window.
    Window* SetCapture();
    void SetCursor(const Cursor* cursor);
    const Cursor* GetCursor() const { return cursor; }

    // Menus: the menu bar of the template's menu, and the system menu of a WS_SYSMENU window.
    // GetSystemMenu(true) puts the system menu back to its standard items and returns nullptr.
    Menu* GetMenu() const { return menu.get(); }
    Menu* GetSystemMenu(bool revert);

    // Controls by id; nullptr for an id the window does not have (or before it exists).
    Control* GetDlgItem(int id);
    int GetControlCount() const { return static_cast<int>(controls.size()); }
    Control* GetControlAt(int index);
    ControlPeer* GetControlPeer(int index) const;
    const struct ControlTemplate* GetControlTemplate(int index) const;
    void CheckRadioButton(int firstId, int lastId, int checkId);
    int GetCheckedRadioButton(int firstId, int lastId);
    // The id of the default push button; IDOK when the template marks none.
    int GetDefaultButtonId() const;

    // Data exchange: true reads the controls into the values, false writes the values into them.
    bool UpdateData(bool saveAndValidate = true);
    virtual void DoDataExchange(DataExchange& dx);

    // A message box owned by this window; caption nullptr stands for the application's title.
    int MessageBox(const char* text, const char* caption = nullptr, unsigned type = 0);

    // Handlers, called by Dispatch.
    // Runs once when the window has been built, before it shows; the default writes the values
    // into the controls. The result says whether the focus was left to the toolkit.
    virtual bool OnInitDialog();
    virtual void OnPaint();
    virtual void OnMouseMove(unsigned flags, Point point);
    virtual void OnLButtonDown(unsigned flags, Point point);
    virtual void OnRButtonUp(unsigned flags, Point point);
    virtual void OnTimer(unsigned id);
    // A key that is no shortcut of the menu (a shortcut runs its command, or nothing while its
    // item is grayed); flags hold FSHIFT, FCONTROL and FALT.
    virtual void OnKeyDown(unsigned key, unsigned flags);
    // Whether OnKeyDown handles the key: only then does the backend keep it from the toolkit,
    // which would otherwise move the focus or work a control with it. The default: none.
    virtual bool WantsKey(unsigned key, unsigned flags) const;
    virtual void OnSysCommand(unsigned id, long param);
    virtual void OnClose();
    virtual const Icon* OnQueryDragIcon();
    // Routes a command through the command maps; false when no entry takes it.
    virtual bool OnCommand(int id, int code);
    // Property sheets: the player clicked a tab.
    virtual void OnSelectTab(int index);

    static const CommandMap commandMap;
    virtual const CommandMap* GetCommandMap() const { return &commandMap; }

private:
    void BuildControls();
    void BuildMenus();
    void ResizeBackBuffer();
    void ApplyControlInput(const Message& message);

    WindowPeer* peer = nullptr;
    const DialogTemplate* dialogTemplate = nullptr;
    Window* parent = nullptr;
    PeerKind kind = PEER_DIALOG;
    std::vector<Control> controls;
    std::unique_ptr<Menu> menu;
    std::unique_ptr<Menu> systemMenu;
    std::string title;
    PixelImage backBuffer;
    Rect dirty{0, 0, 0, 0};
    static constexpr int MAX_UPDATE_RECTS = 32;
    Rect updateRects[MAX_UPDATE_RECTS];
    int updateCount = 0;
    bool updateErase = false;
    const Cursor* cursor = nullptr;
    const Icon* bigIcon = nullptr;
    const Icon* smallIcon = nullptr;
    int busy = 0;
    const Message* current = nullptr;
    static constexpr int MAX_TIMERS = 16;
    unsigned timerIds[MAX_TIMERS];
    int timerCount = 0;
};

// The window holding the mouse capture, or nullptr.
Window* GetCapture();
void ReleaseCapture();
