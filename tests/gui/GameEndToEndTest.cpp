#include "GameEndToEndFixture.h"
#include "TempConfigHome.h"

#include <wx/bookctrl.h>
#include <wx/frame.h>
#include <wx/menu.h>

using Lines = std::vector<std::string>;

TEST_F(GameEndToEndTest, AGameIsPlayedWithRealClicksToItsEnd)
{
    // The first pieces: red on the three first cells; next come red, red and yellow.
    ASSERT_TRUE(Open({0, 0, 0, 0, 0, 0, 0, 0, 1}));
    EXPECT_EQ(Status(), "STATUS");
    EXPECT_EQ(Cell(0, 0), 0);
    EXPECT_EQ(Cell(0, 2), 0);
    EXPECT_EQ(gui::CountScreenDifferences(main), 0);
    Shot("e2e_fresh_game");

    gui::ClickAt(CellCentre(0, 2));
    ASSERT_TRUE(WaitState(STATE_SELECT_DESTINATION));
    EXPECT_EQ(Status(), "Select destination");
    gui::RunFor(250);
    Shot("e2e_selected_piece");

    // A move that clears nothing: the pieces arrive, two of them beside the others.
    InjectArrivals({{0, 3}, {0, 4}, {5, 5}}, {2, 3, 4}, CellPos{0, 2}, CellPos{1, 2});
    gui::ClickAt(CellCentre(1, 2));
    ASSERT_TRUE(gui::RunUntil([&] { return Cell(5, 5) == 1; }, 5000));
    ASSERT_TRUE(WaitState(STATE_SELECT_PIECE));
    EXPECT_EQ(Cell(1, 2), 0);
    EXPECT_EQ(Cell(0, 3), 0);
    EXPECT_EQ(Cell(0, 4), 0);
    EXPECT_EQ(main.controller.board.emptyCount, 81 - 6);

    // Back into the gap: a run of five clears and scores.
    gui::ClickAt(CellCentre(1, 2));
    ASSERT_TRUE(WaitState(STATE_SELECT_DESTINATION));
    gui::ClickAt(CellCentre(0, 2));
    ASSERT_TRUE(gui::RunUntil([&] { return main.controller.scoreDisplay.value == 5; }, 5000));
    ASSERT_TRUE(WaitState(STATE_SELECT_PIECE));
    EXPECT_EQ(Cell(0, 0), EMPTY_CELL);
    EXPECT_EQ(Cell(0, 4), EMPTY_CELL);
    EXPECT_EQ(main.controller.board.emptyCount, 81 - 1);
    gui::RunFor(100);
    EXPECT_EQ(gui::CountScreenDifferences(main), 0);
    Shot("e2e_run_cleared");

    // The undo button takes the move back; the same move again scores again.
    gui::ClickAt(ToolCentre(TOOL_UNDO));
    ASSERT_TRUE(gui::RunUntil([&] { return main.controller.scoreDisplay.value == 0; }, 5000));
    gui::RunFor(100);
    EXPECT_EQ(Status(), "Select piece");
    EXPECT_EQ(Cell(1, 2), 0);
    EXPECT_EQ(main.controller.board.emptyCount, 81 - 6);

    // A run of six earns a credit; the delete button then switches delete mode on.
    Arrange({"11111.1..", "2......3.", ".........", ".........", ".........", ".........",
             ".........", ".........", "........."});
    gui::ClickAt(CellCentre(0, 6));
    ASSERT_TRUE(WaitState(STATE_SELECT_DESTINATION));
    gui::ClickAt(CellCentre(0, 5));
    ASSERT_TRUE(gui::RunUntil([&] { return main.controller.deleteCredits == 1; }, 5000));
    gui::RunFor(100);
    gui::ClickAt(ToolCentre(TOOL_DELETE));
    ASSERT_TRUE(WaitState(STATE_DELETING));
    EXPECT_EQ(main.GetCursor()->GetId(), IDCUR_DELETE);
    MoveMouse(Point{4 * 30 + 15, 4 * 30 + 15});
    EXPECT_EQ(Status(), "Delete piece (1)");
    Shot("e2e_delete_mode");
    gui::ClickAt(CellCentre(1, 7));
    ASSERT_TRUE(WaitState(STATE_SELECT_PIECE));
    EXPECT_EQ(Cell(1, 7), EMPTY_CELL);
    EXPECT_EQ(main.GetCursor()->GetId(), IDCUR_SELECT);

    // Two free cells cannot take three pieces: Draw next ends the game, and its score of 6
    // enters the table, which is shown.
    Arrange({"0123.0123", "123012301", "230123012", "301230123", "012301230", "123012301",
             "230123012", "301230123", "01230123."});
    std::string table;
    Answer(MessageBoxShown(), {Screenshot("e2e_high_scores_at_game_end"), [&](wxTopLevelWindow*) {
                                   table = WxMessageBox::CurrentText();
                                   gui::KeyLater(KEY_RETURN);
                               }});
    gui::ClickAt(ToolCentre(TOOL_DRAW_NEXT));
    ASSERT_TRUE(WaitState(STATE_GAME_END));
    ASSERT_TRUE(gui::RunUntil([&] { return !WxMessageBox::Current(); }, 10000));
    gui::RunFor(100);
    EXPECT_EQ(table.substr(0, 24), "                    \t   ");
    EXPECT_EQ(Status(), "Game end");
    EXPECT_EQ(main.controller.highScores.scores[0], 6);
    Shot("e2e_game_end");
}

