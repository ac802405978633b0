#include "settings/PlayersDialog.h"

#include "platform/Control.h"
#include "platform/DataExchange.h"
#include "platform/MessageBox.h"
#include "platform/Translation.h"
#include "res/ResourceIds.h"
#include "settings/DisplayName.h"

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

// A file that cannot be written keeps its previous contents; the player is told once.
void PlayersDialog::SavePlayers()
{
    playerList.Save();
}

bool PlayersDialog::OnInitDialog()
{
    UpdateData(false);
    ShowPlayers();
    // The alphabetically first name, not necessarily the one playing now.
    Control* list = GetDlgItem(IDC_PLAYER_LIST);
    if (list && playerList.count > 0) {
        list->SetCurSel(0);
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
        MessageBox(_("Can't create more than 10 players!"), nullptr, MB_OK);
        return;
    }
    UpdateData(true);
    // Blanks alone are a name; only nothing at all is refused.
    if (newName.empty()) {
        MessageBox(_("You must enter the name!"), nullptr, MB_OK);
        return;
    }
    // The list on disk may hold players that another game created meanwhile, up to the limit.
    const bool created = playerList.Create(newName);
    ShowPlayers();
    if (!created) {
        MessageBox(_("Can't create more than 10 players!"), nullptr, MB_OK);
        return;
    }
    // The list box shows the name as it is kept, so that Delete finds it again.
    const std::string shown = DisplayName(playerList.players.back());
    if (Control* list = GetDlgItem(IDC_PLAYER_LIST)) {
        list->SelectString(-1, shown.c_str());
    }
}

void PlayersDialog::OnDelete()
{
    UpdateData(true);
    // Refilled from the list as it is on disk now, the box has no entry selected.
    if (playerList.Delete(selectedName)) {
        ShowPlayers();
    }
}

void PlayersDialog::ShowPlayers()
{
    Control* list = GetDlgItem(IDC_PLAYER_LIST);
    if (!list) {
        return;
    }
    list->ResetContent();
    for (const std::string& name : playerList.players) {
        list->AddString(DisplayName(name).c_str());
    }
}
