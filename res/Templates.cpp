#include "res/Templates.h"

#include "platform/Message.h"
#include "platform/Translation.h"
#include "res/ResourceIds.h"

namespace {
template <int N>
constexpr int Count(const ControlTemplate (&)[N])
{
    return N;
}

template <int N>
constexpr int Count(const MenuItemTemplate (&)[N])
{
    return N;
}

constexpr unsigned VISIBLE = WS_VISIBLE;
constexpr unsigned LIST = CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP | VISIBLE;
constexpr unsigned CHECK = BS_AUTOCHECKBOX | WS_TABSTOP | VISIBLE;
constexpr unsigned BUTTON = BS_PUSHBUTTON | WS_TABSTOP | VISIBLE;
constexpr unsigned SLIDER = TBS_VERT | TBS_AUTOTICKS | TBS_LEFT | WS_TABSTOP | VISIBLE;
constexpr unsigned LABEL = SS_LEFT | VISIBLE;
constexpr unsigned MODAL = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
constexpr unsigned PAGE = WS_CHILD | WS_CAPTION | DS_SETFONT;

// The main window. Its OK and Cancel buttons exist for Enter and Escape but are never seen; the
// status line is moved and sized by the window's layout.
const ControlTemplate mainControls[] = {
    {IDOK, CONTROL_PUSHBUTTON, "OK", BS_DEFPUSHBUTTON | WS_TABSTOP, 164, 7, 50, 14, 0},
    {IDCANCEL, CONTROL_PUSHBUTTON, "Cancel", BS_PUSHBUTTON | WS_TABSTOP, 164, 23, 50, 14, 0},
    // TRANSLATORS: the status line's text until the window has started; "STATUS" follows at once.
    {IDC_STATUS, CONTROL_STATIC, N_("Status"),
     SS_CENTER | SS_CENTERIMAGE | SS_SUNKEN | WS_GROUP | VISIBLE, 93, 182, 18, 8, 0},
};
const DialogTemplate mainDialog{IDD_MAIN,
                                N_("TOBRIX++"),
                                WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME |
                                    DS_SETFONT,
                                WS_EX_APPWINDOW,
                                IDR_MENU,
                                "MS Serif",
                                8,
                                0,
                                0,
                                221,
                                202,
                                mainControls,
                                Count(mainControls)};

const ControlTemplate aboutControls[] = {
    {IDC_STATIC, CONTROL_ICON, "", SS_ICON | VISIBLE, 11, 12, 21, 20, IDI_MAINFRAME},
    {IDC_STATIC, CONTROL_STATIC, N_("TOBRIX++ by its authors"), SS_NOPREFIX | WS_GROUP | VISIBLE,
     35, 11, 102, 8, 0},
    // The version, written in by the box when it opens.
    {IDC_ABOUT_VERSION, CONTROL_STATIC, "", SS_NOPREFIX | VISIBLE, 35, 21, 102, 8, 0},
    {IDOK, CONTROL_PUSHBUTTON, "OK", BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP | VISIBLE, 54, 34, 50,
     14, 0},
};
const DialogTemplate aboutDialog{
    IDD_ABOUTBOX,  N_("About TOBRIX++"), MODAL, 0, 0, "MS Sans Serif", 8, 0, 0, 150, 55,
    aboutControls, Count(aboutControls)};

const ControlTemplate playingControls[] = {
    {IDC_STATIC, CONTROL_STATIC, N_("Table\nDimensions :"), SS_CENTER | VISIBLE, 26, 8, 42, 18, 0},
    {IDC_COLS, CONTROL_COMBOBOX, "", LIST, 73, 11, 27, 50, 0},
    {IDC_ROWS, CONTROL_COMBOBOX, "", LIST, 118, 11, 27, 48, 0},
    {IDC_SQUARE, CONTROL_CHECKBOX, N_("Square"), CHECK, 155, 13, 39, 10, 0},
    {IDC_STATIC, CONTROL_STATIC, N_("Added pieces :"), LABEL, 10, 37, 47, 8, 0},
    {IDC_ADDED, CONTROL_COMBOBOX, "", LIST, 59, 35, 27, 47, 0},
    {IDC_STATIC, CONTROL_STATIC, N_("Line :"), LABEL, 95, 37, 18, 8, 0},
    {IDC_LINE, CONTROL_COMBOBOX, "", LIST, 114, 35, 27, 53, 0},
    {IDC_STATIC, CONTROL_STATIC, N_("Colors :"), LABEL, 152, 37, 24, 8, 0},
    {IDC_COLORS, CONTROL_COMBOBOX, "", LIST, 177, 34, 27, 45, 0},
    {IDC_LOAD_FACTORY, CONTROL_PUSHBUTTON, N_("Load factory defaults"), BUTTON, 117, 63, 71, 14, 0},
    // TRANSLATORS: between the columns and the rows of the board's size, as in "9 x 9".
    {IDC_STATIC, CONTROL_STATIC, N_("x"), LABEL, 107, 13, 8, 8, 0},
    {IDC_SAVE_DEFAULT, CONTROL_PUSHBUTTON, N_("Save as default"), BUTTON, 23, 63, 71, 14, 0},
};
const DialogTemplate playingPage{
    IDD_PLAYING,     N_("Playing"),         PAGE, 0, 0, "MS Serif", 8, 0, 0, 211, 95,
    playingControls, Count(playingControls)};

const ControlTemplate animationControls[] = {
    {IDC_FADE_ENABLE, CONTROL_CHECKBOX, N_("Enable"), CHECK, 17, 21, 38, 10, 0},
    {IDC_TRAVEL_ENABLE, CONTROL_CHECKBOX, N_("Enable"), CHECK, 79, 21, 38, 10, 0},
    {IDC_FADE_SLIDER, CONTROL_SLIDER, "", SLIDER, 37, 35, 24, 31, 0},
    {IDC_TRAVEL_SLIDER, CONTROL_SLIDER, "", SLIDER, 100, 35, 24, 31, 0},
    {IDC_STATIC, CONTROL_GROUPBOX, N_("Fade in/out"), BS_GROUPBOX | VISIBLE, 9, 10, 59, 66, 0},
    {IDC_STATIC, CONTROL_GROUPBOX, N_("Travel"), BS_GROUPBOX | VISIBLE, 71, 10, 59, 66, 0},
    {IDC_STATIC, CONTROL_STATIC, N_("slow"), LABEL, 18, 38, 15, 8, 0},
    {IDC_STATIC, CONTROL_STATIC, N_("fast"), LABEL, 19, 53, 12, 8, 0},
    {IDC_STATIC, CONTROL_STATIC, N_("slow"), LABEL, 79, 38, 15, 8, 0},
    {IDC_STATIC, CONTROL_STATIC, N_("fast"), LABEL, 81, 53, 12, 8, 0},
};
const DialogTemplate animationPage{
    IDD_ANIMATION,     N_("Animation"),         PAGE, 0, 0, "MS Sans Serif", 8, 0, 0, 142, 85,
    animationControls, Count(animationControls)};

const ControlTemplate rewardingControls[] = {
    {IDC_REWARD_ENABLE, CONTROL_CHECKBOX, N_("Enabled"), CHECK, 26, 42, 42, 10, 0},
    {IDC_IMMEDIATELY, CONTROL_RADIOBUTTON, N_("Immediately"),
     BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP | VISIBLE, 92, 31, 53, 10, 0},
    {IDC_PILE, CONTROL_RADIOBUTTON, N_("Pile"), BS_AUTORADIOBUTTON | VISIBLE, 92, 52, 27, 10, 0},
    {IDC_REWARD_GROUP, CONTROL_GROUPBOX, N_("Reward"), BS_GROUPBOX | VISIBLE, 83, 15, 72, 59, 0},
};
const DialogTemplate rewardingPage{
    IDD_REWARDING,     N_("Rewarding"),         PAGE, 0, 0, "MS Sans Serif", 8, 0, 0, 186, 95,
    rewardingControls, Count(rewardingControls)};

const ControlTemplate playersControls[] = {
    {IDC_NEW_NAME, CONTROL_EDIT, "", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP | VISIBLE, 21, 21, 40,
     14, 0},
    {IDC_PLAYER_LIST, CONTROL_COMBOBOX, "", LIST | CBS_SORT, 95, 21, 75, 49, 0},
    {IDC_CREATE, CONTROL_PUSHBUTTON, N_("Create"), BUTTON, 27, 44, 28, 11, 0},
    {IDC_DELETE_PLAYER, CONTROL_PUSHBUTTON, N_("Delete"), BUTTON, 117, 44, 28, 11, 0},
    {IDOK, CONTROL_PUSHBUTTON, "OK", BS_DEFPUSHBUTTON | WS_TABSTOP | VISIBLE, 27, 74, 50, 14, 0},
    {IDCANCEL, CONTROL_PUSHBUTTON, "Cancel", BUTTON, 109, 74, 50, 14, 0},
    {IDC_STATIC, CONTROL_GROUPBOX, N_("Select player"), BS_GROUPBOX | BS_CENTER | VISIBLE, 80, 7,
     99, 56, 0},
    {IDC_STATIC, CONTROL_GROUPBOX, N_("New player"), BS_GROUPBOX | BS_CENTER | VISIBLE, 7, 7, 66,
     56, 0},
};
const DialogTemplate playersDialog{
    IDD_PLAYERS,     N_("Players"),         MODAL, 0, 0, "MS Sans Serif", 8, 0, 0, 186, 95,
    playersControls, Count(playersControls)};

// The rules in short, for a player who has never seen the game. Each paragraph is one line: the
// text box wraps it at its own width, so the text reads the same in any font and at any scale.
// TRANSLATORS: name the menus, items, pages and the status text as they are translated, and keep
// the keys (Ctrl+N, F1, ...) as they are; each paragraph is one line.
const char howToPlayText[] = N_(
    "Line up pieces of one color. A straight run across, down or diagonally that is at least as "
    "long as the line length (5 unless you change it in Preferences) vanishes, and each of its "
    "pieces scores a point.\n"
    "\n"
    "A turn: click a piece, which starts to jiggle, then a free cell. The piece travels there if a "
    "path of free cells leads to it, without diagonal steps. Click the jiggling piece again to put "
    "it back, or another piece to take that one instead.\n"
    "\n"
    "Only your moves score: the runs that a move completes through its destination vanish, one "
    "point for each piece, and no new pieces come.\n"
    "\n"
    "After a move that clears nothing, new pieces (3 unless you change it) arrive on random free "
    "cells. Runs that they complete vanish without points. The panel beside the board shows the "
    "colors in play: click it to see the colors of the next pieces, again to blank it, and again "
    "to return.\n"
    "\n"
    "Draw next (Game menu, or the left button under the board) lets the next pieces arrive "
    "without a move.\n"
    "\n"
    "Undo (Game menu, or the middle button) takes your last move back with the pieces that "
    "arrived after it, the runs and the points. Pieces you deleted since come back, and so do the "
    "credits they cost; credits the move earned stay yours. Only the last move can be undone, "
    "not after Draw next, and not once more than 50 pieces have been deleted in the turn.\n"
    "\n"
    "A move that clears more pieces than the line length earns a delete credit for each extra "
    "piece. With the reward \"Pile\" the credits add up: Toggle deleting (Game menu, or the right "
    "button) starts delete mode, in which each click on a piece removes it for one credit. With "
    "\"Immediately\" delete mode starts at once. The Rewarding page of Preferences chooses the "
    "rule or turns rewards off.\n"
    "\n"
    "The game ends when the board has fewer free cells than the pieces that must arrive: the "
    "status line says \"Game end\". A score among the five best enters the high-score table, "
    "which is then shown. New starts a new game.\n"
    "\n"
    "Symbols on pieces (View menu) puts a symbol of its own on every color, for players who do "
    "not tell all the colors apart: a diamond on red, a ring on yellow, a square on magenta, a "
    "plus on green, a triangle on cyan, a bar on blue, a dot on white and a cross on black. The "
    "panel shows them too. The game remembers the choice.\n"
    "\n"
    "Keys: the arrows move the lit cell on the board, which a ring marks while the keys move it, "
    "and Space clicks it; at the start the first arrow lights the top-left cell. The menu shows "
    "the shortcuts: Ctrl+N New, Ctrl+D Draw next, Ctrl+Z Undo, Delete Toggle deleting, Ctrl+U "
    "Players, Ctrl+I High scores, Ctrl+, Preferences, Ctrl+Q Exit, Ctrl+M Symbols on pieces, F1 "
    "this help. Escape, too, ends the game and closes the window.");

// The text scrolls in a box, so that the dialog with OK below it fits a small screen (800 by 600
// at any scale).
const ControlTemplate howToPlayControls[] = {
    {IDC_HOW_TO_PLAY_TEXT, CONTROL_EDIT, howToPlayText,
     ES_MULTILINE | ES_READONLY | WS_VSCROLL | WS_BORDER | VISIBLE, 7, 7, 286, 243, 0},
    {IDOK, CONTROL_PUSHBUTTON, "OK", BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP | VISIBLE, 125, 254,
     50, 14, 0},
};
const DialogTemplate howToPlayDialog{
    IDD_HOW_TO_PLAY,   N_("How to play"),       MODAL, 0, 0, "MS Sans Serif", 8, 0, 0, 300, 275,
    howToPlayControls, Count(howToPlayControls)};

// The shortcuts are kept apart from the texts; the menu shows them beside the texts.
const MenuItemTemplate gameMenu[] = {
    // TRANSLATORS: in the menus the letter after "&" chooses the item with Alt; keep the letters of
    // one menu different. The shortcuts (Ctrl+N, ...) are not part of the texts and stay the same.
    {N_("&New"), ID_GAME_NEW, 0, nullptr, 0, {'N', FCONTROL}},
    {nullptr, 0, MF_SEPARATOR, nullptr, 0},
    {N_("Dra&w next"), ID_GAME_DRAW_NEXT, 0, nullptr, 0, {'D', FCONTROL}},
    {N_("&Undo"), ID_GAME_UNDO, MF_GRAYED, nullptr, 0, {'Z', FCONTROL}},
    {N_("Toggle &deleting"), ID_GAME_TOGGLE_DELETING, MF_GRAYED, nullptr, 0, {VK_DELETE, 0}},
    {nullptr, 0, MF_SEPARATOR, nullptr, 0},
    {N_("&Players"), ID_GAME_PLAYERS, 0, nullptr, 0, {'U', FCONTROL}},
    {N_("&High scores"), ID_GAME_HIGH_SCORES, 0, nullptr, 0, {'I', FCONTROL}},
    {N_("&Preferences"), ID_GAME_PREFERENCES, 0, nullptr, 0, {VK_OEM_COMMA, FCONTROL}},
    {nullptr, 0, MF_SEPARATOR, nullptr, 0},
    {N_("Clear high scores"), ID_GAME_CLEAR_HIGH_SCORES, 0, nullptr, 0},
    {N_("E&xit"), ID_GAME_EXIT, 0, nullptr, 0, {'Q', FCONTROL}},
};
// Ctrl+S and Ctrl+Shift+S are the desktop's save keys, so the symbols take M, for marks.
const MenuItemTemplate viewMenu[] = {
    {N_("&Symbols on pieces"), ID_VIEW_SYMBOLS, MF_CHECKABLE, nullptr, 0, {'M', FCONTROL}},
};
const MenuItemTemplate helpMenu[] = {
    {N_("&About"), IDM_ABOUTBOX, 0, nullptr, 0},
    {N_("How to &play"), ID_HELP_HOW_TO_PLAY, 0, nullptr, 0, {VK_F1, 0}},
};
const MenuItemTemplate menuBar[] = {
    {N_("&Game"), 0, MF_POPUP, gameMenu, Count(gameMenu)},
    {N_("&View"), 0, MF_POPUP, viewMenu, Count(viewMenu)},
    {N_("&Help"), 0, MF_POPUP, helpMenu, Count(helpMenu)},
};
const MenuTemplate mainMenu{IDR_MENU, menuBar, Count(menuBar)};
} // namespace

const DialogTemplate* FindDialogTemplate(int id)
{
    switch (id) {
    case IDD_ABOUTBOX:
        return &aboutDialog;
    case IDD_MAIN:
        return &mainDialog;
    case IDD_PLAYING:
        return &playingPage;
    case IDD_ANIMATION:
        return &animationPage;
    case IDD_REWARDING:
        return &rewardingPage;
    case IDD_PLAYERS:
        return &playersDialog;
    case IDD_HOW_TO_PLAY:
        return &howToPlayDialog;
    default:
        return nullptr;
    }
}

const MenuTemplate* FindMenuTemplate(int id)
{
    return id == IDR_MENU ? &mainMenu : nullptr;
}

const char* LoadResourceString(int id)
{
    // TRANSLATORS: the item of the window menu (the title bar's menu) that opens About.
    return id == IDS_ABOUTBOX ? N_("&About tobrix2...") : nullptr;
}
