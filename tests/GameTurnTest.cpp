#include "GameFixture.h"

// Whole turns of the game: new games, selecting, moves with and without runs, arrivals, the end
// of the game, and the Draw next command.
class GameTurnTest : public GameTest
{
};

TEST_F(GameTurnTest, AFactoryNewGameShowsThreePiecesAtOnceAndThreeNextColours)
{
    // Next colours, then the cells (each reduced over the cells still free), then the next
    // colours after them. 80 takes the last cell; the next 80 wraps to the first free one.
    Start(MakeSettings(9, 9, 3, 5, 6, 3, 3), {4, 5, 6, 80, 80, 0, 1, 2, 9});
    EXPECT_EQ(Random::InjectedLeft(), 0);
    EXPECT_EQ(game.board.emptyCount, 78);
    EXPECT_EQ(game.board.cells[8 + 8 * BOARD_STRIDE], 4);
    EXPECT_EQ(game.board.cells[0], 5);
    EXPECT_EQ(game.board.cells[1], 0);
    EXPECT_EQ(game.nextColors[0], 1);
    EXPECT_EQ(game.nextColors[1], 2);
    EXPECT_EQ(game.nextColors[2], 3);
    EXPECT_EQ(game.state, STATE_SELECT_PIECE);
    EXPECT_EQ(game.IsUndoAvailable(), 0);
    EXPECT_EQ(game.IsDeleteAvailable(), 0);
    EXPECT_EQ(game.deleteCredits, 0);
    EXPECT_EQ(game.scoreDisplay.value, 0);
    // The first pieces are drawn at once, without any pause.
    EXPECT_EQ(headless.SleepCount(), 0);
    EXPECT_EQ(CellCentre(8, 8), PieceColor(4));
    EXPECT_EQ(CellCentre(0, 1), PieceColor(0));
    EXPECT_EQ(CellCentre(4, 4), FACE);
    // The score box was invalidated, so the paint showed the 0 in lit red.
    EXPECT_EQ(game.scoreDisplay.rect.left, window.scoreRect.left);
    EXPECT_GT(CountPixels(Buffer(), window.scoreRect, Rgb(255, 0, 0)), 0);
    ExpectScreenMatchesPaint();
}

TEST_F(GameTurnTest, ANewGameResetsScoreAndCreditsButKeepsThePlayerAndTheTable)
{
    Start(MakeSettings(9, 9, 3, 5, 6));
    game.SetPlayerName("Ann");
    game.scoreDisplay.value = 40;
    game.deleteCredits = 3;
    game.deleteAvailable = 1;
    game.EndGame();
    ASSERT_EQ(game.highScores.scores[0], 40);
    game.NewGame();
    EXPECT_EQ(game.scoreDisplay.value, 0);
    EXPECT_EQ(game.deleteCredits, 0);
    EXPECT_EQ(game.IsDeleteAvailable(), 0);
    EXPECT_EQ(game.playerName, "Ann");
    EXPECT_EQ(game.highScores.scores[0], 40);
    EXPECT_EQ(game.board.emptyCount, 78);
}

