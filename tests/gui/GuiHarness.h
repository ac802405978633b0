#pragma once

#include "platform/Geometry.h"
#include "platform/PixelImage.h"

#include "Seat.h"

#include <wx/gdicmn.h>

#include <functional>
#include <string>
#include <vector>

class Window;
class WxWindowPeer;
class wxTopLevelWindow;
class wxWindow;
typedef struct _GtkWidget GtkWidget;

// What the end-to-end tests do on the real screen: let the event loop run, find where a window's
// client area is, click and type with real X input, read pixels back and save screenshots.
namespace gui {
// A corner of the screen where no window is, for the pointer to wait in.
constexpr Point OUT_OF_THE_WAY{1279, 1023};

// Starts wxWidgets for a test program (no main loop of its own; the tests run the loops they
// need). Returns false, having said why, when no X server can be opened. Also leaves the marker
// the runner script looks for.
bool StartWx(const char* programName);
void StopWx();
// The return code that tells CTest a test was skipped.
constexpr int SKIPPED = 77;

// Runs the event loop until done() holds or the time is up; false on time-out.
bool RunUntil(const std::function<bool()>& done, int timeoutMs = 3000);
// Runs the event loop for a while.
void RunFor(int ms);

// The peer of a window of the installed wx backend; nullptr when there is none.
WxWindowPeer* PeerOf(const Window& window);
// The screen position of a point of a wx window's client area, on either display.
Point ToScreen(wxWindow* window, wxPoint client);
// The screen position of a point of the window's client area.
Point ClientToScreen(const Window& window, Point client);
// Waits until the window is on the screen and its client area shows what it presented.
bool WaitShown(const Window& window);
bool WaitShown(wxWindow* window);

// The keyboard and mouse of the display.
Seat& Input();
// Real input: a click (or a double click) at a screen point. The simulator lets the event loop
// run after each event, which a callback of the loop must not do (the toolkit stops repainting),
// so scripts running inside a modal loop use ClickLater and KeyLater instead: the X server gets
// that input from another thread and the loop takes it in its own time.
void ClickAt(Point screen, bool twice = false);
void ClickLater(Point screen);
void MoveLater(Point screen);
void KeyLater(unsigned long keySymbol, std::vector<unsigned long> held = {});

// The centre of a wx window on the screen.
Point CentreOf(wxWindow* window);
// The centre of a GTK widget on the screen, also in a menu's popup.
Point CentreOf(GtkWidget* widget);
// The wx control of a window's control with that id; nullptr when there is none.
wxWindow* ControlOf(const Window& window, int id);

// The screen point of a property sheet's tab at index, found on the screen; (-1, -1) when the
// sheet shows no such tab.
Point TabOf(const Window& sheet, int index);

// The controls of a window whose text the toolkit cannot show whole at their size, as
// "id: text" lines; empty when every text fits.
std::vector<std::string> CutTexts(const Window& window);

// What breaks the layout of a window's controls, one line each: a control outside the client
// area, two controls overlapping (a group box may hold what it frames), a slider whose track is
// shorter than three lengths of its knob. Empty when the layout is sound.
std::vector<std::string> LayoutFaults(const Window& window);

// On Wayland, waits until the compositor shows what the shown windows last drew, and the toolkit
// has handed over what it holds until a frame (pointer moves). Under X11 what was drawn is on the
// screen at once, and this does nothing; neither does it inside a step of Every.
bool WaitFrames();
// Waits until the display server has handled everything the program sent it.
void SyncWithServer();

// How many pixels of the window's client area the screen shows differently from its back buffer,
// leaving out what the visible controls cover.
int CountScreenDifferences(const Window& window);

// The screen's pixels in a rectangle of screen coordinates.
PixelImage ReadScreen(const Rect& screen);
ColorRef ScreenPixel(Point screen);
// Saves a PNG of the screen rectangle as <TOBRIX_SCREENSHOT_DIR>/<name>.png; false on failure.
bool SaveScreenshot(const Rect& screen, const std::string& name);
// The rectangle a top-level window covers on the screen.
Rect ScreenRectOf(wxWindow* window);
Rect ScreenRectOf(const Window& window);

// Calls step() from the event loop every few milliseconds, also inside modal loops that start
// meanwhile, until it returns true. Used to answer modal dialogs while the test waits in them.
void Every(int ms, std::function<bool()> step);
} // namespace gui
