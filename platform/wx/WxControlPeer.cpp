#include "platform/wx/WxControlPeer.h"

#include "platform/Bitmap.h"
#include "platform/Control.h"
#include "platform/Message.h"
#include "platform/Resources.h"
#include "platform/Translation.h"
#include "platform/wx/WxImages.h"
#include "platform/wx/WxLanguage.h"
#include "platform/wx/WxSunkenStatic.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/radiobut.h>
#include <wx/slider.h>
#include <wx/statbmp.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <algorithm>

namespace {
// The room a group box's frame takes beside its label, at both ends.
constexpr int GROUP_LABEL_INDENTS = 16;

// A template's text in the player's language; OK and Cancel are the toolkit's stock buttons and
// take its words for them, as its own dialogs do.
std::string ShownText(const ControlTemplate& c)
{
    if (c.kind == CONTROL_PUSHBUTTON && (c.id == IDOK || c.id == IDCANCEL) && c.text) {
        return WxLanguage::StockText(c.text);
    }
    return c.text ? Translate(c.text) : "";
}

wxString Text(const char* text)
{
    return wxString::FromUTF8(text ? text : "");
}

bool IsCentred(unsigned style)
{
    return (style & 0x0F) == SS_CENTER;
}

long EditStyle(unsigned style)
{
    long wxStyle = (style & WS_BORDER) ? 0L : static_cast<long>(wxBORDER_NONE);
    if (style & ES_MULTILINE) {
        // Long lines wrap at word ends, as on the desktop the templates were made for.
        wxStyle |= wxTE_MULTILINE | wxTE_WORDWRAP | ((style & WS_VSCROLL) ? 0L : wxTE_NO_VSCROLL);
    }
    if (style & ES_READONLY) {
        wxStyle |= wxTE_READONLY;
    }
    return wxStyle;
}

wxBitmap IconBitmap(int resourceId)
{
    Bitmap image;
    const char* const* xpm = FindIconResource(resourceId, 32);
    if (!xpm || !image.LoadXpm(xpm)) {
        return wxNullBitmap;
    }
    return wxBitmap(WxImages::ToImage(image.image));
}
} // namespace

WxControlPeer::WxControlPeer(wxWindow* parent, const ControlTemplate& c, const Rect& rect)
    : id(c.id), kind(c.kind), style(c.style), text(ShownText(c))
{
    wxWindowID wid = c.id >= 0 ? c.id : wxID_ANY;
    wxPoint at(rect.left, rect.top);
    wxSize size(rect.Width(), rect.Height());
    wxString label = Text(text.c_str());
    switch (kind) {
    case CONTROL_STATIC:
        if (style & (SS_SUNKEN | SS_CENTERIMAGE)) {
            control = new WxSunkenStatic(
                parent, wid, (style & SS_NOPREFIX) ? wxControl::EscapeMnemonics(label) : label, at,
                size, IsCentred(style), (style & SS_CENTERIMAGE) != 0, (style & SS_SUNKEN) != 0);
        } else {
            control = new wxStaticText(
                parent, wid, wxEmptyString, at, size,
                wxST_NO_AUTORESIZE | (IsCentred(style) ? wxALIGN_CENTRE_HORIZONTAL : wxALIGN_LEFT));
            SetText(text.c_str());
        }
        break;
    case CONTROL_ICON:
        control = new wxStaticBitmap(parent, wid, IconBitmap(c.resourceId), at, size);
        break;
    case CONTROL_PUSHBUTTON: {
        auto* button = new wxButton(parent, wid, label, at, size);
        if ((style & 0x0F) == BS_DEFPUSHBUTTON) {
            button->SetDefault();
        }
        control = button;
        break;
    }
    case CONTROL_CHECKBOX:
        control = new wxCheckBox(parent, wid, label, at, size);
        break;
    case CONTROL_RADIOBUTTON:
        control =
            new wxRadioButton(parent, wid, label, at, size, (style & WS_GROUP) ? wxRB_GROUP : 0);
        break;
    case CONTROL_GROUPBOX:
        control = new wxStaticBox(parent, wid, label, at, size,
                                  (style & BS_CENTER) == BS_CENTER ? wxALIGN_CENTRE_HORIZONTAL : 0);
        break;
    case CONTROL_COMBOBOX:
        control = new wxChoice(parent, wid, at, wxSize(size.x, -1));
        break;
    case CONTROL_SLIDER: {
        long sliderStyle = (style & TBS_VERT) ? wxSL_VERTICAL : wxSL_HORIZONTAL;
        sliderStyle |= (style & TBS_AUTOTICKS) ? wxSL_AUTOTICKS : 0;
        sliderStyle |= (style & TBS_LEFT) ? wxSL_LEFT : 0;
        auto* slider = new wxSlider(parent, wid, 0, 0, 100, at, size, sliderStyle);
        slider->SetTickFreq(1);
        control = slider;
        break;
    }
    case CONTROL_EDIT:
        control = new wxTextCtrl(parent, wid, wxEmptyString, at, size, EditStyle(style));
        control->Bind(wxEVT_TEXT, &WxControlPeer::OnEditText, this);
        if ((style & ES_MULTILINE) && (style & WS_VSCROLL)) {
            // The bar shows there is more to read below; a desktop with overlay scroll bars
            // still shows it only while the pointer is over the text.
            control->AlwaysShowScrollbars(false, true);
        }
        // The box starts with the template's text: the game's help is written there.
        SetText(text.c_str());
        break;
    }
    if (!(style & WS_VISIBLE)) {
        control->Hide();
    }
    if (style & WS_DISABLED) {
        control->Disable();
    }
}

