#include "platform/wx/WxSunkenStatic.h"

#include "platform/Color.h"
#include "platform/wx/WxCanvas.h"

#include <wx/dcclient.h>

namespace {
// The static sits on a window's canvas and takes that window's colours: the classic ones on the
// game's own window, the theme's in a dialog.
ColorScheme SchemeOf(const wxWindow& control)
{
    const auto* canvas = dynamic_cast<const WxCanvas*>(control.GetParent());
    return canvas ? canvas->GetColorScheme() : ColorScheme::THEME;
}

wxColour Colour(ColorScheme scheme, int index)
{
    ColorRef c = GetSchemeColor(scheme, index);
    return wxColour(static_cast<unsigned char>(GetRValue(c)),
                    static_cast<unsigned char>(GetGValue(c)),
                    static_cast<unsigned char>(GetBValue(c)));
}
} // namespace

WxSunkenStatic::WxSunkenStatic(wxWindow* parent, wxWindowID id, const wxString& label,
                               const wxPoint& position, const wxSize& size, bool centre,
                               bool centreDown, bool sunken)
    : wxControl(parent, id, position, size, wxBORDER_NONE | wxFULL_REPAINT_ON_RESIZE),
      centre(centre), centreDown(centreDown), sunken(sunken)
{
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    wxControl::SetLabel(label);
    Bind(wxEVT_PAINT, &WxSunkenStatic::OnPaint, this);
}

void WxSunkenStatic::SetLabel(const wxString& label)
{
    if (label != GetLabel()) {
        wxControl::SetLabel(label);
        Refresh(false);
    }
}

wxSize WxSunkenStatic::DoGetBestSize() const
{
    wxClientDC dc(const_cast<WxSunkenStatic*>(this));
    dc.SetFont(GetFont());
    wxSize text = dc.GetMultiLineTextExtent(GetLabelText());
    return wxSize(text.x + 4, text.y + 4);
}

void WxSunkenStatic::OnPaint(wxPaintEvent& /*event*/)
{
    wxPaintDC dc(this);
    wxSize size = GetClientSize();
    const ColorScheme scheme = SchemeOf(*this);
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(Colour(scheme, COLOR_BTNFACE)));
    dc.DrawRectangle(0, 0, size.x, size.y);
    int inset = 0;
    if (sunken && size.x > 1 && size.y > 1) {
        dc.SetPen(wxPen(Colour(scheme, COLOR_BTNSHADOW)));
        dc.DrawLine(0, 0, size.x - 1, 0);
        dc.DrawLine(0, 0, 0, size.y - 1);
        dc.SetPen(wxPen(Colour(scheme, COLOR_BTNHIGHLIGHT)));
        dc.DrawLine(0, size.y - 1, size.x, size.y - 1);
        dc.DrawLine(size.x - 1, 0, size.x - 1, size.y - 1);
        inset = 1;
    }
    dc.SetFont(GetFont());
    dc.SetTextForeground(Colour(scheme, IsEnabled() ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    dc.SetClippingRegion(inset, inset, size.x - 2 * inset, size.y - 2 * inset);
    int align = (centre ? wxALIGN_CENTRE_HORIZONTAL : wxALIGN_LEFT) |
                (centreDown ? wxALIGN_CENTRE_VERTICAL : wxALIGN_TOP);
    dc.DrawLabel(GetLabelText(), wxRect(inset, inset, size.x - 2 * inset, size.y - 2 * inset),
                 align);
}
