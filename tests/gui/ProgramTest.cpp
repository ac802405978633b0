#include "BackgroundInput.h"
#include "GuiTest.h"
#include "PixelProbe.h"
#include "TempWorkingDir.h"

#include "platform/Desktop.h"

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

// The program itself, started as the player starts it: it shows its main window, centred on the
// desktop, and ends (successfully) when that window is closed.
using ProgramTest = GuiTest;

TEST_F(ProgramTest, TheProgramRunsItsMainWindowAndEndsWhenItCloses)
{
    // The game keeps its files in the directory it is started from.
    TempWorkingDir directory;
    Rect desktop = GetDesktopRect();
    Point centre{desktop.Width() / 2, desktop.Height() / 2};
    ColorRef before = gui::ScreenPixel(centre);

    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        execl(TOBRIX_PROGRAM, TOBRIX_PROGRAM, static_cast<char*>(nullptr));
        _exit(127);
    }
    bool shown = gui::RunUntil([&] { return gui::ScreenPixel(centre) != before; }, 10000);
    gui::RunFor(300);
    // The X server gives the keys to the window under the pointer. Help > About is opened from
    // the keyboard (F10, Left, Down, Enter) and closed with Enter; Escape then still closes the
    // main window.
    BackgroundInput input;
    input.MoveTo(centre);
    input.Join();
    const Rect middle{centre.x - 100, centre.y - 30, centre.x + 100, centre.y + 30};
    const PixelImage game = gui::ReadScreen(middle);
    int aboutShown = 0;
    for (unsigned long key : {0xffc7ul, 0xff51ul, 0xff54ul, 0xff0dul, 0ul, 0xff0dul}) {
        if (key == 0) {
            aboutShown = DifferentPixels(game, gui::ReadScreen(middle));
        } else {
            input.PressKey(key);
            input.Join();
        }
        gui::RunFor(500);
    }
    input.PressKey(0xff1b);
    input.Join();

    int status = -1;
    bool ended = gui::RunUntil([&] { return waitpid(child, &status, WNOHANG) == child; }, 10000);
    if (!ended) {
        kill(child, SIGKILL);
        waitpid(child, &status, 0);
    }
    EXPECT_TRUE(shown);
    EXPECT_GT(aboutShown, 1000);
    ASSERT_TRUE(ended);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}