WxControlPeer::WxControlPeer(wxWindow* button, int id, unsigned style, const char* text)
    : id(id), kind(CONTROL_PUSHBUTTON), style(style), text(text ? text : ""), control(button)
{
}

void WxControlPeer::GrowToFit()
{
    if (kind == CONTROL_SLIDER || kind == CONTROL_ICON) {
        return;
    }
    wxRect r = control->GetRect();
    if (kind == CONTROL_GROUPBOX) {
        // Wide enough for its label in the frame's top edge, with the frame's own indents; a
        // longer language's label would otherwise be cut.
        const int label = control->GetTextExtent(wxControl::RemoveMnemonics(control->GetLabel())).x;
        control->SetSize(r.x, r.y, std::max(r.width, label + GROUP_LABEL_INDENTS), r.height);
        return;
    }
    wxSize best = control->GetBestSize();
    int width = std::max(r.width, best.x);
    int height = std::max(r.height, best.y);
    int x = r.x;
    int y = r.y - (height - r.height) / 2;
    if (kind == CONTROL_COMBOBOX) {
        // The list's field: the template gives the dropped height, the toolkit the field's.
        width = r.width;
        height = best.y;
        y = r.y;
    } else if (kind == CONTROL_PUSHBUTTON || (kind == CONTROL_STATIC && IsCentred(style))) {
        x = r.x - (width - r.width) / 2;
    }
    control->SetSize(x, y, width, height);
}

void WxControlPeer::SetText(const char* newText)
{
    text = newText ? newText : "";
    wxString label = Text(newText);
    switch (kind) {
    case CONTROL_EDIT:
        static_cast<wxTextCtrl*>(control)->ChangeValue(label);
        accepted = label;
        break;
    case CONTROL_STATIC:
        if (auto* plain = dynamic_cast<wxStaticText*>(control)) {
            if (style & SS_NOPREFIX) {
                plain->SetLabelText(label);
            } else {
                plain->SetLabel(label);
            }
        } else {
            control->SetLabel((style & SS_NOPREFIX) ? wxControl::EscapeMnemonics(label) : label);
        }
        break;
    case CONTROL_PUSHBUTTON:
    case CONTROL_CHECKBOX:
    case CONTROL_RADIOBUTTON:
    case CONTROL_GROUPBOX:
        control->SetLabel(label);
        break;
    default:
        // A drop-down list shows its selected entry; an icon or a slider shows no text.
        break;
    }
}

void WxControlPeer::GetText(std::string& out) const
{
    if (kind == CONTROL_EDIT) {
        out = static_cast<wxTextCtrl*>(control)->GetValue().utf8_string();
    } else {
        out = text;
    }
}

void WxControlPeer::Enable(bool enable)
{
    control->Enable(enable);
}

bool WxControlPeer::IsEnabled() const
{
    return control->IsThisEnabled();
}

void WxControlPeer::Show(bool show)
{
    control->Show(show);
}

bool WxControlPeer::IsVisible() const
{
    return control->IsShown();
}

void WxControlPeer::SetCheck(int check)
{
    if (kind == CONTROL_CHECKBOX) {
        static_cast<wxCheckBox*>(control)->SetValue(check != 0);
    } else if (kind == CONTROL_RADIOBUTTON) {
        auto* radio = static_cast<wxRadioButton*>(control);
        if (check) {
            radio->SetValue(true);
        } else if (radio->GetValue() && groupNone) {
            // The toolkit cannot clear a radio button: checking the hidden one clears the group.
            groupNone->SetValue(true);
        }
    }
}

