#pragma once

#include "board/Board.h"
#include "board/CellPos.h"
#include "board/PiecePainter.h"
#include "game/MoveHistory.h"
#include "game/ScoreDisplay.h"
#include "platform/Geometry.h"
#include "settings/GameSettings.h"
#include "settings/HighScoreTable.h"

#include <cstdint>
#include <string>

class DeviceContext;
class Window;

// The states of a turn. The numbers are fixed: the main window maps them to its status texts.
constexpr int STATE_SELECT_PIECE = 0;
constexpr int STATE_SELECT_DESTINATION = 1;
constexpr int STATE_MOVING = 2;
constexpr int STATE_DELETING = 3;
constexpr int STATE_GAME_END = 4;

// The timer that jiggles the selected piece, set on the main window while a piece is selected.
constexpr unsigned SELECTION_TIMER_ID = 200;
constexpr unsigned SELECTION_TIMER_PERIOD = 80;

// Nominal pauses of the animations in milliseconds (at speed 3), and their frame counts.
constexpr int TRAVEL_PAUSE = 25;
constexpr int RETURN_PAUSE = 70;
constexpr int FADE_PAUSE = 3;
constexpr int APPEAR_FRAMES = 11;
constexpr int VANISH_FRAMES = 10;

// Which way AnimateTravel walks a route.
constexpr int TRAVEL_FORWARD = 1;
constexpr int TRAVEL_BACKWARD = -1;

// The most pieces that arrive in one turn.
constexpr int ADDED_PIECES_MAX = HISTORY_ADDED_MAX;

// The game itself: the board, the turn's state machine, the animations, the score with its
// rewards and delete mode, and Undo. It draws straight into the main window through client
// contexts, pauses with Sleep between frames, and allocates nothing during play.
class GameController
{
public:
    GameController() = default;
    virtual ~GameController() = default;

    // Called by the main window.
    void Setup(int cellSize, const GameSettings& newSettings, const Rect* newPreviewRect,
               const Rect* newScoreRect, Window* window);
    void NewGame();
    void EndGame();
    int OnCellClick(int row, int col);
    void OnSelectionTimer();
    int AddPieces(int drawNext, int instant);
    void Undo();
    void EnterDeleteMode();
    void LeaveDeleteMode();
    void Paint(DeviceContext& dc);
    // Draws the cell as the board holds it, a piece at rest or the empty ground: what the main
    // window asks for when the focus ring leaves a cell.
    void DrawCell(DeviceContext& dc, int row, int col);
    int IsUndoAvailable() const { return undoAvailable; }
    // Whether Toggle deleting can act: leave delete mode, or enter it with piled credits and a
    // piece to delete.
    int IsDeleteAvailable() const;
    void SetPlayerName(const std::string& name);
    void ShowHighScores();
    void ClearHighScores();

    // The steps of a turn.
    void ClearBoard();
    void ChooseNextColors();
    void ChooseNewPieceCells();
    void SelectPiece(int row, int col);
    void SelectDestination(int row, int col);
    void FinishMove(int steps);
    void DrawNextColors(DeviceContext& dc);
    void ScoreMove(DeviceContext& dc, int n);
    void DeletePiece(int row, int col);

    // The animations. Each ends with its final picture drawn: the piece at the end of its
    // route, arrived pieces at full size, cleared cells empty.
    void AnimateTravel(DeviceContext& dc, const CellPos* cells, int steps, int direction,
                       int pause);
    void AnimateAppear(DeviceContext& dc, const CellPos* cells, int count, const int* colours);
    void VanishCells(DeviceContext& dc, int n);
    void AnimateDisappear(DeviceContext& dc, const CellPos* cells, int count, const int* colours);

    std::int32_t showNext = 0;
    GameSettings settings;
    std::int32_t deleteCredits = 0;
    std::int32_t nextColors[ADDED_PIECES_MAX] = {};
    CellPos route[BOARD_CELLS] = {};
    CellPos newPieceCells[ADDED_PIECES_MAX] = {};
    std::int32_t selRow = 0;
    std::int32_t selCol = 0;
    CellPos removedCells[RUN_CELLS_MAX] = {};
    std::string playerName;
    const Rect* previewRect = nullptr;
    const Rect* scoreRect = nullptr;
    Window* mainWnd = nullptr;
    std::int32_t state = STATE_SELECT_PIECE;
    MoveHistory history;
    std::int32_t undoAvailable = 0;
    std::int32_t deleteAvailable = 0;
    ScoreDisplay scoreDisplay;
    PiecePainter painter;
    Board board;
    HighScoreTable highScores;
    // The score this game last offered to the high-score table, -1 when none was offered yet:
    // leaving a finished game by New or Exit must not enter the same score a second time.
    std::int32_t offeredScore = -1;

private:
    int CellColor(int row, int col) const { return board.cells[col + row * BOARD_STRIDE]; }
    void KillSelectionTimer();
    // The selection ends: the timer stops and the piece, if still there, comes to rest centred.
    void EndSelection();
    // Shrinks the pieces to nothing and leaves the cells empty; without colours every cell keeps
    // the painter's colour.
    void FadeOut(DeviceContext& dc, const CellPos* cells, int count, const int* colours);
};
