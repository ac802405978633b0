#include "HeadlessTest.h"
#include "TempDir.h"
#include "TestWindow.h"

#include "platform/ClientDC.h"
#include "platform/Desktop.h"
#include "platform/Sleep.h"

#include <fstream>
#include <string>
#include <vector>

using namespace testwin;
using Log = std::vector<std::string>;

namespace {
constexpr ColorRef BLUE = Rgb(0, 0, 255);
constexpr ColorRef RED = Rgb(255, 0, 0);

// Colours a window's back buffer and screen blue, as after a paint of its own.
void FillBlue(HeadlessBackend& headless, TestWindow& window)
{
    headless.Pump();
    {
        ClientDC dc(window);
        Rect client;
        window.GetClientRect(&client);
        dc.FillSolidRect(client, BLUE);
    }
    headless.Pump();
    window.log.clear();
}
} // namespace

class PaintCycleTest : public HeadlessTest
{
protected:
    PaintCycleTest() { window.Create(); }
    TestWindow window;
};

TEST_F(PaintCycleTest, ANewWindowIsPaintedWholeOnceNothingElseWaits)
{
    headless.SetAutoPump(false);
    headless.LButtonDown(window, Point{3, 3});
    headless.Pump();
    EXPECT_EQ(window.log, (Log{"init", "down 3,3", "paint"}));
    const PixelImage& screen = headless.Peer(window)->screen;
    Rect client;
    window.GetClientRect(&client);
    EXPECT_EQ(screen.width, client.Width());
    EXPECT_EQ(screen.GetPixel(0, 0), RED);
    EXPECT_EQ(screen.GetPixel(client.right - 1, client.bottom - 1), RED);
    EXPECT_FALSE(window.HasUpdateRegion());
}

TEST_F(PaintCycleTest, OnlyTheUpdateRegionIsRepainted)
{
    FillBlue(headless, window);
    headless.SetAutoPump(false);
    Rect a{10, 10, 20, 15};
    Rect b{40, 30, 45, 60};
    window.InvalidateRect(&a, false);
    window.InvalidateRect(&b, false);
    int count = 0;
    window.GetUpdateRects(&count);
    EXPECT_EQ(count, 2);
    headless.Pump();
    EXPECT_EQ(window.log, (Log{"paint"}));
    const PixelImage& screen = headless.Peer(window)->screen;
    for (Point p : {Point{10, 10}, Point{19, 14}, Point{40, 30}, Point{44, 59}}) {
        EXPECT_EQ(screen.GetPixel(p.x, p.y), RED) << p.x << "," << p.y;
    }
    for (Point p : {Point{9, 10}, Point{20, 14}, Point{19, 15}, Point{45, 59}, Point{30, 20}}) {
        EXPECT_EQ(screen.GetPixel(p.x, p.y), BLUE) << p.x << "," << p.y;
    }
}

