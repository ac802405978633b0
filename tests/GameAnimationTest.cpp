#include "GameFixture.h"

#include <functional>
#include <vector>

// The animations on the virtual clock: which frame is on the screen at each pause, and how long
// the pauses are at each speed.
class GameAnimationTest : public GameTest
{
protected:
    // How wide the piece drawn in a cell is, along the cell's middle row.
    int PieceWidth(int row, int col)
    {
        int width = 0;
        for (int x = col * 30 + 2; x < col * 30 + 28; ++x) {
            width += Buffer().GetPixel(x, row * 30 + 15) != FACE ? 1 : 0;
        }
        return width;
    }

    // Calls record at every pause and keeps the pauses' lengths.
    void OnEachPause(std::function<void()> record)
    {
        headless.SetSleepHook([this, record](unsigned ms) {
            pauses.push_back(ms);
            record();
        });
    }

    std::vector<unsigned> pauses;
};

TEST_F(GameAnimationTest, ATravellingPieceEntersOneCellPerFrame)
{
    Start(MakeSettings(7, 6, 3, 5, 6, 0, 3));
    Arrange({"4......", ".......", ".......", ".......", ".......", "......."});
    std::vector<std::string> frames;
    OnEachPause([&] {
        std::string frame;
        for (int col = 0; col <= 4; ++col) {
            frame += CellCentre(0, col) == PieceColor(4) ? '4' : '.';
        }
        frames.push_back(frame);
    });
    Move(0, 0, 0, 4);
    EXPECT_EQ(frames, (std::vector<std::string>{".4...", "..4..", "...4.", "....4"}));
    EXPECT_EQ(pauses, (std::vector<unsigned>{25, 25, 25, 25}));
}

TEST_F(GameAnimationTest, UndoWalksThePieceBackAtSeventyMillisecondsAStep)
{
    Start(MakeSettings(7, 6, 3, 5, 6, 0, 3));
    Arrange({"0000...", "....0..", ".......", ".......", ".......", "......."});
    Move(1, 4, 0, 4);
    std::vector<std::string> frames;
    OnEachPause([&] {
        frames.push_back(std::string(1, CellCentre(0, 4) == PieceColor(0) ? '0' : '.') +
                         (CellCentre(1, 4) == PieceColor(0) ? '0' : '.'));
    });
    game.Undo();
    EXPECT_EQ(frames, (std::vector<std::string>{".0"}));
    EXPECT_EQ(pauses, (std::vector<unsigned>{70}));
}

TEST_F(GameAnimationTest, TravelSpeedsScaleThePausesOrSwitchThemOff)
{
    const unsigned forward[6] = {0, 50, 38, 25, 15, 8};
    const unsigned back[6] = {0, 140, 105, 70, 42, 21};
    for (int speed = 0; speed <= 5; ++speed) {
        SCOPED_TRACE(speed);
        Start(MakeSettings(7, 6, 3, 5, 6, 0, speed));
        Arrange({"4......", ".......", ".......", ".......", ".......", "......."});
        InjectArrivals({{5, 0}, {5, 1}, {5, 2}}, {0, 0, 0}, {0, 0}, {0, 4});
        const int sleeps = headless.SleepCount();
        const unsigned long long slept = headless.SleptTotal();
        Move(0, 0, 0, 4);
        EXPECT_EQ(headless.SleepCount() - sleeps, speed == 0 ? 0 : 4);
        EXPECT_EQ(headless.SleptTotal() - slept, 4 * forward[speed]);
        EXPECT_EQ(CellCentre(0, 4), PieceColor(4));
        ExpectScreenMatchesPaint();

        const unsigned long long movedAt = headless.SleptTotal();
        game.Undo();
        EXPECT_EQ(headless.SleptTotal() - movedAt, 4 * back[speed]);
        EXPECT_EQ(CellCentre(0, 0), PieceColor(4));
        ExpectScreenMatchesPaint();
    }
}

