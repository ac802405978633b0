#include "settings/PlayersDialog.h"

#include "platform/Control.h"
#include "platform/DataExchange.h"
#include "platform/MessageBox.h"
#include "res/ResourceIds.h"

namespace {

const CommandEntry playersCommands[] = {
    MapCommand(IDC_CREATE, &PlayersDialog::OnCreate),
    MapCommand(IDC_DELETE_PLAYER, &PlayersDialog::OnDelete),
};

} // namespace

const CommandMap PlayersDialog::commandMap{
    &Dialog::commandMap, playersCommands,
    static_cast<int>(sizeof playersCommands / sizeof playersCommands[0])};

PlayersDialog::PlayersDialog() : Dialog(IDD_PLAYERS, nullptr) {}

void PlayersDialog::LoadPlayers()
{
    playerList.Load();
}

// A file that cannot be written keeps its previous contents; the dialog has no message for it.
void PlayersDialog::SavePlayers()
{
    playerList.Save();
}

bool PlayersDialog::OnInitDialog()
{
    UpdateData(false);
    Control* list = GetDlgItem(IDC_PLAYER_LIST);
    if (list) {
        for (const std::string& name : playerList.players) {
            list->AddString(name.c_str());
        }
        // The alphabetically first name, not necessarily the one playing now.
        if (playerList.count > 0) {
            list->SetCurSel(0);
        }
    }
    if (Control* nameBox = GetDlgItem(IDC_NEW_NAME)) {
        // Every name must fit its 21-byte field with the terminating zero.
        nameBox->LimitText(static_cast<int>(NAME_MAX_BYTES));
        nameBox->SetWindowText("");
    }
    return true;
}

void PlayersDialog::DoDataExchange(DataExchange& dx)
{
    dx.ComboString(IDC_PLAYER_LIST, selectedName);
    dx.Text(IDC_NEW_NAME, newName);
}

void PlayersDialog::OnOK()
{
    UpdateData(true);
    EndDialog(IDOK);
}

void PlayersDialog::OnCreate()
{
    // The limit comes first: with ten players even an empty name gets this answer.
    if (playerList.count >= PLAYERS_MAX) {
        MessageBox("Can't create more than 10 players!", nullptr, MB_OK);
        return;
    }
    UpdateData(true);
    // Blanks alone are a name; only nothing at all is refused.
    if (newName.empty()) {
        MessageBox("You must enter the name!", nullptr, MB_OK);
        return;
    }
    playerList.Add(newName);
    SavePlayers();
    // The list box shows the name as it is kept, so that Delete finds it again.
    const std::string& stored = playerList.players.back();
    if (Control* list = GetDlgItem(IDC_PLAYER_LIST)) {
        list->AddString(stored.c_str());
        list->SelectString(-1, stored.c_str());
    }
}

void PlayersDialog::OnDelete()
{
    UpdateData(true);
    if (!playerList.Remove(selectedName)) {
        return;
    }
    if (Control* list = GetDlgItem(IDC_PLAYER_LIST)) {
        list->DeleteString(list->GetCurSel());
    }
    SavePlayers();
}
