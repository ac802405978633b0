#include "DialogChecks.h"
#include "GuiTest.h"
#include "LanguageList.h"

#include "TempWorkingDir.h"

#include "app/AboutDialog.h"
#include "app/HowToPlayDialog.h"
#include "app/MainDialog.h"
#include "game/GameController.h"
#include "platform/Dialog.h"
#include "platform/MessageBox.h"
#include "platform/Translation.h"
#include "platform/wx/WxLanguage.h"
#include "platform/wx/WxMessageBox.h"
#include "platform/wx/WxWindowPeer.h"
#include "res/GameResources.h"
#include "res/ResourceIds.h"
#include "res/Templates.h"
#include "settings/PlayersDialog.h"
#include "settings/PreferencesSheet.h"
#include "settings/SaveWarning.h"

#include <wx/dcscreen.h>
#include <wx/dialog.h>
#include <wx/frame.h>
#include <wx/menu.h>
#include <wx/settings.h>
#include <wx/tokenzr.h>

#include <fstream>

using Lines = std::vector<std::string>;

namespace {
constexpr const char* PSEUDO = "en@pseudo";

// The game's catalogue and the toolkit's in one language, for one test; English afterwards.
struct ScopedLanguage
{
    explicit ScopedLanguage(const std::string& language)
    {
        loaded = LoadTranslations({language}, "tobrix", {TOBRIX_LOCALE_DIR});
        WxLanguage::Use(loaded);
    }
    ~ScopedLanguage()
    {
        LoadTranslations({}, "tobrix", {});
        WxLanguage::Use("");
    }
    std::string loaded;
};

// The real language whose texts take the most room in these templates: the sum, over their
// controls, of the widest line of each text in the dialogs' font (edit boxes scroll and are left
// out).
std::string Widest(std::initializer_list<int> templateIds)
{
    wxScreenDC dc;
    dc.SetFont(wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT));
    std::string widest;
    long widestWidth = -1;
    for (const std::string& language : CatalogueLanguages()) {
        ScopedLanguage scoped(language);
        long width = 0;
        for (int id : templateIds) {
            const DialogTemplate* dialog = FindDialogTemplate(id);
            for (int i = 0; i < dialog->controlCount; ++i) {
                const ControlTemplate& c = dialog->controls[i];
                if (!c.text || c.kind == CONTROL_EDIT) {
                    continue;
                }
                int lineWidth = 0;
                for (const wxString& line : wxSplit(wxString::FromUTF8(Translate(c.text)), '\n')) {
                    lineWidth = std::max(lineWidth, dc.GetTextExtent(line).x);
                }
                width += lineWidth;
            }
        }
        if (width > widestWidth) {
            widestWidth = width;
            widest = language;
        }
    }
    return widest;
}

Lines Faults(const Window& window, bool pseudo)
{
    Lines faults = gui::CutTexts(window);
    for (const std::string& line : gui::LayoutFaults(window)) {
        faults.push_back(line);
    }
    if (pseudo) {
        for (const std::string& line : gui::Unbracketed(window)) {
            faults.push_back("unbracketed " + line);
        }
        if (!gui::Bracketed(window.GetWindowText())) {
            faults.push_back("unbracketed title " + window.GetWindowText());
        }
    }
    return faults;
}
} // namespace

// The game's windows in the pseudo-language (every text of ours in brackets and 40 % longer) and
// in the real language that is widest in each: every text of ours translated, none cut, no
// control over another. The screenshots go to build/screenshots/gui_LANGUAGE_*.png.
class LanguagesTest : public GuiTest
{
protected:
    LanguagesTest() { SetResourceTable(&GameResources()); }

    TempWorkingDir directory;
};

TEST_F(LanguagesTest, TheAboutBoxPlayersAndHowToPlayFitEveryLanguage)
{
    struct Case
    {
        int id;
        const char* name;
    };
    for (const Case& c : {Case{IDD_ABOUTBOX, "about"}, Case{IDD_PLAYERS, "players"},
                          Case{IDD_HOW_TO_PLAY, "how_to_play"}}) {
        for (const std::string& language : {std::string(PSEUDO), Widest({c.id})}) {
            ScopedLanguage scoped(language);
            ASSERT_EQ(scoped.loaded, language);
            PlayersDialog players;
            HowToPlayDialog howToPlay;
            AboutDialog about;
            Dialog& dialog = c.id == IDD_PLAYERS       ? players
                             : c.id == IDD_HOW_TO_PLAY ? static_cast<Dialog&>(howToPlay)
                                                       : about;
            ASSERT_TRUE(dialog.Create());
            dialog.ShowWindow(true);
            ASSERT_TRUE(gui::WaitShown(dialog));
            gui::SaveScreenshot(gui::ScreenRectOf(dialog), "gui_" + language + "_" + c.name);
            EXPECT_EQ(Faults(dialog, language == PSEUDO), Lines{}) << language << " " << c.name;
            dialog.DestroyWindow();
        }
    }
}

