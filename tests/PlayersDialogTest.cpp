#include "FileBytes.h"
#include "HeadlessTest.h"
#include "TempWorkingDir.h"

#include "platform/Control.h"
#include "res/ResourceIds.h"
#include "settings/PlayersDialog.h"

#include <filesystem>
#include <string>
#include <vector>

using Names = std::vector<std::string>;

namespace {

std::vector<unsigned char> PlayersFile(const Names& names)
{
    std::vector<unsigned char> bytes;
    AppendInt32(bytes, static_cast<int32_t>(names.size()));
    for (const std::string& name : names) {
        AppendNameField(bytes, name);
    }
    return bytes;
}

Names Entries(DialogSession& s)
{
    Names entries;
    Control* list = s.Item(IDC_PLAYER_LIST);
    for (int i = 0; i < list->GetCount(); ++i) {
        entries.push_back(list->GetLBText(i));
    }
    return entries;
}

std::string Selected(DialogSession& s)
{
    return s.Item(IDC_PLAYER_LIST)->GetSelectedText();
}

void Create(DialogSession& s, const char* name)
{
    s.Type(IDC_NEW_NAME, name);
    s.Click(IDC_CREATE);
}

} // namespace

// The dialog as the main window holds it, in a fresh working directory.
class PlayersDialogTest : public HeadlessTest
{
protected:
    void ExpectBoxes(const Names& texts)
    {
        Names shown;
        for (const HeadlessBackend::MessageBoxRecord& box : headless.MessageBoxes()) {
            shown.push_back(box.text);
            EXPECT_EQ(box.owner, &dialog);
            EXPECT_EQ(box.caption, "TOBRIX++");
            EXPECT_EQ(box.type, MB_OK);
        }
        EXPECT_EQ(shown, texts);
    }

    TempWorkingDir dir;
    PlayersDialog dialog;
};

