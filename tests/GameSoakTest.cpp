#include "GameFixture.h"

#include <cstdio>
#include <random>

// Thousands of random turns over random settings, with Draw next, Undo and delete mode mixed
// in, checking after every command that the game is consistent and that Undo is exact.
class GameSoakTest : public GameTest
{
protected:
    int Pick(int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); }

    void NewSettings()
    {
        // The animations are off: their frames and pauses have tests of their own, and here
        // they would only cost time.
        const GameSettings settings =
            MakeSettings(5 + Pick(16), 5 + Pick(16), 1 + Pick(5), 3 + Pick(5), 1 + Pick(8), 0, 0,
                         Pick(3) != 0, Pick(2));
        game.EndGame();
        game.Setup(30, settings, &window.previewRect, &window.scoreRect, &window);
        Random::Seed(static_cast<unsigned>(rng()));
        NewGame();
    }

    void NewGame()
    {
        game.EndGame();
        game.NewGame();
        game.showNext = Pick(2);
        undoTarget = nullptr;
        ++games;
    }

    // A random cell holding a piece (free when wanted), or {-1, -1} when there is none.
    CellPos RandomCell(bool piece)
    {
        CellPos found{-1, -1};
        int seen = 0;
        for (int row = 0; row < game.settings.boardRows; ++row) {
            for (int col = 0; col < game.settings.boardCols; ++col) {
                if (game.board.IsEmptyCell(row, col) != piece && Pick(++seen) == 0) {
                    found = CellPos{row, col};
                }
            }
        }
        return found;
    }

    // Sends a destination click and, when it made a move, checks the move's outcome and keeps
    // the position Undo must give back.
    void ClickDestination(CellPos cell)
    {
        const bool wasFree = game.board.IsEmptyCell(cell.row, cell.col);
        Position before = TakePosition(game);
        game.OnCellClick(cell.row, cell.col);
        if (!wasFree || game.state == STATE_SELECT_DESTINATION) {
            return;
        }
        ++turns;
        const int cleared = game.history.moveRunCount;
        EXPECT_EQ(game.scoreDisplay.value, before.score + cleared);
        if (cleared == 0 && game.state != STATE_GAME_END) {
            int arrivedRuns = 0;
            for (int i = 0; i < game.settings.addedPieces; ++i) {
                arrivedRuns += game.history.addedRunCounts[i];
            }
            EXPECT_EQ(game.board.emptyCount,
                      before.emptyCount - game.settings.addedPieces + arrivedRuns);
        }
        // Undo gives the credits back as they were right after the move: a reward stays.
        before.deleteCredits = game.deleteCredits;
        target = before;
        undoTarget = game.IsUndoAvailable() ? &target : nullptr;
    }

    void UndoAndCheck()
    {
        const Position before = TakePosition(game);
        const int stateBefore = game.state;
        const bool available = game.IsUndoAvailable() == 1;
        game.Undo();
        if (!available) {
            EXPECT_EQ(TakePosition(game), before);
            EXPECT_EQ(game.state, stateBefore);
            return;
        }
        ASSERT_NE(undoTarget, nullptr);
        EXPECT_EQ(TakePosition(game), *undoTarget);
        EXPECT_EQ(game.state, STATE_SELECT_PIECE);
        ++undos;
        undoTarget = nullptr;
    }

    void ToggleDeleting()
    {
        if (game.state == STATE_DELETING) {
            game.LeaveDeleteMode();
        } else {
            game.EnterDeleteMode();
        }
    }

    void Step()
    {
        const int roll = Pick(100);
        switch (game.state) {
        case STATE_GAME_END:
            if (roll < 60) {
                NewGame();
            } else if (roll < 70) {
                NewSettings();
            } else if (roll < 85) {
                game.EnterDeleteMode();
            } else {
                game.AddPieces(1, 0);
            }
            return;
        case STATE_DELETING:
            if (roll < 70) {
                const CellPos cell = RandomCell(true);
                if (cell.row >= 0) {
                    game.OnCellClick(cell.row, cell.col);
                    ++deletions;
                }
            } else if (roll < 80) {
                game.OnCellClick(Pick(game.settings.boardRows), Pick(game.settings.boardCols));
            } else if (roll < 90) {
                game.LeaveDeleteMode();
            } else {
                UndoAndCheck();
            }
            return;
        default:
            break;
        }
        if (roll < 60) {
            if (game.state == STATE_SELECT_PIECE) {
                const CellPos piece = RandomCell(true);
                if (piece.row >= 0) {
                    game.OnCellClick(piece.row, piece.col);
                }
            }
            if (game.state == STATE_SELECT_DESTINATION) {
                const CellPos cell = RandomCell(Pick(6) == 0);
                if (cell.row >= 0) {
                    ClickDestination(cell);
                }
            }
        } else if (roll < 67) {
            // Anywhere, the edges of the board and just outside them included.
            const int row = Pick(game.settings.boardRows + 2) - 1;
            const int col = Pick(game.settings.boardCols + 2) - 1;
            if (game.state == STATE_SELECT_DESTINATION && game.board.IsInside(row, col)) {
                ClickDestination(CellPos{row, col});
            } else {
                game.OnCellClick(row, col);
            }
        } else if (roll < 76) {
            game.AddPieces(1, 0);
        } else if (roll < 88) {
            UndoAndCheck();
        } else if (roll < 94) {
            ToggleDeleting();
        } else if (roll < 97) {
            game.OnSelectionTimer();
            jiggled = true;
        } else if (roll < 98) {
            // Rewards are rare in random play; a windfall of credits, sometimes more than the
            // move record holds deletions for, keeps delete mode busy.
            const int bonus = 1 + Pick(60);
            game.deleteCredits += bonus;
            target.deleteCredits += bonus;
        } else if (roll < 99) {
            NewGame();
        } else {
            NewSettings();
        }
    }

    void CheckInvariants()
    {
        const GameSettings& s = game.settings;
        int empty = 0;
        bool coloursInRange = true;
        bool outsideEmpty = true;
        for (int row = 0; row < BOARD_STRIDE; ++row) {
            for (int col = 0; col < BOARD_STRIDE; ++col) {
                const int cell = game.board.cells[col + row * BOARD_STRIDE];
                if (row >= s.boardRows || col >= s.boardCols) {
                    outsideEmpty = outsideEmpty && cell == EMPTY_CELL;
                } else if (cell == EMPTY_CELL) {
                    ++empty;
                } else {
                    coloursInRange = coloursInRange && cell >= 0 && cell < s.colorCount;
                }
            }
        }
        ASSERT_EQ(game.board.emptyCount, empty);
        ASSERT_TRUE(coloursInRange);
        ASSERT_TRUE(outsideEmpty);
        for (int i = 0; i < s.addedPieces; ++i) {
            ASSERT_TRUE(game.nextColors[i] >= 0 && game.nextColors[i] < s.colorCount);
        }

        const int state = game.state;
        ASSERT_TRUE(state == STATE_SELECT_PIECE || state == STATE_SELECT_DESTINATION ||
                    state == STATE_DELETING || state == STATE_GAME_END)
            << state;
        const bool timer = headless.FindTimer(window, SELECTION_TIMER_ID) != nullptr;
        ASSERT_EQ(timer, state == STATE_SELECT_DESTINATION);
        if (state == STATE_SELECT_DESTINATION) {
            ASSERT_FALSE(game.board.IsEmptyCell(game.selRow, game.selCol));
        }
        if (state == STATE_DELETING) {
            ASSERT_GT(game.deleteCredits, 0);
        }
        if (state == STATE_GAME_END) {
            ASSERT_LT(game.board.emptyCount, s.addedPieces);
        }
        ASSERT_GE(game.deleteCredits, 0);
        ASSERT_GE(game.scoreDisplay.value, 0);
        ASSERT_TRUE(game.undoAvailable == 0 || game.undoAvailable == 1);
        ASSERT_TRUE(game.deleteAvailable == 0 || game.deleteAvailable == 1);
        if (game.undoAvailable) {
            ASSERT_GT(game.history.steps, 0);
            ASSERT_NE(undoTarget, nullptr);
        }
    }

    std::mt19937 rng{20240611};
    Position target{};
    const Position* undoTarget = nullptr;
    bool jiggled = false;
    int turns = 0;
    int undos = 0;
    int deletions = 0;
    int games = 0;
};

TEST_F(GameSoakTest, RandomTurnsKeepTheGameConsistentAndUndoExact)
{
    NewSettings();
    int steps = 0;
    while (turns < 20000) {
        Step();
        ++steps;
        CheckInvariants();
        if (HasFatalFailure() || HasFailure()) {
            FAIL() << "after step " << steps << ", turn " << turns << ", game " << games << "\n"
                   << Cells();
        }
        // The screen is checked now and then (a full repaint is not cheap); a jiggled piece
        // stays shifted on the screen until something redraws it, so it is repainted first.
        if (steps % 1600 == 0) {
            if (!jiggled) {
                ExpectScreenMatchesPaint();
            }
            window.Invalidate(true);
            headless.Pump();
            jiggled = false;
        }
    }
    EXPECT_GT(undos, 1000);
    EXPECT_GT(deletions, 1000);
    EXPECT_GT(games, 100);
    std::printf("soak: %d steps, %d turns, %d undos, %d deletions, %d games\n", steps, turns, undos,
                deletions, games);
}
