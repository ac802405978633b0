#pragma once

#include "platform/Backend.h"
#include "platform/KeyRoute.h"
#include "platform/Message.h"
#include "platform/headless/HeadlessWindow.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

class DialogSession;

// The backend of the tests: no display, a virtual clock that Sleep advances at once, input that
// tests inject, and modal dialogs and message boxes answered by scripts. Constructing one installs
// it (and empties the message queue); destroying it uninstalls it.
//
// Injected input is queued like real input. It is delivered at once when the test injects it
// between messages (at the level of the running modal loop, or with no loop at all); injected
// from inside a handler or a Sleep hook, it waits until the handlers have returned, in order.
class HeadlessBackend : public Backend
{
public:
    // Metrics of the simulated desktop: a fixed dialog frame, caption and menu bar, and dialog
    // units of a font whose average character is 6 by 13 pixels.
    static constexpr int FRAME = 3;
    static constexpr int CAPTION = 19;
    static constexpr int MENU_BAR = 19;
    static constexpr int BASE_UNIT_X = 6;
    static constexpr int BASE_UNIT_Y = 13;

    HeadlessBackend();
    ~HeadlessBackend() override;

    // Backend.
    WindowPeer* CreatePeer(Window& window, const DialogTemplate* dialogTemplate, Window* parent,
                           PeerKind kind) override;
    void DestroyPeer(Window& window, WindowPeer* peer) override;
    int RunModal(Window& window) override;
    void EndModal(Window& window, int result) override;
    int MessageBox(Window* owner, const char* text, const char* caption, unsigned type) override;
    void StartTimer(Window& window, unsigned id, unsigned ms) override;
    void StopTimer(Window& window, unsigned id) override;
    void Wait(unsigned ms) override;
    Rect GetDesktopRect() const override { return desktop; }
    void AdjustWindowRect(Rect& rect, unsigned style, bool menu) const override;
    int GetSystemMetrics(int index) const override;

    // Dialog units to pixels, as this backend lays templates out.
    static Rect MapDialogRect(int x, int y, int cx, int cy);

    // The virtual clock, in milliseconds.
    unsigned long long Now() const { return now; }
    // Lets time pass while the program waits for input: every timer tick that falls due on the way
    // is delivered at its time.
    void AdvanceClock(unsigned ms);
    // Called at every Sleep, after the clock moved; input injected here waits for the handlers.
    void SetSleepHook(std::function<void(unsigned ms)> hook) { sleepHook = std::move(hook); }
    int SleepCount() const { return sleepCount; }
    unsigned long long SleptTotal() const { return sleptTotal; }

    struct Timer
    {
        Window* window;
        unsigned id;
        unsigned period;
        unsigned long long due;
    };
    int RunningTimerCount() const { return timerCount; }
    const Timer* FindTimer(const Window& window, unsigned id) const;

    // Input for a window, at client coordinates. A mouse message outside the client area reaches
    // only a window that holds the capture.
    void MouseMove(Window& window, Point point, unsigned flags = 0);
    void LButtonDown(Window& window, Point point, unsigned flags = MK_LBUTTON);
    // Two quick clicks: a button-down, then the double click, which counts as another.
    void DoubleClick(Window& window, Point point);
    void RButtonUp(Window& window, Point point, unsigned flags = 0);
    void Command(Window& window, int id, int code = BN_CLICKED);
    // The player chooses a menu item: false, and nothing sent, when it is grayed or missing.
    bool ChooseMenuItem(Window& window, unsigned id);
    // A system command (an item of the system menu); Close is SC_CLOSE.
    void SysCommand(Window& window, unsigned id, long param = 0);
    void TimerTick(Window& window, unsigned id);
    void Enter(Window& window);
    void Escape(Window& window);
    // A key (platform/Keys.h) with its modifiers, routed as the real window routes it (RouteKey);
    // false, and nothing sent, for a key that would stay with the toolkit.
    bool KeyDown(Window& window, unsigned key, unsigned modifiers = 0,
                 const KeyContext& context = KeyContext{});
    // The close box (and Alt+F4).
    void Close(Window& window);
    // The player working a control of a dialog.
    void ClickControl(Window& window, int id);
    void SelectEntry(Window& window, int id, int index);
    void SetSliderPos(Window& window, int id, int position);
    void TypeText(Window& window, int id, const char* text);
    void SelectTab(Window& sheet, int index);

    // Delivers what can be delivered (not from inside a handler or Sleep).
    void Pump();
    // With false, injected input only queues until Pump.
    void SetAutoPump(bool on) { autoPump = on; }

    // The next modal dialog or property sheet runs this script (in the order queued) once it
    // shows. A dialog still open when its script has returned and the queue is empty is closed
    // with IDCANCEL and counted as unfinished; so is a dialog that has no script.
    using DialogScript = std::function<void(DialogSession&)>;
    void ScriptDialog(DialogScript script) { scripts.push_back(std::move(script)); }
    int ScriptsLeft() const { return static_cast<int>(scripts.size()); }
    int UnfinishedDialogs() const { return unfinishedDialogs; }
    bool IsModalRunning(const Window& window) const;
    bool IsModalEnded(const Window& window) const;
    Window* InnermostModal() const;

    // Every message box shown, in order. Answers come from AnswerMessageBox (in order), then the
    // handler, else the box's first button (OK or Yes), as Enter would give.
    struct MessageBoxRecord
    {
        Window* owner;
        std::string text;
        std::string caption;
        unsigned type;
        int answer;
    };
    void AnswerMessageBox(int answer) { answers.push_back(answer); }
    void SetMessageBoxHandler(std::function<int(const MessageBoxRecord&)> handler)
    {
        messageBoxHandler = std::move(handler);
    }
    const std::vector<MessageBoxRecord>& MessageBoxes() const { return messageBoxes; }

    // What the window looks like to a player; nullptr when it does not exist.
    HeadlessWindow* Peer(const Window& window) const;
    void SetDesktopRect(const Rect& rect) { desktop = rect; }
    void SetIconic(Window& window, bool iconic);
    // The presented image of the window as a PNG file.
    bool SaveScreenshot(const Window& window, const std::string& path) const;

private:
    struct Loop
    {
        Window* window;
        int level;
        bool ended;
        int result;
    };

    void Inject(const Message& message);
    // Mouse input reaches a window over its client area, or anywhere while it holds the capture.
    void InjectMouse(Window& window, MessageKind kind, Point point, unsigned flags);
    bool CanPump() const;
    bool InnermostEnded() const;
    void PostDueTimers();

    Rect desktop{0, 0, 1024, 768};
    unsigned long long now = 0;
    int sleepCount = 0;
    unsigned long long sleptTotal = 0;
    std::function<void(unsigned)> sleepHook;
    static constexpr int MAX_TIMERS = 32;
    Timer timers[MAX_TIMERS];
    int timerCount = 0;
    bool autoPump = true;
    std::vector<HeadlessWindow*> peers;
    std::vector<Loop> loops;
    std::deque<DialogScript> scripts;
    int unfinishedDialogs = 0;
    std::deque<int> answers;
    std::function<int(const MessageBoxRecord&)> messageBoxHandler;
    std::vector<MessageBoxRecord> messageBoxes;
};
