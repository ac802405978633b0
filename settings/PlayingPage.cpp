#include "settings/PlayingPage.h"

#include "platform/Control.h"
#include "platform/DataExchange.h"
#include "res/ResourceIds.h"

#include <string>

namespace {

const CommandEntry playingCommands[] = {
    MapCommand(IDC_SQUARE, &PlayingPage::OnSquare),
    MapNotify(IDC_COLS, CBN_SELCHANGE, &PlayingPage::OnColsChanged),
    MapCommand(IDC_LOAD_FACTORY, &PlayingPage::LoadFactoryDefaults),
    MapCommand(IDC_SAVE_DEFAULT, &PlayingPage::SaveAsDefault),
};

// Each list shows its values as decimal texts, ascending.
void FillList(Control* list, int32_t first, int32_t entries)
{
    if (!list) {
        return;
    }
    for (int32_t value = first; value < first + entries; ++value) {
        list->AddString(std::to_string(value).c_str());
    }
}

} // namespace

const CommandMap PlayingPage::commandMap{
    &PropertyPage::commandMap, playingCommands,
    static_cast<int>(sizeof playingCommands / sizeof playingCommands[0])};

PlayingPage::PlayingPage() : PropertyPage(IDD_PLAYING) {}

bool PlayingPage::OnInitDialog()
{
    // The lists are still empty here, so this first transfer only sets the Square box.
    UpdateData(false);
    FillList(GetDlgItem(IDC_COLS), BOARD_SIZE_FIRST, BOARD_SIZE_ENTRIES);
    FillList(GetDlgItem(IDC_ROWS), BOARD_SIZE_FIRST, BOARD_SIZE_ENTRIES);
    EnableRowsList();
    FillList(GetDlgItem(IDC_ADDED), ADDED_PIECES_FIRST, ADDED_PIECES_ENTRIES);
    FillList(GetDlgItem(IDC_LINE), LINE_LENGTH_FIRST, LINE_LENGTH_ENTRIES);
    FillList(GetDlgItem(IDC_COLORS), COLOR_COUNT_FIRST, COLOR_COUNT_ENTRIES);
    UpdateData(false);
    return true;
}

void PlayingPage::DoDataExchange(DataExchange& dx)
{
    dx.ComboIndex(IDC_ADDED, addedIndex);
    dx.ComboIndex(IDC_COLS, colsIndex);
    dx.ComboIndex(IDC_ROWS, rowsIndex);
    dx.ComboIndex(IDC_LINE, lineIndex);
    dx.ComboIndex(IDC_COLORS, colorsIndex);
    dx.Check(IDC_SQUARE, square);
}

void PlayingPage::EnableRowsList()
{
    if (Control* rows = GetDlgItem(IDC_ROWS)) {
        rows->EnableWindow(square == 0);
    }
}

// A square board takes its height from the width: the height list is locked and shows the
// width; rowsIndex catches up at the next transfer from the controls.
void PlayingPage::OnSquare()
{
    UpdateData(true);
    EnableRowsList();
    if (square != 0) {
        if (Control* rows = GetDlgItem(IDC_ROWS)) {
            rows->SetCurSel(colsIndex);
        }
    }
}

void PlayingPage::OnColsChanged()
{
    UpdateData(true);
    if (square != 0) {
        rowsIndex = colsIndex;
    }
    UpdateData(false);
}

// Only the values and what the controls show change here; the height list keeps whatever
// enabled state it had.
void PlayingPage::LoadFactoryDefaults()
{
    SetFactoryValues();
    UpdateData(false);
}

// A file that cannot be written leaves the old one in place; the player is told once.
void PlayingPage::SaveAsDefault()
{
    UpdateData(true);
    WriteDefaultsFile();
}
