#pragma once

#include "app/CellFrame.h"
#include "app/HotArea.h"
#include "app/ToolButton.h"
#include "game/GameController.h"
#include "platform/Control.h"
#include "platform/Dialog.h"
#include "platform/Geometry.h"
#include "settings/GameSettings.h"
#include "settings/PlayersDialog.h"
#include "settings/PreferencesSheet.h"
#include "settings/ViewOptions.h"

#include <cstdint>

class Cursor;
class DataExchange;
class DeviceContext;
class Icon;

// What the colour panel beside the board shows; a click on it moves to the next mode.
constexpr int PANEL_ALL_COLORS = 0;
constexpr int PANEL_NEXT_COLORS = 1;
constexpr int PANEL_BLANK = 2;

// The picture buttons under the board, by index.
constexpr int TOOL_DRAW_NEXT = 0;
constexpr int TOOL_UNDO = 1;
constexpr int TOOL_DELETE = 2;
constexpr int TOOL_COUNT = 3;

// The side of a board cell in pixels.
constexpr int CELL_SIZE = 30;

// The game's window: the board with its cell frames, the tool buttons and the status line under
// it, the title banner, the colour panel and the score to its right, and the menu. It owns the
// game controller and the dialogs, turns the mouse, the keys and the menu into the controller's
// operations, and keeps the buttons, their menu items, the status texts and the cursor in step
// with it.
class MainDialog : public Dialog
{
public:
    explicit MainDialog(Window* parent = nullptr);
    ~MainDialog() override = default;

    void DoDataExchange(DataExchange& dx) override;
    bool OnInitDialog() override;
    void OnSysCommand(unsigned id, long param) override;
    const Icon* OnQueryDragIcon() override;
    void OnOK() override;
    void OnCancel() override;

    // Layout and painting. The board and its ground look the same under every desktop theme.
    ColorScheme GetColorScheme() const override { return ColorScheme::CLASSIC; }
    void Layout();
    void OnPaint() override;
    void PaintGame();
    void DrawColorLegend(DeviceContext& dc);
    void ShowState(int state);

    // The mouse.
    void OnMouseMove(unsigned flags, Point point) override;
    void OnLButtonDown(unsigned flags, Point point) override;
    void OnRButtonUp(unsigned flags, Point point) override;
    void OnTimer(unsigned id) override;
    // A click on a board cell, by the mouse or by Space on the highlighted cell.
    void ClickCell(int row, int col);
    // The cursor of the controller's state: the delete cursor while deleting.
    void UpdateCursor();
    void SetToolEnabled(bool enable, int tool);
    // Enables the undo and delete tools, each button with its menu item, exactly when their
    // commands can act; every command that may change what they can do ends with it.
    void UpdateTools();

    // The keys: the arrows move the highlighted cell, Space clicks it. While the keys moved it
    // last, the cell carries the painter's focus ring as well as its raised frame.
    bool WantsKey(unsigned key, unsigned flags) const override;
    void OnKeyDown(unsigned key, unsigned flags) override;
    void MoveHighlight(int colStep, int rowStep);
    // Puts the focus ring on the cell, or takes it away with row -1; the cell it leaves is
    // drawn again without it.
    void MoveFocusRing(DeviceContext& dc, int row, int col);

    // The menu commands.
    void OnNewGame();
    void OnDrawNext();
    void OnUndo();
    void OnToggleDeleting();
    void OnPlayers();
    void OnHighScores();
    void OnPreferences();
    void OnClearHighScores();
    void OnExit();
    void OnAbout();
    void OnHowToPlay();
    void OnSymbols();

    static const CommandMap commandMap;
    const CommandMap* GetCommandMap() const override { return &commandMap; }

    Control statusLine;
    const Icon* icon = nullptr;
    PlayersDialog playersDialog;
    Rect scoreRect{0, 0, 0, 0};
    Rect clientRect{0, 0, 0, 0};
    HotArea colorPanel{HOT_NORMAL};
    HotArea boardArea{HOT_NORMAL};
    std::int32_t panelMode = PANEL_ALL_COLORS;
    const Cursor* cursor = nullptr;
    GameSettings settings;
    PreferencesSheet preferences;
    ToolButton toolButtons[TOOL_COUNT];
    ToolButton banner{HOT_NORMAL};
    std::int32_t cellSize = 0;
    GameController controller;
    std::int32_t hoverCol = -1;
    std::int32_t hoverRow = -1;
    CellFrame cellFrame;
    // The cell last highlighted, where the keys start when no cell is highlighted.
    std::int32_t lastHoverCol = 0;
    std::int32_t lastHoverRow = 0;
    // Whether the highlighted cell is drawn raised. At start-up the corner cell counts as
    // highlighted without being drawn so: Space leaves it alone, and the first arrow lights it.
    bool hoverDrawn = false;
    ViewOptions viewOptions;
};