TEST_F(GameTurnTest, SelectingReselectingAndDeselectingDriveTheTimerAndTheJiggle)
{
    Start(MakeSettings(7, 6, 3, 5, 6));
    Arrange({"1......", "..2....", ".......", ".......", ".......", "......3"});
    const PixelImage rest = Buffer();

    EXPECT_EQ(game.OnCellClick(3, 3), STATE_SELECT_PIECE); // a free cell selects nothing
    EXPECT_EQ(headless.RunningTimerCount(), 0);
    EXPECT_EQ(game.OnCellClick(1, 2), STATE_SELECT_DESTINATION);
    const HeadlessBackend::Timer* timer = headless.FindTimer(window, SELECTION_TIMER_ID);
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->period, SELECTION_TIMER_PERIOD);

    // Each tick draws the piece shifted by the jiggle; the first is 3 pixels to the right.
    headless.AdvanceClock(80);
    EXPECT_EQ(game.painter.jiggleAngle, 1);
    EXPECT_NE(rest.GetPixel(60 + 7, 45), FACE);
    EXPECT_EQ(Buffer().GetPixel(60 + 7, 45), FACE);
    EXPECT_EQ(rest.GetPixel(60 + 26, 45), FACE);
    EXPECT_NE(Buffer().GetPixel(60 + 26, 45), FACE);
    headless.AdvanceClock(160);
    EXPECT_EQ(game.painter.jiggleAngle, 3);

    // Another piece takes the selection; the first comes to rest where it was.
    EXPECT_EQ(game.OnCellClick(0, 0), STATE_SELECT_DESTINATION);
    EXPECT_EQ(DifferentPixels(rest, Buffer()), 0);
    EXPECT_EQ(game.selRow, 0);
    EXPECT_EQ(game.selCol, 0);
    EXPECT_NE(headless.FindTimer(window, SELECTION_TIMER_ID), nullptr);
    headless.AdvanceClock(80);

    // Clicking the selected piece puts it back unshifted and ends the selection.
    EXPECT_EQ(game.OnCellClick(0, 0), STATE_SELECT_PIECE);
    EXPECT_EQ(headless.FindTimer(window, SELECTION_TIMER_ID), nullptr);
    EXPECT_EQ(DifferentPixels(rest, Buffer()), 0);

    // The next selection starts the jiggle from angle 0 again.
    game.OnCellClick(5, 6);
    EXPECT_EQ(game.painter.jiggleAngle, 0);
    EXPECT_EQ(Cells(), "1......\n..2....\n.......\n.......\n.......\n......3\n");
    EXPECT_EQ(game.history.steps, 0);
}

TEST_F(GameTurnTest, ClicksOutsideTheBoardAndOnAnUnreachableCellChangeNothing)
{
    Start(MakeSettings(7, 6, 3, 5, 6));
    Arrange({".1.....", "121....", ".1.....", ".......", ".......", "......."});
    // Row 6 is outside a board of 6 rows although column 6 is inside.
    for (CellPos outside : {CellPos{-1, 0}, CellPos{0, -1}, CellPos{6, 0}, CellPos{0, 7}}) {
        EXPECT_EQ(game.OnCellClick(outside.row, outside.col), STATE_SELECT_PIECE);
    }
    EXPECT_EQ(headless.RunningTimerCount(), 0);

    const std::string before = Cells();
    game.OnCellClick(1, 1);
    EXPECT_EQ(game.OnCellClick(4, 4), STATE_SELECT_DESTINATION); // walled in
    EXPECT_EQ(game.OnCellClick(6, 6), STATE_SELECT_DESTINATION);
    EXPECT_EQ(Cells(), before);
    EXPECT_EQ(game.selRow, 1);
    EXPECT_EQ(game.selCol, 1);
    EXPECT_NE(headless.FindTimer(window, SELECTION_TIMER_ID), nullptr);
    EXPECT_EQ(game.history.steps, 0);
    EXPECT_EQ(game.IsUndoAvailable(), 0);
    EXPECT_EQ(headless.SleepCount(), 0);
}

TEST_F(GameTurnTest, AMoveThatClearsNothingBringsTheShownColoursToTheDrawnCells)
{
    Start(MakeSettings(7, 6, 3, 5, 6));
    Arrange({"1......", "..2....", "......3", ".......", ".......", "4......"}, {0, 1, 2});
    InjectArrivals({{3, 3}, {1, 1}, {4, 5}}, {3, 4, 5}, {0, 0}, {5, 6});

    EXPECT_EQ(Move(0, 0, 5, 6), STATE_SELECT_PIECE);
    EXPECT_EQ(Random::InjectedLeft(), 0);
    EXPECT_EQ(Cells(), ".......\n.12....\n......3\n...0...\n.....2.\n4.....1\n");
    EXPECT_EQ(game.board.emptyCount, 42 - 7);
    EXPECT_EQ(game.nextColors[0], 3);
    EXPECT_EQ(game.nextColors[1], 4);
    EXPECT_EQ(game.nextColors[2], 5);
    EXPECT_EQ(game.scoreDisplay.value, 0);
    EXPECT_EQ(game.IsUndoAvailable(), 1);
    EXPECT_EQ(headless.RunningTimerCount(), 0);
    // The shortest route over an open board: 5 rows and 6 columns.
    EXPECT_EQ(game.history.steps, 11);
    EXPECT_EQ(game.history.route[0], (CellPos{0, 0}));
    EXPECT_EQ(game.history.route[11], (CellPos{5, 6}));
    EXPECT_EQ(game.history.moveRunCount, 0);
    EXPECT_EQ(CellCentre(5, 6), PieceColor(1));
    EXPECT_EQ(CellCentre(0, 0), FACE);
    EXPECT_EQ(CellCentre(3, 3), PieceColor(0));
    EXPECT_EQ(CellCentre(4, 5), PieceColor(2));
    ExpectScreenMatchesPaint();
}

