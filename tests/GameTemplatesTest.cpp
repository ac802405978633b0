#include "HeadlessTest.h"

#include "platform/ClientDC.h"
#include "platform/Cursor.h"
#include "platform/Dialog.h"
#include "platform/Icon.h"
#include "platform/Menu.h"
#include "res/GameResources.h"
#include "res/ResourceIds.h"
#include "res/Templates.h"

#include <cctype>
#include <cstring>
#include <set>
#include <string>
#include <utility>

namespace {
const ControlTemplate* FindControl(const DialogTemplate& t, int id, const char* text = nullptr)
{
    for (int i = 0; i < t.controlCount; ++i) {
        const ControlTemplate& c = t.controls[i];
        if (c.id == id && (!text || std::strcmp(c.text, text) == 0)) {
            return &c;
        }
    }
    return nullptr;
}

void ExpectRect(const ControlTemplate* c, int x, int y, int cx, int cy)
{
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->x, x) << c->text;
    EXPECT_EQ(c->y, y) << c->text;
    EXPECT_EQ(c->cx, cx) << c->text;
    EXPECT_EQ(c->cy, cy) << c->text;
}
} // namespace

TEST(GameTemplates, TheMainWindowHasItsFrameMenuFontAndThreeControls)
{
    const DialogTemplate* main = FindDialogTemplate(IDD_MAIN);
    ASSERT_NE(main, nullptr);
    EXPECT_STREQ(main->caption, "TOBRIX++");
    EXPECT_EQ(main->style,
              WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT);
    EXPECT_EQ(main->exStyle, WS_EX_APPWINDOW);
    EXPECT_EQ(main->menuId, IDR_MENU);
    EXPECT_STREQ(main->fontName, "MS Serif");
    EXPECT_EQ(main->fontSize, 8);
    EXPECT_EQ(main->cx, 221);
    EXPECT_EQ(main->cy, 202);
    ASSERT_EQ(main->controlCount, 3);
    const ControlTemplate* ok = FindControl(*main, IDOK);
    ExpectRect(ok, 164, 7, 50, 14);
    EXPECT_EQ(ok->style & (WS_VISIBLE | 0x0F), BS_DEFPUSHBUTTON);
    const ControlTemplate* cancel = FindControl(*main, IDCANCEL);
    ExpectRect(cancel, 164, 23, 50, 14);
    EXPECT_FALSE(cancel->style & WS_VISIBLE);
    const ControlTemplate* status = FindControl(*main, IDC_STATUS);
    ExpectRect(status, 93, 182, 18, 8);
    EXPECT_STREQ(status->text, "Status");
    EXPECT_EQ(status->style, SS_CENTER | SS_CENTERIMAGE | SS_SUNKEN | WS_GROUP | WS_VISIBLE);
    EXPECT_EQ(FindDialogTemplate(4242), nullptr);
    EXPECT_STREQ(LoadResourceString(IDS_ABOUTBOX), "&About tobrix2...");
    EXPECT_EQ(LoadResourceString(4242), nullptr);
}

TEST(GameTemplates, TheAboutBoxShowsTheIconACreditTheVersionAndOk)
{
    const DialogTemplate* about = FindDialogTemplate(IDD_ABOUTBOX);
    ASSERT_NE(about, nullptr);
    EXPECT_STREQ(about->caption, "About TOBRIX++");
    EXPECT_EQ(about->style, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT);
    EXPECT_STREQ(about->fontName, "MS Sans Serif");
    EXPECT_EQ(about->cx, 150);
    EXPECT_EQ(about->cy, 55);
    ASSERT_EQ(about->controlCount, 4);
    EXPECT_EQ(about->controls[0].kind, CONTROL_ICON);
    EXPECT_EQ(about->controls[0].resourceId, IDI_MAINFRAME);
    ExpectRect(&about->controls[0], 11, 12, 21, 20);
    ExpectRect(&about->controls[1], 35, 11, 102, 8);
    EXPECT_TRUE(about->controls[1].style & SS_NOPREFIX);
    ExpectRect(FindControl(*about, IDC_ABOUT_VERSION), 35, 21, 102, 8);
    ExpectRect(FindControl(*about, IDOK), 54, 34, 50, 14);
}

