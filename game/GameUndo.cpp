#include "game/GameController.h"

#include "board/PieceColors.h"
#include "platform/ClientDC.h"

// The turn is played backwards, the latest change first, so that each step finds its cells as it
// left them: the deleted pieces come back, then the runs the arrived pieces cleared, then the
// arrived pieces leave, then the move's own run comes back and the piece travels home.
void GameController::Undo()
{
    if (undoAvailable != 1 || history.steps == 0) {
        return;
    }
    if (state == STATE_SELECT_DESTINATION) {
        EndSelection();
    }
    ClientDC dc(mainWnd);
    const int added = settings.addedPieces;

    if (history.deletedCount > 0) {
        deleteCredits += history.deletedCount;
        board.PlacePieces(history.deletedCount, history.deletedCells, history.deletedColors);
        AnimateAppear(dc, history.deletedCells, history.deletedCount, history.deletedColors);
    }

    int runColours[RUN_CELLS_MAX];
    for (int i = 0; i < added; ++i) {
        const int count = history.addedRunCounts[i];
        if (count > 0) {
            board.FillCells(count, history.addedRuns[i], history.addedColors[i]);
            for (int k = 0; k < count; ++k) {
                runColours[k] = history.addedColors[i];
            }
            AnimateAppear(dc, history.addedRuns[i], count, runColours);
        }
    }

    if (history.moveRunCount == 0) {
        board.RemovePieces(added, history.addedCells);
        AnimateDisappear(dc, history.addedCells, added, history.addedColors);
    } else {
        board.FillCells(history.moveRunCount, history.moveRun, history.movedColor);
        for (int k = 0; k < history.moveRunCount; ++k) {
            runColours[k] = history.movedColor;
        }
        AnimateAppear(dc, history.moveRun, history.moveRunCount, runColours);
    }

    const int steps = history.steps;
    const CellPos start = history.route[0];
    const CellPos destination = history.route[steps];
    painter.color = PieceColor(history.movedColor);
    AnimateTravel(dc, history.route, steps, TRAVEL_BACKWARD, RETURN_PAUSE);
    board.SwapCells(destination.row, destination.col, start.row, start.col);

    // A move that cleared a run brought no pieces, so the preview it showed is still the one
    // recorded; otherwise the colours that arrived are the next ones again.
    const std::int32_t* colours =
        history.moveRunCount > 0 ? history.nextColorsAfter : history.addedColors;
    for (int i = 0; i < added; ++i) {
        nextColors[i] = colours[i];
    }
    if (showNext) {
        DrawNextColors(dc);
    }
    scoreDisplay.value = history.savedScore;
    scoreDisplay.Draw(dc);

    history.Clear();
    undoAvailable = 0;
    state = STATE_SELECT_PIECE;
}
