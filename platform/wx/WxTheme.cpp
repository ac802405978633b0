#include "platform/wx/WxTheme.h"

#include "platform/Color.h"

#include <wx/event.h>
#include <wx/eventfilter.h>
#include <wx/settings.h>
#include <wx/window.h>

#ifdef __WXGTK3__
#include <gtk/gtk.h>
#endif

#include <memory>

namespace {
struct ThemeEntry
{
    int index;
    wxSystemColour source;
};

// Each entry of the table from the toolkit's colour of the same meaning.
constexpr ThemeEntry THEME_ENTRIES[] = {
    {COLOR_WINDOW, wxSYS_COLOUR_WINDOW},
    {COLOR_WINDOWTEXT, wxSYS_COLOUR_WINDOWTEXT},
    {COLOR_INACTIVEBORDER, wxSYS_COLOUR_INACTIVEBORDER},
    {COLOR_BTNFACE, wxSYS_COLOUR_BTNFACE},
    {COLOR_BTNSHADOW, wxSYS_COLOUR_BTNSHADOW},
    {COLOR_GRAYTEXT, wxSYS_COLOUR_GRAYTEXT},
    {COLOR_BTNTEXT, wxSYS_COLOUR_BTNTEXT},
    {COLOR_BTNHIGHLIGHT, wxSYS_COLOUR_BTNHIGHLIGHT},
    {COLOR_3DDKSHADOW, wxSYS_COLOUR_3DDKSHADOW},
    {COLOR_3DLIGHT, wxSYS_COLOUR_3DLIGHT},
};

wxColour ToWx(ColorRef color)
{
    return wxColour(static_cast<unsigned char>(GetRValue(color)),
                    static_cast<unsigned char>(GetGValue(color)),
                    static_cast<unsigned char>(GetBValue(color)));
}

// wx tells every top-level window, and from there its children, when the theme has changed,
// once its own colours are fresh. The table is read again as the top-level window's notice
// passes, before any window handles it, so that whatever repaints then finds the new colours.
class ThemeChangeFilter : public wxEventFilter
{
public:
    int FilterEvent(wxEvent& event) override
    {
        if (event.GetEventType() == wxEVT_SYS_COLOUR_CHANGED) {
            auto* window = wxDynamicCast(event.GetEventObject(), wxWindow);
            if (window && window->IsTopLevel()) {
                WxTheme::Read();
            }
        }
        return Event_Skip;
    }
};

std::unique_ptr<ThemeChangeFilter> changeFilter;

#ifdef __WXGTK3__
// GTK restyles every widget when the application's dark preference flips, but wx 3.2 refreshes
// its colours and tells its windows only when the theme's name changes: the preference is passed
// on as a change of the name.
gulong preferDarkHandler = 0;

void OnPreferDarkChanged(GObject* settings, GParamSpec* /*property*/, gpointer /*data*/)
{
    g_object_notify(settings, "gtk-theme-name");
}
#endif
} // namespace

void WxTheme::Read()
{
    for (const ThemeEntry& entry : THEME_ENTRIES) {
        const wxColour colour = wxSystemSettings::GetColour(entry.source);
        if (colour.IsOk()) {
            SetThemeSysColor(entry.index, Rgb(colour.Red(), colour.Green(), colour.Blue()));
        }
    }
}

void WxTheme::Follow()
{
    // Reading first also makes wx watch the theme's name, before anything else does.
    Read();
    if (!changeFilter) {
        changeFilter = std::make_unique<ThemeChangeFilter>();
        wxEvtHandler::AddFilter(changeFilter.get());
    }
#ifdef __WXGTK3__
    GtkSettings* settings = gtk_settings_get_default();
    if (settings && preferDarkHandler == 0) {
        preferDarkHandler = g_signal_connect(settings, "notify::gtk-application-prefer-dark-theme",
                                             G_CALLBACK(OnPreferDarkChanged), nullptr);
    }
#endif
}

void WxTheme::Stop()
{
#ifdef __WXGTK3__
    GtkSettings* settings = gtk_settings_get_default();
    if (settings && preferDarkHandler != 0) {
        g_signal_handler_disconnect(settings, preferDarkHandler);
    }
    preferDarkHandler = 0;
#endif
    if (changeFilter) {
        wxEvtHandler::RemoveFilter(changeFilter.get());
        changeFilter.reset();
    }
    ResetThemeSysColors();
}

void WxTheme::KeepFace(wxWindow& panel)
{
    panel.SetBackgroundColour(ToWx(GetThemeSysColor(COLOR_BTNFACE)));
    panel.Bind(wxEVT_SYS_COLOUR_CHANGED, [&panel](wxSysColourChangedEvent& event) {
        panel.SetBackgroundColour(ToWx(GetThemeSysColor(COLOR_BTNFACE)));
        panel.Refresh();
        event.Skip();
    });
}
