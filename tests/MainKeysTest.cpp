#include "MainWindowFixture.h"

#include "tests/FocusRing.h"

#include "app/AboutDialog.h"
#include "platform/Cursor.h"
#include "platform/KeyRoute.h"
#include "platform/Keys.h"
#include "res/ResourceIds.h"

#include <cstdlib>
#include <utility>
#include <vector>

// The keyboard on the main window: the highlighted cell under the arrows, Space as a click, and
// the menu's shortcuts.
class MainKeysTest : public MainWindowTest
{
protected:
    void Key(unsigned key, int times = 1)
    {
        for (int i = 0; i < times; ++i) {
            headless.KeyDown(window, key);
        }
    }
    // Walks the highlighted cell to the cell with the arrows and presses Space there. Before any
    // cell is drawn lit, the first arrow only lights the corner.
    void PressCell(int row, int col)
    {
        if (!window.hoverDrawn) {
            Key(VK_LEFT);
        }
        Key(col > window.hoverCol ? VK_RIGHT : VK_LEFT, std::abs(col - window.hoverCol));
        Key(row > window.hoverRow ? VK_DOWN : VK_UP, std::abs(row - window.hoverRow));
        Key(VK_SPACE);
    }
    bool Raised(int row, int col) const
    {
        return HasFrame(Buffer(), CellFrameRect(row, col), WHITE, BLACK);
    }
    bool Ringed(int row, int col) const { return HasFocusRing(Buffer(), row, col); }
};

TEST_F(MainKeysTest, ArrowsMoveTheHighlightedCellAndStopAtTheEdges)
{
    Open(7, 5);
    // From the top-left cell, which counts as highlighted at first, to the edges and back.
    const struct
    {
        unsigned key;
        int times, col, row;
    } steps[] = {{VK_LEFT, 1, 0, 0}, {VK_UP, 1, 0, 0},   {VK_RIGHT, 9, 6, 0},
                 {VK_DOWN, 9, 6, 4}, {VK_LEFT, 1, 5, 4}, {VK_UP, 1, 5, 3}};
    for (const auto& step : steps) {
        Key(step.key, step.times);
        EXPECT_EQ(window.hoverCol, step.col) << step.key;
        EXPECT_EQ(window.hoverRow, step.row) << step.key;
    }
    // The same frames and text as under the mouse: the old cell lowered, the new one raised.
    EXPECT_TRUE(Raised(3, 5));
    EXPECT_TRUE(HasFrame(Buffer(), CellFrameRect(4, 5), BLACK, WHITE));
    EXPECT_EQ(Status(), "Select piece");
    // At an edge nothing changes, the text neither.
    Key(VK_RIGHT);
    window.statusLine.SetWindowText("kept");
    Key(VK_RIGHT);
    EXPECT_EQ(window.hoverCol, 6);
    EXPECT_EQ(Status(), "kept");
}

// Nothing is lit at the start and Space does nothing; the first arrow lights the top-left cell
// itself. The keys' cell carries the focus ring besides its raised frame, through the jiggle, a
// piece arriving and a paint of the window, until the mouse moves.
TEST_F(MainKeysTest, TheKeysCellCarriesAFocusRingUntilTheMouseMoves)
{
    Open();
    Arrange({"1........", ".........", ".........", ".........", ".........", ".........",
             ".........", ".........", "........."});
    const PixelImage atStart = Buffer();
    Key(VK_SPACE);
    EXPECT_EQ(window.controller.state, STATE_SELECT_PIECE);
    EXPECT_EQ(DifferentPixels(Buffer(), atStart), 0);

    Key(VK_RIGHT);
    EXPECT_EQ(std::make_pair(window.hoverRow, window.hoverCol), std::make_pair(0, 0));
    EXPECT_TRUE(Raised(0, 0));
    EXPECT_TRUE(Ringed(0, 0));
    Key(VK_SPACE);
    ASSERT_EQ(window.controller.state, STATE_SELECT_DESTINATION);
    headless.TimerTick(window, SELECTION_TIMER_ID);
    EXPECT_TRUE(Ringed(0, 0));
    // The ring moves on; the piece it leaves jiggles without it.
    Key(VK_RIGHT);
    headless.TimerTick(window, SELECTION_TIMER_ID);
    EXPECT_TRUE(Ringed(0, 1));
    EXPECT_FALSE(Ringed(0, 0));
    Key(VK_SPACE);
    ASSERT_EQ(window.controller.board.cells[1], 1);
    EXPECT_TRUE(Ringed(0, 1));
    window.Invalidate(true);
    headless.Pump();
    EXPECT_TRUE(Raised(0, 1));
    EXPECT_TRUE(Ringed(0, 1));

    // Within the same cell the mouse takes the ring away and leaves the frame raised.
    MoveTo(Point{31, 1});
    EXPECT_FALSE(Ringed(0, 1));
    EXPECT_TRUE(Raised(0, 1));
    EXPECT_EQ(Buffer().GetPixel(45, 15), PieceColors[1]);
    EXPECT_EQ(Buffer().GetPixel(33, 15), FACE);
}

