#include "platform/wx/WxBackend.h"

#include "platform/Desktop.h"
#include "platform/DialogTemplate.h"
#include "platform/MessageQueue.h"
#include "platform/Window.h"
#include "platform/wx/WxCanvas.h"
#include "platform/wx/WxKeyHook.h"
#include "platform/wx/WxMessageBox.h"
#include "platform/wx/WxTheme.h"
#include "platform/wx/WxTimer.h"
#include "platform/wx/WxToolkitPort.h"
#include "platform/wx/WxWindowPeer.h"

#include <wx/app.h>
#include <wx/display.h>
#include <wx/event.h>
#include <wx/evtloop.h>
#include <wx/toplevel.h>
#include <wx/utils.h>
#include <wx/weakref.h>

#include <algorithm>
#include <chrono>
#include <thread>

namespace {
// Timers tick no faster than the desktop the game was made for lets them.
constexpr unsigned MIN_TIMER_PERIOD = 10;
} // namespace

WxBackend::WxBackend()
{
    // The game keeps its menu and controls up to date itself and handles no idle time: the
    // toolkit need not offer idle and update-UI events to every window after every event.
    wxIdleEvent::SetMode(wxIDLE_PROCESS_SPECIFIED);
    wxUpdateUIEvent::SetMode(wxUPDATE_UI_PROCESS_SPECIFIED);
    MessageQueue::Get().Reset();
    SetBackend(this);
    // The dialogs' ground follows the desktop theme, as their controls do.
    WxTheme::Follow();
    keyHook = std::make_unique<WxKeyHook>(*this);
}

WxBackend::~WxBackend()
{
    keyHook.reset();
    for (auto& timer : timers) {
        timer->Stop();
    }
    if (GetBackend() == this) {
        SetBackend(nullptr);
    }
    WxTheme::Stop();
    MessageQueue::Get().Reset();
}

WindowPeer* WxBackend::CreatePeer(Window& window, const DialogTemplate* dialogTemplate,
                                  Window* parent, PeerKind kind)
{
    WxWindowPeer* owner = parent ? Peer(*parent) : nullptr;
    if (!owner && kind != PEER_PAGE) {
        // A dialog given no owner belongs to the window whose modal loop runs.
        if (Window* modal = InnermostModal()) {
            owner = Peer(*modal);
        }
    }
    auto peer = std::make_unique<WxWindowPeer>(*this, window, kind);
    if (kind != PEER_PAGE) {
        peer->SetFocusBefore(wxWindow::FindFocus());
    }
    if (!peer->Create(dialogTemplate, owner)) {
        return nullptr;
    }
    peers.push_back(peer.get());
    return peer.release();
}

void WxBackend::DestroyPeer(Window& /*window*/, WindowPeer* peer)
{
    auto* wxPeer = static_cast<WxWindowPeer*>(peer);
    peers.erase(std::remove(peers.begin(), peers.end(), wxPeer), peers.end());
    delete wxPeer;
}

WxWindowPeer* WxBackend::Peer(const Window& window) const
{
    for (WxWindowPeer* peer : peers) {
        if (&peer->GetWindow() == &window) {
            return peer;
        }
    }
    return nullptr;
}

WxWindowPeer* WxBackend::TopLevelPeer(const void* handle) const
{
    for (WxWindowPeer* peer : peers) {
        wxTopLevelWindow* top = peer->GetKind() != PEER_PAGE ? peer->GetTopLevel() : nullptr;
        if (top && handle && top->GetHandle() == handle) {
            return peer;
        }
    }
    return nullptr;
}

void WxBackend::OrphanPages(WxWindowPeer& sheetPeer)
{
    for (WxWindowPeer* peer : peers) {
        if (peer->GetSheetPeer() == &sheetPeer) {
            peer->Orphan();
        }
    }
}