TEST_F(GameEndToEndTest, EveryDialogAndMessageBoxOpensFromTheMenu)
{
    ASSERT_TRUE(Open({}));
    const auto gone = [](const Find& find) {
        return gui::RunUntil([&] { return !find(); }, 10000);
    };

    // Help > About.
    Answer(Titled("About TOBRIX++"), {Screenshot("e2e_about"), Key(KEY_RETURN)});
    ChooseMenu('H', IDM_ABOUTBOX);
    EXPECT_TRUE(gone(Titled("About TOBRIX++")));

    // Game > High scores.
    std::string caption;
    Answer(MessageBoxShown(),
           {Screenshot("e2e_high_scores"),
            [&](wxTopLevelWindow* box) { caption = box->GetTitle().ToStdString(); },
            Key(KEY_RETURN)});
    ChooseMenu('G', ID_GAME_HIGH_SCORES);
    EXPECT_TRUE(gone(MessageBoxShown()));
    EXPECT_EQ(caption, "High Scores");

    // Game > Clear high scores, answered No: the table stays.
    ASSERT_TRUE(main.controller.highScores.Insert(40, "Kim"));
    Answer(MessageBoxShown(),
           {Screenshot("e2e_clear_high_scores"),
            [&](wxTopLevelWindow* box) { caption = box->GetTitle().ToStdString(); },
            ClickOn([](wxTopLevelWindow* box) { return box->FindWindow(wxID_NO); })});
    ChooseMenu('G', ID_GAME_CLEAR_HIGH_SCORES);
    EXPECT_TRUE(gone(MessageBoxShown()));
    EXPECT_EQ(caption, "Clear High Scores");
    EXPECT_EQ(main.controller.highScores.scores[0], 40);
    // Enter answers No: it never wipes the table by accident.
    Answer(MessageBoxShown(), {Key(KEY_RETURN)});
    ChooseMenu('G', ID_GAME_CLEAR_HIGH_SCORES);
    EXPECT_TRUE(gone(MessageBoxShown()));
    EXPECT_EQ(main.controller.highScores.scores[0], 40);

    // Game > Players: a player typed in with two leading blanks, created, and chosen.
    Lines cut;
    const Window& players = main.playersDialog;
    const auto control = [&](int id) {
        return [&players, id](wxTopLevelWindow*) { return gui::ControlOf(players, id); };
    };
    Answer(Titled("Players"), {Screenshot("e2e_players_first_run"), ClickOn(control(IDC_NEW_NAME)),
                               Key(KEY_SPACE), Key(KEY_SPACE), Key('a'), Key('n'), Key('n'),
                               ClickOn(control(IDC_CREATE)), Screenshot("e2e_players"),
                               [&](wxTopLevelWindow*) {
                                   for (const std::string& line : gui::CutTexts(players)) {
                                       cut.push_back("players " + line);
                                   }
                               },
                               ClickOn(control(IDOK))});
    ChooseMenu('G', ID_GAME_PLAYERS);
    EXPECT_TRUE(gone(Titled("Players")));
    EXPECT_EQ(main.playersDialog.playerList.players, Lines{"  ann"});
    EXPECT_EQ(main.GetWindowText(), "Tobrix++  PLAYING : ann");
    EXPECT_EQ(gui::PeerOf(main)->GetTopLevel()->GetTitle(), "Tobrix++  PLAYING : ann");

    // Game > Preferences: each tab, then OK, which lays the window out again for a new game.
    const char* names[] = {"e2e_preferences_playing", "e2e_preferences_animation",
                           "e2e_preferences_rewarding"};
    std::vector<Action> tabs;
    for (int tab = 0; tab < 3; ++tab) {
        if (tab > 0) {
            // A click on the tab, found on the screen.
            tabs.push_back([this, tab](wxTopLevelWindow*) {
                gui::ClickLater(gui::TabOf(main.preferences, tab));
            });
            for (int wait = 0; wait < 5; ++wait) {
                tabs.push_back([](wxTopLevelWindow*) {});
            }
        }
        tabs.push_back(Screenshot(names[tab]));
        tabs.push_back([&, tab](wxTopLevelWindow*) {
            EXPECT_EQ(main.preferences.GetActiveIndex(), tab);
            for (const std::string& line : gui::CutTexts(*main.preferences.GetActivePage())) {
                cut.push_back(std::string(names[tab]) + " " + line);
            }
        });
    }
    tabs.push_back(ClickOn([](wxTopLevelWindow* top) { return top->FindWindow(wxID_OK); }));
    Answer(Titled("Preferences"), tabs);
    main.statusLine.SetWindowText("before");
    ChooseMenu('G', ID_GAME_PREFERENCES);
    EXPECT_TRUE(gone(Titled("Preferences")));
    gui::RunFor(100);
    EXPECT_EQ(Status(), "STATUS");
    EXPECT_EQ(cut, Lines{});
    EXPECT_EQ(gui::CountScreenDifferences(main), 0);

    // Game > Draw next, then Game > New.
    ChooseMenu('G', ID_GAME_DRAW_NEXT);
    EXPECT_TRUE(gui::RunUntil([&] { return main.controller.board.emptyCount == 81 - 6; }));
    ChooseMenu('G', ID_GAME_NEW);
    EXPECT_TRUE(gui::RunUntil([&] { return main.controller.board.emptyCount == 81 - 3; }));

    // Game > Exit.
    ChooseMenu('G', ID_GAME_EXIT);
    ASSERT_TRUE(gui::RunUntil([&] { return main.IsEnded(); }));
    EXPECT_EQ(main.GetResult(), IDOK);
}

