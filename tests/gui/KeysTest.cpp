#include "GuiTest.h"
#include "TestWindow.h"

#include "platform/Message.h"
#include "platform/wx/WxWindowPeer.h"

#include <wx/toplevel.h>

using namespace testwin;
using Log = std::vector<std::string>;

// Each key ends the test window, so each case has a window of its own.
class KeysTest : public GuiTest
{
protected:
    // Shows a test window with the mouse over it (the X server gives the keyboard to the window
    // under the pointer when no window manager runs).
    void Open()
    {
        window.Create();
        ASSERT_TRUE(gui::WaitShown(window));
        gui::Input().MouseMove(gui::ClientToScreen(window, Point{200, 150}).x,
                               gui::ClientToScreen(window, Point{200, 150}).y);
        gui::RunFor(30);
        window.log.clear();
    }
    ~KeysTest() override { window.DestroyWindow(); }

    TestWindow window;
};

TEST_F(KeysTest, EnterReachesOnOK)
{
    Open();
    gui::Input().Char(WXK_RETURN);
    ASSERT_TRUE(gui::RunUntil([&] { return window.IsEnded(); }));
    EXPECT_EQ(window.log, Log{"ok"});
    EXPECT_EQ(window.GetResult(), IDOK);
}

TEST_F(KeysTest, EscapeReachesOnCancel)
{
    Open();
    gui::Input().Char(WXK_ESCAPE);
    ASSERT_TRUE(gui::RunUntil([&] { return window.IsEnded(); }));
    EXPECT_EQ(window.log, Log{"cancel"});
    EXPECT_EQ(window.GetResult(), IDCANCEL);
}

TEST_F(KeysTest, AltF4AndTheCloseBoxReachOnCancelThroughTheCloseCommand)
{
    Open();
    gui::Input().Char(WXK_F4, wxMOD_ALT);
    ASSERT_TRUE(gui::RunUntil([&] { return window.IsEnded(); }));
    EXPECT_EQ(window.log, (Log{"syscommand " + std::to_string(SC_CLOSE), "cancel"}));
    window.DestroyWindow();

    // The close box asks the window to close, as the window manager does.
    Open();
    gui::PeerOf(window)->GetTopLevel()->Close();
    ASSERT_TRUE(gui::RunUntil([&] { return window.IsEnded(); }));
    EXPECT_EQ(window.log, (Log{"syscommand " + std::to_string(SC_CLOSE), "cancel"}));
}
