#include "platform/wx/WxMessageBox.h"

#include "platform/MessageBox.h"
#include "platform/wx/WxLanguage.h"

#include <wx/artprov.h>
#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>
#include <wx/tokenzr.h>

#include <algorithm>
#include <vector>

namespace {
wxDialog* current = nullptr;
std::string currentText;

// Room beside a caption for the title bar's icon and buttons.
constexpr int CAPTION_ROOM = 112;
constexpr int MARGIN = 12;
constexpr int COLUMN_GAP = 16;

// A label that shows its text as written: a player's name or a file name may hold "&", which a
// label would otherwise take for the mark of a mnemonic and hide.
wxStaticText* Literal(wxWindow* parent, const wxString& text)
{
    return new wxStaticText(parent, wxID_ANY, wxControl::EscapeMnemonics(text));
}

// A text whose lines hold tabs becomes a grid: one column per tab stop, the first column left
// aligned and the others right aligned, each cell without the blanks that padded it.
wxSizer* TextArea(wxWindow* parent, const wxString& text)
{
    auto* area = new wxBoxSizer(wxVERTICAL);
    if (!text.Contains("\t")) {
        area->Add(Literal(parent, text));
        return area;
    }
    std::vector<wxArrayString> rows;
    size_t columns = 1;
    wxArrayString lines = wxSplit(text, '\n', '\0');
    if (!lines.empty() && lines.back().empty()) {
        lines.pop_back();
    }
    for (const wxString& line : lines) {
        rows.push_back(wxSplit(line, '\t', '\0'));
        columns = std::max(columns, rows.back().size());
    }
    auto* grid = new wxFlexGridSizer(static_cast<int>(columns), 2, COLUMN_GAP);
    for (const wxArrayString& row : rows) {
        for (size_t column = 0; column < columns; ++column) {
            wxString cell = column < row.size() ? row[column] : wxString();
            cell.Trim(true).Trim(false);
            grid->Add(Literal(parent, cell), 0, column == 0 ? wxALIGN_LEFT : wxALIGN_RIGHT);
        }
    }
    area->Add(grid);
    return area;
}
} // namespace

int WxMessageBox::Show(wxWindow* parent, const char* text, const char* caption, unsigned type)
{
    const unsigned buttons = type & MB_BUTTONS_MASK;
    const wxString title = wxString::FromUTF8(caption);
    wxDialog box(parent, wxID_ANY, title, wxDefaultPosition, wxDefaultSize,
                 wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX);

    auto* body = new wxBoxSizer(wxHORIZONTAL);
    const unsigned icon = type & MB_ICON_MASK;
    if (icon == MB_ICONQUESTION || icon == MB_ICONEXCLAMATION) {
        wxBitmap art = wxArtProvider::GetBitmap(
            icon == MB_ICONQUESTION ? wxART_QUESTION : wxART_WARNING, wxART_MESSAGE_BOX);
        body->Add(new wxStaticBitmap(&box, wxID_ANY, art), 0, wxALIGN_CENTRE_VERTICAL | wxRIGHT,
                  MARGIN);
    }
    body->Add(TextArea(&box, wxString::FromUTF8(text)), 1, wxALIGN_CENTRE_VERTICAL);

    // The buttons in the order of the desktop the game was made for.
    std::vector<std::pair<int, const char*>> choices;
    if (buttons == MB_YESNO) {
        choices = {{wxID_YES, "&Yes"}, {wxID_NO, "&No"}};
    } else if (buttons == MB_OKCANCEL) {
        choices = {{wxID_OK, "OK"}, {wxID_CANCEL, "Cancel"}};
    } else {
        choices = {{wxID_OK, "OK"}};
    }
    const bool second = (type & MB_DEFBUTTON_MASK) == MB_DEFBUTTON2 && choices.size() > 1;
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    wxButton* chosen = nullptr;
    for (size_t i = 0; i < choices.size(); ++i) {
        auto* button = new wxButton(&box, choices[i].first,
                                    wxString::FromUTF8(WxLanguage::StockText(choices[i].second)));
        WxLanguage::LabelStockButton(button);
        row->Add(button, 0, wxLEFT | wxRIGHT, MARGIN / 2);
        if (i == (second ? 1u : 0u)) {
            chosen = button;
        }
    }
    chosen->SetDefault();
    chosen->SetFocus();
    box.Bind(wxEVT_BUTTON, [&](wxCommandEvent& event) { box.EndModal(event.GetId()); });

    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(body, 1, wxEXPAND | wxALL, MARGIN);
    top->Add(row, 0, wxALIGN_CENTRE_HORIZONTAL | wxLEFT | wxRIGHT | wxBOTTOM, MARGIN);
    box.SetSizerAndFit(top);
    // Wide enough for the whole caption in the title bar's bold font.
    wxFont bold = wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT).Bold();
    int captionWidth = 0;
    box.GetTextExtent(title, &captionWidth, nullptr, nullptr, nullptr, &bold);
    const wxSize fitted = box.GetClientSize();
    if (fitted.x < captionWidth + CAPTION_ROOM) {
        box.SetClientSize(captionWidth + CAPTION_ROOM, fitted.y);
        box.Layout();
    }
    box.CentreOnParent();

    // The answer Escape and the close box give, or none (wxID_NONE) when they do nothing.
    const int escapeAnswer = buttons == MB_YESNO      ? wxID_NONE
                             : buttons == MB_OKCANCEL ? wxID_CANCEL
                                                      : wxID_OK;
    box.Bind(wxEVT_CHAR_HOOK, [&](wxKeyEvent& event) {
        if (event.GetKeyCode() != WXK_ESCAPE) {
            event.Skip();
        } else if (escapeAnswer != wxID_NONE) {
            box.EndModal(escapeAnswer);
        }
    });
    box.Bind(wxEVT_CLOSE_WINDOW, [&](wxCloseEvent& event) {
        if (escapeAnswer != wxID_NONE && box.IsModal()) {
            box.EndModal(escapeAnswer);
        } else if (event.CanVeto()) {
            event.Veto();
        }
    });
    wxDialog* outer = current;
    const std::string outerText = currentText;
    current = &box;
    currentText = text;
    const int answer = box.ShowModal();
    current = outer;
    currentText = outerText;
    switch (answer) {
    case wxID_YES:
        return IDYES;
    case wxID_NO:
        return IDNO;
    case wxID_CANCEL:
        return buttons == MB_YESNO ? IDNO : buttons == MB_OKCANCEL ? IDCANCEL : IDOK;
    default:
        return IDOK;
    }
}

wxDialog* WxMessageBox::Current()
{
    return current;
}

const std::string& WxMessageBox::CurrentText()
{
    return currentText;
}
