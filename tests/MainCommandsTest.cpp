#include "MainWindowFixture.h"

#include "FileBytes.h"

#include "platform/Cursor.h"
#include "platform/Sleep.h"
#include "res/ResourceIds.h"

#include <string>
#include <vector>

// The menu commands, the keys and every way of closing the window.
class MainCommandsTest : public MainWindowTest
{
protected:
    // A move that completes a run of exactly five: five points, no credit.
    void ScoreFive()
    {
        Arrange({"1111.1...", "2........", ".........", ".........", ".........", ".........",
                 ".........", ".........", "........."});
        ClickCell(0, 5);
        ClickCell(0, 4);
        headless.Pump();
        ASSERT_EQ(window.controller.scoreDisplay.value, 5);
    }

    // A move that clears nothing; three pieces arrive after it.
    void PlainMove()
    {
        Arrange({"1........", ".........", ".........", ".........", ".........", ".........",
                 ".........", ".........", "........2"});
        ClickCell(0, 0);
        ClickCell(0, 6);
        headless.Pump();
        ASSERT_EQ(window.controller.board.emptyCount, 81 - 2 - 3);
    }

    int CountBoxes(const char* caption) const
    {
        int count = 0;
        for (const auto& box : headless.MessageBoxes()) {
            count += box.caption == caption;
        }
        return count;
    }
};

TEST_F(MainCommandsTest, EnterDoesNothingAndEscapeEndsTheGameFirst)
{
    Open();
    ScoreFive();
    headless.Enter(window);
    EXPECT_FALSE(window.IsEnded());
    EXPECT_TRUE(headless.MessageBoxes().empty());

    MoveTo(CellPoint(1, 1));
    ASSERT_EQ(GetCapture(), &window);
    headless.Escape(window);
    EXPECT_TRUE(window.IsEnded());
    EXPECT_EQ(window.GetResult(), IDCANCEL);
    EXPECT_FALSE(Peer()->visible);
    EXPECT_EQ(GetCapture(), nullptr);
    // The score entered the table, which was shown, owned by the window, before it closed.
    ASSERT_EQ(headless.MessageBoxes().size(), 1u);
    EXPECT_EQ(headless.MessageBoxes()[0].caption, "High Scores");
    EXPECT_EQ(headless.MessageBoxes()[0].owner, &window);
    EXPECT_EQ(window.controller.highScores.scores[0], 5);
}

TEST_F(MainCommandsTest, TheCloseBoxStopsTheSelectionAndOffersTheScore)
{
    Open();
    ScoreFive();
    ClickCell(1, 0);
    ASSERT_NE(headless.FindTimer(window, SELECTION_TIMER_ID), nullptr);
    headless.Close(window);
    EXPECT_TRUE(window.IsEnded());
    EXPECT_EQ(window.GetResult(), IDCANCEL);
    EXPECT_EQ(headless.FindTimer(window, SELECTION_TIMER_ID), nullptr);
    EXPECT_EQ(CountBoxes("High Scores"), 1);
}

TEST_F(MainCommandsTest, ExitEndsTheGameAndClosesWithOk)
{
    Open();
    ScoreFive();
    EXPECT_TRUE(headless.ChooseMenuItem(window, ID_GAME_EXIT));
    EXPECT_TRUE(window.IsEnded());
    EXPECT_EQ(window.GetResult(), IDOK);
    EXPECT_EQ(CountBoxes("High Scores"), 1);

    // A score of nothing does not enter the default table, so nothing is shown.
    MainDialog second;
    ASSERT_TRUE(second.Create());
    headless.ChooseMenuItem(second, ID_GAME_EXIT);
    EXPECT_TRUE(second.IsEnded());
    EXPECT_EQ(CountBoxes("High Scores"), 1);
}

TEST_F(MainCommandsTest, NewEndsTheGameAndRefreshesBothTools)
{
    Open();
    // A run of six earns a credit, so both tools are enabled.
    EarnOneCredit();
    ASSERT_FALSE(Grayed(ID_GAME_UNDO));
    ASSERT_FALSE(Grayed(ID_GAME_TOGGLE_DELETING));

    headless.ChooseMenuItem(window, ID_GAME_NEW);
    headless.Pump();
    EXPECT_EQ(CountBoxes("High Scores"), 1);
    EXPECT_EQ(window.controller.scoreDisplay.value, 0);
    EXPECT_EQ(window.controller.board.emptyCount, 78);
    EXPECT_TRUE(Grayed(ID_GAME_UNDO));
    EXPECT_TRUE(Grayed(ID_GAME_TOGGLE_DELETING));
    EXPECT_TRUE(ShowsBitmap(Buffer(), window.toolButtons[TOOL_UNDO].rect, IDB_UNDO_DISABLED));
    EXPECT_TRUE(ShowsBitmap(Buffer(), window.toolButtons[TOOL_DELETE].rect, IDB_DELETE_DISABLED));
}