int WxBackend::RunModal(Window& window)
{
    WxWindowPeer* peer = Peer(window);
    wxTopLevelWindow* top = peer ? peer->GetTopLevel() : nullptr;
    if (!top) {
        return IDCANCEL;
    }
    loops.push_back(Loop{&window, MessageQueue::Get().HandlerDepth(), false, IDCANCEL, nullptr});
    size_t index = loops.size() - 1;
    {
        // Every other window waits for this one, as under a modal dialog.
        wxWindowDisabler disabler(top);
        wxGUIEventLoop loop;
        loops[index].loop = &loop;
        Pump();
        if (!loops[index].ended) {
            loop.Run();
        }
        loops[index].loop = nullptr;
    }
    int result = loops[index].result;
    loops.pop_back();
    // The other windows are enabled again, but GTK forgot which control had the focus when it
    // disabled them: without giving it back, keys (Escape) would reach no window at all.
    RestoreFocus(peer->GetFocusBefore(), InnermostModal());
    // An outer loop that was ended meanwhile stops now that it is innermost again.
    if (!loops.empty() && loops.back().ended && loops.back().loop &&
        loops.back().loop->IsRunning()) {
        loops.back().loop->ScheduleExit(0);
    }
    return result;
}

void WxBackend::EndModal(Window& window, int result)
{
    for (size_t i = loops.size(); i-- > 0;) {
        if (loops[i].window == &window) {
            loops[i].ended = true;
            loops[i].result = result;
            // Only the innermost wx loop can stop; an outer one stops when it is innermost again.
            if (i + 1 == loops.size() && loops[i].loop && loops[i].loop->IsRunning()) {
                loops[i].loop->ScheduleExit(0);
            }
            return;
        }
    }
}

Window* WxBackend::InnermostModal() const
{
    return loops.empty() ? nullptr : loops.back().window;
}

bool WxBackend::IsModalRunning(const Window& window) const
{
    return std::any_of(loops.begin(), loops.end(),
                       [&](const Loop& loop) { return loop.window == &window; });
}

int WxBackend::MessageBox(Window* owner, const char* text, const char* caption, unsigned type)
{
    WxWindowPeer* peer = owner ? Peer(*owner) : nullptr;
    if (!peer && InnermostModal()) {
        peer = Peer(*InnermostModal());
    }
    wxWindow* parent = peer ? peer->GetTopLevel() : nullptr;
    wxWeakRef<wxWindow> focus = wxWindow::FindFocus();
    int answer = WxMessageBox::Show(parent, text, caption, type);
    RestoreFocus(focus.get(), peer ? &peer->GetWindow() : nullptr);
    return answer;
}

void WxBackend::RestoreFocus(wxWindow* focus, Window* front)
{
    if (focus && focus->IsShownOnScreen() && focus->IsEnabled()) {
        focus->SetFocus();
    } else if (WxWindowPeer* peer = front ? Peer(*front) : nullptr) {
        if (WxCanvas* canvas = peer->GetCanvas()) {
            canvas->SetFocus();
        }
    }
}

void WxBackend::StartTimer(Window& window, unsigned id, unsigned ms)
{
    unsigned period = std::max(ms, MIN_TIMER_PERIOD);
    WxTimer* free = nullptr;
    for (auto& timer : timers) {
        if (timer->window == &window && timer->id == id) {
            timer->StartFor(window, id, period);
            return;
        }
        if (!timer->window && !free) {
            free = timer.get();
        }
    }
    if (!free) {
        timers.push_back(std::make_unique<WxTimer>(*this));
        free = timers.back().get();
    }
    free->StartFor(window, id, period);
}

void WxBackend::StopTimer(Window& window, unsigned id)
{
    for (auto& timer : timers) {
        if (timer->window == &window && timer->id == id) {
            timer->Stop();
            timer->window = nullptr;
            return;
        }
    }
}

