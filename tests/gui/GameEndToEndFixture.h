#pragma once

#include "GuiTest.h"

#include "TempWorkingDir.h"

#include "app/MainDialog.h"
#include "board/PieceColors.h"
#include "platform/Cursor.h"
#include "platform/Random.h"
#include "platform/wx/WxMessageBox.h"
#include "platform/wx/WxWindowPeer.h"
#include "res/ResourceIds.h"

#include <wx/bookctrl.h>
#include <wx/dialog.h>
#include <wx/frame.h>
#include <wx/menu.h>
#include <wx/toplevel.h>
#include <wx/uiaction.h>

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace {
constexpr unsigned long KEY_ESCAPE = 0xff1b;
constexpr unsigned long KEY_RETURN = 0xff0d;
constexpr unsigned long KEY_SPACE = 0x20;

// The shown top-level window with that title, or nullptr.
wxTopLevelWindow* FindTop(const char* title)
{
    for (wxWindow* window : wxTopLevelWindows) {
        auto* top = dynamic_cast<wxTopLevelWindow*>(window);
        if (top && top->IsShownOnScreen() && top->GetTitle() == title) {
            return top;
        }
    }
    return nullptr;
}
} // namespace

// The whole game on the real screen: moves with real clicks until pieces arrive and a run
// clears, delete mode, the end of a game, every dialog and message box through the menu, with a
// screenshot of each.
class GameEndToEndTest : public GuiTest
{
protected:
    ~GameEndToEndTest() override { main.DestroyWindow(); }

    // Opens the game with the first pieces given by the random values, and a fixed seed after.
    bool Open(std::initializer_list<int> values)
    {
        Random::ClearInjected();
        Random::Inject(values);
        if (!main.Create() || !gui::WaitShown(main)) {
            return false;
        }
        Random::Seed(7);
        // Without a window manager the keyboard goes to the window under the pointer.
        MoveMouse(Point{5, 5});
        return true;
    }

