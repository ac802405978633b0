#include "game/GameController.h"

#include "platform/ClientDC.h"

// Every piece the move cleared scores a point, the moved piece included; a move that clears more
// than a line's length earns a delete credit for each extra piece.
void GameController::ScoreMove(DeviceContext& dc, int n)
{
    scoreDisplay.AddPoints(n);
    VanishCells(dc, n);
    history.RecordMoveRun(removedCells, n);
    scoreDisplay.Draw(dc);
    state = STATE_SELECT_PIECE;
    if (!settings.rewardEnabled || n <= settings.lineLength) {
        return;
    }
    const int extra = n - settings.lineLength;
    if (settings.rewardPile) {
        deleteCredits += extra;
        deleteAvailable = 1;
    } else if (!board.IsBoardEmpty()) {
        // "Immediately" spends the new credits at once, so what was left over is replaced.
        state = STATE_DELETING;
        deleteCredits = extra;
    }
}

void GameController::EnterDeleteMode()
{
    // In "Immediately" mode only the reward itself switches delete mode on; on an empty board
    // there is nothing to delete, as when deleting the last piece ends the mode.
    if (deleteCredits <= 0 || !settings.rewardPile || board.IsBoardEmpty()) {
        return;
    }
    if (state == STATE_SELECT_DESTINATION) {
        EndSelection();
    }
    state = STATE_DELETING;
}

int GameController::IsDeleteAvailable() const
{
    if (state == STATE_DELETING) {
        return 1;
    }
    return deleteCredits > 0 && settings.rewardPile && !board.IsBoardEmpty() ? 1 : 0;
}

void GameController::LeaveDeleteMode()
{
    if (state != STATE_DELETING) {
        return;
    }
    state = STATE_SELECT_PIECE;
    deleteAvailable = deleteCredits > 0 ? 1 : 0;
}

void GameController::DeletePiece(int row, int col)
{
    if (board.IsEmptyCell(row, col)) {
        return;
    }
    // A deletion the record can no longer hold still goes ahead, but Undo could then restore only
    // part of the turn, so it is withdrawn for this turn instead.
    if (!history.RecordDeletion(row, col, CellColor(row, col))) {
        undoAvailable = 0;
        history.Clear();
    }
    const CellPos cell{row, col};
    board.RemovePieces(1, &cell);
    {
        ClientDC dc(mainWnd);
        painter.DrawEmptyCell(dc, row, col);
    }
    --deleteCredits;
    if (deleteCredits <= 0 || board.IsBoardEmpty()) {
        state = STATE_SELECT_PIECE;
        deleteAvailable = 0;
    }
}
