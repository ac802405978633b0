#include "FileSizeLimit.h"
#include "GameEndToEndFixture.h"

#include <wx/bookctrl.h>
#include <wx/frame.h>
#include <wx/menu.h>
#include <wx/propdlg.h>

#include <gtk/gtk.h>

#include <memory>
#include <optional>
#include <string>

namespace {
constexpr unsigned long KEY_CONTROL = 0xffe3;
constexpr unsigned long KEY_SHIFT = 0xffe1;
constexpr unsigned long KEY_TAB = 0xff09;
constexpr unsigned long KEY_RIGHT = 0xff53;
constexpr unsigned long KEY_PAGE_UP = 0xff55;
constexpr unsigned long KEY_PAGE_DOWN = 0xff56;

// The centre of a GTK widget on the screen.

// Whether the screen shows something drawn over a control's rectangle: a control left blank shows
// one colour only.
bool ShowsSomething(wxWindow* control)
{
    const PixelImage shown = gui::ReadScreen(gui::ScreenRectOf(control));
    for (ColorRef pixel : shown.pixels) {
        if (pixel != shown.pixels.front()) {
            return true;
        }
    }
    return false;
}
} // namespace

// After anything takes the keyboard (a menu opened by the mouse or by Alt, Tab, a dialog or a
// message box closed in any way, the start-up save warning, another window), the board's keys
// come back: the arrows move the highlighted cell and Escape ends the game at once. The same
// cases run without a window manager and under one (the suite's entry gui_keys_openbox).
class KeyboardComesBackTest : public GameEndToEndTest, public ::testing::WithParamInterface<int>
{
protected:
    ~KeyboardComesBackTest() override
    {
        if (other) {
            other->Destroy();
        }
    }

    wxMenuBar* Bar() const
    {
        return dynamic_cast<wxFrame*>(gui::PeerOf(main)->GetTopLevel())->GetMenuBar();
    }
    // The menu's title on the bar, and one of its items once the menu is open.
    Point TitleCentre(int popup) const { return gui::CentreOf(Bar()->GetMenu(popup)->m_owner); }
    Point ItemCentre(unsigned command) const
    {
        const int item = gui::PeerOf(main)->GetMenuBar().ItemIdOf(command);
        return gui::CentreOf(Bar()->FindItem(item)->GetMenuItem());
    }
    // Clicks a menu's title on the bar and waits until the menu is open.
    void ClickTitle(int popup)
    {
        bool open = false;
        wxTopLevelWindow* frame = gui::PeerOf(main)->GetTopLevel();
        auto onOpen = [&](wxMenuEvent& event) {
            open = true;
            event.Skip();
        };
        frame->Bind(wxEVT_MENU_OPEN, onOpen);
        gui::ClickAt(TitleCentre(popup));
        EXPECT_TRUE(gui::RunUntil([&] { return open; })) << "the menu did not open";
        frame->Unbind(wxEVT_MENU_OPEN, onOpen);
        // On Wayland the release of the click that opened the menu stays with the bar, and GTK
        // takes a release in the menu within half a second of that press for the end of the
        // same click; a hand takes longer to reach an item.
        gui::RunFor(gui::OnWayland() ? 600 : 100);
    }
    void Press(int key, int modifiers = wxMOD_NONE)
    {
        gui::Input().Char(key, modifiers);
        gui::RunFor(100);
    }
    // Runs a menu command from the keyboard; when it opens a window, answers it with the action.
    void Through(int popupKey, unsigned command, Find find, Action close)
    {
        bool closed = false;
        Answer(find, {[&](wxTopLevelWindow* top) {
                   closed = true;
                   close(top);
               }});
        ChooseMenu(popupKey, command);
        ASSERT_TRUE(gui::RunUntil([&] { return closed && !find(); }, 10000));
        gui::RunFor(200);
    }

    wxFrame* other = nullptr;
};

