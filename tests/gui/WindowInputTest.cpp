#include "GuiTest.h"
#include "TestWindow.h"

#include "platform/Message.h"

#include <wx/uiaction.h>

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