TEST_F(MainCommandsTest, DrawNextAddsPiecesAndShowsTheState)
{
    Open();
    PlainMove();
    ClickCell(0, 6);
    window.statusLine.SetWindowText("");
    EXPECT_TRUE(headless.ChooseMenuItem(window, ID_GAME_DRAW_NEXT));
    EXPECT_EQ(window.controller.board.emptyCount, 81 - 2 - 6);
    // A selection survives the command; the move before it can no longer be undone.
    EXPECT_EQ(Status(), "Select destination");
    EXPECT_EQ(window.controller.IsUndoAvailable(), 0);
    EXPECT_TRUE(Grayed(ID_GAME_UNDO));
}

TEST_F(MainCommandsTest, UndoShowsUndoingWhileItPlaysAndThenTheState)
{
    Open();
    PlainMove();
    std::vector<std::string> texts;
    headless.SetSleepHook([&](unsigned) {
        if (texts.empty() || texts.back() != Status()) {
            texts.push_back(Status());
        }
    });
    ClickCell(0, 6);
    window.statusLine.SetWindowText("");
    EXPECT_TRUE(headless.ChooseMenuItem(window, ID_GAME_UNDO));
    EXPECT_EQ(texts, std::vector<std::string>{"Undoing..."});
    EXPECT_EQ(Status(), "Select piece");
    EXPECT_EQ(window.controller.board.emptyCount, 81 - 2);
    EXPECT_TRUE(Grayed(ID_GAME_UNDO));
    EXPECT_TRUE(ShowsBitmap(Buffer(), window.toolButtons[TOOL_UNDO].rect, IDB_UNDO_DISABLED));
    EXPECT_FALSE(headless.ChooseMenuItem(window, ID_GAME_UNDO));

    // The disabled button still runs Undo, which finds nothing: the text is the state's again.
    texts.clear();
    window.statusLine.SetWindowText("");
    Click(Centre(window.toolButtons[TOOL_UNDO].rect));
    EXPECT_TRUE(texts.empty());
    EXPECT_EQ(Status(), "Select piece");
    EXPECT_EQ(window.controller.board.emptyCount, 81 - 2);
}

TEST_F(MainCommandsTest, ToggleDeletingSwitchesTheModeWithoutTouchingTheCursor)
{
    Open();
    EarnOneCredit();
    ASSERT_EQ(window.controller.deleteCredits, 1);
    EXPECT_TRUE(headless.ChooseMenuItem(window, ID_GAME_TOGGLE_DELETING));
    EXPECT_EQ(window.controller.state, STATE_DELETING);
    EXPECT_EQ(Status(), "Delete piece (1)");
    EXPECT_EQ(Peer()->cursor->GetId(), IDCUR_SELECT);
    EXPECT_TRUE(headless.ChooseMenuItem(window, ID_GAME_TOGGLE_DELETING));
    EXPECT_EQ(window.controller.state, STATE_SELECT_PIECE);
    EXPECT_EQ(Status(), "Select piece");
    EXPECT_EQ(window.controller.deleteCredits, 1);
}

// Each tool button and its menu item agree after every command, enabled exactly when the
// command can act.
TEST_F(MainCommandsTest, ToolsAndTheirMenuItemsFollowWhatTheirCommandsCanDo)
{
    Open();
    const auto expectTools = [&](const char* after, bool undo, bool erase) {
        SCOPED_TRACE(after);
        EXPECT_EQ(Grayed(ID_GAME_UNDO), !undo);
        EXPECT_EQ(window.toolButtons[TOOL_UNDO].state == HOT_DISABLED, !undo);
        EXPECT_EQ(Grayed(ID_GAME_TOGGLE_DELETING), !erase);
        EXPECT_EQ(window.toolButtons[TOOL_DELETE].state == HOT_DISABLED, !erase);
    };
    PlainMove();
    headless.ChooseMenuItem(window, ID_GAME_DRAW_NEXT);
    expectTools("Draw next", false, false);
    EarnOneCredit();
    headless.ChooseMenuItem(window, ID_GAME_TOGGLE_DELETING);
    ClickCell(1, 0);
    expectTools("the last credit spent", true, false);
    headless.ChooseMenuItem(window, ID_GAME_UNDO);
    expectTools("Undo gave the credit back", false, true);
    headless.ScriptDialog([](DialogSession& session) { session.Ok(); });
    headless.ChooseMenuItem(window, ID_GAME_PREFERENCES);
    expectTools("Preferences", false, false);
}