TEST_F(MainKeysTest, MouseAndKeysShareTheHighlightedCell)
{
    Open();
    MoveTo(CellPoint(2, 3));
    Key(VK_RIGHT);
    EXPECT_TRUE(Raised(2, 4));
    // The mouse, still over its cell, takes the highlight back as soon as it moves.
    MoveTo(Point{3 * 30 + 2, 2 * 30 + 2});
    EXPECT_TRUE(Raised(2, 3));
    EXPECT_FALSE(Raised(2, 4));
    // Off the board nothing is highlighted; the keys go on from the cell the mouse left.
    MoveTo(Point{285, 40});
    Key(VK_DOWN);
    EXPECT_TRUE(Raised(3, 3));
    EXPECT_FALSE(Raised(2, 3));
}

TEST_F(MainKeysTest, SpacePlaysExactlyAsClicksDo)
{
    // Under "Pile": a run of six earns a credit that deletes a piece, then a plain move brings
    // three pieces, played once with clicks and once with keys from the same start.
    Open();
    const std::vector<int> next(window.controller.nextColors, window.controller.nextColors + 3);
    auto play = [&](bool keys) {
        Arrange({"11111.1..", "2.......3", ".........", ".........", ".........", ".........",
                 ".........", ".........", "........."});
        std::copy(next.begin(), next.end(), window.controller.nextColors);
        window.controller.scoreDisplay.value = 0;
        Random::Seed(5);
        auto press = [&](int row, int col) { keys ? PressCell(row, col) : ClickCell(row, col); };
        press(0, 6);
        press(0, 5);
        keys ? Key(VK_DELETE) : void(headless.ChooseMenuItem(window, ID_GAME_TOGGLE_DELETING));
        for (const CellPos& cell : {CellPos{1, 0}, CellPos{1, 8}, CellPos{5, 8}}) {
            press(cell.row, cell.col);
        }
        std::vector<int> result(window.controller.board.cells,
                                window.controller.board.cells + BOARD_CELLS);
        const GameController& game = window.controller;
        result.insert(result.end(), {game.scoreDisplay.value, game.state, game.deleteCredits,
                                     Grayed(ID_GAME_UNDO), Grayed(ID_GAME_TOGGLE_DELETING),
                                     Peer()->cursor->GetId()});
        return std::make_pair(result, Status());
    };
    const auto clicked = play(false);
    ASSERT_EQ(window.controller.board.emptyCount, 81 - 4);
    EXPECT_EQ(play(true), clicked);
}

TEST_F(MainKeysTest, KeysPressedDuringAMoveWaitForItInOrder)
{
    Open();
    Arrange({"1........", ".........", ".........", ".........", ".........", ".........",
             ".........", ".........", "........2"});
    PressCell(0, 0);
    // While the piece travels to (0, 4) and pieces arrive, the player walks on to (8, 8) and
    // selects the piece there.
    int pauses = 0;
    int early = 0;
    headless.SetSleepHook([&](unsigned) {
        early += window.hoverCol != 4 || window.hoverRow != 0;
        if (pauses++ == 0) {
            Key(VK_RIGHT, 4);
            Key(VK_DOWN, 8);
            Key(VK_SPACE);
        }
    });
    PressCell(0, 4);
    headless.SetSleepHook(nullptr);
    EXPECT_GT(pauses, 4);
    EXPECT_EQ(early, 0);
    EXPECT_EQ(window.controller.board.emptyCount, 81 - 2 - 3);
    EXPECT_EQ(window.controller.state, STATE_SELECT_DESTINATION);
    EXPECT_EQ(std::make_pair(window.controller.selRow, window.controller.selCol),
              std::make_pair(8, 8));
}

