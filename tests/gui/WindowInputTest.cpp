#include "BackgroundInput.h"
#include "GuiTest.h"
#include "SwayIpc.h"
#include "TestWindow.h"

#include "platform/Desktop.h"
#include "platform/DialogTemplate.h"
#include "platform/Message.h"
#include "platform/wx/WxWindowPeer.h"

#include <wx/toplevel.h>

using namespace testwin;
using Log = std::vector<std::string>;

class WindowInputTest : public GuiTest
{
protected:
    WindowInputTest()
    {
        window.Create();
        shown = gui::WaitShown(window);
    }
    ~WindowInputTest() override { window.DestroyWindow(); }

    // A point of the test window's client area that no control covers.
    static constexpr Point FREE{200, 150};

    TestWindow window;
    bool shown = false;
};

TEST_F(WindowInputTest, ClicksReachTheHandlersAtClientCoordinates)
{
    ASSERT_TRUE(shown);
    gui::SaveScreenshot(gui::ScreenRectOf(window), "gui_test_window");
    // The pointer coming into the window in one step is a move there (on Wayland the compositor
    // says only that it came in; the harness's own moves end with a step within the window).
    window.log.clear();
    const Point free = gui::ClientToScreen(window, FREE);
    if (gui::OnWayland()) {
        BackgroundInput step;
        step.MoveTo(free);
        step.Join();
    } else {
        gui::Input().MouseMove(free.x, free.y);
    }
    EXPECT_TRUE(gui::RunUntil([&] { return Contains(window.log, "move 200,150"); }));
    window.log.clear();
    gui::ClickAt(gui::ClientToScreen(window, FREE));
    ASSERT_TRUE(gui::RunUntil([&] { return Contains(window.log, "down 200,150"); }));
    EXPECT_TRUE(Contains(window.log, "move 200,150"));

    // A double click is a button-down and a second one.
    window.log.clear();
    gui::ClickAt(gui::ClientToScreen(window, Point{211, 161}), true);
    ASSERT_TRUE(gui::RunUntil([&] { return Only(window.log, "down").size() >= 2; }));
    gui::RunFor(50);
    EXPECT_EQ(Only(window.log, "down"), (Log{"down 211,161", "down 211,161"}));

    window.log.clear();
    gui::Input().MouseClick(wxMOUSE_BTN_RIGHT);
    ASSERT_TRUE(gui::RunUntil([&] { return Contains(window.log, "rup 211,161"); }));
    EXPECT_TRUE(Only(window.log, "down").empty());
}

TEST_F(WindowInputTest, TheCapturingWindowGetsMovesOutsideItsClientArea)
{
    ASSERT_TRUE(shown);
    Point origin = gui::ClientToScreen(window, Point{0, 0});
    gui::Input().MouseMove(origin.x + 10, origin.y + 40);
    window.SetCapture();
    EXPECT_EQ(GetCapture(), &window);
    window.log.clear();
    gui::Input().MouseMove(origin.x - 20, origin.y + 40);
    // A Wayland compositor sends no moves outside the window unless a button is held: the window
    // hears of a point outside when the pointer leaves it.
    ASSERT_TRUE(gui::RunUntil(
        [&] { return Contains(window.log, gui::OnWayland() ? "move -1,-1" : "move -20,40"); }));

    // Released, the window hears nothing from outside.
    ReleaseCapture();
    EXPECT_EQ(GetCapture(), nullptr);
    gui::Input().MouseMove(origin.x - 30, origin.y + 50);
    gui::Input().MouseMove(origin.x + 200, origin.y + 150);
    ASSERT_TRUE(gui::RunUntil([&] { return Contains(window.log, "move 200,150"); }));
    EXPECT_FALSE(Contains(window.log, "move -30,50"));
}

TEST_F(WindowInputTest, TheClientAreaIsExactlyWhatTheWindowRectangleWasMadeFor)
{
    ASSERT_TRUE(shown);
    Rect desktop = GetDesktopRect();
    EXPECT_EQ(desktop.Width(), 1280);
    EXPECT_EQ(desktop.Height(), 1024);

    // The largest board's window, sized from its client area as the game does it.
    Rect frame{0, 0, 650, 635};
    AdjustWindowRect(frame, WS_POPUP | WS_CAPTION | WS_SYSMENU, true);
    OffsetRect(frame, 40 - frame.left, 30 - frame.top);
    window.MoveWindow(frame);
    // A Wayland compositor places windows itself: the suite asks it to, so that the grown window
    // stays on the screen.
    if (gui::OnWayland()) {
        sway::PlaceWindows("Test window", Point{40, 30});
    }
    Rect client;
    window.GetClientRect(&client);
    EXPECT_EQ(client.Width(), 650);
    EXPECT_EQ(client.Height(), 635);
    EXPECT_EQ(window.GetBackBuffer().width, 650);
    EXPECT_EQ(window.GetBackBuffer().height, 635);

    // On the screen too: the new size is painted and shown to its last pixel.
    window.log.clear();
    ASSERT_TRUE(gui::RunUntil([&] { return Contains(window.log, "paint"); }));
    gui::RunFor(100);
    wxSize real = gui::PeerOf(window)->GetTopLevel()->GetClientSize();
    EXPECT_EQ(real.x, 650);
    EXPECT_EQ(real.y, 635);
    // A Wayland client cannot place its windows (the compositor does), nor learn where they are.
    if (!gui::OnWayland()) {
        Rect placed;
        window.GetWindowRect(&placed);
        EXPECT_EQ(placed.left, 40);
        EXPECT_EQ(placed.top, 30);
    }
    EXPECT_EQ(gui::ScreenPixel(gui::ClientToScreen(window, Point{649, 634})), Rgb(255, 0, 0));
    EXPECT_EQ(gui::CountScreenDifferences(window), 0);
    gui::SaveScreenshot(gui::ScreenRectOf(window), "gui_test_window_650x635");
}