TEST(GameTemplates, ThePreferencesPagesHoldTheirControlsInTabOrder)
{
    const DialogTemplate* playing = FindDialogTemplate(IDD_PLAYING);
    ASSERT_NE(playing, nullptr);
    EXPECT_STREQ(playing->caption, "Playing");
    EXPECT_STREQ(playing->fontName, "MS Serif");
    EXPECT_EQ(playing->cx, 211);
    EXPECT_EQ(playing->cy, 95);
    ASSERT_EQ(playing->controlCount, 13);
    const int order[] = {IDC_STATIC,       IDC_COLS,   IDC_ROWS,        IDC_SQUARE, IDC_STATIC,
                         IDC_ADDED,        IDC_STATIC, IDC_LINE,        IDC_STATIC, IDC_COLORS,
                         IDC_LOAD_FACTORY, IDC_STATIC, IDC_SAVE_DEFAULT};
    for (int i = 0; i < 13; ++i) {
        EXPECT_EQ(playing->controls[i].id, order[i]) << i;
    }
    EXPECT_STREQ(playing->controls[0].text, "Table\nDimensions :");
    EXPECT_TRUE(playing->controls[0].style & SS_CENTER);
    ExpectRect(FindControl(*playing, IDC_COLS), 73, 11, 27, 50);
    ExpectRect(FindControl(*playing, IDC_ROWS), 118, 11, 27, 48);
    ExpectRect(FindControl(*playing, IDC_COLORS), 177, 34, 27, 45);
    ExpectRect(FindControl(*playing, IDC_STATIC, "x"), 107, 13, 8, 8);
    EXPECT_STREQ(FindControl(*playing, IDC_LOAD_FACTORY)->text, "Load factory defaults");
    EXPECT_STREQ(FindControl(*playing, IDC_SAVE_DEFAULT)->text, "Save as default");
    EXPECT_EQ(FindControl(*playing, IDC_COLS)->style & (CBS_DROPDOWNLIST | CBS_SORT),
              CBS_DROPDOWNLIST);

    const DialogTemplate* animation = FindDialogTemplate(IDD_ANIMATION);
    ASSERT_NE(animation, nullptr);
    EXPECT_STREQ(animation->caption, "Animation");
    EXPECT_STREQ(animation->fontName, "MS Sans Serif");
    EXPECT_EQ(animation->cx, 142);
    EXPECT_EQ(animation->cy, 85);
    ASSERT_EQ(animation->controlCount, 10);
    const ControlTemplate* fade = FindControl(*animation, IDC_FADE_SLIDER);
    ExpectRect(fade, 37, 35, 24, 31);
    EXPECT_EQ(fade->kind, CONTROL_SLIDER);
    EXPECT_EQ(fade->style & (TBS_VERT | TBS_AUTOTICKS | TBS_LEFT),
              TBS_VERT | TBS_AUTOTICKS | TBS_LEFT);
    ExpectRect(FindControl(*animation, IDC_STATIC, "Fade in/out"), 9, 10, 59, 66);
    ExpectRect(FindControl(*animation, IDC_STATIC, "fast"), 19, 53, 12, 8);

    const DialogTemplate* rewarding = FindDialogTemplate(IDD_REWARDING);
    ASSERT_NE(rewarding, nullptr);
    EXPECT_STREQ(rewarding->caption, "Rewarding");
    EXPECT_EQ(rewarding->cx, 186);
    ASSERT_EQ(rewarding->controlCount, 4);
    EXPECT_EQ(rewarding->controls[1].id, IDC_IMMEDIATELY);
    EXPECT_TRUE(rewarding->controls[1].style & WS_GROUP);
    EXPECT_FALSE(rewarding->controls[2].style & WS_GROUP);
    ExpectRect(FindControl(*rewarding, IDC_PILE), 92, 52, 27, 10);
    ExpectRect(FindControl(*rewarding, IDC_REWARD_GROUP), 83, 15, 72, 59);
}

