#include "platform/headless/HeadlessBackend.h"

#include "platform/Desktop.h"
#include "platform/DialogTemplate.h"
#include "platform/KeyRoute.h"
#include "platform/Keys.h"
#include "platform/Menu.h"
#include "platform/MessageBox.h"
#include "platform/MessageQueue.h"
#include "platform/PropertySheet.h"
#include "platform/Translation.h"
#include "platform/Window.h"
#include "platform/headless/DialogSession.h"

#include <algorithm>

namespace {
// The property sheet's own parts, in pixels: margins, the tab strip and the row of buttons.
constexpr int SHEET_MARGIN = 7;
constexpr int SHEET_TABS = 24;
constexpr int SHEET_BUTTONS = 32;
constexpr int SHEET_BUTTON_WIDTH = 75;
constexpr int SHEET_BUTTON_HEIGHT = 23;
// Windows tick no faster than this.
constexpr unsigned MIN_TIMER_PERIOD = 10;
} // namespace

HeadlessBackend::HeadlessBackend()
{
    MessageQueue::Get().Reset();
    SetBackend(this);
}

HeadlessBackend::~HeadlessBackend()
{
    if (GetBackend() == this) {
        SetBackend(nullptr);
    }
    MessageQueue::Get().Reset();
}

Rect HeadlessBackend::MapDialogRect(int x, int y, int cx, int cy)
{
    auto across = [](int units) { return (units * BASE_UNIT_X + 2) / 4; };
    auto down = [](int units) { return (units * BASE_UNIT_Y + 4) / 8; };
    return Rect{across(x), down(y), across(x + cx), down(y + cy)};
}

WindowPeer* HeadlessBackend::CreatePeer(Window& window, const DialogTemplate* dialogTemplate,
                                        Window* parent, PeerKind kind)
{
    unsigned style = dialogTemplate ? dialogTemplate->style : 0;
    if (kind == PEER_SHEET) {
        style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    }
    bool menu = dialogTemplate && dialogTemplate->menuId != 0;
    auto* peer = new HeadlessWindow(*this, window, kind, style, menu);

    int width = 0;
    int height = 0;
    if (kind == PEER_SHEET) {
        // As large as the largest page, with the tabs above and the buttons below.
        auto* sheet = dynamic_cast<PropertySheet*>(&window);
        for (int i = 0; sheet && i < sheet->GetPageCount(); ++i) {
            if (const DialogTemplate* page = sheet->GetPage(i)->GetPageTemplate()) {
                Rect size = MapDialogRect(0, 0, page->cx, page->cy);
                width = std::max(width, size.Width());
                height = std::max(height, size.Height());
            }
        }
        width += 2 * SHEET_MARGIN;
        height += 2 * SHEET_MARGIN + SHEET_TABS + SHEET_BUTTONS;
        const int buttons[] = {IDOK, IDCANCEL, ID_APPLY_NOW};
        const char* texts[] = {"OK", "Cancel", "&Apply"};
        for (int i = 0; i < 3; ++i) {
            int right = width - SHEET_MARGIN - (2 - i) * (SHEET_BUTTON_WIDTH + 6);
            Rect rect{right - SHEET_BUTTON_WIDTH, height - SHEET_MARGIN - SHEET_BUTTON_HEIGHT,
                      right, height - SHEET_MARGIN};
            unsigned buttonStyle = WS_VISIBLE | WS_TABSTOP |
                                   (buttons[i] == IDOK ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) |
                                   (buttons[i] == ID_APPLY_NOW ? WS_DISABLED : 0);
            peer->controls.push_back(std::make_unique<HeadlessControl>(
                buttons[i], CONTROL_PUSHBUTTON, buttonStyle, texts[i], rect));
        }
    } else if (dialogTemplate) {
        Rect size = MapDialogRect(0, 0, dialogTemplate->cx, dialogTemplate->cy);
        width = size.Width();
        height = size.Height();
        for (int i = 0; i < dialogTemplate->controlCount; ++i) {
            const ControlTemplate& c = dialogTemplate->controls[i];
            peer->controls.push_back(std::make_unique<HeadlessControl>(
                c.id, c.kind, c.style, Translate(c.text), MapDialogRect(c.x, c.y, c.cx, c.cy)));
        }
    }

    int x = 0;
    int y = 0;
    if (kind == PEER_PAGE) {
        x = SHEET_MARGIN;
        y = SHEET_MARGIN + SHEET_TABS;
    } else {
        if (dialogTemplate) {
            Rect at = MapDialogRect(dialogTemplate->x, dialogTemplate->y, 0, 0);
            x = at.left;
            y = at.top;
        }
        if (HeadlessWindow* owner = parent ? Peer(*parent) : nullptr) {
            x += owner->windowRect.left;
            y += owner->windowRect.top;
        }
    }
    peer->Place(x, y, width, height);
    peers.push_back(peer);
    return peer;
}

void HeadlessBackend::DestroyPeer(Window& /*window*/, WindowPeer* peer)
{
    auto* headless = static_cast<HeadlessWindow*>(peer);
    peers.erase(std::remove(peers.begin(), peers.end(), headless), peers.end());
    delete headless;
}

