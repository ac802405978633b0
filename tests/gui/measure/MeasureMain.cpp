#include "AllocationHook.h"
#include "GuiHarness.h"
#include "StartupMeasure.h"
#include "TempWorkingDir.h"
#include "TestWindow.h"

#include "app/MainDialog.h"
#include "board/Board.h"
#include "platform/ClientDC.h"
#include "platform/Desktop.h"
#include "platform/Sleep.h"
#include "platform/wx/WxBackend.h"
#include "platform/wx/WxWindowPeer.h"
#include "settings/PlayingValues.h"

#include <sys/resource.h>
#include <time.h>
#include <unistd.h>
#include <valgrind/callgrind.h>
#include <wx/evtloop.h>
#include <wx/timer.h>
#include <wx/toplevel.h>

#include <algorithm>
#include <chrono>
#include <gtk/gtk.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <vector>

// Figures of the real backend, printed, not tested: how long Sleep really pauses and how often it
// wakes meanwhile, what it costs to bring drawing to the screen, what one tick of the selected
// piece's jiggle and one turn cost the whole program, and how long the program takes to show its
// first frame. Run it through tests/gui/measure/measure-gui.sh (make measure-gui), best from an
// optimised build.
namespace {
using Clock = std::chrono::steady_clock;

struct Figures
{
    double mean;
    double worst;
};

Figures Time(int count, const std::function<void(int)>& work)
{
    double total = 0;
    double worst = 0;
    for (int i = 0; i < count; ++i) {
        Clock::time_point start = Clock::now();
        work(i);
        double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        total += ms;
        worst = std::max(worst, ms);
    }
    return Figures{total / count, worst};
}

// How often the main thread has given up or lost the processor: each wake-up of a wait is one.
long ContextSwitches()
{
    rusage usage{};
    getrusage(RUSAGE_THREAD, &usage);
    return usage.ru_nvcsw + usage.ru_nivcsw;
}

void SleepAccuracy(int count, unsigned nominal)
{
    const long switches = ContextSwitches();
    Figures f = Time(count, [&](int) { Sleep(nominal); });
    const double wakeUps = static_cast<double>(ContextSwitches() - switches) / count;
    std::printf("Sleep(%u) x %d: mean %.3f ms (%+.1f %%), worst %.3f ms, %.1f wake-ups each\n",
                nominal, count, f.mean, (f.mean - nominal) * 100.0 / nominal, f.worst, wakeUps);
}

// Draws a changed area through a client context, then puts it on the screen as a Sleep does
// before pausing, and waits until the X server has it.
void Presenting(TestWindow& window, const char* what, Rect area, int count)
{
    Figures f = Time(count, [&](int i) {
        {
            ClientDC dc(window);
            dc.FillSolidRect(area, i % 2 ? Rgb(0, 0, 255) : Rgb(255, 255, 0));
        }
        Sleep(0);
        gui::SyncWithServer();
    });
    std::printf("present %s (%dx%d) x %d: mean %.3f ms, worst %.3f ms\n", what, area.Width(),
                area.Height(), count, f.mean, f.worst);
}

// An animation of count frames, each drawn through a client context and followed by a
// Sleep(ms), as the game's travel, fade and jiggle are: how many frames the window's frame clock
// ran meanwhile. Under Wayland the clock starts a frame only when the compositor has shown the
// one before, so fewer frames than drawn means frames that never reached the screen.
void FramesDuringSleep(TestWindow& window, int count, unsigned ms)
{
    GtkWidget* top = gui::PeerOf(window)->GetTopLevel()->GetHandle();
    GdkFrameClock* clock = gdk_window_get_frame_clock(gtk_widget_get_window(top));
    const gint64 before = gdk_frame_clock_get_frame_counter(clock);
    for (int i = 0; i < count; ++i) {
        ClientDC dc(window);
        dc.FillSolidRect(Rect{300, 300, 330, 330}, i % 2 ? Rgb(0, 0, 255) : Rgb(255, 255, 0));
        Sleep(ms);
    }
    std::printf("animation of %d frames with Sleep(%u) between: the frame clock ran %d frames\n",
                count, ms, static_cast<int>(gdk_frame_clock_get_frame_counter(clock) - before));
}

void MeasureTestWindow()
{
    SetResourceTable(&testwin::TestResources());
    TestWindow window;
    window.Create();
    Rect frame{0, 0, 650, 635};
    AdjustWindowRect(frame, WS_POPUP | WS_CAPTION | WS_SYSMENU, true);
    OffsetRect(frame, 20 - frame.left, 20 - frame.top);
    window.MoveWindow(frame);
    gui::WaitShown(window);
    gui::RunFor(200);

    SleepAccuracy(200, 3);
    SleepAccuracy(50, 25);
    Presenting(window, "one cell", Rect{300, 300, 330, 330}, 200);
    Presenting(window, "the whole window", Rect{0, 0, 650, 635}, 50);
    FramesDuringSleep(window, 40, 25);
    FramesDuringSleep(window, 40, 3);
    window.DestroyWindow();
    SetResourceTable(nullptr);
}

// The game's main window in a fresh working directory, on a board of the given size.
class Game
{
public:
    explicit Game(int size)
    {
        SetResourceTable(&testwin::TestResources());
        PlayingValues values;
        values.SetFactoryValues();
        values.colsIndex = size - BOARD_SIZE_FIRST;
        values.rowsIndex = size - BOARD_SIZE_FIRST;
        values.WriteDefaultsFile();
        main.Create();
        gui::WaitShown(main);
        gui::RunFor(200);
    }
    ~Game()
    {
        main.DestroyWindow();
        SetResourceTable(nullptr);
    }