TEST_F(GameEndToEndTest, KeysWorkWhileTheWindowHoldsTheMouse)
{
    ASSERT_TRUE(Open({}));
    // A move over the board takes the mouse capture.
    MoveMouse(Point{4 * 30 + 15, 4 * 30 + 15});
    ASSERT_TRUE(gui::RunUntil([&] { return GetCapture() == &main; }));
    EXPECT_EQ(Status(), "Select piece");

    gui::Input().Char(WXK_RETURN);
    gui::RunFor(150);
    EXPECT_FALSE(main.IsEnded());

    gui::Input().Char(WXK_ESCAPE);
    ASSERT_TRUE(gui::RunUntil([&] { return main.IsEnded(); }));
    EXPECT_EQ(main.GetResult(), IDCANCEL);
    EXPECT_EQ(GetCapture(), nullptr);
}

// View > Symbols on pieces ticks its item and marks the pieces on the screen, Ctrl+M takes both
// back; the keys' cell shows its focus ring.
TEST_F(GameEndToEndTest, SymbolsAndTheFocusRingShowOnTheScreen)
{
    TempConfigHome config;
    ASSERT_TRUE(Open({0, 0, 0, 0, 0, 0, 0, 0, 1}));
    WxWindowPeer* peer = gui::PeerOf(main);
    const auto ticked = [&] {
        wxMenuBar* bar = dynamic_cast<wxFrame*>(peer->GetTopLevel())->GetMenuBar();
        return bar->IsChecked(peer->GetMenuBar().ItemIdOf(ID_VIEW_SYMBOLS));
    };
    const auto shows = [&](Point at, ColorRef color) {
        return gui::RunUntil(
            [&] { return gui::ScreenPixel(gui::ClientToScreen(main, at)) == color; });
    };
    // A pixel of the white diamond on the red piece in the corner cell, and of the ring there.
    const Point diamond{10, 14};
    const Point ring{2, 15};
    EXPECT_FALSE(ticked());
    EXPECT_TRUE(shows(diamond, Rgb(255, 0, 0)));
    ChooseMenu('V', ID_VIEW_SYMBOLS);
    EXPECT_TRUE(shows(diamond, Rgb(255, 255, 255)));
    EXPECT_TRUE(ticked());

    // The menu left the mouse over the corner cell, which counts as highlighted from the start
    // without being lit, so the first arrow rings that cell itself.
    gui::Input().Char(WXK_DOWN);
    EXPECT_TRUE(shows(ring, Rgb(0, 0, 0)));
    Shot("e2e_symbols_and_focus_ring");
    gui::Input().Char('M', wxMOD_CONTROL);
    EXPECT_TRUE(shows(diamond, Rgb(255, 0, 0)));
    EXPECT_FALSE(ticked());
    MoveMouse(Point{45, 15});
    EXPECT_TRUE(shows(ring, Rgb(192, 192, 192)));
}