TEST_F(GameAnimationTest, ArrivingPiecesGrowFrameByFrameInListOrder)
{
    Start(MakeSettings(7, 6, 3, 5, 6, 3, 0));
    Arrange({".......", ".......", ".......", ".......", ".......", "......."}, {1, 2, 3});
    InjectArrivals({{2, 5}, {0, 1}, {4, 3}}, {0, 0, 0});
    const CellPos cells[3] = {{2, 5}, {0, 1}, {4, 3}};
    std::vector<std::vector<int>> widths;
    OnEachPause([&] {
        std::vector<int> w;
        for (const CellPos& cell : cells) {
            w.push_back(PieceWidth(cell.row, cell.col));
        }
        widths.push_back(w);
    });
    game.AddPieces(1, 0);

    ASSERT_EQ(widths.size(), 33u);
    EXPECT_EQ(pauses, std::vector<unsigned>(33, 3));
    // One frame is one size for every cell in turn; each frame is larger than the one before,
    // and the last is a piece at rest.
    std::vector<int> sizes;
    for (int frame = 0; frame < APPEAR_FRAMES; ++frame) {
        sizes.push_back(widths[frame * 3][0]);
        for (int cell = 0; cell < 3; ++cell) {
            const std::vector<int>& w = widths[frame * 3 + cell];
            for (int other = 0; other < 3; ++other) {
                const int expected = other <= cell ? sizes[frame]
                                     : frame > 0   ? sizes[frame - 1]
                                                   : 0;
                EXPECT_EQ(w[other], expected) << "frame " << frame << " cell " << cell;
            }
        }
        if (frame > 0) {
            EXPECT_GT(sizes[frame], sizes[frame - 1]);
        }
    }
    EXPECT_EQ(sizes.back(), 20);
    EXPECT_EQ(CellCentre(2, 5), PieceColor(1));
    ExpectScreenMatchesPaint();
}

TEST_F(GameAnimationTest, AClearedRunShrinksFrameByFrameAndLeavesEmptyCells)
{
    Start(MakeSettings(7, 6, 3, 5, 6, 3, 0));
    Arrange({"0000...", "....0..", ".......", ".......", ".......", "......."});
    std::vector<int> firstCell;
    std::vector<int> lastCell;
    OnEachPause([&] {
        firstCell.push_back(PieceWidth(0, 0));
        lastCell.push_back(PieceWidth(0, 4));
    });
    Move(1, 4, 0, 4);

    // The run is listed outward from the destination, the destination itself last.
    ASSERT_EQ(pauses, std::vector<unsigned>(50, 3));
    for (int frame = 1; frame < VANISH_FRAMES; ++frame) {
        EXPECT_LT(lastCell[frame * 5 + 4], lastCell[(frame - 1) * 5 + 4]) << frame;
    }
    EXPECT_EQ(lastCell[4], 20);
    EXPECT_EQ(lastCell[3], 20); // not yet touched in the first frame
    EXPECT_GT(lastCell.back(), 0);
    for (int col = 0; col < 5; ++col) {
        EXPECT_EQ(PieceWidth(0, col), 0) << col;
    }
    ExpectScreenMatchesPaint();
}

TEST_F(GameAnimationTest, ArrivalsShowBeforeTheirRunsVanishOneRunAfterTheOther)
{
    Start(MakeSettings(7, 6, 3, 3, 6, 3, 0));
    Arrange({"0.0....", ".......", ".......", "1.1....", ".......", "......."}, {0, 1, 5});
    InjectArrivals({{0, 1}, {3, 1}, {5, 6}}, {2, 2, 2});
    std::vector<std::string> frames;
    OnEachPause([&] {
        std::string frame;
        for (int row : {0, 3}) {
            for (int col = 0; col < 3; ++col) {
                const int width = PieceWidth(row, col);
                frame += width == 20 ? 'O' : width > 0 ? 'o' : '.';
            }
            frame += ' ';
        }
        frames.push_back(frame);
    });
    game.AddPieces(1, 0);

    ASSERT_EQ(frames.size(), 33u + 30u + 30u);
    EXPECT_EQ(frames[32], "OOO OOO ");
    // The first run fades while the second stands whole; then the second fades.
    for (int i = 33; i < 63; ++i) {
        EXPECT_EQ(frames[i].substr(4), "OOO ") << i;
    }
    EXPECT_EQ(frames[62], "ooo OOO ");
    for (int i = 63; i < 93; ++i) {
        EXPECT_EQ(frames[i].substr(0, 4), "... ") << i;
    }
    EXPECT_EQ(frames[92], "... ooo ");
    EXPECT_EQ(Cells(), ".......\n.......\n.......\n.......\n.......\n......5\n");
    ExpectScreenMatchesPaint();
}