TEST(GameTemplates, ThePlayersDialogHasASortedListAndOkAsItsDefault)
{
    const DialogTemplate* players = FindDialogTemplate(IDD_PLAYERS);
    ASSERT_NE(players, nullptr);
    EXPECT_STREQ(players->caption, "Players");
    EXPECT_EQ(players->cx, 186);
    EXPECT_EQ(players->cy, 95);
    ASSERT_EQ(players->controlCount, 8);
    EXPECT_EQ(players->controls[0].id, IDC_NEW_NAME);
    EXPECT_EQ(players->controls[1].id, IDC_PLAYER_LIST);
    EXPECT_TRUE(players->controls[1].style & CBS_SORT);
    ExpectRect(FindControl(*players, IDC_CREATE), 27, 44, 28, 11);
    ExpectRect(FindControl(*players, IDC_DELETE_PLAYER), 117, 44, 28, 11);
    EXPECT_EQ(FindControl(*players, IDOK)->style & 0x0F, BS_DEFPUSHBUTTON);
    const ControlTemplate* group = FindControl(*players, IDC_STATIC, "Select player");
    ExpectRect(group, 80, 7, 99, 56);
    EXPECT_EQ(group->style & BS_CENTER, BS_CENTER);
}

TEST(GameTemplates, TheMenuHasTheGameViewAndHelpPopupsWithUndoAndDeletingGrayed)
{
    const MenuTemplate* menu = FindMenuTemplate(IDR_MENU);
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->count, 3);
    EXPECT_STREQ(menu->items[0].text, "&Game");
    EXPECT_STREQ(menu->items[1].text, "&View");
    EXPECT_STREQ(menu->items[2].text, "&Help");
    const MenuItemTemplate* game = menu->items[0].subItems;
    ASSERT_EQ(menu->items[0].subCount, 12);
    const unsigned ids[] = {ID_GAME_NEW,
                            0,
                            ID_GAME_DRAW_NEXT,
                            ID_GAME_UNDO,
                            ID_GAME_TOGGLE_DELETING,
                            0,
                            ID_GAME_PLAYERS,
                            ID_GAME_HIGH_SCORES,
                            ID_GAME_PREFERENCES,
                            0,
                            ID_GAME_CLEAR_HIGH_SCORES,
                            ID_GAME_EXIT};
    const char* texts[] = {
        "&New",     nullptr,        "Dra&w next",   "&Undo", "Toggle &deleting",  nullptr,
        "&Players", "&High scores", "&Preferences", nullptr, "Clear high scores", "E&xit"};
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(game[i].id, ids[i]) << i;
        if (texts[i]) {
            EXPECT_STREQ(game[i].text, texts[i]);
            bool grayed = ids[i] == ID_GAME_UNDO || ids[i] == ID_GAME_TOGGLE_DELETING;
            EXPECT_EQ((game[i].flags & MF_GRAYED) != 0, grayed) << texts[i];
        } else {
            EXPECT_EQ(game[i].flags, MF_SEPARATOR);
        }
    }
    // The View menu's one option starts unticked.
    ASSERT_EQ(menu->items[1].subCount, 1);
    const MenuItemTemplate& symbols = menu->items[1].subItems[0];
    EXPECT_STREQ(symbols.text, "&Symbols on pieces");
    EXPECT_EQ(symbols.id, static_cast<unsigned>(ID_VIEW_SYMBOLS));
    EXPECT_EQ(symbols.flags, MF_CHECKABLE);
    ASSERT_EQ(menu->items[2].subCount, 2);
    EXPECT_STREQ(menu->items[2].subItems[0].text, "&About");
    EXPECT_EQ(menu->items[2].subItems[0].id, static_cast<unsigned>(IDM_ABOUTBOX));
    EXPECT_STREQ(menu->items[2].subItems[1].text, "How to &play");
    EXPECT_EQ(menu->items[2].subItems[1].id, static_cast<unsigned>(ID_HELP_HOW_TO_PLAY));
    EXPECT_EQ(FindMenuTemplate(4242), nullptr);

    // No two shortcuts of the menu are the same key and no two popups of the bar share a
    // mnemonic, so every such key reaches the one item it names.
    std::set<std::pair<unsigned, unsigned>> shortcuts;
    std::set<char> barKeys;
    for (int p = 0; p < menu->count; ++p) {
        const char* mnemonic = std::strchr(menu->items[p].text, '&');
        ASSERT_NE(mnemonic, nullptr);
        EXPECT_TRUE(barKeys.insert(static_cast<char>(std::toupper(mnemonic[1]))).second)
            << menu->items[p].text;
        for (int i = 0; i < menu->items[p].subCount; ++i) {
            const MenuItemTemplate& item = menu->items[p].subItems[i];
            if (item.accel.key != 0) {
                EXPECT_TRUE(shortcuts.insert({item.accel.key, item.accel.modifiers}).second)
                    << item.text;
            }
        }
    }
    EXPECT_EQ(shortcuts.size(), 10u);
}

