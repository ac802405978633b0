#include "GuiHarness.h"

#include "BackgroundInput.h"
#include "Seat.h"
#include "SwayIpc.h"
#include "WaylandInput.h"
#include "XScreen.h"

#include "platform/Backend.h"
#include "platform/Window.h"
#include "platform/wx/WxBackend.h"
#include "platform/wx/WxCanvas.h"
#include "platform/wx/WxWindowPeer.h"

#include <wx/app.h>
#include <wx/bookctrl.h>
#include <wx/control.h>
#include <wx/evtloop.h>
#include <wx/filename.h>
#include <wx/image.h>
#include <wx/init.h>
#include <wx/slider.h>
#include <wx/timer.h>
#include <wx/toplevel.h>
#include <wx/utils.h>

#include <dlfcn.h>
#include <gtk/gtk.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <utility>

namespace gui {
namespace {
using Clock = std::chrono::steady_clock;

// Whether a step of Every runs now: the event loop must not be run from there.
bool inStep = false;

class StepTimer : public wxTimer
{
public:
    explicit StepTimer(std::function<bool()> step) : step(std::move(step)) {}
    void Notify() override
    {
        if (running) {
            return;
        }
        running = true;
        inStep = true;
        bool done = step();
        inStep = false;
        running = false;
        if (done) {
            Stop();
            // Deleting a timer from its own notification is not allowed: later.
            wxTheApp->CallAfter([this] { delete this; });
        }
    }

private:
    std::function<bool()> step;
    bool running = false;
};
} // namespace

namespace {
class GuiTestApp : public wxApp
{
public:
    bool OnInit() override
    {
        wxInitAllImageHandlers();
        SetExitOnFrameDelete(false);
        return true;
    }
};
} // namespace

bool StartWx(const char* programName)
{
    // The runner's marker: this program started, so a failure from here on is its own.
    if (const char* marker = std::getenv("TOBRIX_GUI_MARKER")) {
        if (FILE* file = std::fopen(marker, "w")) {
            std::fclose(file);
        }
    }
    wxApp::SetInstance(new GuiTestApp);
    static char name[256];
    std::snprintf(name, sizeof name, "%s", programName ? programName : "tobrix_gui");
    char* arguments[] = {name, nullptr};
    int count = 1;
    if (!wxEntryStart(count, arguments)) {
        std::fprintf(stderr, "SKIPPED: the end-to-end tests need an X server and none could be "
                             "opened (DISPLAY not set or not reachable)\n");
        return false;
    }
    if (!wxTheApp->CallOnInit()) {
        wxEntryCleanup();
        return false;
    }
    return true;
}

void StopWx()
{
    wxTheApp->OnExit();
    wxEntryCleanup();
}

bool RunUntil(const std::function<bool()>& done, int timeoutMs)
{
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    std::unique_ptr<wxGUIEventLoop> own;
    wxEventLoopBase* loop = wxEventLoopBase::GetActive();
    if (!loop) {
        own = std::make_unique<wxGUIEventLoop>();
        loop = own.get();
    }
    wxEventLoopActivator activate(loop);
    while (!done()) {
        if (Clock::now() >= deadline) {
            return false;
        }
        loop->DispatchTimeout(5);
        wxTheApp->ProcessPendingEvents();
    }
    return true;
}

void RunFor(int ms)
{
    RunUntil([] { return false; }, ms);
}

WxWindowPeer* PeerOf(const Window& window)
{
    auto* backend = dynamic_cast<WxBackend*>(GetBackend());
    return backend ? backend->Peer(window) : nullptr;
}

namespace {
// Where the surface of a window's top-level window starts on the screen. The toolkit gives X11
// screen coordinates, so there it is the origin; a Wayland client only knows positions within
// its own surfaces, so there it comes from the compositor's tree, found by the window's title and
// size.
bool FindSurface(wxWindow* top, wxPoint& origin)
{
    const std::vector<Rect> found = sway::WindowsTitled(top->GetLabel().utf8_string());
    const wxSize size = top->GetSize();
    for (const Rect& r : found) {
        if (r.Width() == size.x && r.Height() == size.y) {
            origin = wxPoint(r.left, r.top);
            return true;
        }
    }
    // Between a new size asked for and the compositor's answer: the first of that title.
    if (!found.empty()) {
        origin = wxPoint(found.front().left, found.front().top);
    }
    return false;
}

wxPoint SurfaceOrigin(wxWindow* window)
{
    wxWindow* top = window ? wxGetTopLevelParent(window) : nullptr;
    wxPoint origin(0, 0);
    if (top && OnWayland()) {
        FindSurface(top, origin);
    }
    return origin;
}
} // namespace

Point ToScreen(wxWindow* window, wxPoint client)
{
    const wxPoint at = window->ClientToScreen(client) + SurfaceOrigin(window);
    return Point{at.x, at.y};
}

Point ClientToScreen(const Window& window, Point client)
{
    WxWindowPeer* peer = PeerOf(window);
    if (!peer || !peer->GetCanvas()) {
        return Point{-1, -1};
    }
    return ToScreen(peer->GetCanvas(), wxPoint(client.x, client.y));
}

// A window's frame clock starts a frame only once the compositor has said that it showed the one
// before (which it does only when the window is on the screen at the size it last asked for), so
// a few frames, each with something drawn, are enough.
bool WaitFrames()
{
    if (!OnWayland() || inStep) {
        return true;
    }
    const auto clockOf = [](wxWindow* top) -> GdkFrameClock* {
        GdkWindow* own = top->IsShownOnScreen() && !top->IsBeingDeleted()
                             ? gtk_widget_get_window(top->GetHandle())
                             : nullptr;
        return own ? gdk_window_get_frame_clock(own) : nullptr;
    };
    std::vector<std::pair<wxWindow*, gint64>> started;
    for (wxWindow* top : wxTopLevelWindows) {
        if (GdkFrameClock* clock = clockOf(top)) {
            started.emplace_back(top, gdk_frame_clock_get_frame_counter(clock));
        }
    }
    return RunUntil([&] {
        bool done = true;
        for (const auto& [top, start] : started) {
            // A window closed meanwhile has no more frames to wait for.
            GdkFrameClock* clock = wxTopLevelWindows.Find(top) ? clockOf(top) : nullptr;
            if (clock) {
                gtk_widget_queue_draw(top->GetHandle());
                done = done && gdk_frame_clock_get_frame_counter(clock) >= start + 3;
            }
        }
        return done;
    });
}

bool WaitShown(wxWindow* window)
{
    // On Wayland a window is shown once the compositor has placed it at its size and shows it:
    // input sent before then finds no surface under the pointer.
    wxPoint origin;
    bool shown = RunUntil([&] {
        return window && window->IsShownOnScreen() &&
               (!OnWayland() || FindSurface(wxGetTopLevelParent(window), origin));
    });
    shown = shown && WaitFrames();
    // Mapping and the first paint take a few trips through the loop.
    RunFor(60);
    return shown;
}

bool WaitShown(const Window& window)
{
    WxWindowPeer* peer = PeerOf(window);
    if (!peer || !WaitShown(peer->GetTopLevel())) {
        return false;
    }
    return RunUntil([&] { return !peer->GetCanvas() || !peer->GetCanvas()->HasUnpainted(); });
}

Seat& Input()
{
    static Seat seat;
    return seat;
}

void ClickAt(Point screen, bool twice)
{
    Seat& input = Input();
    input.MouseMove(screen.x, screen.y);
    if (twice) {
        input.MouseDblClick();
    } else {
        input.MouseClick();
    }
}

Point CentreOf(wxWindow* window)
{
    Rect r = ScreenRectOf(window);
    return Point{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

Point CentreOf(GtkWidget* widget)
{
    GtkWidget* top = gtk_widget_get_toplevel(widget);
    int x = 0;
    int y = 0;
    gtk_widget_translate_coordinates(widget, top, gtk_widget_get_allocated_width(widget) / 2,
                                     gtk_widget_get_allocated_height(widget) / 2, &x, &y);
    int left = 0;
    int topEdge = 0;
    gdk_window_get_origin(gtk_widget_get_window(top), &left, &topEdge);
    // On Wayland a menu's popup is placed relative to the window whose menu it is.
    GtkWidget* owner = top;
    if (GTK_IS_MENU(gtk_bin_get_child(GTK_BIN(top)))) {
        GtkWidget* attached = gtk_menu_get_attach_widget(GTK_MENU(gtk_bin_get_child(GTK_BIN(top))));
        owner = attached ? gtk_widget_get_toplevel(attached) : top;
    }
    wxPoint origin(0, 0);
    for (wxWindow* window : wxTopLevelWindows) {
        origin = window->GetHandle() == owner ? SurfaceOrigin(window) : origin;
    }
    return Point{origin.x + left + x, origin.y + topEdge + y};
}

wxWindow* ControlOf(const Window& window, int id)
{
    WxWindowPeer* peer = PeerOf(window);
    for (int i = 0; peer && i < peer->GetControlCount(); ++i) {
        auto* control = static_cast<WxControlPeer*>(peer->GetControl(i));
        if (control->GetId() == id) {
            return control->GetWx();
        }
    }
    return nullptr;
}

Point TabOf(const Window& sheet, int index)
{
    WxWindowPeer* peer = PeerOf(sheet);
    wxWindow* holder = peer ? peer->GetPageHolder(0) : nullptr;
    auto* book = holder ? dynamic_cast<wxBookCtrlBase*>(holder->GetParent()) : nullptr;
    if (!book) {
        return Point{-1, -1};
    }
    const wxSize size = book->GetSize();
    for (int y = 2; y < std::min(size.y, 60); y += 3) {
        for (int x = 2; x < size.x; x += 3) {
            if (book->HitTest(wxPoint(x, y)) == index) {
                return ToScreen(book, wxPoint(x + 6, y + 4));
            }
        }
    }
    return Point{-1, -1};
}

std::vector<std::string> CutTexts(const Window& window)
{
    std::vector<std::string> cut;
    WxWindowPeer* peer = PeerOf(window);
    for (int i = 0; peer && i < peer->GetControlCount(); ++i) {
        auto* control = static_cast<WxControlPeer*>(peer->GetControl(i));
        ControlKind kind = control->GetKind();
        std::string text;
        control->GetText(text);
        wxWindow* shown = control->GetWx();
        if (text.empty() || !shown->IsShown() || kind == CONTROL_EDIT || kind == CONTROL_COMBOBOX) {
            continue;
        }
        wxSize size = shown->GetSize();
        // Measured afresh: a size the toolkit cached before the text changed proves nothing.
        shown->InvalidateBestSize();
        wxSize best = shown->GetBestSize();
        bool fits =
            kind == CONTROL_GROUPBOX
                ? shown->GetTextExtent(wxControl::RemoveMnemonics(shown->GetLabel())).x + 16 <=
                      size.x
                : best.x <= size.x && best.y <= size.y;
        if (!fits) {
            cut.push_back(std::to_string(control->GetId()) + ": " + text);
        }
    }
    return cut;
}

namespace {
// A slider's track (GTK's trough, through the toolkit's own calls, loaded at run time as the
// program does not link GTK itself) and its knob, measured on the screen: GTK reports the knob
// without the margins it is drawn with.
struct SliderGeometry
{
    int knob = 0;
    int track = 0;
};

struct GdkRectangle
{
    int x, y, width, height;
};

SliderGeometry MeasureSlider(wxSlider* slider)
{
    using GetType = unsigned long (*)();
    using IsA = int (*)(void*, unsigned long);
    using RangeRect = void (*)(void*, GdkRectangle*);
    using Children = void* (*)(void*);
    auto rangeType = reinterpret_cast<GetType>(dlsym(RTLD_DEFAULT, "gtk_range_get_type"));
    auto isA = reinterpret_cast<IsA>(dlsym(RTLD_DEFAULT, "g_type_check_instance_is_a"));
    auto rangeRect = reinterpret_cast<RangeRect>(dlsym(RTLD_DEFAULT, "gtk_range_get_range_rect"));
    auto children = reinterpret_cast<Children>(dlsym(RTLD_DEFAULT, "gtk_container_get_children"));
    SliderGeometry geometry;
    if (!rangeType || !isA || !rangeRect || !children) {
        return geometry;
    }
    // The scale itself, or the first scale inside the box the toolkit wraps it in.
    void* widget = slider->GetHandle();
    if (!isA(widget, rangeType())) {
        struct List
        {
            void* data;
            List* next;
            List* prev;
        };
        void* found = nullptr;
        for (auto* item = static_cast<List*>(children(widget)); item && !found; item = item->next) {
            found = isA(item->data, rangeType()) ? item->data : nullptr;
        }
        widget = found;
    }
    if (!widget) {
        return geometry;
    }
    GdkRectangle range{};
    rangeRect(widget, &range);
    // Beside the trough only the knob is drawn: the lines of that strip that differ from the
    // ground of the slider are the knob's.
    const bool vertical = slider->HasFlag(wxSL_VERTICAL);
    const Rect shown = ScreenRectOf(slider);
    const Rect strip = vertical ? Rect{shown.left + range.x + range.width + 3, shown.top,
                                       shown.left + range.x + range.width + 4, shown.bottom}
                                : Rect{shown.left, shown.top + range.y + range.height + 3,
                                       shown.right, shown.top + range.y + range.height + 4};
    const PixelImage pixels = ReadScreen(strip);
    const ColorRef ground = ScreenPixel(Point{shown.right - 1, shown.top});
    for (int y = 0; y < pixels.height; ++y) {
        for (int x = 0; x < pixels.width; ++x) {
            geometry.knob += pixels.GetPixel(x, y) != ground ? 1 : 0;
        }
    }
    geometry.track = vertical ? range.height : range.width;
    return geometry;
}
} // namespace

std::vector<std::string> LayoutFaults(const Window& window)
{
    std::vector<std::string> faults;
    WxWindowPeer* peer = gui::PeerOf(window);
    const wxSize client = peer->GetCanvas()->GetClientSize();
    if (!wxRect(peer->GetCanvas()->GetParent()->GetClientSize())
             .Contains(peer->GetCanvas()->GetRect())) {
        faults.push_back("the client area is cut by what holds it");
    }
    std::vector<wxRect> rects;
    std::vector<ControlKind> kinds;
    for (int i = 0; i < peer->GetControlCount(); ++i) {
        auto* control = static_cast<WxControlPeer*>(peer->GetControl(i));
        wxWindow* shown = control->GetWx();
        rects.push_back(shown->IsShown() ? shown->GetRect() : wxRect());
        kinds.push_back(control->GetKind());
        const std::string what = "control " + std::to_string(i);
        if (!shown->IsShown()) {
            continue;
        }
        if (!wxRect(client).Contains(shown->GetRect())) {
            faults.push_back(what + " is outside the client area");
        }
        if (auto* slider = dynamic_cast<wxSlider*>(shown)) {
            const SliderGeometry g = MeasureSlider(slider);
            if (g.knob <= 0 || g.track < 3 * g.knob) {
                faults.push_back(what + ": track " + std::to_string(g.track) + ", knob " +
                                 std::to_string(g.knob));
            }
        }
    }
    for (size_t i = 0; i < rects.size(); ++i) {
        for (size_t j = i + 1; j < rects.size(); ++j) {
            if (rects[i].IsEmpty() || rects[j].IsEmpty() || !rects[i].Intersects(rects[j])) {
                continue;
            }
            const bool framed = (kinds[i] == CONTROL_GROUPBOX && rects[i].Contains(rects[j])) ||
                                (kinds[j] == CONTROL_GROUPBOX && rects[j].Contains(rects[i]));
            if (!framed) {
                faults.push_back("controls " + std::to_string(i) + " and " + std::to_string(j) +
                                 " overlap");
            }
        }
    }
    return faults;
}

namespace {
BackgroundInput& Later()
{
    static BackgroundInput input;
    return input;
}
} // namespace

void ClickLater(Point screen)
{
    Later().ClickEach({screen}, 0, 5);
}

void MoveLater(Point screen)
{
    Later().MoveTo(screen);
}

void KeyLater(unsigned long keySymbol, std::vector<unsigned long> held)
{
    Later().PressKey(keySymbol, std::move(held));
}

int CountScreenDifferences(const Window& window)
{
    const PixelImage& buffer = window.GetBackBuffer();
    Point origin = ClientToScreen(window, Point{0, 0});
    PixelImage shown =
        ReadScreen(Rect{origin.x, origin.y, origin.x + buffer.width, origin.y + buffer.height});
    if (shown.width != buffer.width || shown.height != buffer.height) {
        return buffer.width * buffer.height;
    }
    std::vector<wxRect> covered;
    // A Wayland compositor draws the pointer into its picture (an X server leaves it out); no
    // pointer's image reaches further than 32 pixels from its hot spot.
    if (WaylandInput* input = OnWayland() ? WaylandInput::Get() : nullptr) {
        int x = 0;
        int y = 0;
        input->Position(x, y);
        covered.emplace_back(x - origin.x - 32, y - origin.y - 32, 64, 64);
    }
    WxWindowPeer* peer = PeerOf(window);
    for (int i = 0; peer && i < peer->GetControlCount(); ++i) {
        wxWindow* control = static_cast<WxControlPeer*>(peer->GetControl(i))->GetWx();
        if (control->IsShown()) {
            covered.push_back(control->GetRect());
        }
    }
    int differences = 0;
    for (int y = 0; y < buffer.height; ++y) {
        for (int x = 0; x < buffer.width; ++x) {
            if (shown.GetPixel(x, y) == buffer.GetPixel(x, y)) {
                continue;
            }
            bool under = false;
            for (const wxRect& r : covered) {
                under = under || r.Contains(x, y);
            }
            differences += under ? 0 : 1;
        }
    }
    return differences;
}

void SyncWithServer()
{
    gdk_display_sync(gdk_display_get_default());
}

PixelImage ReadScreen(const Rect& screen)
{
    // The toolkit's screen context cannot read what child windows show on this desktop, so the
    // pixels come from the X server, or the Wayland compositor.
    PixelImage image;
    std::vector<std::uint32_t> pixels;
    WaitFrames();
    const bool read = OnWayland() ? sway::Screenshot(screen, pixels)
                                  : xscreen::Read(wxGetX11Display(), screen.left, screen.top,
                                                  screen.Width(), screen.Height(), pixels);

    if (!read) {
        return image;
    }
    image.Resize(screen.Width(), screen.Height());
    image.pixels.assign(pixels.begin(), pixels.end());
    return image;
}

ColorRef ScreenPixel(Point screen)
{
    return ReadScreen(Rect{screen.x, screen.y, screen.x + 1, screen.y + 1}).GetPixel(0, 0);
}

bool SaveScreenshot(const Rect& screen, const std::string& name)
{
    // The Wayland run keeps its pictures apart from the X11 run's, which takes the same ones.
    wxString directory = wxString(TOBRIX_SCREENSHOT_DIR) + (OnWayland() ? "/wayland" : "");
    if (!wxFileName::Mkdir(directory, wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL)) {
        return false;
    }
    return ReadScreen(screen).SavePng(std::string(directory.utf8_string()) + "/" + name + ".png");
}

Rect ScreenRectOf(wxWindow* window)
{
    if (!window) {
        return Rect{0, 0, 0, 0};
    }
    const wxRect r = window->GetScreenRect();
    const wxPoint at = r.GetPosition() + SurfaceOrigin(window);
    return Rect{at.x, at.y, at.x + r.width, at.y + r.height};
}

Rect ScreenRectOf(const Window& window)
{
    WxWindowPeer* peer = PeerOf(window);
    return ScreenRectOf(peer ? static_cast<wxWindow*>(peer->GetTopLevel()) : nullptr);
}

void Every(int ms, std::function<bool()> step)
{
    auto* timer = new StepTimer(std::move(step));
    timer->Start(ms);
}
} // namespace gui
