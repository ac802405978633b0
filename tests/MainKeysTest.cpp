#include "MainWindowFixture.h"

#include "platform/Cursor.h"
#include "platform/Keys.h"
#include "res/ResourceIds.h"

#include <cstdlib>
#include <vector>

// The keyboard on the main window: the highlighted cell under the arrows, Space as a click, and
// the menu's shortcuts.
class MainKeysTest : public MainWindowTest
{
protected:
    void Key(unsigned key, unsigned modifiers = 0) { headless.KeyDown(window, key, modifiers); }
    // Walks the highlighted cell to the cell with the arrows, then presses Space there.
    void PressCell(int row, int col)
    {
        while (window.hoverCol != col) {
            Key(window.hoverCol < col ? VK_RIGHT : VK_LEFT);
        }
        while (window.hoverRow != row) {
            Key(window.hoverRow < row ? VK_DOWN : VK_UP);
        }
        Key(VK_SPACE);
    }
    bool Raised(int row, int col) const
    {
        return HasFrame(Buffer(), CellFrameRect(row, col), WHITE, BLACK);
    }
};

TEST_F(MainKeysTest, ArrowsMoveTheHighlightedCellAndStopAtTheEdges)
{
    // Seven columns and five rows, so that a row and column mix-up shows.
    Open(7, 5);
    struct Step
    {
        unsigned key;
        int col;
        int row;
    };
    // The keys start from the top-left cell, which counts as highlighted at first.
    const Step steps[] = {{VK_LEFT, 0, 0},  {VK_UP, 0, 0},    {VK_RIGHT, 1, 0}, {VK_DOWN, 1, 1},
                          {VK_RIGHT, 2, 1}, {VK_DOWN, 2, 2},  {VK_DOWN, 2, 3},  {VK_DOWN, 2, 4},
                          {VK_DOWN, 2, 4},  {VK_RIGHT, 3, 4}, {VK_RIGHT, 4, 4}, {VK_RIGHT, 5, 4},
                          {VK_RIGHT, 6, 4}, {VK_RIGHT, 6, 4}, {VK_UP, 6, 3},    {VK_LEFT, 5, 3}};
    int col = 0;
    int row = 0;
    for (const Step& step : steps) {
        const bool moves = step.col != col || step.row != row;
        window.statusLine.SetWindowText("kept");
        const PixelImage before = Buffer();
        Key(step.key);
        EXPECT_EQ(window.hoverCol, step.col) << step.key;
        EXPECT_EQ(window.hoverRow, step.row) << step.key;
        // A move lowers the old cell, raises the new one and shows the state, like the mouse.
        if (moves) {
            EXPECT_TRUE(Raised(step.row, step.col));
            EXPECT_TRUE(HasFrame(Buffer(), CellFrameRect(row, col), BLACK, WHITE));
            EXPECT_EQ(Status(), "Select piece");
        } else {
            EXPECT_EQ(DifferentPixels(before, Buffer()), 0);
            EXPECT_EQ(Status(), "kept");
        }
        col = step.col;
        row = step.row;
    }
    // The keys take no capture and leave the cursor alone.
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(MainKeysTest, MouseAndKeysShareTheHighlightedCell)
{
    Open();
    MoveTo(CellPoint(2, 3));
    Key(VK_RIGHT);
    EXPECT_TRUE(Raised(2, 4));
    EXPECT_FALSE(Raised(2, 3));
    // The mouse, still over its cell, takes the highlight back as soon as it moves.
    MoveTo(Point{3 * 30 + 2, 2 * 30 + 2});
    EXPECT_TRUE(Raised(2, 3));
    EXPECT_FALSE(Raised(2, 4));
    EXPECT_EQ(window.hoverCol, 3);

    // Off the board nothing is highlighted; the keys go on from the cell the mouse left.
    MoveTo(Point{285, 40});
    ASSERT_EQ(window.hoverCol, -1);
    Key(VK_DOWN);
    EXPECT_EQ(window.hoverCol, 3);
    EXPECT_EQ(window.hoverRow, 3);
    EXPECT_TRUE(Raised(3, 3));
    EXPECT_FALSE(Raised(2, 3));
}

TEST_F(MainKeysTest, SpacePlaysExactlyAsClicksDo)
{
    // Under "Pile": a run of six scores 6 and earns a credit, the credit deletes a piece, and a
    // move that clears nothing brings three pieces.
    Open();
    const std::vector<int> next(window.controller.nextColors, window.controller.nextColors + 3);
    struct Result
    {
        std::vector<int> cells;
        int score;
        int state;
        int credits;
        std::string status;
        bool undoGrayed;
        bool deleteGrayed;
        int cursor;
    };
    auto play = [&](bool keys) {
        Arrange({"11111.1..", "2.......3", ".........", ".........", ".........", ".........",
                 ".........", ".........", "........."});
        std::copy(next.begin(), next.end(), window.controller.nextColors);
        window.controller.scoreDisplay.value = 0;
        Random::Seed(5);
        auto press = [&](int row, int col) { keys ? PressCell(row, col) : ClickCell(row, col); };
        press(0, 6);
        press(0, 5);
        // The Delete key is the menu command's shortcut.
        if (keys) {
            Key(VK_DELETE);
        } else {
            headless.ChooseMenuItem(window, ID_GAME_TOGGLE_DELETING);
        }
        EXPECT_EQ(window.controller.state, STATE_DELETING) << keys;
        press(1, 0);
        press(1, 8);
        press(5, 8);
        headless.Pump();
        return Result{std::vector<int>(window.controller.board.cells,
                                       window.controller.board.cells + BOARD_CELLS),
                      window.controller.scoreDisplay.value,
                      window.controller.state,
                      window.controller.deleteCredits,
                      Status(),
                      Grayed(ID_GAME_UNDO),
                      Grayed(ID_GAME_TOGGLE_DELETING),
                      Peer()->cursor->GetId()};
    };
    const Result clicked = play(false);
    ASSERT_EQ(clicked.score, 6);
    ASSERT_EQ(window.controller.board.emptyCount, 81 - 4);
    const Result pressed = play(true);
    EXPECT_EQ(pressed.cells, clicked.cells);
    EXPECT_EQ(pressed.score, clicked.score);
    EXPECT_EQ(pressed.state, clicked.state);
    EXPECT_EQ(pressed.credits, clicked.credits);
    EXPECT_EQ(pressed.status, clicked.status);
    EXPECT_EQ(pressed.undoGrayed, clicked.undoGrayed);
    EXPECT_EQ(pressed.deleteGrayed, clicked.deleteGrayed);
    EXPECT_EQ(pressed.cursor, clicked.cursor);
}

TEST_F(MainKeysTest, KeysPressedDuringAMoveWaitForItInOrder)
{
    Open();
    Arrange({"1........", ".........", ".........", ".........", ".........", ".........",
             ".........", ".........", "........2"});
    PressCell(0, 0);
    ASSERT_EQ(Status(), "Select destination");
    // While the piece travels to (0, 4), the player walks on to (8, 8) and selects it there.
    int pauses = 0;
    int early = 0;
    headless.SetSleepHook([&](unsigned) {
        early += window.hoverCol != 4 || window.hoverRow != 0;
        if (pauses++ == 0) {
            for (unsigned key : {VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_RIGHT}) {
                Key(key);
            }
            for (int i = 0; i < 8; ++i) {
                Key(VK_DOWN);
            }
            Key(VK_SPACE);
        }
    });
    for (unsigned key : {VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_SPACE}) {
        Key(key);
    }
    headless.SetSleepHook(nullptr);
    headless.Pump();
    // Nothing was handled during the move and its arrivals; afterwards everything was, in order.
    EXPECT_GT(pauses, 4);
    EXPECT_EQ(early, 0);
    EXPECT_EQ(window.controller.board.emptyCount, 81 - 2 - 3);
    EXPECT_EQ(window.hoverCol, 8);
    EXPECT_EQ(window.hoverRow, 8);
    EXPECT_EQ(window.controller.state, STATE_SELECT_DESTINATION);
    EXPECT_EQ(window.controller.selRow, 8);
    EXPECT_EQ(window.controller.selCol, 8);
    EXPECT_EQ(Status(), "Select destination");
}

// The main window with a log of the commands that reach it.
class LoggedMainDialog : public MainDialog
{
public:
    bool OnCommand(int id, int code) override
    {
        commands.push_back(id);
        return MainDialog::OnCommand(id, code);
    }
    std::vector<int> commands;
};

TEST_F(MainKeysTest, EachShortcutRunsItsCommandOnlyWhileItsItemIsEnabled)
{
    struct Shortcut
    {
        unsigned key;
        unsigned modifiers;
        int command;
    };
    // Exit comes last: it closes the window.
    const Shortcut shortcuts[] = {
        {'N', FCONTROL, ID_GAME_NEW},
        {'D', FCONTROL, ID_GAME_DRAW_NEXT},
        {'Z', FCONTROL, ID_GAME_UNDO},
        {VK_DELETE, 0, ID_GAME_TOGGLE_DELETING},
        {'U', FCONTROL, ID_GAME_PLAYERS},
        {'I', FCONTROL, ID_GAME_HIGH_SCORES},
        {VK_OEM_COMMA, FCONTROL, ID_GAME_PREFERENCES},
        {VK_F1, 0, ID_HELP_HOW_TO_PLAY},
        {'Q', FCONTROL, ID_GAME_EXIT},
    };
    LoggedMainDialog main;
    ASSERT_TRUE(main.Create());
    Menu* menu = main.GetMenu();
    // Undo and Toggle deleting start grayed: their keys do nothing.
    for (const Shortcut& s : shortcuts) {
        menu->EnableMenuItem(static_cast<unsigned>(s.command), MF_BYCOMMAND | MF_GRAYED);
        headless.KeyDown(main, s.key, s.modifiers);
        EXPECT_TRUE(main.commands.empty()) << s.command;
    }
    // The dialogs they open are left with Escape, each counted as unfinished.
    for (const Shortcut& s : shortcuts) {
        menu->EnableMenuItem(static_cast<unsigned>(s.command), MF_BYCOMMAND | MF_ENABLED);
        main.commands.clear();
        headless.KeyDown(main, s.key, s.modifiers);
        EXPECT_EQ(main.commands, std::vector<int>{s.command}) << s.command;
        // Without Ctrl the letter is no shortcut.
        if (s.modifiers != 0 && !main.IsEnded()) {
            headless.KeyDown(main, s.key);
            EXPECT_EQ(main.commands.size(), 1u) << s.command;
        }
    }
    EXPECT_EQ(headless.UnfinishedDialogs(), 3);
    EXPECT_EQ(headless.MessageBoxes().back().caption, "High Scores");
    EXPECT_TRUE(main.IsEnded());
    EXPECT_EQ(main.GetResult(), IDOK);
}