TEST_F(LanguagesTest, ThePreferencesPagesFitEveryLanguage)
{
    for (const std::string& language :
         {std::string(PSEUDO), Widest({IDD_PLAYING, IDD_ANIMATION, IDD_REWARDING})}) {
        ScopedLanguage scoped(language);
        PreferencesOnScreen shown;
        PreferencesSheet& sheet = shown.sheet;
        const std::string names[] = {"gui_" + language + "_preferences_playing",
                                     "gui_" + language + "_preferences_animation",
                                     "gui_" + language + "_preferences_rewarding"};
        const char* const pages[] = {names[0].c_str(), names[1].c_str(), names[2].c_str()};
        Lines faults;
        EXPECT_TRUE(gui::CheckSheetPages(sheet, pages, faults, language == PSEUDO));
        EXPECT_EQ(faults, Lines{}) << language;
    }
}

// The main window on the default board: its menus, title and every status text, then a question
// and a warning box over it.
TEST_F(LanguagesTest, TheMainWindowAndItsMessageBoxesSpeakEveryLanguage)
{
    for (const std::string& language : {std::string(PSEUDO), Widest({IDD_MAIN})}) {
        ScopedLanguage scoped(language);
        const bool pseudo = language == PSEUDO;
        MainDialog main;
        ASSERT_TRUE(main.Create());
        ASSERT_TRUE(gui::WaitShown(main));
        Lines faults;
        for (int state :
             {STATE_SELECT_PIECE, STATE_SELECT_DESTINATION, STATE_DELETING, STATE_GAME_END}) {
            main.ShowState(state);
            for (const std::string& line : Faults(main, pseudo)) {
                faults.push_back(std::to_string(state) + " " + line);
            }
        }
        gui::SaveScreenshot(gui::ScreenRectOf(main), "gui_" + language + "_main_window");
        if (pseudo) {
            auto* bar = dynamic_cast<wxFrame*>(gui::PeerOf(main)->GetTopLevel())->GetMenuBar();
            for (size_t i = 0; i < bar->GetMenuCount(); ++i) {
                Lines labels = {bar->GetMenuLabel(i).utf8_string()};
                for (const wxMenuItem* item : bar->GetMenu(i)->GetMenuItems()) {
                    if (!item->IsSeparator()) {
                        labels.push_back(item->GetItemLabelText().utf8_string());
                    }
                }
                for (const std::string& label : labels) {
                    if (!gui::Bracketed(label)) {
                        faults.push_back("unbracketed menu " + label);
                    }
                }
            }
        }
        // The boxes: a screenshot of each, and their own texts in the language.
        std::vector<std::string> shown;
        int settle = 0;
        gui::Every(20, [&] {
            wxDialog* box = WxMessageBox::Current();
            if (!box || !box->IsShownOnScreen() || ++settle < 5) {
                return false;
            }
            settle = 0;
            const std::string name = shown.empty() ? "question" : "warning";
            gui::SaveScreenshot(gui::ScreenRectOf(box), "gui_" + language + "_" + name);
            shown.push_back(box->GetTitle().utf8_string());
            shown.push_back(WxMessageBox::CurrentText());
            box->EndModal(wxID_NO);
            return shown.size() == 4;
        });
        main.OnClearHighScores();
        SaveWarning().Tell("players.kvd", "disk full");
        ASSERT_EQ(shown.size(), 4u);
        EXPECT_EQ(shown[1], Translate("Are you sure?"));
        EXPECT_NE(shown[3].find("players.kvd"), std::string::npos);
        for (const std::string& text : shown) {
            if (pseudo && !gui::Bracketed(text)) {
                faults.push_back("unbracketed box " + text);
            }
        }
        EXPECT_EQ(faults, Lines{}) << language;
        main.DestroyWindow();
    }
}
