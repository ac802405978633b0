#pragma once

#include <wx/control.h>

// A static text drawn by us: centred across (or left aligned), centred down when asked, on the
// dialog face colour, with the classic one-pixel sunken edge (shadow at the top and left,
// highlight at the bottom and right). The toolkit's own static text can neither centre down nor
// draw that edge.
class WxSunkenStatic : public wxControl
{
public:
    WxSunkenStatic(wxWindow* parent, wxWindowID id, const wxString& label, const wxPoint& position,
                   const wxSize& size, bool centre, bool centreDown, bool sunken);
    ~WxSunkenStatic() override = default;

    void SetLabel(const wxString& label) override;
    bool AcceptsFocus() const override { return false; }

protected:
    wxSize DoGetBestSize() const override;

private:
    void OnPaint(wxPaintEvent& event);

    bool centre;
    bool centreDown;
    bool sunken;
};
