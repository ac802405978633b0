#include "game/GameController.h"

#include "board/PieceColors.h"
#include "board/PieceSymbols.h"
#include "platform/ClientDC.h"
#include "platform/Random.h"
#include "platform/Window.h"

#include <algorithm>
#include <cassert>

void GameController::Setup(int cellSize, const GameSettings& newSettings,
                           const Rect* newPreviewRect, const Rect* newScoreRect, Window* window)
{
    settings.boardCols = newSettings.boardCols;
    settings.boardRows = newSettings.boardRows;
    settings.addedPieces = newSettings.addedPieces;
    settings.lineLength = newSettings.lineLength;
    settings.colorCount = newSettings.colorCount;
    settings.fadeSpeed = newSettings.fadeSpeed;
    settings.travelSpeed = newSettings.travelSpeed;
    settings.rewardEnabled = newSettings.rewardEnabled;
    settings.rewardPile = newSettings.rewardPile;
    // The fixed arrays are sized for these limits; the settings' own loaders keep to them.
    assert(settings.addedPieces >= 1 && settings.addedPieces <= ADDED_PIECES_MAX);
    assert(settings.colorCount >= 1 && settings.colorCount <= PIECE_COLOR_COUNT);
    assert(settings.lineLength >= 1);

    board.Init(settings.boardRows, settings.boardCols);
    painter.cellSize = cellSize;
    previewRect = newPreviewRect;
    scoreRect = newScoreRect;
    mainWnd = window;
    Random::SeedFromTime();
    highScores.Load();
}

void GameController::ClearBoard()
{
    {
        ClientDC dc(mainWnd);
        for (int row = 0; row < settings.boardRows; ++row) {
            for (int col = 0; col < settings.boardCols; ++col) {
                painter.DrawEmptyCell(dc, row, col);
            }
        }
    }
    board.Clear();
    history.Clear();
    scoreDisplay.value = 0;
}

void GameController::NewGame()
{
    // The main window ends the running game first; should a piece still be selected, its timer
    // must not outlive the game.
    if (state == STATE_SELECT_DESTINATION) {
        KillSelectionTimer();
    }
    offeredScore = -1;
    ClearBoard();
    ChooseNextColors();
    AddPieces(0, 1);
    state = STATE_SELECT_PIECE;
    undoAvailable = 0;
    deleteAvailable = 0;
    showNext = 0;
    deleteCredits = 0;
    if (scoreRect) {
        scoreDisplay.rect = *scoreRect;
        if (mainWnd) {
            mainWnd->InvalidateRect(scoreRect, true);
        }
    }
}

void GameController::EndGame()
{
    if (state == STATE_SELECT_DESTINATION) {
        EndSelection();
    }
    if (scoreDisplay.value != offeredScore) {
        offeredScore = scoreDisplay.value;
        if (highScores.Insert(scoreDisplay.value, playerName)) {
            highScores.Show(mainWnd);
        }
    }
    undoAvailable = 0;
}

void GameController::ChooseNextColors()
{
    for (int i = 0; i < settings.addedPieces; ++i) {
        nextColors[i] = Random::Next() % settings.colorCount;
    }
}

// Each pick counts only the cells still free, and reserves the one it takes, so every piece
// lands on a cell drawn uniformly from those left.
void GameController::ChooseNewPieceCells()
{
    int free = board.emptyCount;
    for (int i = 0; i < settings.addedPieces; ++i) {
        int k = Random::Next() % free;
        bool taken = false;
        for (int row = 0; row < settings.boardRows && !taken; ++row) {
            for (int col = 0; col < settings.boardCols; ++col) {
                if (!board.IsEmptyCell(row, col)) {
                    continue;
                }
                if (k == 0) {
                    newPieceCells[i] = CellPos{row, col};
                    board.cells[col + row * BOARD_STRIDE] = RESERVED_CELL;
                    taken = true;
                    break;
                }
                --k;
            }
        }
        assert(taken);
        --free;
    }
    history.RecordAddedCells(newPieceCells, settings.addedPieces);
}