TEST_P(KeyboardComesBackTest, ArrowsMoveTheCellAndEscapeEndsTheGame)
{
    const auto button = [](int id) {
        return ClickOn([id](wxTopLevelWindow* top) { return top->FindWindow(id); });
    };
    const auto players = [this](int id) {
        return ClickOn(
            [this, id](wxTopLevelWindow*) { return gui::ControlOf(main.playersDialog, id); });
    };
    const Action closeBox = [](wxTopLevelWindow* top) { top->Close(); };
    const auto dialog = [this](int popupKey, unsigned command, Find find, Action close) {
        return [=] { Through(popupKey, command, find, close); };
    };
    const Find about = Titled("About TOBRIX++");
    const Find howTo = Titled("How to play");
    const Find playersBox = Titled("Players");
    const Find preferences = Titled("Preferences");
    const Find box = MessageBoxShown();
    struct Way
    {
        const char* what;
        std::function<void()> take;
        // Before the game opens: a save that must fail at start-up.
        bool saveFails = false;
    };
    const Way ways[] = {
        {"Game menu by a click, Escape",
         [this] {
             ClickTitle(0);
             Press(WXK_ESCAPE);
             EXPECT_FALSE(main.IsEnded()) << "Escape in the open menu ended the game";
         }},
        {"Game menu by a click, Draw next chosen by a click",
         [this] {
             const int empty = main.controller.board.emptyCount;
             ClickTitle(0);
             gui::ClickAt(ItemCentre(ID_GAME_DRAW_NEXT));
             EXPECT_TRUE(gui::RunUntil(
                 [&] { return main.controller.board.emptyCount == empty - 3; }, 5000));
         }},
        {"Help menu by a click, Escape",
         [this] {
             ClickTitle(2);
             Press(WXK_ESCAPE);
             EXPECT_FALSE(main.IsEnded()) << "Escape in the open menu ended the game";
         }},
        {"Help menu by a click, About chosen by a click and closed with Enter",
         [this, about] {
             bool closed = false;
             Answer(about, {[&](wxTopLevelWindow*) { closed = true; }, Key(KEY_RETURN)});
             ClickTitle(2);
             gui::ClickAt(ItemCentre(IDM_ABOUTBOX));
             EXPECT_TRUE(gui::RunUntil([&] { return closed && !about(); }, 10000));
         }},
        {"Game menu by Alt+G, Escape",
         [this] {
             Press('G', wxMOD_ALT);
             Press(WXK_ESCAPE);
             EXPECT_FALSE(main.IsEnded()) << "Escape in the open menu ended the game";
         }},
        {"Game menu by Alt+G, Draw next chosen by its letter",
         [this] {
             const int empty = main.controller.board.emptyCount;
             Press('G', wxMOD_ALT);
             Press('W');
             EXPECT_TRUE(gui::RunUntil(
                 [&] { return main.controller.board.emptyCount == empty - 3; }, 5000));
         }},
        {"Help menu by Alt+H, Escape",
         [this] {
             Press('H', wxMOD_ALT);
             Press(WXK_ESCAPE);
         }},
        {"Help menu by Alt+H, About chosen with the arrows and Enter",
         dialog('H', IDM_ABOUTBOX, about, Key(KEY_RETURN))},
        {"Tab", [this] { Press(WXK_TAB); }},
        {"Shift+Tab", [this] { Press(WXK_TAB, wxMOD_SHIFT); }},
        {"Tab three times",
         [this] {
             Press(WXK_TAB);
             Press(WXK_TAB);
             Press(WXK_TAB);
         }},
        {"About, Escape", dialog('H', IDM_ABOUTBOX, about, Key(KEY_ESCAPE))},
        {"About, close box", dialog('H', IDM_ABOUTBOX, about, closeBox)},
        {"How to play, Enter", dialog('H', ID_HELP_HOW_TO_PLAY, howTo, Key(KEY_RETURN))},
        {"How to play, Escape", dialog('H', ID_HELP_HOW_TO_PLAY, howTo, Key(KEY_ESCAPE))},
        {"How to play, OK clicked", dialog('H', ID_HELP_HOW_TO_PLAY, howTo, button(IDOK))},
        {"Players, OK", dialog('G', ID_GAME_PLAYERS, playersBox, players(IDOK))},
        {"Players, Cancel", dialog('G', ID_GAME_PLAYERS, playersBox, players(IDCANCEL))},
        {"Players, Escape", dialog('G', ID_GAME_PLAYERS, playersBox, Key(KEY_ESCAPE))},
        {"Preferences, OK", dialog('G', ID_GAME_PREFERENCES, preferences, button(wxID_OK))},
        {"Preferences, Cancel", dialog('G', ID_GAME_PREFERENCES, preferences, button(wxID_CANCEL))},
        {"Preferences, Escape", dialog('G', ID_GAME_PREFERENCES, preferences, Key(KEY_ESCAPE))},
        {"Preferences, close box", dialog('G', ID_GAME_PREFERENCES, preferences, closeBox)},
        {"High scores, Enter", dialog('G', ID_GAME_HIGH_SCORES, box, Key(KEY_RETURN))},
        {"High scores, Escape", dialog('G', ID_GAME_HIGH_SCORES, box, Key(KEY_ESCAPE))},
        {"High scores, OK clicked", dialog('G', ID_GAME_HIGH_SCORES, box, button(wxID_OK))},
        {"Clear high scores, No", dialog('G', ID_GAME_CLEAR_HIGH_SCORES, box, button(wxID_NO))},
        {"Clear high scores, Enter", dialog('G', ID_GAME_CLEAR_HIGH_SCORES, box, Key(KEY_RETURN))},
        {"the start-up save warning, Enter", [] {}, true},
        {"another window in front, then a click on the game",
         [this] {
             const Rect game = gui::ScreenRectOf(main);
             other = new wxFrame(nullptr, wxID_ANY, "Another window",
                                 wxPoint(game.right + 20, game.top), wxSize(200, 150));
             other->Show();
             other->Raise();
             ASSERT_TRUE(gui::WaitShown(other));
             // A Wayland compositor places the window itself (sway lays it out behind the game,
             // which floats): a point near its corner is clear of the game.
             const Rect shown = gui::ScreenRectOf(other);
             const Point inside =
                 gui::OnWayland() ? Point{shown.left + 10, shown.top + 10} : gui::CentreOf(other);
             gui::ClickAt(inside);
             EXPECT_TRUE(gui::RunUntil([&] { return other->IsActive(); }));
             // Back to the game: a click on the banner beside the board.
             gui::ClickAt(gui::ClientToScreen(main, Point{285, 40}));
             gui::RunFor(200);
         }},
    };
    constexpr int wayCount = static_cast<int>(sizeof ways / sizeof ways[0]);
    static_assert(wayCount * 2 == 60, "the instantiation below counts two cases a way");
    const Way& way = ways[GetParam() / 2];
    SCOPED_TRACE(way.what);
    if (way.saveFails && gui::OnWayland()) {
        GTEST_SKIP() << "the file size limit that makes the save fail also stops the shared "
                        "memory that GTK hands its frames to a Wayland compositor in";
    }

    std::string warning;
    {
        // The new high-score table cannot be written, as in a folder the player may not write:
        // the warning shows before the window does.
        std::optional<FileSizeLimit> full;
        if (way.saveFails) {
            full.emplace(64);
            // Without a window manager the keyboard goes to the window under the pointer.
            Answer(MessageBoxShown(), {[&](wxTopLevelWindow* top) {
                                           warning = WxMessageBox::CurrentText();
                                           gui::MoveLater(gui::CentreOf(top));
                                       },
                                       Key(KEY_RETURN)});
        }
        ASSERT_TRUE(Open({}));
    }
    EXPECT_EQ(warning, way.saveFails ? "Could not save hscores.kvd: File too large" : "");
    way.take();
    ASSERT_FALSE(main.IsEnded());

    // Over a cell of the board, or over the banner beside it.
    MoveMouse(GetParam() % 2 == 0 ? Point{4 * 30 + 15, 4 * 30 + 15} : Point{285, 40});
    const int from = main.hoverRow >= 0 ? main.hoverRow : main.lastHoverRow;
    ASSERT_LT(from, 8);
    gui::Input().Char(WXK_DOWN);
    EXPECT_TRUE(gui::RunUntil([&] { return main.hoverRow == from + 1; }))
        << "Down did not move the highlighted cell";
    gui::Input().Char(WXK_ESCAPE);
    ASSERT_TRUE(gui::RunUntil([&] { return main.IsEnded(); })) << "Escape did not end the game";
    EXPECT_EQ(main.GetResult(), IDCANCEL);
}