TEST_F(HeadlessTest, EveryGameDialogIsBuiltWithItsControls)
{
    for (int id : {IDD_MAIN, IDD_ABOUTBOX, IDD_PLAYERS, IDD_HOW_TO_PLAY}) {
        Dialog dialog(id);
        ASSERT_TRUE(dialog.Create()) << id;
        const DialogTemplate* t = FindDialogTemplate(id);
        EXPECT_EQ(dialog.GetControlCount(), t->controlCount);
        EXPECT_EQ(dialog.GetWindowText(), t->caption);
        Rect client;
        dialog.GetClientRect(&client);
        EXPECT_EQ(client.Width(), HeadlessBackend::MapDialogRect(0, 0, t->cx, t->cy).Width());
    }
    // How to play shows its whole text to scroll through; typing changes nothing.
    Dialog howToPlay(IDD_HOW_TO_PLAY);
    ASSERT_TRUE(howToPlay.Create());
    const char* rules = FindDialogTemplate(IDD_HOW_TO_PLAY)->controls[0].text;
    headless.TypeText(howToPlay, IDC_HOW_TO_PLAY_TEXT, "typed");
    EXPECT_EQ(howToPlay.GetDlgItem(IDC_HOW_TO_PLAY_TEXT)->GetWindowText(), rules);

    Dialog main(IDD_MAIN);
    ASSERT_TRUE(main.Create());
    EXPECT_FALSE(main.GetDlgItem(IDOK)->IsWindowVisible());
    EXPECT_TRUE(main.GetDlgItem(IDC_STATUS)->IsWindowVisible());
    EXPECT_EQ(main.GetDefaultButtonId(), IDOK);
    Menu* menu = main.GetMenu();
    ASSERT_NE(menu, nullptr);
    Menu* game = menu->GetSubMenu(0);
    ASSERT_NE(game, nullptr);
    EXPECT_EQ(game->GetMenuState(ID_GAME_UNDO, MF_BYCOMMAND), static_cast<int>(MF_GRAYED));
    EXPECT_EQ(game->GetMenuState(ID_GAME_NEW, MF_BYCOMMAND), 0);
    game->EnableMenuItem(ID_GAME_UNDO, MF_BYCOMMAND | MF_ENABLED);
    EXPECT_TRUE(headless.ChooseMenuItem(main, ID_GAME_UNDO));
    EXPECT_FALSE(headless.ChooseMenuItem(main, ID_GAME_TOGGLE_DELETING));
    EXPECT_TRUE(headless.ChooseMenuItem(main, IDM_ABOUTBOX));
    EXPECT_NE(main.GetSystemMenu(false), nullptr);
    // Enter reaches the hidden default button: a plain dialog ends with IDOK.
    EXPECT_TRUE(headless.Peer(main)->visible);
    headless.Enter(main);
    EXPECT_TRUE(main.IsEnded());
    EXPECT_EQ(main.GetResult(), IDOK);
    EXPECT_FALSE(headless.Peer(main)->visible);
}