TEST_F(GameAnimationTest, FadeSpeedsScaleThePausesOrSwitchThemOff)
{
    const unsigned pause[6] = {0, 6, 5, 3, 2, 1};
    for (int speed = 0; speed <= 5; ++speed) {
        SCOPED_TRACE(speed);
        Start(MakeSettings(7, 6, 3, 5, 6, speed, 3));
        Arrange({".......", ".......", ".......", ".......", ".......", "......."}, {1, 2, 3});
        InjectArrivals({{2, 5}, {0, 1}, {4, 3}}, {0, 0, 0});
        const int sleeps = headless.SleepCount();
        const unsigned long long slept = headless.SleptTotal();
        game.AddPieces(1, 0);
        EXPECT_EQ(headless.SleepCount() - sleeps, speed == 0 ? 0 : 33);
        EXPECT_EQ(headless.SleptTotal() - slept, 33 * pause[speed]);
        EXPECT_EQ(PieceWidth(0, 1), 20);
        ExpectScreenMatchesPaint();

        // A run of five vanishes in 10 frames per cell.
        Arrange({"0000...", "....0..", ".......", ".......", ".......", "......."});
        const unsigned long long before = headless.SleptTotal();
        Move(1, 4, 0, 4);
        EXPECT_EQ(headless.SleptTotal() - before, 25 + 50 * pause[speed]);
        EXPECT_EQ(PieceWidth(0, 2), 0);
        ExpectScreenMatchesPaint();
    }
}

TEST_F(GameAnimationTest, TheJiggleKeepsItsPeriodWhateverTheSpeeds)
{
    Start(MakeSettings(7, 6, 3, 5, 6, 0, 0));
    Arrange({"4......", ".......", ".......", ".......", ".......", "......."});
    game.OnCellClick(0, 0);
    const HeadlessBackend::Timer* timer = headless.FindTimer(window, SELECTION_TIMER_ID);
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->period, 80u);
    headless.AdvanceClock(79);
    EXPECT_EQ(game.painter.jiggleAngle, 0);
    headless.AdvanceClock(1);
    EXPECT_EQ(game.painter.jiggleAngle, 1);
}

TEST_F(GameAnimationTest, ASelectedPieceComesToRestWhenItsSelectionEnds)
{
    struct Case
    {
        const char* how;
        int filledRows;
        std::function<void()> end;
    };
    const Case cases[] = {
        {"Undo", 5, [&] { game.Undo(); }},
        {"delete mode", 5,
         [&] {
             game.deleteCredits = 1;
             game.EnterDeleteMode();
         }},
        // Two free cells cannot take three pieces.
        {"the end of the game", 6, [&] { game.AddPieces(1, 0); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        Start(MakeSettings(7, 6, 3, 5, 6));
        ArrangePattern(c.filledRows);
        if (c.filledRows == 5) {
            InjectArrivals({{5, 1}, {5, 2}, {5, 3}}, {0, 1, 2}, {4, 0}, {5, 0});
            ASSERT_EQ(Move(4, 0, 5, 0), STATE_SELECT_PIECE);
        } else {
            const CellPos freed[] = {{5, 5}, {5, 6}};
            game.board.RemovePieces(2, freed);
            window.Invalidate(true);
            headless.Pump();
        }
        game.OnCellClick(0, 0);
        headless.AdvanceClock(3 * SELECTION_TIMER_PERIOD);
        ASSERT_EQ(game.painter.jiggleAngle, 3);
        c.end();
        EXPECT_NE(game.state, STATE_SELECT_DESTINATION);
        ExpectScreenMatchesPaint();
    }
}