// Where each key goes, whatever control has the focus: the board's keys to the main window, the
// shortcuts to the menu, Escape, Enter and Alt+F4 to the window's buttons and close box, and the
// rest, every key of an open menu and Enter on a focused push button to the toolkit.
TEST_F(MainKeysTest, EachKeyTakesItsRoute)
{
    Open();
    AboutDialog about;
    KeyContext menuOpen;
    menuOpen.menuOpen = true;
    KeyContext onButton;
    onButton.buttonFocused = true;
    const struct
    {
        const Window* window;
        unsigned key, modifiers;
        KeyContext context;
        KeyRoute route;
    } cases[] = {
        {&window, VK_ESCAPE, 0, {}, KeyRoute::CANCEL},
        {&window, VK_ESCAPE, 0, menuOpen, KeyRoute::TOOLKIT},
        {&window, VK_DOWN, 0, menuOpen, KeyRoute::TOOLKIT},
        {&window, 'N', FCONTROL, menuOpen, KeyRoute::TOOLKIT},
        {&window, VK_ESCAPE, FSHIFT, {}, KeyRoute::TOOLKIT},
        {&window, VK_RETURN, 0, {}, KeyRoute::DEFAULT_BUTTON},
        {&window, VK_RETURN, 0, onButton, KeyRoute::TOOLKIT},
        {&window, VK_F4, FALT, {}, KeyRoute::CLOSE},
        {&window, VK_F4, 0, {}, KeyRoute::TOOLKIT},
        {&window, 'N', FCONTROL, {}, KeyRoute::MENU_COMMAND},
        {&window, 'N', FCONTROL | FSHIFT, {}, KeyRoute::TOOLKIT},
        {&window, VK_DELETE, 0, {}, KeyRoute::MENU_COMMAND},
        {&window, VK_F1, 0, {}, KeyRoute::MENU_COMMAND},
        {&window, VK_UP, 0, {}, KeyRoute::WINDOW},
        {&window, VK_SPACE, 0, {}, KeyRoute::WINDOW},
        {&window, VK_LEFT, FSHIFT, {}, KeyRoute::TOOLKIT},
        {&window, VK_TAB, 0, {}, KeyRoute::TOOLKIT},
        {&window, VK_TAB, FCONTROL, {}, KeyRoute::TOOLKIT},
        {&window, 'G', FALT, {}, KeyRoute::TOOLKIT},
        {&window, 0, 0, {}, KeyRoute::TOOLKIT},
        {&about, VK_DOWN, 0, {}, KeyRoute::TOOLKIT},
        {&about, VK_ESCAPE, 0, {}, KeyRoute::CANCEL},
        {&about, 'N', FCONTROL, {}, KeyRoute::TOOLKIT},
        {&window.preferences, VK_TAB, FCONTROL, {}, KeyRoute::WINDOW},
        {&window.preferences, VK_PRIOR, FCONTROL, {}, KeyRoute::WINDOW},
        {&window.preferences, VK_TAB, 0, {}, KeyRoute::TOOLKIT},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RouteKey(*c.window, c.key, c.modifiers, c.context), c.route)
            << c.key << " " << c.modifiers << " " << c.context.menuOpen;
    }
    // Escape in an open menu leaves the game running; outside it, ends it at once.
    EXPECT_FALSE(headless.KeyDown(window, VK_ESCAPE, 0, menuOpen));
    EXPECT_FALSE(window.IsEnded());
    EXPECT_TRUE(headless.KeyDown(window, VK_ESCAPE));
    EXPECT_TRUE(window.IsEnded());
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
    // Exit comes last: it closes the window.
    const struct
    {
        unsigned key, modifiers;
        int command;
    } shortcuts[] = {{'N', FCONTROL, ID_GAME_NEW},
                     {'D', FCONTROL, ID_GAME_DRAW_NEXT},
                     {'Z', FCONTROL, ID_GAME_UNDO},
                     {VK_DELETE, 0, ID_GAME_TOGGLE_DELETING},
                     {'U', FCONTROL, ID_GAME_PLAYERS},
                     {'I', FCONTROL, ID_GAME_HIGH_SCORES},
                     {VK_OEM_COMMA, FCONTROL, ID_GAME_PREFERENCES},
                     {VK_F1, 0, ID_HELP_HOW_TO_PLAY},
                     {'M', FCONTROL, ID_VIEW_SYMBOLS},
                     {'Q', FCONTROL, ID_GAME_EXIT}};
    LoggedMainDialog main;
    ASSERT_TRUE(main.Create());
    for (const auto& s : shortcuts) {
        main.GetMenu()->EnableMenuItem(static_cast<unsigned>(s.command), MF_GRAYED);
        headless.KeyDown(main, s.key, s.modifiers);
    }
    EXPECT_EQ(main.commands, std::vector<int>{});
    // The three dialogs are left with Escape, each counted as unfinished.
    for (const auto& s : shortcuts) {
        main.GetMenu()->EnableMenuItem(static_cast<unsigned>(s.command), MF_ENABLED);
        main.commands.clear();
        headless.KeyDown(main, s.key, s.modifiers);
        headless.KeyDown(main, s.key, s.modifiers ^ FSHIFT);
        EXPECT_EQ(main.commands, std::vector<int>{s.command}) << s.command;
    }
    EXPECT_EQ(headless.UnfinishedDialogs(), 3);
    EXPECT_EQ(main.GetResult(), IDOK);
}