int GameController::AddPieces(int drawNext, int instant)
{
    const int added = settings.addedPieces;
    if (board.emptyCount < added) {
        EndGame();
        state = STATE_GAME_END;
        return STATE_GAME_END;
    }
    if (drawNext) {
        history.Clear();
    }
    history.RecordAddedColors(nextColors, added);
    ChooseNewPieceCells();
    board.PlacePieces(added, newPieceCells, nextColors);

    ClientDC dc(mainWnd);
    if (instant) {
        for (int i = 0; i < added; ++i) {
            painter.color = PieceColor(nextColors[i]);
            painter.DrawPiece(dc, newPieceCells[i].row, newPieceCells[i].col, false);
        }
    } else {
        AnimateAppear(dc, newPieceCells, added, nextColors);
    }
    // The pieces are judged in their order: a piece whose cell an earlier piece's run has
    // cleared finds its cell empty and clears nothing.
    for (int i = 0; i < added; ++i) {
        const int n = board.RemoveRuns(newPieceCells[i].row, newPieceCells[i].col,
                                       settings.lineLength, removedCells);
        if (n > 0) {
            painter.color = PieceColor(nextColors[i]);
            VanishCells(dc, n);
            history.RecordAddedRun(removedCells, i, n);
        }
    }
    undoAvailable = drawNext ? 0 : 1;
    ChooseNextColors();
    history.RecordNextColors(nextColors, added);
    if (showNext) {
        DrawNextColors(dc);
    }
    if (!drawNext) {
        return STATE_SELECT_PIECE;
    }
    // Draw next leaves a selection alone, unless the arrivals' runs took the selected piece away:
    // a free cell has nothing to jiggle or to move.
    if (state == STATE_SELECT_DESTINATION && board.IsEmptyCell(selRow, selCol)) {
        KillSelectionTimer();
        state = STATE_SELECT_PIECE;
    }
    return state;
}

int GameController::OnCellClick(int row, int col)
{
    if (row < 0 || row >= settings.boardRows || col < 0 || col >= settings.boardCols) {
        return state;
    }
    switch (state) {
    case STATE_SELECT_PIECE:
        SelectPiece(row, col);
        break;
    case STATE_SELECT_DESTINATION:
        SelectDestination(row, col);
        break;
    case STATE_DELETING:
        DeletePiece(row, col);
        break;
    default:
        break;
    }
    return state;
}

void GameController::SelectPiece(int row, int col)
{
    if (board.IsEmptyCell(row, col)) {
        return;
    }
    painter.jiggleAngle = 0;
    selRow = row;
    selCol = col;
    state = STATE_SELECT_DESTINATION;
    if (mainWnd) {
        mainWnd->SetTimer(SELECTION_TIMER_ID, SELECTION_TIMER_PERIOD);
    }
}

void GameController::SelectDestination(int row, int col)
{
    if (row == selRow && col == selCol) {
        state = STATE_SELECT_PIECE;
        EndSelection();
        return;
    }
    if (!board.IsEmptyCell(row, col)) {
        // The old piece comes to rest; the running timer jiggles the new one from now on.
        ClientDC dc(mainWnd);
        painter.color = PieceColor(CellColor(selRow, selCol));
        painter.DrawPiece(dc, selRow, selCol, false);
        selRow = row;
        selCol = col;
        return;
    }
    const int steps = board.FindPath(selRow, selCol, row, col, route);
    if (steps == 0) {
        return;
    }
    KillSelectionTimer();
    history.Clear();
    history.savedScore = scoreDisplay.value;
    // The preview shown now is what Undo brings back if the move clears a run. The record's
    // colours after the latest arrival are not enough: an Undo since then has changed the
    // preview back without an arrival.
    history.RecordNextColors(nextColors, settings.addedPieces);
    undoAvailable = 1;
    state = STATE_MOVING;
    FinishMove(steps);
}