    Point CellCentre(int row, int col) const
    {
        return gui::ClientToScreen(main, Point{col * 30 + 15, row * 30 + 15});
    }
    Point ToolCentre(int tool) const
    {
        const Rect& r = main.toolButtons[tool].rect;
        return gui::ClientToScreen(main, Point{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    }
    void MoveMouse(Point client)
    {
        const Point at = gui::ClientToScreen(main, client);
        gui::Input().MouseMove(at.x, at.y);
        gui::RunFor(30);
    }
    int Cell(int row, int col) const
    {
        return main.controller.board.cells[col + row * BOARD_STRIDE];
    }
    std::string Status() const { return main.statusLine.GetWindowText(); }
    bool WaitState(int state)
    {
        return gui::RunUntil([&] { return main.controller.state == state; }, 5000);
    }
    void Shot(const char* name)
    {
        gui::RunFor(80);
        gui::SaveScreenshot(gui::ScreenRectOf(main), name);
    }

    // Queues the random values that make the next arrivals land on the cells (each counted
    // among the free cells not yet taken, row by row, after the move from one cell to another)
    // and then choose the next colours.
    void InjectArrivals(std::initializer_list<CellPos> cells, std::initializer_list<int> next,
                        CellPos from, CellPos to)
    {
        const GameController& game = main.controller;
        bool taken[BOARD_CELLS];
        for (int i = 0; i < BOARD_CELLS; ++i) {
            taken[i] = game.board.cells[i] != EMPTY_CELL;
        }
        taken[from.col + from.row * BOARD_STRIDE] = false;
        taken[to.col + to.row * BOARD_STRIDE] = true;
        std::vector<int> values;
        for (const CellPos& cell : cells) {
            int k = 0;
            for (int i = 0; i < cell.col + cell.row * BOARD_STRIDE; ++i) {
                k += i % BOARD_STRIDE < game.settings.boardCols && !taken[i] ? 1 : 0;
            }
            taken[cell.col + cell.row * BOARD_STRIDE] = true;
            values.push_back(k);
        }
        values.insert(values.end(), next.begin(), next.end());
        Random::Inject(values.data(), static_cast<int>(values.size()));
    }

    // Replaces the board as if the game had come to it ('.' free, a digit a piece of that
    // colour, one string per row), and repaints.
    void Arrange(std::initializer_list<const char*> picture)
    {
        Board& board = main.controller.board;
        board.Init(board.rows, board.cols);
        int row = 0;
        for (const char* line : picture) {
            for (int col = 0; line[col] != '\0'; ++col) {
                if (line[col] != '.') {
                    board.cells[col + row * BOARD_STRIDE] = line[col] - '0';
                    --board.emptyCount;
                }
            }
            ++row;
        }
        main.controller.history.Clear();
        main.Invalidate(true);
        gui::RunFor(60);
    }

    // A menu command chosen with the keyboard, as a player without a mouse would: the popup
    // opens with its mnemonic and Alt, the arrow key walks down to the item (the menu tells
    // which item is highlighted), and Enter chooses it.
    void ChooseMenu(int popupKey, unsigned command)
    {
        WxWindowPeer* peer = gui::PeerOf(main);
        wxTopLevelWindow* frame = peer->GetTopLevel();
        const int wanted = peer->GetMenuBar().ItemIdOf(command);
        bool open = false;
        int highlighted = wxID_NONE;
        auto onOpen = [&](wxMenuEvent& event) {
            open = true;
            event.Skip();
        };
        auto onHighlight = [&](wxMenuEvent& event) {
            highlighted = event.GetMenuId();
            event.Skip();
        };
        frame->Bind(wxEVT_MENU_OPEN, onOpen);
        frame->Bind(wxEVT_MENU_HIGHLIGHT, onHighlight);
        // Over the corner cell, the pointer's image (which a Wayland compositor draws into the
        // screen's picture) clear of the cell's left edge and of the piece's left half.
        MoveMouse(Point{28, 28});
        gui::Input().Char(popupKey, wxMOD_ALT);
        const bool opened = gui::RunUntil([&] { return open; });
        for (int step = 0; opened && step < 16 && highlighted != wanted; ++step) {
            const int before = highlighted;
            gui::Input().Char(WXK_DOWN);
            gui::RunUntil([&] { return highlighted != before; }, 500);
        }
        frame->Unbind(wxEVT_MENU_OPEN, onOpen);
        frame->Unbind(wxEVT_MENU_HIGHLIGHT, onHighlight);
        EXPECT_TRUE(opened) << "the menu did not open";
        EXPECT_EQ(highlighted, wanted) << "the menu item " << command << " was not reached";
        if (highlighted == wanted) {
            gui::Input().Char(WXK_RETURN);
        } else {
            gui::Input().Char(WXK_ESCAPE);
        }
        gui::RunFor(60);
    }

    using Find = std::function<wxTopLevelWindow*()>;
    using Action = std::function<void(wxTopLevelWindow*)>;

    // Answers a modal window that the next command opens: once find() sees it on the screen and
    // it has had time to paint, the actions run one per tick of the event loop (also inside the
    // modal loop), then the window must go. A window that stays is closed after a while, so
    // that a test fails instead of hanging in its loop.
    void Answer(Find find, std::vector<Action> actions)
    {
        auto ticks = std::make_shared<int>(0);
        auto seen = std::make_shared<int>(0);
        auto next = std::make_shared<size_t>(0);
        gui::Every(20, [=] {
            wxTopLevelWindow* top = find();
            if (++*ticks > 500) {
                // The game's own window stays (a window answered at start-up comes before it).
                const WxWindowPeer* peer = gui::PeerOf(main);
                const wxTopLevelWindow* own = peer ? peer->GetTopLevel() : nullptr;
                std::string shown;
                for (wxWindow* window : wxTopLevelWindows) {
                    if (window != own && window->IsShown()) {
                        shown += " \"" + window->GetLabel().ToStdString() + "\"";
                        window->Close(true);
                    }
                }
                ADD_FAILURE() << "a modal window did not come or go in time; shown:" << shown;
                if (wxDialog* box = WxMessageBox::Current()) {
                    box->EndModal(wxID_CANCEL);
                }
                return true;
            }
            if (*next == actions.size()) {
                return top == nullptr;
            }
            // Mapping and the first paint take a few trips through the loop.
            if (!top || ++*seen < 6) {
                return false;
            }
            actions[(*next)++](top);
            return false;
        });
    }
    static Find Titled(const char* title)
    {
        return [title] { return FindTop(title); };
    }
    static Find MessageBoxShown()
    {
        return [] {
            wxDialog* box = WxMessageBox::Current();
            return box && box->IsShownOnScreen() ? box : nullptr;
        };
    }
    static Action Screenshot(const char* name)
    {
        return [name](wxTopLevelWindow* top) { gui::SaveScreenshot(gui::ScreenRectOf(top), name); };
    }
    static Action Key(unsigned long symbol)
    {
        return [symbol](wxTopLevelWindow*) { gui::KeyLater(symbol); };
    }
    static Action ClickOn(std::function<wxWindow*(wxTopLevelWindow*)> target)
    {
        return [target](wxTopLevelWindow* top) { gui::ClickLater(gui::CentreOf(target(top))); };
    }

    TempWorkingDir directory;
    MainDialog main;
};