HeadlessWindow* HeadlessBackend::Peer(const Window& window) const
{
    for (HeadlessWindow* peer : peers) {
        if (&peer->window == &window) {
            return peer;
        }
    }
    return nullptr;
}

int HeadlessBackend::RunModal(Window& window)
{
    loops.push_back(Loop{&window, MessageQueue::Get().HandlerDepth(), false, IDCANCEL});
    Pump();
    if (!loops.back().ended && !scripts.empty()) {
        DialogScript script = std::move(scripts.front());
        scripts.pop_front();
        DialogSession session(*this, window);
        script(session);
        Pump();
    }
    // Nobody is left to answer: the dialog is closed so that the test goes on, and counted.
    if (!loops.back().ended) {
        ++unfinishedDialogs;
    }
    int result = loops.back().result;
    loops.pop_back();
    return result;
}

void HeadlessBackend::EndModal(Window& window, int result)
{
    for (auto it = loops.rbegin(); it != loops.rend(); ++it) {
        if (it->window == &window) {
            it->ended = true;
            it->result = result;
            return;
        }
    }
}

bool HeadlessBackend::IsModalRunning(const Window& window) const
{
    return std::any_of(loops.begin(), loops.end(),
                       [&](const Loop& loop) { return loop.window == &window; });
}

bool HeadlessBackend::IsModalEnded(const Window& window) const
{
    for (auto it = loops.rbegin(); it != loops.rend(); ++it) {
        if (it->window == &window) {
            return it->ended;
        }
    }
    return true;
}

Window* HeadlessBackend::InnermostModal() const
{
    return loops.empty() ? nullptr : loops.back().window;
}

int HeadlessBackend::MessageBox(Window* owner, const char* text, const char* caption, unsigned type)
{
    MessageBoxRecord record{owner, text, caption, type, DefaultButton(type)};
    if (!answers.empty()) {
        record.answer = answers.front();
        answers.pop_front();
    } else if (messageBoxHandler) {
        record.answer = messageBoxHandler(record);
    }
    messageBoxes.push_back(record);
    return record.answer;
}

void HeadlessBackend::StartTimer(Window& window, unsigned id, unsigned ms)
{
    unsigned period = std::max(ms, MIN_TIMER_PERIOD);
    for (int i = 0; i < timerCount; ++i) {
        if (timers[i].window == &window && timers[i].id == id) {
            timers[i].period = period;
            timers[i].due = now + period;
            return;
        }
    }
    if (timerCount < MAX_TIMERS) {
        timers[timerCount++] = Timer{&window, id, period, now + period};
    }
}

void HeadlessBackend::StopTimer(Window& window, unsigned id)
{
    for (int i = 0; i < timerCount; ++i) {
        if (timers[i].window == &window && timers[i].id == id) {
            timers[i] = timers[--timerCount];
            return;
        }
    }
}

const HeadlessBackend::Timer* HeadlessBackend::FindTimer(const Window& window, unsigned id) const
{
    for (int i = 0; i < timerCount; ++i) {
        if (timers[i].window == &window && timers[i].id == id) {
            return &timers[i];
        }
    }
    return nullptr;
}

void HeadlessBackend::Wait(unsigned ms)
{
    now += ms;
    ++sleepCount;
    sleptTotal += ms;
    if (sleepHook) {
        sleepHook(ms);
    }
}

void HeadlessBackend::AdjustWindowRect(Rect& rect, unsigned style, bool menu) const
{
    if ((style & WS_CAPTION) == WS_CAPTION) {
        InflateRect(rect, FRAME, FRAME);
        rect.top -= CAPTION;
    } else if (style & (WS_BORDER | DS_MODALFRAME)) {
        InflateRect(rect, FRAME, FRAME);
    }
    if (menu) {
        rect.top -= MENU_BAR;
    }
}

int HeadlessBackend::GetSystemMetrics(int index) const
{
    switch (index) {
    case SM_CXSCREEN:
        return desktop.Width();
    case SM_CYSCREEN:
        return desktop.Height();
    case SM_CXICON:
    case SM_CYICON:
        return 32;
    default:
        return 0;
    }
}

void HeadlessBackend::PostDueTimers()
{
    for (int i = 0; i < timerCount; ++i) {
        if (timers[i].due <= now) {
            Message tick;
            tick.target = timers[i].window;
            tick.kind = MSG_TIMER;
            tick.id = timers[i].id;
            MessageQueue::Get().Post(tick);
            timers[i].due = now + timers[i].period;
        }
    }
}

void HeadlessBackend::AdvanceClock(unsigned ms)
{
    unsigned long long target = now + ms;
    for (;;) {
        unsigned long long next = target + 1;
        for (int i = 0; i < timerCount; ++i) {
            next = std::min(next, timers[i].due);
        }
        if (next > target) {
            break;
        }
        now = std::max(now, next);
        PostDueTimers();
        Pump();
    }
    now = target;
    Pump();
}