TEST_F(GameTurnTest, AMoveThatClearsARunScoresAndKeepsTheNextColours)
{
    Start(MakeSettings(7, 6, 3, 5, 6));
    Arrange({"0000...", "....0..", ".......", "...1...", ".......", "......."}, {2, 3, 4});
    ASSERT_TRUE(Random::Inject({7, 7, 7}));

    EXPECT_EQ(Move(1, 4, 0, 4), STATE_SELECT_PIECE);
    EXPECT_EQ(Random::InjectedLeft(), 3); // nothing arrived, no colours were chosen
    EXPECT_EQ(Cells(), ".......\n.......\n.......\n...1...\n.......\n.......\n");
    EXPECT_EQ(game.board.emptyCount, 41);
    EXPECT_EQ(game.scoreDisplay.value, 5);
    EXPECT_EQ(game.nextColors[0], 2);
    EXPECT_EQ(game.nextColors[2], 4);
    EXPECT_EQ(game.deleteCredits, 0); // a run of exactly the line's length earns nothing
    EXPECT_EQ(game.IsUndoAvailable(), 1);
    EXPECT_EQ(game.history.moveRunCount, 5);
    for (int col = 0; col < 5; ++col) {
        EXPECT_EQ(CellCentre(0, col), FACE) << col;
    }
    ExpectScreenMatchesPaint();
}

TEST_F(GameTurnTest, ArrivalsCompleteRunsInTheirOrderAndScoreNothing)
{
    // Both arriving 0s lie in one run: the first clears it all, the second finds its cell empty.
    Start(MakeSettings(7, 6, 3, 3, 6));
    Arrange({"0.0.0..", ".......", ".......", ".......", ".......", "5......"}, {0, 0, 1});
    InjectArrivals({{0, 1}, {0, 3}, {4, 6}}, {2, 2, 2}, {5, 0}, {5, 1});

    EXPECT_EQ(Move(5, 0, 5, 1), STATE_SELECT_PIECE);
    EXPECT_EQ(Cells(), ".......\n.......\n.......\n.......\n......1\n.5.....\n");
    EXPECT_EQ(game.board.emptyCount, 40);
    EXPECT_EQ(game.scoreDisplay.value, 0);
    EXPECT_EQ(game.deleteCredits, 0);
    EXPECT_EQ(game.history.addedRunCounts[0], 5);
    EXPECT_EQ(game.history.addedRunCounts[1], 0);
    EXPECT_EQ(game.history.addedRunCounts[2], 0);
    ExpectScreenMatchesPaint();
}