INSTANTIATE_TEST_SUITE_P(EveryWayIn, KeyboardComesBackTest, ::testing::Range(0, 60));

// The Preferences sheet turns its pages from the keyboard at its first opening, and each page
// shows its controls on the screen, not a blank tab.
TEST_F(GameEndToEndTest, PreferencesTurnsItsPagesFromTheKeyboard)
{
    ASSERT_TRUE(Open({}));
    struct Step
    {
        const char* what;
        unsigned long key;
        std::vector<unsigned long> held;
        int page;
    };
    const std::vector<Step> steps = {
        {"Ctrl+Tab", KEY_TAB, {KEY_CONTROL}, 1},
        {"Ctrl+Tab", KEY_TAB, {KEY_CONTROL}, 2},
        {"Ctrl+Tab wraps", KEY_TAB, {KEY_CONTROL}, 0},
        {"Ctrl+Shift+Tab wraps", KEY_TAB, {KEY_CONTROL, KEY_SHIFT}, 2},
        {"Ctrl+Shift+Tab", KEY_TAB, {KEY_CONTROL, KEY_SHIFT}, 1},
        {"Ctrl+Page Down", KEY_PAGE_DOWN, {KEY_CONTROL}, 2},
        {"Ctrl+Page Up", KEY_PAGE_UP, {KEY_CONTROL}, 1},
        {"Ctrl+Page Up", KEY_PAGE_UP, {KEY_CONTROL}, 0},
        // The toolkit's own keys on a focused tab turn the page too.
        {"Right on the focused tab", KEY_RIGHT, {}, 1},
    };
    // The steps run one after the other while the sheet is open, each key sent once the sheet is
    // the active window; a failed step is noted and the rest go on from where the sheet is. The
    // sheet is closed with Escape at the end, or at once when the test gives up.
    struct Run
    {
        std::vector<std::string> failures;
        size_t next = 0;
        bool sent = false;
        int waited = 0;
        int settled = 0;
        int ticks = 0;
        bool done = false;
    };
    auto run = std::make_shared<Run>();
    PropertySheet& preferences = main.preferences;
    gui::Every(20, [run, steps, &preferences] {
        auto* sheet = dynamic_cast<wxPropertySheetDialog*>(FindTop("Preferences"));
        if (!sheet || run->done) {
            return run->done && !sheet;
        }
        if (run->next == steps.size() || ++run->ticks > 1000) {
            run->done = true;
            sheet->Close();
            return false;
        }
        wxBookCtrlBase* book = sheet->GetBookCtrl();
        const Step& step = steps[run->next];
        if (!run->sent) {
            if (!sheet->IsActive()) {
                return false;
            }
            if (step.key == KEY_RIGHT) {
                book->SetFocus();
            }
            gui::KeyLater(step.key, step.held);
            run->sent = true;
            run->waited = 0;
            return false;
        }
        PropertyPage* page = preferences.GetPage(step.page);
        const bool front = book->GetSelection() == step.page &&
                           preferences.GetActiveIndex() == step.page && page->IsCreated();
        // The screen is read once the page has had a few trips through the loop to paint.
        if (front && ++run->settled < 6) {
            return false;
        }
        if (front) {
            gui::SyncWithServer();
            wxWindow* first = gui::ControlOf(*page, page->GetControlTemplate(0)->id);
            if (!first || !first->IsShownOnScreen() || !ShowsSomething(first)) {
                run->failures.push_back(std::string(step.what) + ": the page is blank");
            }
            gui::SaveScreenshot(gui::ScreenRectOf(sheet),
                                "keys_preferences_step" + std::to_string(run->next));
        } else if (++run->waited < 50) {
            return false;
        } else {
            run->failures.push_back(std::string(step.what) + ": page " + std::to_string(step.page) +
                                    " did not come to the front");
        }
        ++run->next;
        run->sent = false;
        run->settled = 0;
        return false;
    });
    ChooseMenu('G', ID_GAME_PREFERENCES);
    EXPECT_TRUE(gui::RunUntil([&] { return run->done && !FindTop("Preferences"); }, 25000));
    EXPECT_EQ(run->next, steps.size());
    EXPECT_TRUE(run->failures.empty()) << ::testing::PrintToString(run->failures);
    EXPECT_FALSE(main.IsEnded());
}