TEST_F(HeadlessTest, CursorsAndTheIconComeFromTheArt)
{
    const Cursor* select = Cursor::Load(IDCUR_SELECT);
    const Cursor* remove = Cursor::Load(IDCUR_DELETE);
    ASSERT_NE(select, nullptr);
    ASSERT_NE(remove, nullptr);
    EXPECT_EQ(Cursor::Load(IDCUR_SELECT), select);
    EXPECT_NE(select, remove);
    EXPECT_EQ(select->GetImage().Width(), 32);
    EXPECT_EQ(select->GetHotSpot().x, 16);
    EXPECT_EQ(remove->GetHotSpot().y, 16);
    EXPECT_EQ(Cursor::Load(4242), nullptr);

    const Icon* icon = Icon::Load(IDI_MAINFRAME);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->GetImage(32).Width(), 32);
    EXPECT_EQ(icon->GetImage(16).Width(), 16);
    EXPECT_EQ(Icon::Load(4242), nullptr);

    Dialog main(IDD_MAIN);
    ASSERT_TRUE(main.Create());
    main.SetCursor(remove);
    main.SetIcon(icon, true);
    main.SetIcon(icon, false);
    EXPECT_EQ(headless.Peer(main)->cursor, remove);
    EXPECT_EQ(main.GetCursor(), remove);
    EXPECT_EQ(headless.Peer(main)->bigIcon, icon);
    EXPECT_EQ(main.GetIcon(false), icon);

    // The icon is drawn over what is there, its transparent pixels left alone.
    ClientDC dc(main);
    dc.FillSolidRect(Rect{0, 0, 40, 40}, Rgb(1, 2, 3));
    DrawIcon(dc, 4, 4, icon);
    int changed = 0;
    int kept = 0;
    const Bitmap& image = icon->GetImage(32);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            ColorRef source = image.image.GetPixel(x, y);
            ColorRef drawn = main.GetBackBuffer().GetPixel(x + 4, y + 4);
            if (source == Bitmap::TRANSPARENT_PIXEL) {
                kept += drawn == Rgb(1, 2, 3);
            } else {
                changed += drawn == source;
            }
        }
    }
    EXPECT_GT(changed, 0);
    EXPECT_EQ(changed + kept, 32 * 32);
}

TEST(GameTemplates, TheGameResourceTableServesEverything)
{
    SetResourceTable(&GameResources());
    EXPECT_EQ(FindDialogResource(IDD_PLAYERS), FindDialogTemplate(IDD_PLAYERS));
    EXPECT_EQ(FindMenuResource(IDR_MENU), FindMenuTemplate(IDR_MENU));
    EXPECT_STREQ(LoadStringResource(IDS_ABOUTBOX), "&About tobrix2...");
    EXPECT_STREQ(LoadStringResource(4242), "");
    EXPECT_NE(FindBitmapResource(IDB_BANNER), nullptr);
    EXPECT_NE(FindCursorResource(IDCUR_DELETE), nullptr);
    EXPECT_NE(FindIconResource(IDI_MAINFRAME, 16), nullptr);
    EXPECT_EQ(FindIconResource(IDCUR_DELETE, 16), nullptr);
    SetResourceTable(nullptr);
    EXPECT_EQ(FindDialogResource(IDD_PLAYERS), nullptr);
    EXPECT_STREQ(LoadStringResource(IDS_ABOUTBOX), "");
}
