#include "MainWindowFixture.h"
#include "TestWindow.h"

#include "platform/ClientDC.h"

// A dialog's ground follows the desktop theme, as the toolkit's controls on it do; the game's own
// window keeps the classic grey whatever the theme.
class WindowFaceTest : public MainWindowTest
{
protected:
    static constexpr ColorRef THEME_FACE = Rgb(51, 51, 51);

    WindowFaceTest() { SetThemeSysColor(COLOR_BTNFACE, THEME_FACE); }
    ~WindowFaceTest() override { ResetThemeSysColors(); }
};

TEST_F(WindowFaceTest, DialogsEraseInTheThemesFaceAndTheGameWindowInTheClassicGrey)
{
    Open();
    TestWindow dialog;
    dialog.paintFills = false;
    ASSERT_TRUE(dialog.Create());
    headless.Pump();
    struct Case
    {
        const char* name;
        Window& window;
        Point ground;
        ColorRef face;
    } cases[] = {
        {"dialog", dialog, Point{2, 2}, THEME_FACE},
        // The gap between two cells of the board.
        {"game window", window, Point{29, 5}, FACE},
    };
    for (const Case& c : cases) {
        // Erased when it first paints, and again after being drawn over.
        EXPECT_EQ(c.window.GetBackBuffer().GetPixel(c.ground.x, c.ground.y), c.face) << c.name;
        {
            ClientDC dc(c.window);
            dc.FillSolidRect(Rect{0, 0, 40, 40}, Rgb(255, 0, 0));
        }
        c.window.Invalidate(true);
        headless.Pump();
        EXPECT_EQ(c.window.GetBackBuffer().GetPixel(c.ground.x, c.ground.y), c.face) << c.name;
        EXPECT_EQ(headless.Peer(c.window)->screen.GetPixel(c.ground.x, c.ground.y), c.face)
            << c.name;
    }
}
