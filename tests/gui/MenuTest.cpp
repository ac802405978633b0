#include "GuiTest.h"
#include "TestWindow.h"

#include "platform/ClientDC.h"
#include "platform/Menu.h"
#include "platform/Sleep.h"
#include "platform/wx/WxWindowPeer.h"

#include <wx/frame.h>
#include <wx/menu.h>

using namespace testwin;

class MenuTest : public GuiTest
{
protected:
    MenuTest()
    {
        window.Create();
        shown = gui::WaitShown(window);
        // The X server gives the keyboard to the window under the pointer. The pointer stays
        // below and right of what the tests read from the screen, where a Wayland compositor
        // would draw it into the picture.
        Point inside = gui::ClientToScreen(window, Point{330, 220});
        gui::Input().MouseMove(inside.x, inside.y);
        gui::RunFor(30);
    }
    ~MenuTest() override { window.DestroyWindow(); }

    int Item(unsigned command) const { return gui::PeerOf(window)->GetMenuBar().ItemIdOf(command); }
    wxMenuBar* Bar() const
    {
        auto* frame = dynamic_cast<wxFrame*>(gui::PeerOf(window)->GetTopLevel());
        return frame ? frame->GetMenuBar() : nullptr;
    }
    // Draws a square through a client context and reports whether the screen shows it after a
    // pause: what a handler of any kind must be able to do.
    bool DrawsAndShows(Rect square, ColorRef color)
    {
        ClientDC dc(window);
        dc.FillSolidRect(square, color);
        Sleep(3);
        return gui::ScreenPixel(
                   gui::ClientToScreen(window, Point{square.left + 2, square.top + 2})) == color;
    }

    TestWindow window;
    bool shown = false;
};

TEST_F(MenuTest, TheBarShowsTheMenuWithItsStatesAndItsCommandsArrive)
{
    ASSERT_TRUE(shown);
    wxMenuBar* bar = Bar();
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(bar->GetMenuCount(), 2u);
    EXPECT_EQ(bar->GetMenuLabel(0), "&Test");
    EXPECT_EQ(bar->GetMenuLabel(1), "&Help");
    EXPECT_TRUE(bar->IsEnabled(Item(ID_FIRST)));
    EXPECT_FALSE(bar->IsEnabled(Item(ID_GRAYED)));

    // Enabling and graying by command reaches the bar at once.
    window.GetMenu()->EnableMenuItem(ID_GRAYED, MF_BYCOMMAND | MF_ENABLED);
    window.GetMenu()->EnableMenuItem(ID_SECOND, MF_BYCOMMAND | MF_GRAYED);
    EXPECT_TRUE(bar->IsEnabled(Item(ID_GRAYED)));
    EXPECT_FALSE(bar->IsEnabled(Item(ID_SECOND)));
    EXPECT_EQ(Bar(), bar);

    // The player opens the menu with its mnemonic and chooses an item with its own; the handler
    // may draw and pause like any other.
    bool drawn = false;
    window.onFirst = [&] { drawn = DrawsAndShows(Rect{250, 150, 280, 180}, Rgb(0, 0, 255)); };
    window.log.clear();
    gui::Input().Char('T', wxMOD_ALT);
    gui::RunFor(150);
    Rect around = gui::ScreenRectOf(window);
    around.bottom += 40;
    gui::SaveScreenshot(around, "gui_test_window_menu");
    gui::Input().Char('F');
    ASSERT_TRUE(gui::RunUntil([&] { return Contains(window.log, "first"); }));
    EXPECT_TRUE(drawn);

    // After such a handler the window still repaints as usual.
    window.paintColor = Rgb(0, 128, 0);
    window.Invalidate(false);
    EXPECT_TRUE(gui::RunUntil([&] {
        return gui::ScreenPixel(gui::ClientToScreen(window, Point{200, 160})) == Rgb(0, 128, 0);
    }));
}

TEST_F(MenuTest, ATimerHandlerCanDrawAndPauseAndTheWindowRepaintsAfterwards)
{
    ASSERT_TRUE(shown);
    bool drawn = false;
    window.onTimer = [&](unsigned) {
        window.KillTimer(9);
        drawn = DrawsAndShows(Rect{250, 150, 280, 180}, Rgb(255, 255, 0));
    };
    window.SetTimer(9, 20);
    ASSERT_TRUE(gui::RunUntil([&] { return Contains(window.log, "timer 9"); }));
    EXPECT_TRUE(drawn);
    window.paintColor = Rgb(0, 128, 0);
    window.Invalidate(false);
    EXPECT_TRUE(gui::RunUntil([&] {
        return gui::ScreenPixel(gui::ClientToScreen(window, Point{200, 160})) == Rgb(0, 128, 0);
    }));
}
