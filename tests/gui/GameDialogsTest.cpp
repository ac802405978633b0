#include "DialogChecks.h"
#include "GuiTest.h"

#include "TempWorkingDir.h"

#include "app/AboutDialog.h"
#include "app/HowToPlayDialog.h"

#include "platform/Control.h"
#include "platform/Cursor.h"
#include "platform/Desktop.h"
#include "platform/Dialog.h"
#include "platform/Icon.h"
#include "platform/Menu.h"
#include "platform/wx/WxCanvas.h"
#include "platform/wx/WxSunkenStatic.h"
#include "platform/wx/WxWindowPeer.h"
#include "res/ResourceIds.h"
#include "res/Templates.h"
#include "settings/GameSettings.h"
#include "settings/PlayersDialog.h"
#include "settings/PreferencesSheet.h"

#include <wx/choice.h>
#include <wx/frame.h>
#include <wx/menu.h>
#include <wx/textctrl.h>
#include <wx/toplevel.h>

using Lines = std::vector<std::string>;

// The game's own windows, built from its templates on the real screen: what they look like
// (screenshots) and whether every text fits.
class GameDialogsTest : public GuiTest
{
protected:
    TempWorkingDir directory;
};

TEST_F(GameDialogsTest, TheMainWindowHasItsMenuStatusLineIconAndCursor)
{
    Dialog main(IDD_MAIN);
    ASSERT_TRUE(main.Create());
    main.SetIcon(Icon::Load(IDI_MAINFRAME), true);
    main.SetIcon(Icon::Load(IDI_MAINFRAME), false);
    main.SetCursor(Cursor::Load(IDCUR_SELECT));
    Control* status = main.GetDlgItem(IDC_STATUS);
    ASSERT_NE(status, nullptr);
    status->MoveWindow(92, 159, 58, 17);
    status->SetWindowText("STATUS");
    Rect frame{0, 0, 200, 185};
    AdjustWindowRect(frame, WS_POPUP | WS_CAPTION | WS_SYSMENU, true);
    main.MoveWindow(Rect{100, 100, 100 + frame.Width(), 100 + frame.Height()});
    ASSERT_TRUE(gui::WaitShown(main));
    gui::SaveScreenshot(gui::ScreenRectOf(main), "gui_main_window_5x5");

    WxWindowPeer* peer = gui::PeerOf(main);
    auto* bar = dynamic_cast<wxFrame*>(peer->GetTopLevel())->GetMenuBar();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->GetMenuLabel(0), "&Game");
    EXPECT_EQ(bar->GetMenuLabel(1), "&View");
    EXPECT_EQ(bar->GetMenuLabel(2), "&Help");
    EXPECT_FALSE(bar->IsEnabled(peer->GetMenuBar().ItemIdOf(32775))); // Undo
    EXPECT_FALSE(bar->IsEnabled(peer->GetMenuBar().ItemIdOf(32779))); // Toggle deleting
    EXPECT_TRUE(bar->IsEnabled(peer->GetMenuBar().ItemIdOf(32773)));  // New
    EXPECT_EQ(bar->GetLabel(peer->GetMenuBar().ItemIdOf(32772)), "Dra&w next");
    EXPECT_NE(dynamic_cast<WxSunkenStatic*>(gui::ControlOf(main, IDC_STATUS)), nullptr);
    EXPECT_EQ(gui::ControlOf(main, IDC_STATUS)->GetRect(), wxRect(92, 159, 58, 17));
    EXPECT_EQ(peer->GetTopLevel()->GetIcons().GetIconCount(), 2u);
    EXPECT_TRUE(peer->GetCanvas()->GetCursor().IsOk());
    EXPECT_EQ(gui::LayoutFaults(main), Lines{});
    // The hidden OK and Cancel of the template stay hidden.
    EXPECT_FALSE(gui::ControlOf(main, IDOK)->IsShown());
    EXPECT_FALSE(gui::ControlOf(main, IDCANCEL)->IsShown());
}

