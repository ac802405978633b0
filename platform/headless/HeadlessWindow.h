#pragma once

#include "platform/Backend.h"
#include "platform/PixelImage.h"
#include "platform/WindowPeer.h"
#include "platform/headless/HeadlessControl.h"

#include <memory>
#include <string>
#include <vector>

class HeadlessBackend;
class Window;

// A window of the headless backend. Everything a player would see is kept here for tests: the
// title, the frame, the presented image (what the screen shows, updated only by presenting),
// the cursor, the icons, the capture, the controls and the tab in front.
class HeadlessWindow : public WindowPeer
{
public:
    HeadlessWindow(HeadlessBackend& backend, Window& window, PeerKind kind, unsigned style,
                   bool menu);
    ~HeadlessWindow() override = default;

    void SetTitle(const char* newTitle) override { title = newTitle; }
    void Move(const Rect& newWindowRect) override;
    Rect GetWindowRect() const override { return windowRect; }
    Rect GetClientRect() const override { return Rect{0, 0, clientWidth, clientHeight}; }
    void Show(bool show) override { visible = show; }
    bool IsIconic() const override { return iconic; }
    void Present(const Rect& area) override;
    void SetCursor(const Cursor* newCursor) override { cursor = newCursor; }
    void SetIcon(const Icon* icon, bool big) override { (big ? bigIcon : smallIcon) = icon; }
    void SetCapture(bool capture) override { captured = capture; }
    void MenuChanged(const Menu& /*menu*/) override { ++menuChanges; }
    int GetControlCount() const override { return static_cast<int>(controls.size()); }
    ControlPeer* GetControl(int index) override { return controls[index].get(); }
    void SetActiveTab(int index) override { activeTab = index; }

    // Sets the client size and puts the frame around it at (x, y).
    void Place(int x, int y, int width, int height);
    HeadlessControl* FindControl(int id);

    Window& window;
    PeerKind kind;
    unsigned style;
    bool menu;
    std::string title;
    Rect windowRect{0, 0, 0, 0};
    int clientWidth = 0;
    int clientHeight = 0;
    bool visible = false;
    bool iconic = false;
    bool captured = false;
    const Cursor* cursor = nullptr;
    const Icon* bigIcon = nullptr;
    const Icon* smallIcon = nullptr;
    int activeTab = -1;
    int menuChanges = 0;
    // What the screen shows: the back buffer as of the last presentation of each area.
    PixelImage screen;
    int presentCount = 0;
    Rect lastPresented{0, 0, 0, 0};
    std::vector<std::unique_ptr<HeadlessControl>> controls;

private:
    HeadlessBackend& backend;
};
