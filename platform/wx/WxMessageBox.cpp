#include "platform/wx/WxMessageBox.h"

#include "platform/MessageBox.h"

// The generic box needs the toolkit's own message box declarations first.
#include <wx/msgdlg.h>

#include <wx/generic/msgdlgg.h>

namespace {
wxDialog* current = nullptr;
}

int WxMessageBox::Show(wxWindow* parent, const char* text, const char* caption, unsigned type)
{
    unsigned buttons = type & MB_BUTTONS_MASK;
    long style = wxCENTRE;
    if (buttons == MB_YESNO) {
        style |= wxYES_NO;
    } else if (buttons == MB_OKCANCEL) {
        style |= wxOK | wxCANCEL;
    } else {
        style |= wxOK;
    }
    switch (type & MB_ICON_MASK) {
    case MB_ICONQUESTION:
        style |= wxICON_QUESTION;
        break;
    case MB_ICONEXCLAMATION:
        style |= wxICON_EXCLAMATION;
        break;
    default:
        // No icon flag at all: the generic box then shows none.
        break;
    }
    wxGenericMessageDialog box(parent, wxString::FromUTF8(text), wxString::FromUTF8(caption),
                               style);
    // The answer Escape and the close box give, or none (wxID_NONE) when they do nothing.
    int escapeAnswer = buttons == MB_YESNO      ? wxID_NONE
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
    current = &box;
    int answer = box.ShowModal();
    current = outer;
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