TEST_F(PaintCycleTest, ErasingFillsTheRegionWithTheFaceColourOnlyWhenAsked)
{
    window.paintFills = false;
    FillBlue(headless, window);
    Rect kept{0, 0, 10, 10};
    window.InvalidateRect(&kept, false);
    headless.Pump();
    EXPECT_EQ(headless.Peer(window)->screen.GetPixel(5, 5), BLUE);

    Rect erased{20, 20, 30, 30};
    window.InvalidateRect(&erased, true);
    headless.Pump();
    const PixelImage& screen = headless.Peer(window)->screen;
    EXPECT_EQ(screen.GetPixel(20, 20), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(screen.GetPixel(29, 29), Rgb(192, 192, 192));
    EXPECT_EQ(screen.GetPixel(30, 29), BLUE);
    EXPECT_EQ(screen.GetPixel(19, 25), BLUE);
}

TEST_F(PaintCycleTest, TheUpdateRegionIsClippedToTheClientAreaAndMerged)
{
    headless.Pump();
    Rect client;
    window.GetClientRect(&client);
    Rect outside{client.right + 1, 0, client.right + 50, 20};
    window.InvalidateRect(&outside, true);
    EXPECT_FALSE(window.HasUpdateRegion());

    Rect big{0, 0, 50, 50};
    Rect inner{10, 10, 20, 20};
    window.InvalidateRect(&inner, false);
    window.InvalidateRect(&big, false);
    window.InvalidateRect(&inner, false);
    int count = 0;
    const Rect* rects = window.GetUpdateRects(&count);
    ASSERT_EQ(count, 1);
    EXPECT_EQ(rects[0].right, 50);

    // Past its capacity the region becomes the bounding box of its pieces.
    for (int i = 0; i < 40; ++i) {
        Rect r{60 + 2 * i, 60, 61 + 2 * i, 61};
        window.InvalidateRect(&r, false);
    }
    rects = window.GetUpdateRects(&count);
    EXPECT_LE(count, 32);
    Rect box{0, 0, 0, 0};
    for (int i = 0; i < count; ++i) {
        box = UnionRect(box, rects[i]);
    }
    EXPECT_EQ(box.left, 0);
    EXPECT_EQ(box.right, 139);
}

TEST_F(PaintCycleTest, AClientContextsDrawingIsPresentedWithoutAPaintMessage)
{
    FillBlue(headless, window);
    int presentsBefore = headless.Peer(window)->presentCount;
    ColorRef duringSleep = 0;
    window.onLButtonDown = [&](Point) {
        ClientDC dc(window);
        dc.FillSolidRect(Rect{0, 0, 30, 30}, RED);
        Sleep(3);
        dc.FillSolidRect(Rect{30, 0, 60, 30}, Rgb(0, 255, 0));
    };
    headless.SetSleepHook(
        [&](unsigned) { duringSleep = headless.Peer(window)->screen.GetPixel(29, 29); });
    headless.LButtonDown(window, Point{1, 1});
    EXPECT_EQ(duringSleep, RED);
    const HeadlessWindow* peer = headless.Peer(window);
    EXPECT_EQ(peer->screen.GetPixel(45, 15), Rgb(0, 255, 0));
    EXPECT_EQ(peer->screen.GetPixel(60, 15), BLUE);
    EXPECT_EQ(peer->presentCount, presentsBefore + 2);
    EXPECT_EQ(peer->lastPresented.left, 30);
    EXPECT_EQ(peer->lastPresented.right, 60);
    EXPECT_EQ(window.log, (Log{"down 1,1"}));
}

TEST_F(PaintCycleTest, ABusyWindowIsNotPaintedUntilItsHandlerEnds)
{
    headless.Pump();
    window.log.clear();
    window.onPush = [&] {
        window.Invalidate(false);
        Sleep(10);
        window.log.push_back("push end");
    };
    headless.Command(window, IDC_PUSH);
    EXPECT_EQ(window.log, (Log{"push", "push end", "paint"}));
}

TEST_F(PaintCycleTest, MovingTheWindowResizesTheBackBufferAndRepaints)
{
    headless.Pump();
    window.log.clear();
    Rect frame{0, 0, 200, 185};
    AdjustWindowRect(frame, TestTemplate().style, true);
    EXPECT_EQ(frame.Width(), 200 + 2 * HeadlessBackend::FRAME);
    EXPECT_EQ(frame.Height(), 185 + 2 * HeadlessBackend::FRAME + HeadlessBackend::CAPTION +
                                  HeadlessBackend::MENU_BAR);
    window.MoveWindow(100, 50, frame.Width(), frame.Height(), true);
    Rect client;
    window.GetClientRect(&client);
    EXPECT_EQ(client.Width(), 200);
    EXPECT_EQ(client.Height(), 185);
    EXPECT_EQ(window.GetBackBuffer().width, 200);
    Rect placed;
    window.GetWindowRect(&placed);
    EXPECT_EQ(placed.left, 100);
    EXPECT_EQ(placed.top, 50);
    headless.Pump();
    EXPECT_EQ(window.log, (Log{"paint"}));
    EXPECT_EQ(headless.Peer(window)->screen.GetPixel(199, 184), RED);

    Rect desktop = GetDesktopRect();
    EXPECT_EQ(desktop.Width(), 1024);
    headless.SetDesktopRect(Rect{0, 0, 800, 600});
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 600);
    EXPECT_EQ(GetSystemMetrics(SM_CXICON), 32);
}

TEST_F(PaintCycleTest, AMinimisedWindowIsRepaintedWhenRestored)
{
    headless.Pump();
    window.log.clear();
    headless.SetIconic(window, true);
    EXPECT_TRUE(window.IsIconic());
    headless.Pump();
    headless.SetIconic(window, false);
    headless.Pump();
    EXPECT_FALSE(window.IsIconic());
    EXPECT_EQ(window.log, (Log{"paint", "paint"}));
}

TEST_F(PaintCycleTest, ContextsOfAWindowThatDoesNotExistDrawNothing)
{
    TestWindow closed;
    ClientDC client(closed);
    client.FillSolidRect(Rect{0, 0, 10, 10}, RED);
    PaintDC paint(&closed);
    paint.FillSolidRect(Rect{0, 0, 10, 10}, RED);
    EXPECT_EQ(closed.GetBackBuffer().width, 0);
    closed.Invalidate(true);
    EXPECT_FALSE(closed.HasUpdateRegion());
    EXPECT_EQ(closed.SetTimer(200, 80), 0u);
}

TEST_F(PaintCycleTest, TheScreenOfAWindowIsSavedAsPng)
{
    headless.Pump();
    TempDir dir;
    std::string path = dir.Path("window.png");
    ASSERT_TRUE(headless.SaveScreenshot(window, path));
    std::ifstream file(path, std::ios::binary);
    char signature[8] = {};
    file.read(signature, 8);
    EXPECT_EQ(std::string(signature + 1, 3), "PNG");
    TestWindow closed;
    EXPECT_FALSE(headless.SaveScreenshot(closed, dir.Path("closed.png")));
}