    int Cell(int row, int col) const
    {
        return main.controller.board.cells[col + row * BOARD_STRIDE];
    }
    void Click(int row, int col)
    {
        gui::ClickAt(gui::ClientToScreen(main, Point{col * CELL_SIZE + 15, row * CELL_SIZE + 15}));
    }
    // A piece with a free cell to its right; false when there is none.
    bool FindMove(int& row, int& col) const
    {
        for (row = 0; row < main.settings.boardRows; ++row) {
            for (col = 0; col + 1 < main.settings.boardCols; ++col) {
                if (Cell(row, col) >= 0 && Cell(row, col + 1) == EMPTY_CELL) {
                    return true;
                }
            }
        }
        return false;
    }

    TempWorkingDir directory;
    MainDialog main;
};

// The toolkit's own loop, as the game's dialogs run it, until the time is up: the harness's
// RunFor polls every few milliseconds, work that the game does not do.
void RunLoopFor(int ms)
{
    wxGUIEventLoop loop;
    wxTimer stop;
    stop.Bind(wxEVT_TIMER, [&loop](wxTimerEvent&) { loop.Exit(); });
    stop.StartOnce(ms);
    loop.Run();
}

// Where a process's CPU time goes: user and kernel time of all its threads (getrusage), the
// main thread's own time (its clock is exact where getrusage's split is sampled), and how often
// the main thread gave up the processor or lost it.
struct CpuUse
{
    double userMs;
    double systemMs;
    double threadMs;
    long voluntary;
    long involuntary;
};

CpuUse CpuNow()
{
    rusage process{};
    getrusage(RUSAGE_SELF, &process);
    rusage thread{};
    getrusage(RUSAGE_THREAD, &thread);
    timespec clock{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &clock);
    return CpuUse{process.ru_utime.tv_sec * 1e3 + process.ru_utime.tv_usec / 1e3,
                  process.ru_stime.tv_sec * 1e3 + process.ru_stime.tv_usec / 1e3,
                  clock.tv_sec * 1e3 + clock.tv_nsec / 1e6, thread.ru_nvcsw, thread.ru_nivcsw};
}

// User plus kernel time of another process (the X server, named by TOBRIX_MEASURE_SERVER_PID),
// in milliseconds; negative when it cannot be read.
double OtherProcessCpuMs(const char* pidText)
{
    if (pidText == nullptr) {
        return -1;
    }
    char path[64];
    std::snprintf(path, sizeof path, "/proc/%s/stat", pidText);
    std::FILE* file = std::fopen(path, "r");
    if (file == nullptr) {
        return -1;
    }
    char line[1024];
    const bool read = std::fgets(line, sizeof line, file) != nullptr;
    std::fclose(file);
    // The command name may hold spaces; the fields after it are plain numbers: utime and stime
    // are the 12th and 13th after the closing parenthesis.
    const char* rest = read ? std::strrchr(line, ')') : nullptr;
    unsigned long utime = 0;
    unsigned long stime = 0;
    if (rest == nullptr ||
        std::sscanf(rest + 2, "%*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %lu %lu", &utime,
                    &stime) != 2) {
        return -1;
    }
    return (utime + stime) * 1e3 / static_cast<double>(sysconf(_SC_CLK_TCK));
}

// One tick of the selected piece's jiggle on the real window, everything the process does in the
// meantime included. Under callgrind (--collect-atstart=no) only this stretch is counted; the
// marker lines let a system call trace find the stretch. A shorter timer period than the game's
// does the same work per tick with less of other processes' work in between: what a tick costs
// with the processor's caches still holding the toolkit's code.
void MeasureJiggle(int seconds, bool underCallgrind, unsigned period = SELECTION_TIMER_PERIOD)
{
    Game game(20);
    int row = 0;
    int col = 0;
    if (!game.FindMove(row, col)) {
        std::printf("jiggle: no piece to select\n");
        return;
    }
    game.Click(row, col);
    gui::RunUntil([&] { return game.main.controller.state == STATE_SELECT_DESTINATION; });
    // The mouse leaves the board, so only the timer works; under callgrind the start-up's last
    // work takes longer to settle.
    gui::Input().MouseMove(1, 1);
    if (period != SELECTION_TIMER_PERIOD) {
        game.main.SetTimer(SELECTION_TIMER_ID, period);
    }
    gui::RunFor(underCallgrind ? 2000 : 400);

    const char* serverPid = std::getenv("TOBRIX_MEASURE_SERVER_PID");
    const int angle = game.main.controller.painter.jiggleAngle;
    const double server = OtherProcessCpuMs(serverPid);
    const long allocations = measure::Allocations();
    std::printf("jiggle stretch begins\n");
    std::fflush(stdout);
    const CpuUse before = CpuNow();
    CALLGRIND_TOGGLE_COLLECT;
    RunLoopFor(seconds * 1000);
    CALLGRIND_TOGGLE_COLLECT;
    const CpuUse after = CpuNow();
    std::printf("jiggle stretch ends\n");
    std::fflush(stdout);
    const long allocated = measure::Allocations() - allocations;
    const double serverUsed = OtherProcessCpuMs(serverPid) - server;
    const int ticks = (game.main.controller.painter.jiggleAngle - angle + 360) % 360;
    if (underCallgrind) {
        std::printf("jiggle ticks counted: %d\n", ticks);
        return;
    }
    const double n = std::max(ticks, 1);
    const double user = after.userMs - before.userMs;
    const double system = after.systemMs - before.systemMs;
    std::printf("jiggle tick (20x20 board, every %u ms, %d ticks in %d s): %.3f ms CPU, %.0f "
                "allocations each\n",
                period, ticks, seconds, (user + system) / n, static_cast<double>(allocated) / n);
    std::printf("  process: %.3f ms user + %.3f ms system; main thread's clock %.3f ms; main "
                "thread %.2f voluntary + %.2f involuntary context switches, each per tick\n",
                user / n, system / n, (after.threadMs - before.threadMs) / n,
                (after.voluntary - before.voluntary) / n,
                (after.involuntary - before.involuntary) / n);
    if (serverPid != nullptr && server >= 0 && serverUsed >= 0) {
        std::printf("  X server: %.3f ms CPU per tick (clock ticks of %.0f ms)\n", serverUsed / n,
                    1e3 / static_cast<double>(sysconf(_SC_CLK_TCK)));
    }
}

// The same jiggle tick done by hand (the timer's handler, the presentation, the toolkit's paint
// forced at once) back to back, and again with the main thread asleep for 20 or 80 ms (the game's
// timer period) before each: the same instructions, so the difference is what a pause costs the
// next tick (caches and address translations refilled after other processes ran).
void MeasureJiggleByHand(int count)
{
    Game game(20);
    int row = 0;
    int col = 0;
    if (!game.FindMove(row, col)) {
        return;
    }
    game.Click(row, col);
    gui::RunUntil([&] { return game.main.controller.state == STATE_SELECT_DESTINATION; });
    gui::Input().MouseMove(1, 1);
    gui::RunFor(400);
    game.main.KillTimer(SELECTION_TIMER_ID);
    for (const int pauseMs : {0, 20, 80, 0}) {
        double used = 0;
        for (int i = 0; i < count; ++i) {
            if (pauseMs > 0) {
                timespec pause{0, pauseMs * 1000000L};
                nanosleep(&pause, nullptr);
            }
            const double start = CpuNow().threadMs;
            CALLGRIND_TOGGLE_COLLECT;
            game.main.OnTimer(SELECTION_TIMER_ID);
            game.main.Present();
            for (wxWindow* window : wxTopLevelWindows) {
                window->Update();
            }
            CALLGRIND_TOGGLE_COLLECT;
            used += CpuNow().threadMs - start;
        }
        std::printf("jiggle tick by hand x %d, %2d ms asleep before each: %.3f ms CPU each\n",
                    count, pauseMs, used / count);
    }
}

// Turns in which pieces move one cell and new ones arrive, from the click on the piece until
// the game waits for the next one.
void MeasureTurns(int count)
{
    Game game(9);
    std::vector<long> counts;
    for (int turn = 0; turn < count; ++turn) {
        int row = 0;
        int col = 0;
        if (!game.FindMove(row, col)) {
            break;
        }
        const int pieces = BOARD_CELLS - game.main.controller.board.emptyCount;
        const long allocations = measure::Allocations();
        game.Click(row, col);
        gui::RunUntil([&] { return game.main.controller.state == STATE_SELECT_DESTINATION; });
        game.Click(row, col + 1);
        gui::RunUntil([&] { return game.main.controller.state != STATE_SELECT_DESTINATION; });
        gui::RunUntil([&] { return game.main.controller.state == STATE_SELECT_PIECE; }, 5000);
        gui::RunFor(100);
        // Only turns in which pieces arrived and nothing cleared count.
        if (BOARD_CELLS - game.main.controller.board.emptyCount > pieces) {
            counts.push_back(measure::Allocations() - allocations);
        }
    }
    if (counts.empty()) {
        std::printf("turns: none with arrivals\n");
        return;
    }
    std::sort(counts.begin(), counts.end());
    long total = 0;
    for (long n : counts) {
        total += n;
    }
    std::printf(
        "turn with arrivals (9x9 board, %zu turns): %ld allocations on average, %ld to %ld\n",
        counts.size(), total / static_cast<long>(counts.size()), counts.front(), counts.back());
}

} // namespace