TEST_F(MainCommandsTest, HighScoresShowsTheTableAndClearingAsksFirst)
{
    Open();
    ASSERT_TRUE(window.controller.highScores.Insert(50, "Ann"));
    const std::vector<unsigned char> kept = ReadFileBytes(HIGH_SCORES_FILE);

    EXPECT_TRUE(headless.ChooseMenuItem(window, ID_GAME_HIGH_SCORES));
    ASSERT_EQ(headless.MessageBoxes().size(), 1u);
    EXPECT_EQ(headless.MessageBoxes()[0].caption, "High Scores");
    EXPECT_EQ(headless.MessageBoxes()[0].owner, &window);
    EXPECT_EQ(headless.MessageBoxes()[0].text.substr(0, 24), "                 Ann\t   ");

    headless.AnswerMessageBox(IDNO);
    EXPECT_TRUE(headless.ChooseMenuItem(window, ID_GAME_CLEAR_HIGH_SCORES));
    ASSERT_EQ(headless.MessageBoxes().size(), 2u);
    const auto& question = headless.MessageBoxes()[1];
    EXPECT_EQ(question.text, "Are you sure?");
    EXPECT_EQ(question.caption, "Clear High Scores");
    EXPECT_EQ(question.type, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2);
    EXPECT_EQ(question.owner, &window);
    EXPECT_EQ(window.controller.highScores.scores[0], 50);
    EXPECT_EQ(ReadFileBytes(HIGH_SCORES_FILE), kept);

    headless.AnswerMessageBox(IDYES);
    headless.ChooseMenuItem(window, ID_GAME_CLEAR_HIGH_SCORES);
    EXPECT_EQ(window.controller.highScores.scores[0], 0);
    EXPECT_EQ(window.controller.highScores.names[0], "               Kirun");
    EXPECT_EQ(ReadFileBytes(HIGH_SCORES_FILE).size(), HIGH_SCORES_FILE_SIZE);
    EXPECT_NE(ReadFileBytes(HIGH_SCORES_FILE), kept);
}

TEST_F(MainCommandsTest, AboutComesFromTheHelpMenuAndTheSystemMenu)
{
    Open();
    Menu* systemMenu = window.GetSystemMenu(false);
    ASSERT_NE(systemMenu, nullptr);
    const int last = systemMenu->GetMenuItemCount() - 1;
    ASSERT_GE(last, 1);
    EXPECT_NE(systemMenu->GetMenuState(last - 1, MF_BYPOSITION) & MF_SEPARATOR, 0);
    EXPECT_EQ(systemMenu->GetMenuItemID(last), unsigned(IDM_ABOUTBOX));
    EXPECT_EQ(systemMenu->GetMenuString(last, MF_BYPOSITION), "&About tobrix2...");

    std::vector<std::string> shown;
    for (int i = 0; i < 3; ++i) {
        headless.ScriptDialog([&](DialogSession& session) {
            shown.push_back(session.GetWindow().GetWindowText());
            session.Ok();
        });
    }
    EXPECT_TRUE(headless.ChooseMenuItem(window, IDM_ABOUTBOX));
    headless.SysCommand(window, IDM_ABOUTBOX);
    // The low four bits of a system command belong to the system.
    headless.SysCommand(window, IDM_ABOUTBOX | 0x3);
    EXPECT_EQ(shown,
              (std::vector<std::string>{"About TOBRIX++", "About TOBRIX++", "About TOBRIX++"}));
    EXPECT_EQ(headless.UnfinishedDialogs(), 0);
    // Other system commands keep their usual meaning.
    headless.SysCommand(window, SC_MOVE);
    EXPECT_FALSE(window.IsEnded());
}

