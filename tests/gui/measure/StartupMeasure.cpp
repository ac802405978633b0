#include "StartupMeasure.h"

#include "TempWorkingDir.h"

#include "settings/PlayingValues.h"

#include "SwayIpc.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {
using Clock = std::chrono::steady_clock;

// The first painted frame of cell (0, 0): its frame's black top-left and white bottom-right
// edges, somewhere down the left edge of the window (below the menu bar), in the 30x120 pixels
// of its top-left corner.
bool ShowsFirstCell(const std::function<unsigned long(int, int)>& pixel)
{
    bool found = false;
    for (int y = 0; y + 29 <= 120 && !found; ++y) {
        found = (pixel(0, y) & 0xFFFFFF) == 0 && (pixel(27, y) & 0xFFFFFF) == 0 &&
                (pixel(0, y + 27) & 0xFFFFFF) == 0 && (pixel(28, y) & 0xFFFFFF) == 0xFFFFFF &&
                (pixel(0, y + 28) & 0xFFFFFF) == 0xFFFFFF;
    }
    return found;
}

bool ShowsFirstCell(Display* display, Window window)
{
    XImage* image = XGetImage(display, window, 0, 0, 30, 120, AllPlanes, ZPixmap);
    if (image == nullptr) {
        return false;
    }
    const bool found = ShowsFirstCell([&](int x, int y) { return XGetPixel(image, x, y); });
    XDestroyImage(image);
    return found;
}

// On Wayland: the game's window in sway's tree, and its corner as the compositor shows it.
bool CompositorShowsFirstCell()
{
    // The game's window, or the bare frame's that the game is compared with.
    std::vector<Rect> found = sway::WindowsTitled("TOBRIX++");
    if (found.empty()) {
        found = sway::WindowsTitled("floor");
    }
    if (found.empty() || found.front().Width() < 200) {
        return false;
    }
    const Rect corner{found.front().left, found.front().top, found.front().left + 30,
                      found.front().top + 120};
    std::vector<std::uint32_t> pixels;
    return sway::Screenshot(corner, pixels) &&
           ShowsFirstCell([&](int x, int y) { return pixels[y * 30 + x]; });
}

// The mapped top-level window of the program, or 0.
Window ShownWindow(Display* display)
{
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    Window shown = 0;
    if (XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count)) {
        for (unsigned i = 0; i < count && !shown; ++i) {
            XWindowAttributes attributes;
            if (XGetWindowAttributes(display, children[i], &attributes) &&
                attributes.map_state == IsViewable && attributes.width >= 200) {
                shown = children[i];
            }
        }
        XFree(children);
    }
    return shown;
}

// The CPU time the process has used so far, in milliseconds; -1 when it cannot be read.
double CpuMsOf(pid_t pid)
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    // The fields after the command name (which may hold spaces) start behind its ')'.
    const std::size_t end = text.rfind(')');
    if (end == std::string::npos) {
        return -1;
    }
    std::istringstream fields(text.substr(end + 2));
    std::string field;
    double ticks = 0;
    for (int i = 3; i <= 15 && fields >> field; ++i) {
        if (i == 14 || i == 15) {
            ticks += std::stod(field);
        }
    }
    return ticks * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
}

bool MapsLibrary(pid_t pid, const char* name)
{
    std::ifstream maps("/proc/" + std::to_string(pid) + "/maps");
    std::string line;
    while (std::getline(maps, line)) {
        if (line.find(name) != std::string::npos) {
            return true;
        }
    }
    return false;
}

} // namespace

int measure::MeasureStartup(const char* program, int size)
{
    // Under Wayland (no DISPLAY) the compositor is asked; the screenshot that tells the board
    // is shown takes a few milliseconds of its own.
    const bool wayland = std::getenv("DISPLAY") == nullptr && sway::Available();
    Display* display = wayland ? nullptr : XOpenDisplay(nullptr);
    if (display == nullptr && !wayland) {
        std::printf("startup: no X server\n");
        return 77; // skipped, as the end-to-end suite says it
    }
    TempWorkingDir directory;
    if (size != 9) {
        PlayingValues values;
        values.SetFactoryValues();
        values.colsIndex = size - BOARD_SIZE_FIRST;
        values.rowsIndex = size - BOARD_SIZE_FIRST;
        values.WriteDefaultsFile();
    }
    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    double firstPaint = -1;
    double cpu = -1;
    int status = 0;
    rusage usage{};
    bool ended = false;
    while (std::chrono::duration<double>(Clock::now() - start).count() < 20) {
        if (wait4(child, &status, WNOHANG, &usage) == child) {
            ended = true;
            break;
        }
        const Window window = wayland ? 0 : ShownWindow(display);
        if (wayland ? CompositorShowsFirstCell() : window != 0 && ShowsFirstCell(display, window)) {
            firstPaint = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            cpu = CpuMsOf(child);
            break;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    // A 20x20 game settles before its peak is read.
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    const bool llvm = MapsLibrary(child, "libLLVM");
    const bool gl = MapsLibrary(child, "libGLX") || MapsLibrary(child, "libGL.so");
    if (!ended) {
        kill(child, SIGTERM);
        wait4(child, &status, 0, &usage);
    }
    if (display) {
        XCloseDisplay(display);
    }
    const char* glSetting = getenv("GDK_GL");
    std::printf("start-up %dx%d (GDK_GL %s): first painted frame after %.1f ms (%.0f ms CPU), peak "
                "RSS %.1f MB, "
                "GL libraries %s, libLLVM %s\n",
                size, size, glSetting ? (*glSetting ? glSetting : "set empty") : "unset",
                firstPaint, cpu, usage.ru_maxrss / 1024.0, gl ? "mapped" : "not mapped",
                llvm ? "mapped" : "not mapped");
    return firstPaint < 0 ? 1 : 0;
}
