#include "HeadlessTest.h"
#include "TestWindow.h"

#include "AllocationCounter.h"

#include "platform/ClientDC.h"
#include "platform/Menu.h"
#include "platform/MessageQueue.h"
#include "platform/Sleep.h"

#include <string>
#include <vector>

using namespace testwin;
using Log = std::vector<std::string>;

class MessageLoopTest : public HeadlessTest
{
protected:
    MessageLoopTest() { window.Create(); }
    TestWindow window;
};

TEST_F(MessageLoopTest, InputDuringAHandlersSleepWaitsAndKeepsItsOrder)
{
    int clicks = 0;
    window.onLButtonDown = [&](Point) {
        if (clicks++ > 0) {
            return;
        }
        for (int frame = 0; frame < 3; ++frame) {
            Sleep(25);
        }
        window.log.push_back("handler end");
    };
    int frame = 0;
    headless.SetSleepHook([&](unsigned) {
        switch (frame++) {
        case 0:
            headless.MouseMove(window, Point{1, 1});
            headless.LButtonDown(window, Point{2, 2});
            break;
        case 1:
            headless.Command(window, IDC_PUSH);
            headless.TimerTick(window, 7);
            break;
        default:
            headless.MouseMove(window, Point{3, 3});
            break;
        }
    });
    window.log.clear();
    headless.LButtonDown(window, Point{5, 5});
    EXPECT_EQ(window.log, (Log{"down 5,5", "handler end", "move 1,1", "down 2,2", "push", "timer 7",
                               "move 3,3", "paint"}));
    EXPECT_EQ(headless.Now(), 75u);
    EXPECT_EQ(MessageQueue::Get().PendingCount(), 0);
}

TEST_F(MessageLoopTest, TimerTicksComeBetweenHandlersOnePerTimerAtMost)
{
    headless.Pump();
    window.log.clear();
    EXPECT_EQ(window.SetTimer(200, 80), 200u);
    window.SetTimer(201, 30);
    ASSERT_NE(headless.FindTimer(window, 200), nullptr);
    EXPECT_EQ(headless.FindTimer(window, 200)->period, 80u);
    EXPECT_EQ(headless.RunningTimerCount(), 2);

    // A handler that sleeps through many periods of both timers gets one tick of each afterwards.
    window.onPush = [&] {
        Sleep(500);
        window.log.push_back("push end");
    };
    headless.Command(window, IDC_PUSH);
    EXPECT_EQ(window.log, (Log{"push", "push end", "timer 200", "timer 201"}));

    // Idle time brings every period's tick, in time order.
    window.log.clear();
    window.KillTimer(201);
    headless.AdvanceClock(240);
    EXPECT_EQ(window.log, (Log{"timer 200", "timer 200", "timer 200"}));
    EXPECT_EQ(headless.RunningTimerCount(), 1);
}

TEST_F(MessageLoopTest, KillTimerDropsTheTickThatWaitsAndStopsTheRest)
{
    window.SetTimer(200, 80);
    headless.Pump();
    window.log.clear();
    window.onPush = [&] {
        Sleep(100);
        window.KillTimer(200);
    };
    headless.Command(window, IDC_PUSH);
    headless.AdvanceClock(1000);
    EXPECT_EQ(window.log, (Log{"push"}));
    EXPECT_FALSE(window.KillTimer(200));
    EXPECT_EQ(headless.FindTimer(window, 200), nullptr);
}

TEST_F(MessageLoopTest, DoubleClickCountsAsASecondButtonDownAndRightButtonUpArrives)
{
    headless.Pump();
    window.log.clear();
    headless.DoubleClick(window, Point{10, 20});
    headless.RButtonUp(window, Point{11, 21});
    EXPECT_EQ(window.log, (Log{"down 10,20", "down 10,20", "rup 11,21"}));
}