TEST_F(MainCommandsTest, PreferencesOkLaysTheWindowOutAgainAndCancelKeepsTheGame)
{
    Open();
    ScoreFive();
    const std::string cells = BoardPicture(window.controller.board);

    // Width 12 (Square follows), then the Animation tab, then Cancel: nothing changes.
    headless.ScriptDialog([](DialogSession& session) {
        session.Select(IDC_COLS, 7);
        session.SelectTab(1);
        session.Cancel();
    });
    EXPECT_TRUE(headless.ChooseMenuItem(window, ID_GAME_PREFERENCES));
    EXPECT_EQ(window.settings.boardCols, 9);
    EXPECT_EQ(BoardPicture(window.controller.board), cells);
    EXPECT_EQ(window.controller.scoreDisplay.value, 5);
    EXPECT_TRUE(headless.MessageBoxes().empty());

    // The sheet shows the changed width again; OK makes a 12 by 12 game in a new window size.
    MoveTo(CellPoint(2, 2));
    headless.ScriptDialog([](DialogSession& session) {
        session.SelectTab(0);
        ASSERT_NE(session.Item(IDC_COLS), nullptr);
        EXPECT_EQ(session.Item(IDC_COLS)->GetCurSel(), 7);
        session.Ok();
    });
    EXPECT_TRUE(headless.ChooseMenuItem(window, ID_GAME_PREFERENCES));
    headless.Pump();
    EXPECT_EQ(CountBoxes("High Scores"), 1);
    EXPECT_EQ(window.settings.boardCols, 12);
    EXPECT_EQ(window.settings.boardRows, 12);
    EXPECT_EQ(window.controller.settings.boardCols, 12);
    EXPECT_EQ(window.clientRect, (Rect{0, 0, 410, 395}));
    EXPECT_EQ(window.controller.scoreDisplay.value, 0);
    EXPECT_EQ(Status(), "STATUS");
    EXPECT_TRUE(HasFrame(Buffer(), CellFrameRect(11, 11), BLACK, WHITE));
    EXPECT_TRUE(ShowsBitmap(Buffer(), window.toolButtons[TOOL_DELETE].rect, IDB_DELETE_DISABLED));
    EXPECT_EQ(DifferentPixels(Buffer(), Screen()), 0);

    // OK without a change still starts a new game.
    Arrange({"1...........", "............", "............", "............", "............",
             "............", "............", "............", "............", "............",
             "............", "...........2"});
    headless.ScriptDialog([](DialogSession& session) { session.Ok(); });
    headless.ChooseMenuItem(window, ID_GAME_PREFERENCES);
    EXPECT_EQ(window.settings.boardCols, 12);
    EXPECT_EQ(window.controller.board.emptyCount, 144 - 3);
}

TEST_F(MainCommandsTest, ChoosingAPlayerStartsAGameUnderTheNameWithoutLeadingBlanks)
{
    Open();
    ScoreFive();
    // First run: nobody to choose, so OK changes nothing.
    headless.ScriptDialog([](DialogSession& session) { session.Ok(); });
    EXPECT_TRUE(headless.ChooseMenuItem(window, ID_GAME_PLAYERS));
    EXPECT_EQ(window.GetWindowText(), "TOBRIX++");
    EXPECT_EQ(window.controller.scoreDisplay.value, 5);

    // A player created, then Cancel: the player stays, the game and the title too.
    headless.ScriptDialog([](DialogSession& session) {
        session.Type(IDC_NEW_NAME, "  Zoe");
        session.Click(IDC_CREATE);
        session.Cancel();
    });
    headless.ChooseMenuItem(window, ID_GAME_PLAYERS);
    EXPECT_EQ(window.playersDialog.playerList.count, 1);
    EXPECT_EQ(window.GetWindowText(), "TOBRIX++");
    EXPECT_EQ(window.controller.scoreDisplay.value, 5);

    // Choosing her ends the game under the previous (empty) name and starts a new one.
    headless.ScriptDialog([](DialogSession& session) {
        EXPECT_EQ(session.Item(IDC_PLAYER_LIST)->GetSelectedText(), "  Zoe");
        session.Ok();
    });
    headless.ChooseMenuItem(window, ID_GAME_PLAYERS);
    EXPECT_EQ(window.GetWindowText(), "Tobrix++  PLAYING : Zoe");
    EXPECT_EQ(Peer()->title, "Tobrix++  PLAYING : Zoe");
    EXPECT_EQ(window.controller.playerName, "Zoe");
    EXPECT_EQ(window.controller.scoreDisplay.value, 0);
    EXPECT_EQ(window.controller.highScores.scores[0], 5);
    EXPECT_EQ(window.controller.highScores.names[0], std::string(20, ' '));
    EXPECT_EQ(window.playersDialog.playerList.players[0], "  Zoe");

    // Her score enters the table under her name.
    ScoreFive();
    headless.ChooseMenuItem(window, ID_GAME_EXIT);
    EXPECT_EQ(window.controller.highScores.names[1], "                 Zoe");
}
