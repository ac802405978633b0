#pragma once

#include "platform/Backend.h"
#include "platform/Message.h"

#include <memory>
#include <vector>

class WxKeyHook;
class WxTimer;
class WxWindowPeer;
class wxGUIEventLoop;
class wxTopLevelWindow;
class wxWindow;

// The backend of the real game, over wxWidgets on GTK. Constructing one installs it (and empties
// the message queue); destroying it uninstalls it. It needs a running wxApp.
//
// Toolkit events become messages in the shared MessageQueue, which is then pumped: a message
// reaches its window at once unless a handler is running (then the handler's caller pumps when it
// returns) or a Sleep is pausing. Each modal loop is a wx event loop of its own.
class WxBackend : public Backend
{
public:
    WxBackend();
    ~WxBackend() override;

    WxBackend(const WxBackend&) = delete;
    WxBackend& operator=(const WxBackend&) = delete;

    WindowPeer* CreatePeer(Window& window, const DialogTemplate* dialogTemplate, Window* parent,
                           PeerKind kind) override;
    void DestroyPeer(Window& window, WindowPeer* peer) override;
    int RunModal(Window& window) override;
    void EndModal(Window& window, int result) override;
    int MessageBox(Window* owner, const char* text, const char* caption, unsigned type) override;
    void StartTimer(Window& window, unsigned id, unsigned ms) override;
    void StopTimer(Window& window, unsigned id) override;
    void Wait(unsigned ms) override;
    Rect GetDesktopRect() const override;
    void AdjustWindowRect(Rect& rect, unsigned style, bool menu) const override;
    int GetSystemMetrics(int index) const override;
    void RequestDelivery() override;

    // Queues a message from the toolkit and delivers what can be delivered now.
    void Post(const Message& message);
    // Queues a message to be delivered once the toolkit's current event is over.
    void PostLater(const Message& message);
    // Delivers waiting messages, and paints, while no handler runs and no Sleep pauses.
    void Pump();

    WxWindowPeer* Peer(const Window& window) const;
    // The peer of a window or sheet whose top-level window has that native handle, or nullptr.
    WxWindowPeer* TopLevelPeer(const void* handle) const;
    // The window of the innermost modal loop, or nullptr.
    Window* InnermostModal() const;
    bool IsModalRunning(const Window& window) const;
    // Remembers what the frame around a shown window's client area measures, for AdjustWindowRect.
    void MeasureFrame(wxTopLevelWindow& top, bool menu);
    // A sheet is going: its pages lose their clients with it.
    void OrphanPages(WxWindowPeer& sheetPeer);
    // After a modal window: the focus goes back where it was, or to the client area of the
    // window in front.
    void RestoreFocus(wxWindow* focus, Window* front);

private:
    struct Loop
    {
        Window* window;
        int level;
        bool ended;
        int result;
        wxGUIEventLoop* loop;
    };

    bool CanPump() const;
    static void DeliverLater();
    bool InnermostEnded() const;

    std::vector<WxWindowPeer*> peers;
    std::vector<Loop> loops;
    std::vector<std::unique_ptr<WxTimer>> timers;
    std::unique_ptr<WxKeyHook> keyHook;
    bool deliveryRequested = false;
    bool posting = false;
    // The frame's share of a window: width, and height including the caption (and menu bar).
    int frameWidth = 0;
    int frameHeight = 0;
    int menuFrameWidth = 0;
    int menuFrameHeight = 0;
    bool menuFrameKnown = false;
};