TEST_F(GameTurnTest, TheFirstPiecesOfAGameMayCompleteARunThatVanishesWithoutPoints)
{
    Start(MakeSettings(5, 5, 3, 3, 1), {0, 0, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(game.board.emptyCount, 25);
    EXPECT_TRUE(game.board.IsBoardEmpty());
    EXPECT_EQ(game.scoreDisplay.value, 0);
    EXPECT_EQ(game.state, STATE_SELECT_PIECE);
}

namespace {
// A 5 by 5 board on which no two neighbours in any direction share a colour.
constexpr const char* NO_RUNS[5] = {"01234", "23401", "40123", "12340", "34012"};
} // namespace

TEST_F(GameTurnTest, TooFewFreeCellsEndTheGameAndOfferTheScoreOnce)
{
    Start(MakeSettings(5, 5, 3, 5, 5));
    Arrange({NO_RUNS[0], NO_RUNS[1], NO_RUNS[2], NO_RUNS[3], "340.."});
    game.scoreDisplay.value = 12;
    ASSERT_TRUE(Random::Inject({1, 1, 1}));

    EXPECT_EQ(Move(4, 2, 4, 3), STATE_GAME_END);
    EXPECT_EQ(Random::InjectedLeft(), 3);
    EXPECT_EQ(Cells(), "01234\n23401\n40123\n12340\n34.0.\n");
    EXPECT_EQ(game.IsUndoAvailable(), 0);
    ASSERT_EQ(headless.MessageBoxes().size(), 1u);
    const HeadlessBackend::MessageBoxRecord& box = headless.MessageBoxes()[0];
    EXPECT_EQ(box.owner, &window);
    EXPECT_EQ(box.caption, "High Scores");
    EXPECT_EQ(box.type, MB_OK);
    EXPECT_EQ(box.text, game.highScores.ShowText());
    EXPECT_EQ(game.highScores.scores[0], 12);

    // Clicks are ignored; Draw next and the way out offer the same score no more.
    EXPECT_EQ(game.OnCellClick(0, 0), STATE_GAME_END);
    EXPECT_EQ(game.AddPieces(1, 0), STATE_GAME_END);
    game.EndGame();
    EXPECT_EQ(headless.MessageBoxes().size(), 1u);
    EXPECT_EQ(game.highScores.scores[1], 0);

    // A game that goes on and scores more is offered again; a new game forgets what was offered.
    game.scoreDisplay.value = 14;
    game.EndGame();
    EXPECT_EQ(game.highScores.scores[0], 14);
    EXPECT_EQ(game.highScores.scores[1], 12);
    game.NewGame();
    game.scoreDisplay.value = 14;
    game.EndGame();
    EXPECT_EQ(game.highScores.scores[1], 14);
    EXPECT_EQ(headless.MessageBoxes().size(), 3u);
}

TEST_F(GameTurnTest, AScoreThatDoesNotEnterTheTableOpensNoBox)
{
    Start(MakeSettings(5, 5, 3, 5, 5));
    Arrange({NO_RUNS[0], NO_RUNS[1], NO_RUNS[2], NO_RUNS[3], "340.."});
    EXPECT_EQ(Move(4, 2, 4, 3), STATE_GAME_END);
    EXPECT_TRUE(headless.MessageBoxes().empty());
}

TEST_F(GameTurnTest, ABoardWithExactlyTheAddedPiecesFreeFillsUpAndTheNextDrawEndsTheGame)
{
    Start(MakeSettings(5, 5, 3, 5, 5));
    Arrange({NO_RUNS[0], NO_RUNS[1], NO_RUNS[2], NO_RUNS[3], "34..."}, {0, 0, 0});
    InjectArrivals({{4, 1}, {4, 2}, {4, 3}}, {0, 0, 0}, {4, 1}, {4, 4});
    // (4,1) to (4,4) frees (4,1); the arrivals take the three free cells left.
    EXPECT_EQ(Move(4, 1, 4, 4), STATE_SELECT_PIECE);
    EXPECT_EQ(game.board.emptyCount, 0);
    EXPECT_EQ(game.IsUndoAvailable(), 1);
    EXPECT_EQ(game.OnCellClick(0, 0), STATE_SELECT_DESTINATION);
    EXPECT_EQ(game.OnCellClick(0, 0), STATE_SELECT_PIECE);
    EXPECT_EQ(game.AddPieces(1, 0), STATE_GAME_END);
    EXPECT_EQ(game.state, STATE_GAME_END);
    EXPECT_EQ(game.IsUndoAvailable(), 0);
}

TEST_F(GameTurnTest, AMoveThatEmptiesTheBoardLeavesOnlyDrawNextToBringPieces)
{
    Start(MakeSettings(7, 6, 3, 5, 6));
    Arrange({"3333...", "....3..", ".......", ".......", ".......", "......."});
    EXPECT_EQ(Move(1, 4, 0, 4), STATE_SELECT_PIECE);
    EXPECT_TRUE(game.board.IsBoardEmpty());
    EXPECT_EQ(game.OnCellClick(0, 0), STATE_SELECT_PIECE);
    EXPECT_EQ(headless.RunningTimerCount(), 0);
    EXPECT_EQ(game.AddPieces(1, 0), STATE_SELECT_PIECE);
    EXPECT_EQ(game.board.emptyCount, 39);
}

TEST_F(GameTurnTest, DrawNextKeepsTheSelectionAndTakesUndoAway)
{
    Start(MakeSettings(7, 6, 3, 5, 6));
    Arrange({"1......", "..2....", ".......", ".......", ".......", "......3"}, {4, 4, 5});
    InjectArrivals({{4, 0}, {4, 1}, {4, 2}}, {0, 1, 2}, {0, 0}, {0, 1});
    Move(0, 0, 0, 1);
    ASSERT_EQ(game.IsUndoAvailable(), 1);
    game.OnCellClick(1, 2);
    InjectArrivals({{3, 0}, {3, 1}, {3, 2}}, {3, 3, 3});

    EXPECT_EQ(game.AddPieces(1, 0), STATE_SELECT_DESTINATION);
    EXPECT_NE(headless.FindTimer(window, SELECTION_TIMER_ID), nullptr);
    EXPECT_EQ(game.IsUndoAvailable(), 0);
    EXPECT_EQ(game.history.steps, 0);
    EXPECT_EQ(game.board.cells[0 + 3 * BOARD_STRIDE], 0);
    EXPECT_EQ(game.board.cells[2 + 3 * BOARD_STRIDE], 2);
    game.Undo();
    EXPECT_EQ(game.board.cells[1], 1); // nothing was taken back
}

TEST_F(GameTurnTest, DrawNextWhoseRunsTakeTheSelectedPieceEndsTheSelection)
{
    Start(MakeSettings(7, 6, 3, 3, 6));
    Arrange({"0.0....", ".......", ".......", ".......", ".......", "......."}, {0, 1, 1});
    game.OnCellClick(0, 0);
    headless.AdvanceClock(80);
    InjectArrivals({{0, 1}, {5, 0}, {5, 6}}, {2, 2, 2});

    EXPECT_EQ(game.AddPieces(1, 0), STATE_SELECT_PIECE);
    EXPECT_EQ(game.state, STATE_SELECT_PIECE);
    EXPECT_TRUE(game.board.IsEmptyCell(0, 0));
    EXPECT_EQ(headless.FindTimer(window, SELECTION_TIMER_ID), nullptr);
    // A late tick finds nothing to jiggle, and the emptied cell stays empty on the screen.
    game.OnSelectionTimer();
    EXPECT_EQ(CellCentre(0, 0), FACE);
    EXPECT_EQ(game.OnCellClick(0, 0), STATE_SELECT_PIECE);
    ExpectScreenMatchesPaint();
}

TEST_F(GameTurnTest, TheNextColoursPanelShowsEachColourInItsSlot)
{
    Start(MakeSettings(7, 6, 3, 5, 8));
    Arrange({"1......", ".......", ".......", ".......", ".......", "......."}, {7, 5, 0});
    game.showNext = 1;
    window.Invalidate(true);
    headless.Pump();
    // A 40-pixel panel holds three slots 13 pixels apart, a pixel of face between them, inside
    // a sunken frame: black on the top and left, white on the bottom and right.
    const Rect& panel = window.previewRect;
    EXPECT_EQ(Buffer().GetPixel(panel.left + 5, panel.top + 10), PieceColor(7));
    EXPECT_EQ(Buffer().GetPixel(panel.left + 18, panel.top + 10), PieceColor(5));
    EXPECT_EQ(Buffer().GetPixel(panel.left + 31, panel.top + 10), PieceColor(0));
    EXPECT_EQ(Buffer().GetPixel(panel.left + 13, panel.top + 10), FACE);
    EXPECT_EQ(Buffer().GetPixel(panel.left + 20, panel.top), Rgb(0, 0, 0));
    EXPECT_EQ(Buffer().GetPixel(panel.left + 20, panel.bottom - 1), Rgb(255, 255, 255));

    // The colours chosen after an arrival replace the panel at once.
    InjectArrivals({{2, 2}, {2, 3}, {2, 4}}, {3, 3, 3});
    game.AddPieces(1, 0);
    EXPECT_EQ(Buffer().GetPixel(panel.left + 5, panel.top + 10), PieceColor(3));
    EXPECT_EQ(Buffer().GetPixel(panel.left + 31, panel.top + 10), PieceColor(3));
    ExpectScreenMatchesPaint();
}
