#pragma once

#include "board/Board.h"
#include "board/CellPos.h"

#include <cstdint>

// Capacities of the record: the largest number of pieces that arrive in one turn, and the
// deletions that can be taken back with one move.
constexpr int HISTORY_ADDED_MAX = 5;
constexpr int HISTORY_DELETIONS_MAX = 50;

// Everything Undo needs to play the last turn backwards, written while the turn happens: the
// moved piece's route and colour, the run the move cleared, the pieces that arrived after it with
// the runs they cleared, the pieces deleted since, the next colours chosen afterwards and the
// score before the move. A fixed block of arrays: recording only copies.
class MoveHistory
{
public:
    MoveHistory();
    virtual ~MoveHistory() = default;

    // Forgets the move and what followed it; the colour and cell lists keep their contents.
    void Clear();
    void RecordMove(const CellPos* route, int steps, int colour);
    void RecordMoveRun(const CellPos* cells, int n);
    void RecordAddedColors(const int* colours, int count);
    void RecordAddedCells(const CellPos* cells, int count);
    void RecordAddedRun(const CellPos* cells, int i, int n);
    void RecordNextColors(const int* colours, int count);
    // Returns false and records nothing once HISTORY_DELETIONS_MAX deletions follow the move;
    // the controller then withdraws Undo for the turn rather than restore only part of it.
    bool RecordDeletion(int row, int col, int colour);

    CellPos route[BOARD_CELLS];
    std::int32_t steps;
    std::int32_t movedColor;
    CellPos moveRun[RUN_CELLS_MAX];
    std::int32_t moveRunCount;
    std::int32_t addedColors[HISTORY_ADDED_MAX];
    CellPos addedCells[HISTORY_ADDED_MAX];
    CellPos addedRuns[HISTORY_ADDED_MAX][RUN_CELLS_MAX];
    std::int32_t addedRunCounts[HISTORY_ADDED_MAX];
    CellPos deletedCells[HISTORY_DELETIONS_MAX];
    std::int32_t deletedColors[HISTORY_DELETIONS_MAX];
    std::int32_t deletedCount;
    std::int32_t nextColorsAfter[HISTORY_ADDED_MAX];
    std::int32_t savedScore;
};
