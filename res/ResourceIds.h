#pragma once

// Resource identifiers of the game. Ids are per kind: 132 is both a dialog and a bitmap.

// Dialog templates, the menu, the string table.
constexpr int IDD_ABOUTBOX = 100;
constexpr int IDS_ABOUTBOX = 101;
constexpr int IDD_MAIN = 102;
constexpr int IDR_MENU = 129;
constexpr int IDD_PLAYING = 132;
constexpr int IDD_ANIMATION = 133;
constexpr int IDD_REWARDING = 140;
constexpr int IDD_PLAYERS = 141;
constexpr int IDD_HOW_TO_PLAY = 145;

// The application icon (16 and 32 pixels).
constexpr int IDI_MAINFRAME = 128;

// Bitmaps: the three tool buttons in their three looks, and the title banner.
constexpr int IDB_DRAW_NEXT = 130;
constexpr int IDB_DRAW_NEXT_HOVER = 142;
constexpr int IDB_UNDO = 132;
constexpr int IDB_UNDO_HOVER = 133;
constexpr int IDB_UNDO_DISABLED = 140;
constexpr int IDB_DELETE = 141;
constexpr int IDB_DELETE_HOVER = 143;
constexpr int IDB_DELETE_DISABLED = 144;
constexpr int IDB_BANNER = 139;

// Cursors, 32 by 32 with the hot spot at (16, 16).
constexpr int IDCUR_SELECT = 143;
constexpr int IDCUR_DELETE = 144;

// Controls. Ids are per dialog: 1022 is the travel slider on the Animation page and the reward
// switch on the Rewarding page.
constexpr int IDC_STATUS = 1031;
constexpr int IDC_COLS = 1004;
constexpr int IDC_ROWS = 1005;
constexpr int IDC_SQUARE = 1006;
constexpr int IDC_ADDED = 1011;
constexpr int IDC_LINE = 1013;
constexpr int IDC_COLORS = 1014;
constexpr int IDC_LOAD_FACTORY = 1015;
constexpr int IDC_SAVE_DEFAULT = 1016;
constexpr int IDC_FADE_ENABLE = 1018;
constexpr int IDC_TRAVEL_ENABLE = 1019;
constexpr int IDC_FADE_SLIDER = 1021;
constexpr int IDC_TRAVEL_SLIDER = 1022;
constexpr int IDC_REWARD_ENABLE = 1022;
constexpr int IDC_IMMEDIATELY = 1023;
constexpr int IDC_PILE = 1024;
constexpr int IDC_REWARD_GROUP = 1025;
constexpr int IDC_CREATE = 1026;
constexpr int IDC_PLAYER_LIST = 1027;
constexpr int IDC_DELETE_PLAYER = 1028;
constexpr int IDC_NEW_NAME = 1029;
constexpr int IDC_HOW_TO_PLAY_TEXT = 1030;
constexpr int IDC_ABOUT_VERSION = 1031;

// Menu commands. 16 is the About command both in the Help menu and in the system menu.
constexpr int IDM_ABOUTBOX = 16;
constexpr int ID_GAME_EXIT = 32771;
constexpr int ID_GAME_DRAW_NEXT = 32772;
constexpr int ID_GAME_NEW = 32773;
constexpr int ID_GAME_PREFERENCES = 32774;
constexpr int ID_GAME_UNDO = 32775;
constexpr int ID_GAME_HIGH_SCORES = 32776;
constexpr int ID_GAME_PLAYERS = 32777;
constexpr int ID_GAME_CLEAR_HIGH_SCORES = 32778;
constexpr int ID_GAME_TOGGLE_DELETING = 32779;
constexpr int ID_HELP_HOW_TO_PLAY = 32780;
constexpr int ID_VIEW_SYMBOLS = 32781;