int WxControlPeer::GetCheck() const
{
    if (kind == CONTROL_CHECKBOX) {
        return static_cast<wxCheckBox*>(control)->GetValue() ? 1 : 0;
    }
    if (kind == CONTROL_RADIOBUTTON) {
        return static_cast<wxRadioButton*>(control)->GetValue() ? 1 : 0;
    }
    return 0;
}

void WxControlPeer::InsertString(int index, const char* entry)
{
    if (kind == CONTROL_COMBOBOX) {
        static_cast<wxChoice*>(control)->Insert(Text(entry), static_cast<unsigned>(index));
    }
}

void WxControlPeer::DeleteString(int index)
{
    if (kind == CONTROL_COMBOBOX) {
        static_cast<wxChoice*>(control)->Delete(static_cast<unsigned>(index));
    }
}

int WxControlPeer::GetCount() const
{
    return kind == CONTROL_COMBOBOX ? static_cast<int>(static_cast<wxChoice*>(control)->GetCount())
                                    : 0;
}

void WxControlPeer::GetString(int index, std::string& out) const
{
    out =
        kind == CONTROL_COMBOBOX
            ? static_cast<wxChoice*>(control)->GetString(static_cast<unsigned>(index)).utf8_string()
            : std::string();
}

void WxControlPeer::SetCurSel(int index)
{
    if (kind == CONTROL_COMBOBOX) {
        static_cast<wxChoice*>(control)->SetSelection(index >= 0 ? index : wxNOT_FOUND);
    }
}

int WxControlPeer::GetCurSel() const
{
    return kind == CONTROL_COMBOBOX ? static_cast<wxChoice*>(control)->GetSelection() : -1;
}

void WxControlPeer::SetRange(int minimum, int maximum)
{
    if (kind == CONTROL_SLIDER) {
        static_cast<wxSlider*>(control)->SetRange(minimum, maximum);
    }
}

int WxControlPeer::GetRangeMin() const
{
    return kind == CONTROL_SLIDER ? static_cast<wxSlider*>(control)->GetMin() : 0;
}

int WxControlPeer::GetRangeMax() const
{
    return kind == CONTROL_SLIDER ? static_cast<wxSlider*>(control)->GetMax() : 0;
}

void WxControlPeer::SetPos(int position)
{
    if (kind == CONTROL_SLIDER) {
        static_cast<wxSlider*>(control)->SetValue(position);
    }
}

int WxControlPeer::GetPos() const
{
    return kind == CONTROL_SLIDER ? static_cast<wxSlider*>(control)->GetValue() : 0;
}

void WxControlPeer::SetLimitText(int limit)
{
    limitText = limit;
    if (kind == CONTROL_EDIT) {
        static_cast<wxTextCtrl*>(control)->SetMaxLength(static_cast<unsigned long>(limit));
    }
}

void WxControlPeer::OnEditText(wxCommandEvent& event)
{
    auto* edit = static_cast<wxTextCtrl*>(control);
    const wxString now = edit->GetValue();
    const size_t limit = static_cast<size_t>(limitText);
    if (limit > 0 && now.utf8_string().size() > limit) {
        // The text kept at both ends stays; of what came between, as many whole characters as fit.
        size_t head = 0;
        while (head < accepted.length() && head < now.length() && accepted[head] == now[head]) {
            ++head;
        }
        size_t tail = 0;
        while (tail < accepted.length() - head && tail < now.length() - head &&
               accepted[accepted.length() - 1 - tail] == now[now.length() - 1 - tail]) {
            ++tail;
        }
        const std::string kept = (now.Left(head) + now.Right(tail)).utf8_string();
        std::string inserted = now.Mid(head, now.length() - head - tail).utf8_string();
        inserted.resize(FitUtf8(inserted, limit > kept.size() ? limit - kept.size() : 0));
        const wxString fitted = wxString::FromUTF8(inserted);
        edit->ChangeValue(now.Left(head) + fitted + now.Right(tail));
        edit->SetInsertionPoint(static_cast<long>(head + fitted.length()));
    }
    accepted = edit->GetValue();
    event.Skip();
}

void WxControlPeer::Move(const Rect& rect)
{
    int height = kind == CONTROL_COMBOBOX ? -1 : rect.Height();
    control->SetSize(rect.left, rect.top, rect.Width(), height, wxSIZE_ALLOW_MINUS_ONE);
}

Rect WxControlPeer::GetRect() const
{
    wxRect r = control->GetRect();
    return Rect{r.x, r.y, r.GetRight() + 1, r.GetBottom() + 1};
}