// The runs at the destination are judged before any piece arrives: only a move that clears
// nothing brings new pieces.
void GameController::FinishMove(int steps)
{
    const int colour = CellColor(selRow, selCol);
    const CellPos destination = route[steps];
    ClientDC dc(mainWnd);
    painter.color = PieceColor(colour);
    AnimateTravel(dc, route, steps, TRAVEL_FORWARD, TRAVEL_PAUSE);
    board.SwapCells(selRow, selCol, destination.row, destination.col);
    history.RecordMove(route, steps, colour);
    const int n =
        board.RemoveRuns(destination.row, destination.col, settings.lineLength, removedCells);
    if (n > 0) {
        ScoreMove(dc, n);
    } else {
        state = AddPieces(0, 0);
    }
}

void GameController::OnSelectionTimer()
{
    // A tick that was already on its way when the selection ended finds nothing to jiggle.
    if (state != STATE_SELECT_DESTINATION || CellColor(selRow, selCol) < 0) {
        return;
    }
    ClientDC dc(mainWnd);
    painter.color = PieceColor(CellColor(selRow, selCol));
    painter.DrawPiece(dc, selRow, selCol, true);
}

void GameController::Paint(DeviceContext& dc)
{
    for (int row = 0; row < settings.boardRows; ++row) {
        for (int col = 0; col < settings.boardCols; ++col) {
            const int colour = CellColor(row, col);
            if (colour >= 0) {
                painter.color = PieceColor(colour);
                painter.DrawPiece(dc, row, col, false);
            }
        }
    }
    if (showNext) {
        DrawNextColors(dc);
    }
    // Before the first set-up there is no score box to draw in.
    if (scoreRect) {
        dc.FillSolidRect(*scoreRect, Rgb(0, 0, 0));
        scoreDisplay.Draw(dc);
    }
}

void GameController::DrawCell(DeviceContext& dc, int row, int col)
{
    const int colour = CellColor(row, col);
    if (colour >= 0) {
        painter.color = PieceColor(colour);
        painter.DrawPiece(dc, row, col, false);
    } else {
        painter.DrawEmptyCell(dc, row, col);
    }
}

void GameController::DrawNextColors(DeviceContext& dc)
{
    if (!previewRect) {
        return;
    }
    const Rect& preview = *previewRect;
    const int width = preview.Width() / settings.addedPieces;
    Rect slot{preview.left + 1, preview.top, preview.left + width - 1, preview.bottom};
    // The panel's frame covers the slots' first and last rows. A symbol keeps a pixel of its
    // colour on each side where the slot is wide enough; the 6 pixels of five slots it fills.
    const int shownHeight = slot.Height() - 2;
    const int symbolWidth = slot.Width() >= 8 ? slot.Width() - 2 : slot.Width();
    const int side = std::min({12, shownHeight - 2, symbolWidth}) & ~1;
    for (int i = 0; i < settings.addedPieces; ++i) {
        dc.FillSolidRect(slot, PieceColor(nextColors[i]));
        if (painter.symbols) {
            DrawPieceSymbol(dc, slot, nextColors[i], side);
        }
        OffsetRect(slot, width, 0);
    }
    dc.Draw3dRect(preview, Rgb(0, 0, 0), Rgb(255, 255, 255));
}

void GameController::SetPlayerName(const std::string& name)
{
    playerName = name;
}

void GameController::ShowHighScores()
{
    highScores.Show(mainWnd);
}

void GameController::ClearHighScores()
{
    highScores.Reset();
}

void GameController::KillSelectionTimer()
{
    if (mainWnd) {
        mainWnd->KillTimer(SELECTION_TIMER_ID);
    }
}

void GameController::EndSelection()
{
    KillSelectionTimer();
    const int colour = CellColor(selRow, selCol);
    if (colour >= 0) {
        ClientDC dc(mainWnd);
        painter.color = PieceColor(colour);
        painter.DrawPiece(dc, selRow, selCol, false);
    }
}