TEST_F(MessageLoopTest, MovesOutsideTheClientAreaReachOnlyTheWindowWithTheCapture)
{
    headless.Pump();
    window.log.clear();
    Rect client;
    window.GetClientRect(&client);
    Point outside{client.right + 5, 10};

    headless.MouseMove(window, outside);
    EXPECT_TRUE(window.log.empty());

    EXPECT_EQ(window.SetCapture(), nullptr);
    EXPECT_EQ(GetCapture(), &window);
    EXPECT_TRUE(headless.Peer(window)->captured);
    headless.MouseMove(window, outside);
    EXPECT_EQ(window.log, (Log{"move " + std::to_string(outside.x) + ",10"}));

    ReleaseCapture();
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_FALSE(headless.Peer(window)->captured);

    // The capture goes with the window.
    window.SetCapture();
    window.DestroyWindow();
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(MessageLoopTest, EnterEscapeAndTheCloseBoxEndAModalDialog)
{
    window.DestroyWindow();
    struct Case
    {
        void (HeadlessBackend::*action)(Window&);
        int result;
        Log log;
    };
    const Case cases[] = {
        {&HeadlessBackend::Enter, IDOK, {"init", "ok"}},
        {&HeadlessBackend::Escape, IDCANCEL, {"init", "cancel"}},
        {&HeadlessBackend::Close, IDCANCEL, {"init", "syscommand 61536", "cancel"}},
    };
    for (const Case& c : cases) {
        TestWindow dialog;
        dialog.paintFills = false;
        headless.ScriptDialog([&](DialogSession& session) {
            EXPECT_TRUE(session.IsOpen());
            EXPECT_TRUE(session.Peer()->visible);
            dialog.log.clear();
            dialog.log.push_back("init");
            (headless.*c.action)(dialog);
            EXPECT_FALSE(session.IsOpen());
        });
        EXPECT_EQ(dialog.DoModal(), c.result);
        EXPECT_EQ(dialog.log, c.log);
        EXPECT_FALSE(dialog.IsCreated());
    }
    EXPECT_EQ(headless.UnfinishedDialogs(), 0);
}

TEST_F(MessageLoopTest, ADialogNobodyAnswersIsCancelledAndCounted)
{
    TestWindow dialog;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(headless.UnfinishedDialogs(), 1);

    Dialog missing(12345);
    EXPECT_EQ(missing.DoModal(), -1);
}

TEST_F(MessageLoopTest, InputForTheOwnerWaitsWhileItsHandlerRunsANestedDialog)
{
    headless.Pump();
    window.log.clear();
    TestWindow nested(&window);
    window.onPush = [&] {
        int result = nested.DoModal();
        window.log.push_back("nested " + std::to_string(result));
    };
    headless.ScriptDialog([&](DialogSession& session) {
        headless.LButtonDown(window, Point{4, 4});
        window.SetTimer(200, 80);
        headless.AdvanceClock(200);
        session.Click(IDC_PUSH);
        session.Ok();
    });
    headless.Command(window, IDC_PUSH);
    EXPECT_EQ(nested.log, (Log{"init", "paint", "push", "ok"}));
    EXPECT_EQ(window.log, (Log{"push", "nested 1", "down 4,4", "timer 200"}));
}

TEST_F(MessageLoopTest, ADialogEndedInItsOwnInitialisationDoesNotRunALoop)
{
    TestWindow dialog;
    dialog.onInit = [&] { dialog.EndDialog(IDOK); };
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(headless.UnfinishedDialogs(), 0);
    EXPECT_EQ(headless.ScriptsLeft(), 0);
}

TEST_F(MessageLoopTest, MenuCommandsFollowTheItemsStates)
{
    headless.Pump();
    window.log.clear();
    Menu* menu = window.GetMenu();
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->GetMenuItemCount(), 2);
    Menu* first = menu->GetSubMenu(0);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->GetMenuItemCount(), 4);
    EXPECT_EQ(first->GetMenuString(1, MF_BYPOSITION), "");
    EXPECT_EQ(first->GetMenuState(1, MF_BYPOSITION), static_cast<int>(MF_SEPARATOR));

    EXPECT_TRUE(headless.ChooseMenuItem(window, ID_FIRST));
    EXPECT_FALSE(headless.ChooseMenuItem(window, ID_GRAYED));
    EXPECT_FALSE(headless.ChooseMenuItem(window, 4242));

    EXPECT_EQ(menu->EnableMenuItem(ID_FIRST, MF_BYCOMMAND | MF_GRAYED), 0);
    EXPECT_EQ(first->EnableMenuItem(ID_GRAYED, MF_BYCOMMAND | MF_ENABLED),
              static_cast<int>(MF_GRAYED));
    EXPECT_EQ(menu->EnableMenuItem(4242, MF_GRAYED), -1);
    EXPECT_FALSE(headless.ChooseMenuItem(window, ID_FIRST));
    EXPECT_TRUE(headless.ChooseMenuItem(window, ID_SECOND));
    EXPECT_TRUE(headless.ChooseMenuItem(window, ID_HELP_ITEM));
    EXPECT_EQ(menu->GetMenuState(ID_FIRST, MF_BYCOMMAND), static_cast<int>(MF_GRAYED));
    EXPECT_GT(headless.Peer(window)->menuChanges, 0);
    // The item the map does not know is a command nobody handles.
    EXPECT_EQ(window.log, (Log{"first", "second"}));
}

TEST_F(MessageLoopTest, TheSystemMenuGetsAnItemOnlyForATextThatIsNotEmpty)
{
    // What the main window does at start-up, with a string that exists and one that is empty.
    auto addAbout = [&](int stringId) {
        Menu* system = window.GetSystemMenu(false);
        const char* text = LoadStringResource(stringId);
        if (system && text[0] != '\0') {
            system->AppendMenu(MF_SEPARATOR);
            system->AppendMenu(MF_STRING, 16, text);
        }
    };
    Menu* system = window.GetSystemMenu(false);
    ASSERT_NE(system, nullptr);
    int standard = system->GetMenuItemCount();
    addAbout(IDS_EMPTY);
    addAbout(12345);
    EXPECT_EQ(system->GetMenuItemCount(), standard);
    addAbout(IDS_TEST_ABOUT);
    ASSERT_EQ(system->GetMenuItemCount(), standard + 2);
    EXPECT_EQ(system->GetItem(standard)->flags, MF_SEPARATOR);
    EXPECT_EQ(system->GetMenuItemID(standard + 1), 16u);
    EXPECT_EQ(system->GetMenuString(16, MF_BYCOMMAND), "&About the test...");

    headless.Pump();
    window.log.clear();
    headless.SysCommand(window, 16);
    EXPECT_EQ(window.log, (Log{"syscommand 16"}));
    EXPECT_TRUE(window.IsCreated());

    EXPECT_EQ(window.GetSystemMenu(true), nullptr);
    EXPECT_EQ(system->GetMenuItemCount(), standard);
}

TEST_F(MessageLoopTest, TimersInvalidationClientContextsAndSleepAllocateNothing)
{
    headless.Pump();
    headless.SetSleepHook([](unsigned) {});
    AllocationCounter counter;
    window.SetTimer(200, 80);
    {
        ClientDC dc(window);
        dc.FillSolidRect(Rect{0, 0, 30, 30}, Rgb(1, 2, 3));
    }
    Rect cell{30, 30, 60, 60};
    window.InvalidateRect(&cell, true);
    Sleep(25);
    window.KillTimer(200);
    long allocations = counter.Count();
    EXPECT_EQ(allocations, 0);
}