// Without arguments: the in-process figures. --jiggle [SECONDS]: only the jiggle stretch, for
// callgrind or a system call trace; --jiggle-by-hand: only the ticks done by hand, for callgrind.
// --startup PROGRAM [SIZE]: start-up and peak memory of the program.
int main(int argc, char** argv)
{
    if (argc >= 3 && std::strcmp(argv[1], "--startup") == 0) {
        return measure::MeasureStartup(argv[2], argc >= 4 ? std::atoi(argv[3]) : 9);
    }
    const bool jiggleOnly = argc >= 2 && std::strcmp(argv[1], "--jiggle") == 0;
    const int jiggleSeconds = argc >= 3 ? std::atoi(argv[2]) : 5;
    if (!gui::StartWx(argv[0])) {
        return gui::SKIPPED;
    }
    {
        WxBackend backend;
        if (argc >= 2 && std::strcmp(argv[1], "--jiggle-by-hand") == 0) {
            MeasureJiggleByHand(50);
        } else if (jiggleOnly) {
            MeasureJiggle(std::max(jiggleSeconds, 1), true);
        } else {
            MeasureTestWindow();
            MeasureJiggle(10, false);
            MeasureJiggle(5, false, 20);
            MeasureJiggleByHand(200);
            MeasureTurns(8);
        }
    }
    gui::StopWx();
    return 0;
}
