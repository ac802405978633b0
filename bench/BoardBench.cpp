#include "board/Board.h"
#include "tests/SnakeBoard.h"

#include <benchmark/benchmark.h>

namespace {

// The piece in the top-left corner of an empty board of the argument's size: the search reaches
// every cell before the opposite corner is reached, the worst case of that size.
void FindPathEmptyCornerToCorner(benchmark::State& state)
{
    const int size = static_cast<int>(state.range(0));
    Board board;
    board.Init(size, size);
    board.cells[0] = 0;
    --board.emptyCount;
    CellPos route[BOARD_CELLS];
    for (auto _ : state) {
        const int length = board.FindPath(0, 0, size - 1, size - 1, route);
        benchmark::DoNotOptimize(length);
        benchmark::DoNotOptimize(route);
    }
}
BENCHMARK(FindPathEmptyCornerToCorner)->Arg(5)->Arg(10)->Arg(15)->Arg(20);

// The longest route the board allows: the serpentine of the route tests.
void FindPathLongestSnake(benchmark::State& state)
{
    Board board;
    LoadSnake(board, 0);
    CellPos route[BOARD_CELLS];
    if (board.FindPath(0, 0, 18, 0, route) != SNAKE_STEPS) {
        state.SkipWithError("the snake is not 208 steps long");
        return;
    }
    for (auto _ : state) {
        const int length = board.FindPath(0, 0, 18, 0, route);
        benchmark::DoNotOptimize(length);
        benchmark::DoNotOptimize(route);
    }
}
BENCHMARK(FindPathLongestSnake);

// Full lines of one colour along all four axes through (10, 10): 76 cells clear at once. Every
// iteration puts the run back with FillCells, whose cost the next benchmark measures alone.
void FillLinesThroughCentre(Board& board, CellPos* cells, int& count)
{
    board.Init(20, 20);
    count = 0;
    for (int i = 0; i < 20; ++i) {
        const CellPos line[] = {{10, i}, {i, 10}, {i, i}, {i, 20 - i}};
        for (const CellPos& cell : line) {
            if (cell.col < 20 && board.cells[cell.col + cell.row * BOARD_STRIDE] == EMPTY_CELL) {
                board.cells[cell.col + cell.row * BOARD_STRIDE] = 3;
                cells[count++] = cell;
            }
        }
    }
    board.emptyCount -= count;
}

void RemoveRunsFourAxesAndRestore(benchmark::State& state)
{
    Board board;
    CellPos cells[RUN_CELLS_MAX];
    int count = 0;
    FillLinesThroughCentre(board, cells, count);
    CellPos removed[RUN_CELLS_MAX];
    for (auto _ : state) {
        const int n = board.RemoveRuns(10, 10, 5, removed);
        board.FillCells(n, removed, 3);
        benchmark::DoNotOptimize(n);
        benchmark::DoNotOptimize(board.cells);
    }
    state.counters["cleared"] = board.RemoveRuns(10, 10, 5, removed);
}
BENCHMARK(RemoveRunsFourAxesAndRestore);

void RestoreFourAxesOnly(benchmark::State& state)
{
    Board board;
    CellPos cells[RUN_CELLS_MAX];
    int count = 0;
    FillLinesThroughCentre(board, cells, count);
    for (auto _ : state) {
        board.FillCells(count, cells, 3);
        board.emptyCount += count;
        benchmark::DoNotOptimize(board.cells);
    }
}
BENCHMARK(RestoreFourAxesOnly);

// The same removal with the restore outside the timed region; the pause and resume themselves
// cost far more than the removal, so this figure is only an upper bound.
void RemoveRunsFourAxesPaused(benchmark::State& state)
{
    Board board;
    CellPos cells[RUN_CELLS_MAX];
    int count = 0;
    FillLinesThroughCentre(board, cells, count);
    CellPos removed[RUN_CELLS_MAX];
    for (auto _ : state) {
        const int n = board.RemoveRuns(10, 10, 5, removed);
        benchmark::DoNotOptimize(n);
        state.PauseTiming();
        board.FillCells(n, removed, 3);
        state.ResumeTiming();
    }
}
BENCHMARK(RemoveRunsFourAxesPaused);

} // namespace
