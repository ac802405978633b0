// The menu commands of the main window (Exit and About live with the window's start and end).
#include "app/MainDialog.h"

#include "platform/MessageBox.h"

#include <string>

void MainDialog::OnNewGame()
{
    controller.EndGame();
    controller.NewGame();
    SetToolEnabled(controller.IsUndoAvailable(), TOOL_UNDO);
    SetToolEnabled(controller.IsDeleteAvailable(), TOOL_DELETE);
}

void MainDialog::OnDrawNext()
{
    ShowState(controller.AddPieces(1, 0));
}

void MainDialog::OnUndo()
{
    statusLine.SetWindowText("Undoing...");
    controller.Undo();
    SetToolEnabled(controller.IsUndoAvailable(), TOOL_UNDO);
    SetToolEnabled(controller.IsDeleteAvailable(), TOOL_DELETE);
    ShowState(controller.state);
}

void MainDialog::OnToggleDeleting()
{
    if (controller.state == STATE_DELETING) {
        controller.LeaveDeleteMode();
    } else {
        controller.EnterDeleteMode();
    }
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
    SetWindowText(("Tobrix++  PLAYING : " + name).c_str());
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
    if (MessageBox("Are you sure?", "Clear High Scores", MB_YESNO | MB_ICONQUESTION) == IDYES) {
        controller.ClearHighScores();
    }
}
