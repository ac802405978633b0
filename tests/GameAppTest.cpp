#include "MainWindowFixture.h"

#include "FileBytes.h"

#include "app/GameApp.h"
#include "platform/Application.h"

class GameAppTest : public MainWindowTest
{
};

TEST_F(GameAppTest, TheApplicationRunsTheMainWindowModallyAndEndsWithIt)
{
    Application* app = GetApplication();
    ASSERT_NE(app, nullptr);
    EXPECT_NE(dynamic_cast<GameApp*>(app), nullptr);
    Window* running = nullptr;
    headless.ScriptDialog([&](DialogSession& session) {
        running = app->mainWindow;
        EXPECT_NE(dynamic_cast<MainDialog*>(&session.GetWindow()), nullptr);
        EXPECT_EQ(&session.GetWindow(), running);
        EXPECT_EQ(session.GetWindow().GetWindowText(), "TOBRIX++");
        session.Ok(); // Enter: nothing
        EXPECT_TRUE(session.IsOpen());
        session.Cancel(); // Escape: the end
    });
    EXPECT_FALSE(app->InitInstance());
    EXPECT_NE(running, nullptr);
    EXPECT_EQ(app->mainWindow, nullptr);
    EXPECT_EQ(headless.UnfinishedDialogs(), 0);
    // The game's first run left the default high-score table behind in the working directory.
    EXPECT_EQ(ReadFileBytes(HIGH_SCORES_FILE).size(), HIGH_SCORES_FILE_SIZE);
}