TEST_F(GameEndToEndTest, ATurnIsPlayedWithTheKeysAloneAndTheShortcutsWork)
{
    // The first pieces: red on the three first cells; next come red, red and yellow.
    ASSERT_TRUE(Open({0, 0, 0, 0, 0, 0, 0, 0, 1}));
    const auto pressed = [&](int key, int modifiers = wxMOD_NONE) {
        gui::Input().Char(key, modifiers);
        gui::RunFor(60);
    };
    // The first arrow lights the corner cell, the next two walk to the third cell.
    pressed(WXK_RIGHT);
    pressed(WXK_RIGHT);
    pressed(WXK_RIGHT);
    ASSERT_TRUE(gui::RunUntil([&] { return main.hoverCol == 2; }));
    EXPECT_EQ(Status(), "Select piece");
    EXPECT_EQ(gui::ScreenPixel(gui::ClientToScreen(main, Point{60, 0})), Rgb(255, 255, 255));
    pressed(WXK_SPACE);
    ASSERT_TRUE(WaitState(STATE_SELECT_DESTINATION));

    InjectArrivals({{0, 3}, {0, 4}, {5, 5}}, {2, 3, 4}, CellPos{0, 2}, CellPos{1, 2});
    pressed(WXK_DOWN);
    pressed(WXK_SPACE);
    ASSERT_TRUE(gui::RunUntil([&] { return Cell(5, 5) == 1; }, 5000));
    ASSERT_TRUE(WaitState(STATE_SELECT_PIECE));
    Shot("e2e_keys_turn");

    // The menu shows the shortcuts beside the items, whose texts stay as they are.
    wxMenuBar* bar = dynamic_cast<wxFrame*>(gui::PeerOf(main)->GetTopLevel())->GetMenuBar();
    const int drawNext = gui::PeerOf(main)->GetMenuBar().ItemIdOf(ID_GAME_DRAW_NEXT);
    EXPECT_EQ(bar->FindItem(drawNext)->GetExtraAccels().at(0).ToString(), "Ctrl+D");
    gui::Input().Char('G', wxMOD_ALT);
    gui::RunFor(300);
    Rect around = gui::ScreenRectOf(main);
    around.right += 120;
    around.bottom += 160;
    gui::SaveScreenshot(around, "e2e_game_menu_shortcuts");
    pressed(WXK_ESCAPE);

    // Ctrl+Z now takes the move back, Ctrl+D draws the next pieces, F1 explains the game.
    pressed('Z', wxMOD_CONTROL);
    ASSERT_TRUE(gui::RunUntil([&] { return Cell(0, 2) == 0 && Cell(5, 5) == EMPTY_CELL; }, 5000));
    EXPECT_TRUE(gui::RunUntil([&] { return Status() == "Select piece"; }));
    pressed('D', wxMOD_CONTROL);
    EXPECT_TRUE(gui::RunUntil([&] { return main.controller.board.emptyCount == 81 - 6; }, 5000));

    // With credits to spend, the keypad's Delete toggles deleting as Delete does.
    main.controller.deleteCredits = 2;
    main.UpdateTools();
    pressed(WXK_NUMPAD_DELETE);
    EXPECT_TRUE(WaitState(STATE_DELETING));
    pressed(WXK_DELETE);
    EXPECT_TRUE(WaitState(STATE_SELECT_PIECE));

    bool explained = false;
    Answer(Titled("How to play"), {[&](wxTopLevelWindow*) { explained = true; }, Key(KEY_RETURN)});
    gui::Input().Char(WXK_F1);
    EXPECT_TRUE(gui::RunUntil([&] { return explained && !FindTop("How to play"); }, 10000));

    // Ctrl+Q ends the game and closes the window (without a window manager the keyboard follows
    // the pointer back to it).
    MoveMouse(Point{6, 6});
    gui::Input().Char('Q', wxMOD_CONTROL);
    ASSERT_TRUE(gui::RunUntil([&] { return main.IsEnded(); }));
    EXPECT_EQ(main.GetResult(), IDOK);
}
