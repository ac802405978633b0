#include "BackgroundInput.h"
#include "GuiTest.h"
#include "TestWindow.h"

#include "platform/ClientDC.h"
#include "platform/Sleep.h"

#include <chrono>

using namespace testwin;
using Log = std::vector<std::string>;

class MessageRulesTest : public GuiTest
{
protected:
    MessageRulesTest()
    {
        window.Create();
        shown = gui::WaitShown(window);
    }
    ~MessageRulesTest() override { window.DestroyWindow(); }

    static constexpr Point FREE{200, 150};

    TestWindow window;
    bool shown = false;
};

TEST_F(MessageRulesTest, ClicksDuringAHandlersSleepAreDeliveredAfterwardsInOrder)
{
    ASSERT_TRUE(shown);
    ASSERT_TRUE(BackgroundInput::Available());
    BackgroundInput input;
    std::vector<Point> later;
    for (int x = 20; x <= 220; x += 50) {
        later.push_back(gui::ClientToScreen(window, Point{x, 170}));
    }
    bool first = true;
    window.onLButtonDown = [&](Point) {
        if (!first) {
            return;
        }
        first = false;
        // The clicks arrive from the X server while this handler pauses between frames.
        input.ClickEach(later, 10, 20);
        for (int frame = 0; frame < 10; ++frame) {
            Sleep(25);
        }
        input.Join();
        window.log.push_back("handler end");
    };
    window.log.clear();
    gui::ClickAt(gui::ClientToScreen(window, FREE));
    ASSERT_TRUE(gui::RunUntil([&] { return Only(window.log, "down").size() >= 6; }));
    gui::RunFor(50);
    EXPECT_EQ(Only(window.log, "down"), (Log{"down 200,150", "down 20,170", "down 70,170",
                                             "down 120,170", "down 170,170", "down 220,170"}));
    auto end = std::find(window.log.begin(), window.log.end(), "handler end");
    auto second = std::find(window.log.begin(), window.log.end(), "down 20,170");
    EXPECT_LT(end, second);
}

TEST_F(MessageRulesTest, ClientDrawingIsOnTheScreenAfterTheNextSleepWithoutAPaint)
{
    ASSERT_TRUE(shown);
    const Point probe{115, 165};
    ColorRef before = 0;
    ColorRef after = 0;
    size_t paintsDuring = 0;
    bool done = false;
    window.onLButtonDown = [&](Point) {
        size_t paints = Only(window.log, "paint").size();
        ClientDC dc(window);
        dc.FillSolidRect(Rect{100, 150, 130, 180}, Rgb(0, 0, 255));
        before = gui::ScreenPixel(gui::ClientToScreen(window, probe));
        Sleep(3);
        after = gui::ScreenPixel(gui::ClientToScreen(window, probe));
        paintsDuring = Only(window.log, "paint").size() - paints;
        done = true;
    };
    gui::ClickAt(gui::ClientToScreen(window, FREE));
    ASSERT_TRUE(gui::RunUntil([&] { return done; }));
    EXPECT_EQ(before, Rgb(255, 0, 0));
    EXPECT_EQ(after, Rgb(0, 0, 255));
    EXPECT_EQ(paintsDuring, 0u);

    // An invalidated area is repainted by the paint message and shown.
    window.paintColor = Rgb(0, 128, 0);
    window.log.clear();
    window.Invalidate(false);
    ASSERT_TRUE(gui::RunUntil([&] { return Contains(window.log, "paint"); }));
    EXPECT_TRUE(gui::RunUntil(
        [&] { return gui::ScreenPixel(gui::ClientToScreen(window, probe)) == Rgb(0, 128, 0); }));
}

TEST_F(MessageRulesTest, TimerTicksComeBetweenHandlersAndDoNotPileUp)
{
    ASSERT_TRUE(shown);
    using Clock = std::chrono::steady_clock;
    std::vector<Clock::time_point> ticks;
    window.onTimer = [&](unsigned) { ticks.push_back(Clock::now()); };
    size_t ticksBefore = 0;
    size_t ticksDuring = 0;
    Clock::time_point end;
    window.onLButtonDown = [&](Point) {
        ticksBefore = ticks.size();
        Sleep(300);
        ticksDuring = ticks.size() - ticksBefore;
        end = Clock::now();
        window.log.push_back("handler end");
    };
    window.SetTimer(7, 30);
    ASSERT_TRUE(gui::RunUntil([&] { return ticks.size() >= 3; }));
    window.log.clear();
    gui::ClickAt(gui::ClientToScreen(window, FREE));
    ASSERT_TRUE(gui::RunUntil([&] { return Contains(window.log, "handler end"); }));
    gui::RunFor(100);
    // Ten periods passed during the handler without a tick; afterwards the tick that waited
    // comes, not one per period missed.
    EXPECT_EQ(ticksDuring, 0u);
    size_t soon = 0;
    for (size_t i = ticksBefore; i < ticks.size(); ++i) {
        soon += ticks[i] - end < std::chrono::milliseconds(10) ? 1 : 0;
    }
    EXPECT_GE(soon, 1u);
    EXPECT_LE(soon, 2u);

    EXPECT_TRUE(window.KillTimer(7));
    size_t count = ticks.size();
    gui::RunFor(120);
    EXPECT_EQ(ticks.size(), count);
}
