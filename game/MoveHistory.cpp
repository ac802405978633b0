#include "game/MoveHistory.h"

#include <cassert>

// Every field starts defined: a fresh record describes no move, and its lists read as zeros.
MoveHistory::MoveHistory()
    : route{}, steps(0), movedColor(0), moveRun{}, moveRunCount(0), addedColors{},
      addedCells{}, addedRuns{}, addedRunCounts{}, deletedCells{}, deletedColors{},
      deletedCount(0), nextColorsAfter{}, savedScore(0)
{
    Clear();
}

void MoveHistory::Clear()
{
    steps = 0;
    moveRunCount = 0;
    for (std::int32_t& count : addedRunCounts) {
        count = 0;
    }
    deletedCount = 0;
}

void MoveHistory::RecordMove(const CellPos* route, int steps, int colour)
{
    assert(steps >= 0 && steps < BOARD_CELLS);
    for (int i = 0; i <= steps; ++i) {
        this->route[i] = route[i];
    }
    this->steps = steps;
    movedColor = colour;
}

void MoveHistory::RecordMoveRun(const CellPos* cells, int n)
{
    assert(n >= 0 && n <= RUN_CELLS_MAX);
    for (int i = 0; i < n; ++i) {
        moveRun[i] = cells[i];
    }
    moveRunCount = n;
}

void MoveHistory::RecordAddedColors(const int* colours, int count)
{
    assert(count >= 0 && count <= HISTORY_ADDED_MAX);
    for (int i = 0; i < count; ++i) {
        addedColors[i] = colours[i];
    }
}

void MoveHistory::RecordAddedCells(const CellPos* cells, int count)
{
    assert(count >= 0 && count <= HISTORY_ADDED_MAX);
    for (int i = 0; i < count; ++i) {
        addedCells[i] = cells[i];
    }
}

void MoveHistory::RecordAddedRun(const CellPos* cells, int i, int n)
{
    assert(i >= 0 && i < HISTORY_ADDED_MAX && n >= 0 && n <= RUN_CELLS_MAX);
    for (int k = 0; k < n; ++k) {
        addedRuns[i][k] = cells[k];
    }
    addedRunCounts[i] = n;
}

void MoveHistory::RecordNextColors(const int* colours, int count)
{
    assert(count >= 0 && count <= HISTORY_ADDED_MAX);
    for (int i = 0; i < count; ++i) {
        nextColorsAfter[i] = colours[i];
    }
}

bool MoveHistory::RecordDeletion(int row, int col, int colour)
{
    if (deletedCount >= HISTORY_DELETIONS_MAX) {
        return false;
    }
    deletedCells[deletedCount] = CellPos{row, col};
    deletedColors[deletedCount] = colour;
    ++deletedCount;
    return true;
}