TEST_F(GameDialogsTest, TheAboutBoxAndThePlayersDialogShowEveryTextWhole)
{
    AboutDialog about;
    ASSERT_TRUE(about.Create());
    about.ShowWindow(true);
    ASSERT_TRUE(gui::WaitShown(about));
    gui::SaveScreenshot(gui::ScreenRectOf(about), "gui_about_box");
    EXPECT_EQ(gui::CutTexts(about), Lines{});
    EXPECT_EQ(gui::LayoutFaults(about), Lines{});
    about.DestroyWindow();

    // A name holding "&" is listed as it was written, not taken for a mnemonic.
    PlayersDialog players;
    players.playerList.players = {"Alice", "Tom & Jerry"};
    players.playerList.count = 2;
    ASSERT_TRUE(players.Create());
    players.ShowWindow(true);
    ASSERT_TRUE(gui::WaitShown(players));
    ASSERT_EQ(players.GetDlgItem(IDC_PLAYER_LIST)->SetCurSel(1), 1);
    gui::RunFor(60);
    gui::SaveScreenshot(gui::ScreenRectOf(players), "gui_players_dialog");
    EXPECT_EQ(gui::CutTexts(players), Lines{});
    EXPECT_EQ(gui::LayoutFaults(players), Lines{});
    EXPECT_EQ(players.GetDlgItem(IDC_PLAYER_LIST)->GetCount(), 2);
    auto* list = dynamic_cast<wxChoice*>(gui::ControlOf(players, IDC_PLAYER_LIST));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->GetStringSelection().utf8_string(), "Tom & Jerry");
}

TEST_F(GameDialogsTest, HowToPlayShowsItsTextWholeWithOkBelowIt)
{
    HowToPlayDialog howToPlay;
    ASSERT_TRUE(howToPlay.Create());
    howToPlay.ShowWindow(true);
    ASSERT_TRUE(gui::WaitShown(howToPlay));
    gui::SaveScreenshot(gui::ScreenRectOf(howToPlay), "gui_how_to_play");
    EXPECT_EQ(gui::CutTexts(howToPlay), Lines{});
    EXPECT_EQ(gui::LayoutFaults(howToPlay), Lines{});
    auto* area = dynamic_cast<wxTextCtrl*>(gui::ControlOf(howToPlay, IDC_HOW_TO_PLAY_TEXT));
    ASSERT_NE(area, nullptr);
    const wxRect text = area->GetRect();
    const wxRect ok = gui::ControlOf(howToPlay, IDOK)->GetRect();
    EXPECT_LT(text.GetBottom(), ok.GetTop());
    const wxSize client = gui::PeerOf(howToPlay)->GetTopLevel()->GetClientSize();
    EXPECT_LE(ok.GetBottom(), client.y);
    // The whole text, to scroll through and not to edit.
    EXPECT_EQ(area->GetValue().utf8_string(),
              FindDialogTemplate(IDD_HOW_TO_PLAY)->controls[0].text);
    EXPECT_TRUE(area->IsMultiLine());
    EXPECT_FALSE(area->IsEditable());
    // Room on an 800 by 600 screen for a title bar above and a desktop panel.
    const Rect shown = gui::ScreenRectOf(howToPlay);
    EXPECT_LE(shown.Width(), 800 - 80);
    EXPECT_LE(shown.Height(), 600 - 80);
}

TEST_F(GameDialogsTest, ThePreferencesSheetShowsItsThreePagesWhole)
{
    PreferencesOnScreen shown;
    PreferencesSheet& sheet = shown.sheet;

    const char* names[] = {"gui_preferences_playing", "gui_preferences_animation",
                           "gui_preferences_rewarding"};
    Lines cut;
    EXPECT_TRUE(gui::CheckSheetPages(sheet, names, cut));
    EXPECT_EQ(cut, Lines{});
}
