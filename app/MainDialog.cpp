#include "app/MainDialog.h"

#include "app/AboutDialog.h"
#include "app/HowToPlayDialog.h"
#include "platform/Cursor.h"
#include "platform/DataExchange.h"
#include "platform/Icon.h"
#include "platform/Menu.h"
#include "platform/Resources.h"
#include "platform/Translation.h"
#include "res/ResourceIds.h"

const CommandEntry mainDialogCommands[] = {
    MapCommand(ID_GAME_NEW, &MainDialog::OnNewGame),
    MapCommand(ID_GAME_DRAW_NEXT, &MainDialog::OnDrawNext),
    MapCommand(ID_GAME_UNDO, &MainDialog::OnUndo),
    MapCommand(ID_GAME_TOGGLE_DELETING, &MainDialog::OnToggleDeleting),
    MapCommand(ID_GAME_PLAYERS, &MainDialog::OnPlayers),
    MapCommand(ID_GAME_HIGH_SCORES, &MainDialog::OnHighScores),
    MapCommand(ID_GAME_PREFERENCES, &MainDialog::OnPreferences),
    MapCommand(ID_GAME_CLEAR_HIGH_SCORES, &MainDialog::OnClearHighScores),
    MapCommand(ID_GAME_EXIT, &MainDialog::OnExit),
    MapCommand(IDM_ABOUTBOX, &MainDialog::OnAbout),
    MapCommand(ID_HELP_HOW_TO_PLAY, &MainDialog::OnHowToPlay),
    MapCommand(ID_VIEW_SYMBOLS, &MainDialog::OnSymbols),
};

const CommandMap MainDialog::commandMap{
    &Window::commandMap, mainDialogCommands,
    static_cast<int>(sizeof mainDialogCommands / sizeof mainDialogCommands[0])};

MainDialog::MainDialog(Window* parent) : Dialog(IDD_MAIN, parent), preferences(this)
{
    icon = Icon::Load(IDI_MAINFRAME);
}

void MainDialog::DoDataExchange(DataExchange& dx)
{
    dx.Bind(IDC_STATUS, statusLine);
}

namespace {
struct ToolSetup
{
    const char* tip;
    int normal;
    int hovered;
    int disabled; // 0: the button is never disabled
};

const ToolSetup toolSetups[TOOL_COUNT] = {
    {N_("Click to draw next pieces"), IDB_DRAW_NEXT, IDB_DRAW_NEXT_HOVER, 0},
    {N_("Click to undo last move"), IDB_UNDO, IDB_UNDO_HOVER, IDB_UNDO_DISABLED},
    {N_("Click to toggle delete"), IDB_DELETE, IDB_DELETE_HOVER, IDB_DELETE_DISABLED},
};
} // namespace

bool MainDialog::OnInitDialog()
{
    Dialog::OnInitDialog();

    if (Menu* systemMenu = GetSystemMenu(false)) {
        const char* about = LoadStringResource(IDS_ABOUTBOX);
        if (about[0] != '\0') {
            systemMenu->AppendMenu(MF_SEPARATOR);
            systemMenu->AppendMenu(MF_STRING, IDM_ABOUTBOX, about);
        }
    }

    SetIcon(icon, true);
    SetIcon(icon, false);

    preferences.AddPages();
    preferences.LoadDefaults(settings);
    playersDialog.LoadPlayers();
    viewOptions.Load();
    controller.painter.symbols = viewOptions.symbols;
    if (Menu* menu = GetMenu()) {
        menu->CheckMenuItem(ID_VIEW_SYMBOLS, viewOptions.symbols ? MF_CHECKED : MF_UNCHECKED);
    }

    panelMode = PANEL_ALL_COLORS;
    cursor = Cursor::Load(IDCUR_SELECT);

    cellSize = CELL_SIZE;
    cellFrame.cellSize = CELL_SIZE;

    for (int tool = 0; tool < TOOL_COUNT; ++tool) {
        const ToolSetup& setup = toolSetups[tool];
        toolButtons[tool].tip = _(setup.tip);
        toolButtons[tool].LoadStateBitmap(setup.normal, HOT_NORMAL);
        toolButtons[tool].LoadStateBitmap(setup.hovered, HOT_HOVERED);
        if (setup.disabled != 0) {
            toolButtons[tool].LoadStateBitmap(setup.disabled, HOT_DISABLED);
        }
    }
    banner.LoadStateBitmap(IDB_BANNER, HOT_NORMAL);

    Layout();
    // The first game starts as if the corner cell were lit, though none is drawn so.
    hoverCol = 0;
    hoverRow = 0;
    return true;
}

void MainDialog::OnSysCommand(unsigned id, long param)
{
    if ((id & 0xFFF0) == IDM_ABOUTBOX) {
        AboutDialog about;
        about.DoModal();
    } else {
        Dialog::OnSysCommand(id, param);
    }
}

const Icon* MainDialog::OnQueryDragIcon()
{
    return icon;
}

// Enter and the hidden default button must never close the game's window.
void MainDialog::OnOK() {}

void MainDialog::OnCancel()
{
    controller.EndGame();
    ReleaseCapture();
    Dialog::OnCancel();
}

void MainDialog::OnExit()
{
    controller.EndGame();
    Dialog::OnOK();
}

void MainDialog::OnAbout()
{
    AboutDialog about;
    about.DoModal();
}

void MainDialog::OnHowToPlay()
{
    HowToPlayDialog howToPlay(this);
    howToPlay.DoModal();
}