bool HeadlessBackend::CanPump() const
{
    const MessageQueue& queue = MessageQueue::Get();
    int level = loops.empty() ? 0 : loops.back().level;
    return !queue.IsSleeping() && queue.HandlerDepth() == level;
}

bool HeadlessBackend::InnermostEnded() const
{
    return !loops.empty() && loops.back().ended;
}

void HeadlessBackend::Pump()
{
    if (!CanPump()) {
        return;
    }
    MessageQueue& queue = MessageQueue::Get();
    while (!InnermostEnded()) {
        PostDueTimers();
        if (!queue.DeliverOne()) {
            break;
        }
    }
}

void HeadlessBackend::Inject(const Message& message)
{
    MessageQueue::Get().Post(message);
    if (autoPump) {
        Pump();
    }
}

namespace {
Message Make(Window& window, MessageKind kind)
{
    Message message;
    message.target = &window;
    message.kind = kind;
    return message;
}

bool Reaches(Window& window, Point point)
{
    Rect client;
    window.GetClientRect(&client);
    return PtInRect(client, point) || GetCapture() == &window;
}
} // namespace

void HeadlessBackend::InjectMouse(Window& window, MessageKind kind, Point point, unsigned flags)
{
    if (!Reaches(window, point)) {
        return;
    }
    Message message = Make(window, kind);
    message.point = point;
    message.flags = flags;
    Inject(message);
}

void HeadlessBackend::MouseMove(Window& window, Point point, unsigned flags)
{
    InjectMouse(window, MSG_MOUSEMOVE, point, flags);
}

void HeadlessBackend::LButtonDown(Window& window, Point point, unsigned flags)
{
    InjectMouse(window, MSG_LBUTTONDOWN, point, flags);
}

void HeadlessBackend::DoubleClick(Window& window, Point point)
{
    LButtonDown(window, point);
    LButtonDown(window, point);
}

void HeadlessBackend::RButtonUp(Window& window, Point point, unsigned flags)
{
    InjectMouse(window, MSG_RBUTTONUP, point, flags);
}

void HeadlessBackend::Command(Window& window, int id, int code)
{
    Message message = Make(window, MSG_COMMAND);
    message.id = static_cast<unsigned>(id);
    message.code = code;
    Inject(message);
}

bool HeadlessBackend::ChooseMenuItem(Window& window, unsigned id)
{
    Menu* menu = window.GetMenu();
    if (!menu || !menu->IsCommandEnabled(id)) {
        return false;
    }
    Command(window, static_cast<int>(id));
    return true;
}

void HeadlessBackend::SysCommand(Window& window, unsigned id, long param)
{
    Message message = Make(window, MSG_SYSCOMMAND);
    message.id = id;
    message.param = param;
    Inject(message);
}

void HeadlessBackend::TimerTick(Window& window, unsigned id)
{
    Message message = Make(window, MSG_TIMER);
    message.id = id;
    Inject(message);
}

void HeadlessBackend::Enter(Window& window)
{
    KeyDown(window, VK_RETURN);
}

void HeadlessBackend::Escape(Window& window)
{
    KeyDown(window, VK_ESCAPE);
}

bool HeadlessBackend::KeyDown(Window& window, unsigned key, unsigned modifiers,
                              const KeyContext& context)
{
    Message message;
    if (!MakeKeyMessage(window, key, modifiers, context, message)) {
        return false;
    }
    Inject(message);
    return true;
}

void HeadlessBackend::Close(Window& window)
{
    SysCommand(window, SC_CLOSE);
}

void HeadlessBackend::ClickControl(Window& window, int id)
{
    Message message = Make(window, MSG_CONTROL_CLICK);
    message.id = static_cast<unsigned>(id);
    Inject(message);
}

void HeadlessBackend::SelectEntry(Window& window, int id, int index)
{
    Message message = Make(window, MSG_CONTROL_SELECT);
    message.id = static_cast<unsigned>(id);
    message.value = index;
    Inject(message);
}

void HeadlessBackend::SetSliderPos(Window& window, int id, int position)
{
    Message message = Make(window, MSG_CONTROL_SCROLL);
    message.id = static_cast<unsigned>(id);
    message.value = position;
    Inject(message);
}

void HeadlessBackend::TypeText(Window& window, int id, const char* text)
{
    Message message = Make(window, MSG_CONTROL_TYPE);
    message.id = static_cast<unsigned>(id);
    message.text = text ? text : "";
    Inject(message);
}

void HeadlessBackend::SelectTab(Window& sheet, int index)
{
    Message message = Make(sheet, MSG_SELECT_TAB);
    message.value = index;
    Inject(message);
}

void HeadlessBackend::SetIconic(Window& window, bool iconic)
{
    if (HeadlessWindow* peer = Peer(window)) {
        if (peer->iconic != iconic) {
            peer->iconic = iconic;
            window.Invalidate(true);
        }
    }
}

bool HeadlessBackend::SaveScreenshot(const Window& window, const std::string& path) const
{
    HeadlessWindow* peer = Peer(window);
    return peer && peer->screen.SavePng(path);
}