TEST_F(PlayersDialogTest, FirstRunShowsAnEmptyListAndOkChoosesNobody)
{
    dialog.LoadPlayers();
    EXPECT_EQ(dialog.playerList.count, 0);
    headless.ScriptDialog([&](DialogSession& s) {
        EXPECT_EQ(s.Peer()->title, "Players");
        EXPECT_EQ(s.GetWindow().GetParent(), nullptr);
        EXPECT_TRUE(Entries(s).empty());
        EXPECT_EQ(s.Item(IDC_PLAYER_LIST)->GetCurSel(), -1);
        EXPECT_EQ(s.Text(IDC_NEW_NAME), "");
        EXPECT_EQ(s.Item(IDC_NEW_NAME)->GetLimitText(), 20);
        s.Ok();
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.selectedName, "");
    EXPECT_FALSE(FileExists(PLAYERS_FILE));
}

TEST_F(PlayersDialogTest, ZoeThenAdamAreListedSortedAndStoredInCreationOrder)
{
    headless.ScriptDialog([&](DialogSession& s) {
        Create(s, "Zoe");
        EXPECT_EQ(Selected(s), "Zoe");
        Create(s, "Adam");
        EXPECT_EQ(Entries(s), (Names{"Adam", "Zoe"}));
        EXPECT_EQ(Selected(s), "Adam");
        EXPECT_EQ(s.Text(IDC_NEW_NAME), "Adam");
        s.Click(IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.selectedName, "Adam");
    EXPECT_EQ(dialog.playerList.players, (Names{"Zoe", "Adam"}));
    EXPECT_EQ(ReadFileBytes(PLAYERS_FILE), PlayersFile({"Zoe", "Adam"}));

    // Reopened, the alphabetically first name is chosen and the name box is empty again.
    headless.ScriptDialog([&](DialogSession& s) {
        EXPECT_EQ(Entries(s), (Names{"Adam", "Zoe"}));
        EXPECT_EQ(Selected(s), "Adam");
        EXPECT_EQ(s.Text(IDC_NEW_NAME), "");
        s.Cancel();
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    // The same from the file in the next run.
    PlayersDialog next;
    next.LoadPlayers();
    headless.ScriptDialog([&](DialogSession& s) {
        EXPECT_EQ(Entries(s), (Names{"Adam", "Zoe"}));
        EXPECT_EQ(Selected(s), "Adam");
        EXPECT_EQ(s.Text(IDC_NEW_NAME), "");
        s.Ok();
    });
    EXPECT_EQ(next.DoModal(), IDOK);
    EXPECT_EQ(next.selectedName, "Adam");
}

TEST_F(PlayersDialogTest, WindowsNamesAreShownDecodedAndCanBeDeleted)
{
    WriteFileBytes(PLAYERS_FILE, PlayersFile({"Zo\xEB", "Ren\xE9", "Ann"}));
    dialog.LoadPlayers();
    headless.ScriptDialog([&](DialogSession& s) {
        EXPECT_EQ(Entries(s), (Names{"Ann", "Ren\xC3\xA9", "Zo\xC3\xAB"}));
        s.Item(IDC_PLAYER_LIST)->SelectString(-1, "Ren");
        s.Click(IDC_DELETE_PLAYER);
        EXPECT_EQ(Entries(s), (Names{"Ann", "Zo\xC3\xAB"}));
        s.Ok();
    });
    dialog.DoModal();
    // The names left keep the bytes they had.
    EXPECT_EQ(ReadFileBytes(PLAYERS_FILE), PlayersFile({"Zo\xEB", "Ann"}));
}

TEST_F(PlayersDialogTest, ANameAddedTwiceIsListedTwiceAndDeletedFirstInCreationOrder)
{
    headless.ScriptDialog([&](DialogSession& s) {
        Create(s, "Ann");
        Create(s, "Bob");
        Create(s, "Ann");
        EXPECT_EQ(Entries(s), (Names{"Ann", "Ann", "Bob"}));
        EXPECT_EQ(s.Item(IDC_PLAYER_LIST)->GetCurSel(), 0);
        s.Click(IDC_DELETE_PLAYER);
        EXPECT_EQ(Entries(s), (Names{"Ann", "Bob"}));
        EXPECT_EQ(s.Item(IDC_PLAYER_LIST)->GetCurSel(), -1);
        s.Ok();
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.playerList.players, (Names{"Bob", "Ann"}));
    EXPECT_EQ(dialog.playerList.count, 2);
    EXPECT_EQ(ReadFileBytes(PLAYERS_FILE), PlayersFile({"Bob", "Ann"}));
    EXPECT_EQ(dialog.selectedName, "");
}

TEST_F(PlayersDialogTest, ANewNameSelectsTheFirstEntryEqualToItIgnoringCase)
{
    headless.ScriptDialog([&](DialogSession& s) {
        Create(s, "anna");
        Create(s, "ann");
        EXPECT_EQ(Selected(s), "ann");
        Create(s, "ANN");
        EXPECT_EQ(Entries(s), (Names{"ann", "ANN", "anna"}));
        EXPECT_EQ(Selected(s), "ann");
        s.Ok();
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.playerList.players, (Names{"anna", "ann", "ANN"}));
}

TEST_F(PlayersDialogTest, TheEleventhPlayerIsRefusedEvenWithAnEmptyName)
{
    Names nine;
    for (int i = 1; i <= 9; ++i) {
        nine.push_back("Player " + std::to_string(i));
    }
    WriteFileBytes(PLAYERS_FILE, PlayersFile(nine));
    dialog.LoadPlayers();
    Names ten = nine;
    ten.push_back("Tenth");
    headless.ScriptDialog([&](DialogSession& s) {
        EXPECT_EQ(Entries(s).size(), 9u);
        EXPECT_EQ(Selected(s), "Player 1");
        Create(s, "Tenth");
        EXPECT_EQ(Entries(s).size(), 10u);
        EXPECT_TRUE(headless.MessageBoxes().empty());
        Create(s, "Eleventh");
        s.Type(IDC_NEW_NAME, "");
        s.Click(IDC_CREATE);
        EXPECT_EQ(Entries(s).size(), 10u);
        EXPECT_EQ(Selected(s), "Tenth");
        s.Ok();
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    ExpectBoxes({"Can't create more than 10 players!", "Can't create more than 10 players!"});
    EXPECT_EQ(dialog.playerList.players, ten);
    EXPECT_EQ(ReadFileBytes(PLAYERS_FILE), PlayersFile(ten));
}

TEST_F(PlayersDialogTest, AnEmptyNameIsRefusedButBlanksAreAName)
{
    headless.ScriptDialog([&](DialogSession& s) {
        s.Click(IDC_CREATE);
        EXPECT_TRUE(Entries(s).empty());
        EXPECT_FALSE(FileExists(PLAYERS_FILE));
        Create(s, "   ");
        EXPECT_EQ(Entries(s), (Names{"   "}));
        s.Ok();
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    ExpectBoxes({"You must enter the name!"});
    EXPECT_EQ(ReadFileBytes(PLAYERS_FILE), PlayersFile({"   "}));
}

TEST_F(PlayersDialogTest, DeleteWithoutASelectionChangesNothingAndWritesNoFile)
{
    headless.ScriptDialog([&](DialogSession& s) {
        s.Click(IDC_DELETE_PLAYER);
        s.Ok();
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_FALSE(FileExists(PLAYERS_FILE));

    WriteFileBytes(PLAYERS_FILE, PlayersFile({"Cleo", "Abe"}));
    dialog.LoadPlayers();
    headless.ScriptDialog([&](DialogSession& s) {
        s.Click(IDC_DELETE_PLAYER);
        EXPECT_EQ(Entries(s), (Names{"Cleo"}));
        // The file goes away so that a rewrite would show; nothing is selected any more.
        std::filesystem::remove(PLAYERS_FILE);
        s.Click(IDC_DELETE_PLAYER);
        EXPECT_EQ(Entries(s), (Names{"Cleo"}));
        s.Ok();
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_FALSE(FileExists(PLAYERS_FILE));
    EXPECT_EQ(dialog.playerList.players, (Names{"Cleo"}));
    EXPECT_TRUE(headless.MessageBoxes().empty());
}

TEST_F(PlayersDialogTest, EnterInTheNameBoxClosesWithoutCreating)
{
    headless.ScriptDialog([&](DialogSession& s) {
        s.Type(IDC_NEW_NAME, "Max");
        s.Ok();
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.newName, "Max");
    EXPECT_EQ(dialog.playerList.count, 0);
    EXPECT_FALSE(FileExists(PLAYERS_FILE));
}

TEST_F(PlayersDialogTest, CancelKeepsACreatedPlayer)
{
    headless.ScriptDialog([&](DialogSession& s) {
        Create(s, "Eve");
        s.Cancel();
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.playerList.players, (Names{"Eve"}));
    EXPECT_EQ(ReadFileBytes(PLAYERS_FILE), PlayersFile({"Eve"}));
}

TEST_F(PlayersDialogTest, LeadingBlanksAreKeptInTheListAndTheChoice)
{
    headless.ScriptDialog([&](DialogSession& s) {
        Create(s, "  Bob");
        s.Ok();
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.selectedName, "  Bob");
    EXPECT_EQ(ReadFileBytes(PLAYERS_FILE), PlayersFile({"  Bob"}));
}

TEST_F(PlayersDialogTest, EveryNameFitsItsFieldAndCanBeDeletedAgain)
{
    headless.ScriptDialog([&](DialogSession& s) {
        // Typing stops at 20 characters.
        Create(s, "Abcdefghijklmnopqrstuvwxyz");
        EXPECT_EQ(Selected(s), "Abcdefghijklmnopqrst");
        // The box counts bytes: a character that does not fit whole is refused.
        s.Type(IDC_NEW_NAME, "abcdefghijklmnopqrs\xC3\xA9");
        EXPECT_EQ(s.Item(IDC_NEW_NAME)->GetWindowText(), "abcdefghijklmnopqrs");
        // Twelve two-byte characters fit a 20-character box but not the 20-byte field: the list
        // shows the name as stored, so Delete finds it.
        s.Item(IDC_NEW_NAME)
            ->SetWindowText("\xC3\x84\xC3\x84\xC3\x84\xC3\x84\xC3\x84\xC3\x84"
                            "\xC3\x84\xC3\x84\xC3\x84\xC3\x84\xC3\x84\xC3\x84");
        s.Click(IDC_CREATE);
        std::string ten(10 * 2, '\0');
        for (size_t i = 0; i < ten.size(); i += 2) {
            ten[i] = '\xC3';
            ten[i + 1] = '\x84';
        }
        EXPECT_EQ(Selected(s), ten);
        s.Click(IDC_DELETE_PLAYER);
        EXPECT_EQ(Entries(s), (Names{"Abcdefghijklmnopqrst"}));
        s.Ok();
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(ReadFileBytes(PLAYERS_FILE), PlayersFile({"Abcdefghijklmnopqrst"}));
}
