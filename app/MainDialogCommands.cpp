// The menu commands of the main window (Exit and About live with the window's start and end).
#include "app/MainDialog.h"

#include "platform/ClientDC.h"
#include "platform/Menu.h"
#include "platform/MessageBox.h"
#include "platform/Translation.h"
#include "res/ResourceIds.h"

#include <string>

void MainDialog::OnNewGame()
{
    controller.EndGame();
    controller.NewGame();
    UpdateTools();
}

void MainDialog::OnDrawNext()
{
    ShowState(controller.AddPieces(1, 0));
    UpdateTools();
}

void MainDialog::OnUndo()
{
    statusLine.SetWindowText(_("Undoing..."));
    controller.Undo();
    UpdateTools();
    ShowState(controller.state);
}

void MainDialog::OnToggleDeleting()
{
    if (controller.state == STATE_DELETING) {
        controller.LeaveDeleteMode();
    } else {
        controller.EnterDeleteMode();
    }
    ShowState(controller.state);
    UpdateTools();
}

void MainDialog::OnPlayers()
{
    if (playersDialog.DoModal() != IDOK) {
        return;
    }
    std::string name = playersDialog.selectedName;
    if (name.empty()) {
        return;
    }
    name.erase(0, name.find_first_not_of(" \t\n\v\f\r"));

    controller.EndGame();
    controller.NewGame();
    controller.SetPlayerName(name);
    UpdateTools();
    // TRANSLATORS: the window title; the player's name follows.
    SetWindowText((std::string(_("Tobrix++  PLAYING : ")) + name).c_str());
}

void MainDialog::OnHighScores()
{
    controller.ShowHighScores();
}

void MainDialog::OnPreferences()
{
    if (preferences.DoModal() != IDOK) {
        return;
    }
    preferences.FillSettings(settings);
    controller.EndGame();
    Layout();
    Invalidate(true);
}

void MainDialog::OnClearHighScores()
{
    // No is the default, so that Enter never wipes the table by accident.
    if (MessageBox(_("Are you sure?"), _("Clear High Scores"),
                   MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES) {
        controller.ClearHighScores();
    }
}

void MainDialog::OnSymbols()
{
    viewOptions.symbols = !viewOptions.symbols;
    controller.painter.symbols = viewOptions.symbols;
    if (Menu* menu = GetMenu()) {
        menu->CheckMenuItem(ID_VIEW_SYMBOLS, viewOptions.symbols ? MF_CHECKED : MF_UNCHECKED);
    }
    // The pieces and the preview at once; the legend with the panel's next paint. The board is
    // not invalidated: a paint would lower the highlighted cell's frame.
    {
        ClientDC dc(this);
        controller.Paint(dc);
    }
    InvalidateRect(&colorPanel.rect, true);
    // After the board shows the choice: a failed save tells the player so in a box.
    viewOptions.Save();
}