void WxBackend::Wait(unsigned ms)
{
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(ms);
    // What was presented reaches the screen now, not at the toolkit's next frame.
    for (WxWindowPeer* peer : peers) {
        if (WxCanvas* canvas = peer->GetCanvas()) {
            canvas->Flush();
        }
    }
    // Only repainting happens meanwhile: input, timer ticks and the game's own messages wait.
    // Outside any loop (a test's own code) a loop is made for the pause.
    std::unique_ptr<wxGUIEventLoop> temporary;
    wxEventLoopBase* loop = wxEventLoopBase::GetActive();
    if (!loop) {
        temporary = std::make_unique<wxGUIEventLoop>();
        loop = temporary.get();
    }
    wxEventLoopActivator activate(loop);
    for (;;) {
        loop->YieldFor(wxEVT_CATEGORY_UI);
        Clock::time_point now = Clock::now();
        if (now >= deadline) {
            break;
        }
        // The toolkit waits in whole milliseconds; the last fraction is slept exactly.
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - now);
        if (left.count() == 0 || !WxToolkitPort::WaitForToolkit(static_cast<int>(left.count()))) {
            std::this_thread::sleep_for(
                std::min<Clock::duration>(deadline - now, std::chrono::milliseconds(1)));
        }
    }
    if (MessageQueue::Get().PendingCount() > 0) {
        RequestDelivery();
    }
}

Rect WxBackend::GetDesktopRect() const
{
    wxRect r = wxDisplay(0u).GetGeometry();
    return Rect{r.x, r.y, r.x + r.width, r.y + r.height};
}

void WxBackend::AdjustWindowRect(Rect& rect, unsigned style, bool menu) const
{
    bool framed = (style & WS_CAPTION) == WS_CAPTION || (style & (WS_BORDER | DS_MODALFRAME));
    int width = 0;
    int height = 0;
    if (menu && menuFrameKnown) {
        width = menuFrameWidth;
        height = menuFrameHeight;
    } else if (framed) {
        width = frameWidth;
        height = frameHeight;
    }
    // The frame's sides are even; the caption and the menu bar are on top.
    rect.left -= width / 2;
    rect.right += width - width / 2;
    rect.bottom += width / 2;
    rect.top -= height - width / 2;
}

void WxBackend::MeasureFrame(wxTopLevelWindow& top, bool menu)
{
    wxSize outer = top.GetSize();
    wxSize client = top.GetClientSize();
    if (menu) {
        menuFrameWidth = outer.x - client.x;
        menuFrameHeight = outer.y - client.y;
        menuFrameKnown = true;
    } else {
        frameWidth = outer.x - client.x;
        frameHeight = outer.y - client.y;
    }
}

int WxBackend::GetSystemMetrics(int index) const
{
    switch (index) {
    case SM_CXSCREEN:
        return GetDesktopRect().Width();
    case SM_CYSCREEN:
        return GetDesktopRect().Height();
    case SM_CXICON:
    case SM_CYICON:
        return 32;
    default:
        return 0;
    }
}

void WxBackend::Post(const Message& message)
{
    // Delivery follows at once, so the queue need not ask for it later.
    posting = true;
    MessageQueue::Get().Post(message);
    posting = false;
    Pump();
}

void WxBackend::PostLater(const Message& message)
{
    MessageQueue::Get().Post(message);
}

bool WxBackend::CanPump() const
{
    const MessageQueue& queue = MessageQueue::Get();
    int level = loops.empty() ? 0 : loops.back().level;
    return !queue.IsSleeping() && queue.HandlerDepth() == level;
}

bool WxBackend::InnermostEnded() const
{
    return !loops.empty() && loops.back().ended;
}

void WxBackend::Pump()
{
    if (!CanPump()) {
        // A running handler's caller delivers what waits when the handler returns.
        return;
    }
    MessageQueue& queue = MessageQueue::Get();
    while (!InnermostEnded() && queue.DeliverOne()) {
    }
}

void WxBackend::RequestDelivery()
{
    if (deliveryRequested || posting || !wxTheApp) {
        return;
    }
    deliveryRequested = true;
    wxTheApp->CallAfter(&WxBackend::DeliverLater);
}

void WxBackend::DeliverLater()
{
    // The backend may have gone meanwhile; only the installed one delivers.
    if (auto* backend = dynamic_cast<WxBackend*>(GetBackend())) {
        backend->deliveryRequested = false;
        backend->Pump();
    }
}
