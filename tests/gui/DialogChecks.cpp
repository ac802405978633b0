#include "DialogChecks.h"

#include "GuiHarness.h"

#include "platform/Message.h"
#include "platform/PropertySheet.h"
#include "platform/wx/WxControlPeer.h"
#include "platform/wx/WxWindowPeer.h"
#include "res/ResourceIds.h"
#include "settings/GameSettings.h"

#include <gtest/gtest.h>

#include <wx/toplevel.h>

PreferencesOnScreen::PreferencesOnScreen() : owner(IDD_ABOUTBOX), sheet(&owner)
{
    EXPECT_TRUE(owner.Create());
    sheet.AddPages();
    GameSettings settings{};
    sheet.LoadDefaults(settings);
}

namespace gui {
bool CheckSheetPages(PropertySheet& sheet, const char* const names[3],
                     std::vector<std::string>& faults, bool pseudo)
{
    int step = 0;
    int settle = 0;
    Every(20, [&] {
        WxWindowPeer* peer = PeerOf(sheet);
        wxTopLevelWindow* top = peer ? peer->GetTopLevel() : nullptr;
        if (!top || !top->IsShownOnScreen() || sheet.GetActiveIndex() != step || ++settle < 5) {
            return false;
        }
        settle = 0;
        SaveScreenshot(ScreenRectOf(top), names[step]);
        // The sheet's own buttons, then the page.
        std::vector<std::string> found = step == 0 ? CutTexts(sheet) : std::vector<std::string>{};
        for (const std::string& line : CutTexts(*sheet.GetActivePage())) {
            found.push_back(line);
        }
        for (const std::string& line : LayoutFaults(*sheet.GetActivePage())) {
            found.push_back(line);
        }
        if (pseudo) {
            for (const std::string& line : Unbracketed(*sheet.GetActivePage())) {
                found.push_back(line);
            }
            if (!Bracketed(top->GetTitle().utf8_string())) {
                found.push_back("title: " + top->GetTitle().utf8_string());
            }
        }
        for (const std::string& line : found) {
            faults.push_back(std::string(names[step]) + " " + line);
        }
        if (++step == 3) {
            ClickLater(CentreOf(top->FindWindow(wxID_CANCEL)));
            return true;
        }
        // The next tab: a click on it.
        const Point tab = TabOf(sheet, step);
        if (tab.x >= 0) {
            ClickLater(tab);
        }
        return false;
    });
    return sheet.DoModal() == IDCANCEL && step == 3;
}

bool Bracketed(const std::string& text)
{
    return text.size() >= 2 && text.front() == '[' && text.back() == ']';
}

std::vector<std::string> Unbracketed(const Window& window)
{
    std::vector<std::string> found;
    WxWindowPeer* peer = PeerOf(window);
    for (int i = 0; peer && i < peer->GetControlCount(); ++i) {
        auto* control = static_cast<WxControlPeer*>(peer->GetControl(i));
        std::string text;
        control->GetText(text);
        const int id = control->GetId();
        const bool stock = control->GetKind() == CONTROL_PUSHBUTTON &&
                           (id == IDOK || id == IDCANCEL || id == ID_APPLY_NOW);
        if (!text.empty() && !stock && control->GetWx()->IsShown() &&
            control->GetKind() != CONTROL_COMBOBOX && !Bracketed(text)) {
            found.push_back(std::to_string(id) + ": " + text);
        }
    }
    return found;
}
} // namespace gui
