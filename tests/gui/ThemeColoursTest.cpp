#include "DialogChecks.h"
#include "GuiTest.h"

#include "TempWorkingDir.h"

#include "app/HowToPlayDialog.h"
#include "app/MainDialog.h"
#include "platform/Dialog.h"
#include "platform/MessageBox.h"
#include "platform/wx/WxCanvas.h"
#include "platform/wx/WxMessageBox.h"
#include "platform/wx/WxWindowPeer.h"
#include "res/ResourceIds.h"
#include "settings/GameSettings.h"
#include "settings/PlayersDialog.h"
#include "settings/PreferencesSheet.h"

#include <wx/dialog.h>
#include <wx/settings.h>
#include <wx/statbox.h>
#include <wx/textctrl.h>
#include <wx/toplevel.h>

#include <gtk/gtk.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {
// The least contrast between text and its ground that WCAG asks for normal text.
constexpr double LEAST_CONTRAST = 4.5;
constexpr ColorRef CLASSIC_FACE = Rgb(192, 192, 192);

// The themes every dialog is seen in while it stays open, switched in the process as the desktop
// would: the one the test started in, GTK's dark preference, another theme by name, and the
// first one again. A null theme is the one the test started in.
struct Variant
{
    const char* name;
    const char* theme;
    bool dark;
};
constexpr Variant VARIANTS[] = {{"", nullptr, false},
                                {"_dark", nullptr, true},
                                {"_highcontrast", "HighContrast", false},
                                {"_back", nullptr, false}};

std::string CurrentThemeName()
{
    gchar* name = nullptr;
    g_object_get(gtk_settings_get_default(), "gtk-theme-name", &name, nullptr);
    std::string result = name ? name : "";
    g_free(name);
    return result;
}

void SwitchTheme(const std::string& theme, bool dark)
{
    g_object_set(gtk_settings_get_default(), "gtk-theme-name", theme.c_str(),
                 "gtk-application-prefer-dark-theme", dark ? TRUE : FALSE, nullptr);
}

// Whether the environment fixes the theme (GTK_THEME), so that the preference may change nothing.
bool ThemeForced()
{
    const char* forced = std::getenv("GTK_THEME");
    return forced && *forced;
}

// The theme the test started in, for the screenshots' names.
std::string StartTheme()
{
    std::string name = ThemeForced() ? std::getenv("GTK_THEME") : "default";
    std::replace(name.begin(), name.end(), ':', '_');
    return name;
}

double Luminance(ColorRef color)
{
    const auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(GetRValue(color)) + 0.7152 * linear(GetGValue(color)) +
           0.0722 * linear(GetBValue(color));
}

double Contrast(ColorRef a, ColorRef b)
{
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// A label as the screen shows it: its ground is the most common pixel of its rectangle, its text
// the pixel that differs most from that.
struct Reading
{
    ColorRef ground = CLR_INVALID;
    ColorRef text = CLR_INVALID;
    double contrast = 1.0;
};

Reading ReadLabel(const Rect& screen)
{
    const PixelImage image = gui::ReadScreen(screen);
    std::map<ColorRef, int> counts;
    for (ColorRef pixel : image.pixels) {
        ++counts[pixel];
    }
    Reading reading;
    int most = 0;
    for (const auto& [pixel, count] : counts) {
        if (count > most) {
            most = count;
            reading.ground = pixel;
        }
    }
    for (const auto& [pixel, count] : counts) {
        if (Contrast(pixel, reading.ground) > reading.contrast) {
            reading.contrast = Contrast(pixel, reading.ground);
            reading.text = pixel;
        }
    }
    return reading;
}

// Where a control's text is on the screen: a group box's title is a label of its own on the
// frame; an edit box's text column leaves out its border and scroll bar.
Rect TextRectOf(wxWindow* control)
{
    const Rect shown = gui::ScreenRectOf(control);
    const wxRect r(shown.left, shown.top, shown.Width(), shown.Height());
    if (auto* box = dynamic_cast<wxStaticBox*>(control)) {
        GtkWidget* label = gtk_frame_get_label_widget(GTK_FRAME(box->GetHandle()));
        int x = 0;
        int y = 0;
        if (label && gtk_widget_translate_coordinates(label, box->GetHandle(), 0, 0, &x, &y)) {
            GtkAllocation size;
            gtk_widget_get_allocation(label, &size);
            return Rect{r.x + x, r.y + y, r.x + x + size.width, r.y + y + size.height};
        }
    }
    if (dynamic_cast<wxTextCtrl*>(control)) {
        return Rect{r.x + 4, r.y + 4, r.x + r.width / 2, r.GetBottom() - 3};
    }
    return Rect{r.x, r.y, r.GetRight() + 1, r.GetBottom() + 1};
}

// The control below parent that shows the text.
wxWindow* FindText(wxWindow* parent, const std::string& text)
{
    for (wxWindow* child : parent->GetChildren()) {
        if (child->IsTopLevel()) {
            continue;
        }
        if (child->GetLabel().utf8_string() == text) {
            return child;
        }
        if (wxWindow* found = FindText(child, text)) {
            return found;
        }
    }
    return nullptr;
}

wxColour ThemeFace()
{
    return wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE);
}

// A label to measure: a control by id, or by its text (IDC_STATIC).
struct Label
{
    int id;
    const char* text;
};

// What one dialog (or one page of the sheet) shows at one moment.
struct Subject
{
    std::string name;
    wxTopLevelWindow* top = nullptr;
    // The game's window whose ground is ours to paint; nullptr for a message box.
    const Window* window = nullptr;
    std::vector<Label> labels;
};
} // namespace

// Under a dark theme the toolkit's controls take light text: the dialogs' ground has to follow
// the theme, while the game's own window keeps its classic colours.
class ThemeColoursTest : public GuiTest
{
protected:
    ~ThemeColoursTest() override { SwitchTheme(startTheme, false); }

    void SwitchTo(const Variant& variant)
    {
        SwitchTheme(variant.theme ? variant.theme : startTheme, variant.dark);
    }

    // The ground of our window is the theme's face, and every label stands out from its ground.
    void Measure(const Subject& subject, const Variant& variant)
    {
        const std::string shot = "theme_" + StartTheme() + variant.name + "_" + subject.name;
        gui::SaveScreenshot(gui::ScreenRectOf(subject.top), shot);
        ColorRef ground = CLR_INVALID;
        if (subject.window) {
            ground = gui::ScreenPixel(gui::ClientToScreen(*subject.window, Point{1, 1}));
            const wxColour face = ThemeFace();
            EXPECT_EQ(ground, Rgb(face.Red(), face.Green(), face.Blue())) << shot;
        }
        for (const Label& label : subject.labels) {
            wxWindow* control = label.id != IDC_STATIC && subject.window
                                    ? gui::ControlOf(*subject.window, label.id)
                                    : FindText(subject.top, label.text);
            ASSERT_NE(control, nullptr) << shot << " " << (label.text ? label.text : "");
            const Reading reading = ReadLabel(TextRectOf(control));
            EXPECT_GE(reading.contrast, LEAST_CONTRAST) << shot << " " << control->GetName();
            std::printf("contrast %-44s %-24.24s ground %3d,%3d,%3d text %3d,%3d,%3d  %5.2f:1\n",
                        shot.c_str(), control->GetLabel().utf8_string().c_str(),
                        GetRValue(reading.ground), GetGValue(reading.ground),
                        GetBValue(reading.ground), GetRValue(reading.text), GetGValue(reading.text),
                        GetBValue(reading.text), reading.contrast);
            if (ground == CLR_INVALID) {
                ground = reading.ground;
            }
        }
        grounds[subject.name][variant.name] = ground;
    }

    // The steps, for gui::Every, that take an open dialog through the theme variants: each
    // variant is switched to while the dialog stays open, and then each of its pages is brought
    // to the front, left to repaint and measured. close() follows the last.
    std::function<bool()> Tour(int pages, std::function<bool(int)> front,
                               std::function<Subject(int)> subject, std::function<void()> close)
    {
        struct State
        {
            size_t variant = 0;
            int page = 0;
            int settle = 0;
            int ticks = 0;
            bool switched = false;
        };
        auto state = std::make_shared<State>();
        return [=] {
            State& s = *state;
            // Well before the callers stop waiting, so that nothing runs on after them.
            if (++s.ticks > 500) {
                ADD_FAILURE() << "the dialog was not measured in time";
                close();
                return true;
            }
            if (s.variant == std::size(VARIANTS)) {
                close();
                return true;
            }
            const Variant& variant = VARIANTS[s.variant];
            if (!s.switched) {
                SwitchTo(variant);
                s.switched = true;
            }
            if (!front(s.page)) {
                s.settle = 0;
                return false;
            }
            // The theme's notice and the repaint come through the event loop, a few trips later.
            const Subject now = subject(s.page);
            const wxColour face = ThemeFace();
            const bool repainted =
                !now.window || gui::ScreenPixel(gui::ClientToScreen(*now.window, Point{1, 1})) ==
                                   Rgb(face.Red(), face.Green(), face.Blue());
            if (++s.settle < 8 || (!repainted && s.settle < 50)) {
                return false;
            }
            Measure(now, variant);
            s.settle = 0;
            if (++s.page == pages) {
                s.page = 0;
                ++s.variant;
                s.switched = false;
            }
            return false;
        };
    }

    // A dialog shown without a modal loop, measured while it stays open.
    void RunModeless(Dialog& dialog, const std::string& name, std::vector<Label> labels)
    {
        ASSERT_TRUE(dialog.Create());
        dialog.ShowWindow(true);
        ASSERT_TRUE(gui::WaitShown(dialog));
        wxTopLevelWindow* top = gui::PeerOf(dialog)->GetTopLevel();
        bool done = false;
        gui::Every(20, Tour(
                           1, [](int) { return true; },
                           [&, top](int) {
                               return Subject{name, top, &dialog, labels};
                           },
                           [&done] { done = true; }));
        EXPECT_TRUE(gui::RunUntil([&] { return done; }, 60000));
        dialog.DestroyWindow();
    }

    // The preferences, each page measured in each variant during the sheet's modal run.
    void RunSheet(const std::vector<std::pair<std::string, std::vector<Label>>>& pages)
    {
        PreferencesOnScreen shown;
        PreferencesSheet& sheet = shown.sheet;
        auto clicked = std::make_shared<int>(-1);
        const auto top = [&sheet] {
            WxWindowPeer* peer = gui::PeerOf(sheet);
            return peer ? peer->GetTopLevel() : nullptr;
        };
        const auto front = [&sheet, top, clicked](int page) {
            if (!top() || !top()->IsShownOnScreen()) {
                return false;
            }
            if (sheet.GetActiveIndex() == page) {
                *clicked = -1;
                WxWindowPeer* peer = gui::PeerOf(*sheet.GetActivePage());
                return peer && peer->GetCanvas() && !peer->GetCanvas()->HasUnpainted();
            }
            const Point tab = gui::TabOf(sheet, page);
            if (*clicked != page && tab.x >= 0) {
                gui::ClickLater(tab);
                *clicked = page;
            }
            return false;
        };
        const auto subject = [&](int page) {
            return Subject{"preferences_" + pages[page].first, top(), sheet.GetActivePage(),
                           pages[page].second};
        };
        const auto close = [top] {
            if (top()) {
                gui::ClickLater(gui::CentreOf(top()->FindWindow(wxID_CANCEL)));
            }
        };
        gui::Every(20, Tour(static_cast<int>(pages.size()), front, subject, close));
        EXPECT_EQ(sheet.DoModal(), IDCANCEL);
    }

    // A message box, measured while it waits for its answer.
    void RunMessageBox(const std::string& name, const char* text)
    {
        const auto box = [] {
            wxDialog* shown = WxMessageBox::Current();
            return shown && shown->IsShownOnScreen() ? shown : nullptr;
        };
        gui::Every(20, Tour(
                           1, [box](int) { return box() != nullptr; },
                           [box, name, text](int) {
                               return Subject{name, box(), nullptr, {{IDC_STATIC, text}}};
                           },
                           [box] {
                               if (box()) {
                                   box()->EndModal(wxID_NO);
                               }
                           }));
        EXPECT_EQ(MessageBox(nullptr, text, "Clear High Scores", MB_YESNO | MB_ICONQUESTION), IDNO);
    }

    const std::string startTheme = CurrentThemeName();
    TempWorkingDir directory;
    // The ground each dialog showed, by variant.
    std::map<std::string, std::map<std::string, ColorRef>> grounds;
};

TEST_F(ThemeColoursTest, DialogTextStaysReadableWhenTheThemeTurnsDarkAndBack)
{
    HowToPlayDialog howToPlay;
    Dialog about(IDD_ABOUTBOX);
    PlayersDialog players;
    const std::function<void()> dialogs[] = {
        [&] {
            RunModeless(howToPlay, "how_to_play", {{IDC_HOW_TO_PLAY_TEXT, nullptr}});
        },
        [&] {
            RunModeless(about, "about", {{IDC_STATIC, "TOBRIX++ by its authors"}});
        },
        [&] {
            RunModeless(players, "players",
                        {{IDC_STATIC, "New player"}, {IDC_STATIC, "Select player"}});
        },
        [&] {
            RunSheet({{"playing", {{IDC_STATIC, "Added pieces :"}, {IDC_STATIC, "Colors :"}}},
                      {"animation", {{IDC_STATIC, "Fade in/out"}, {IDC_STATIC, "slow"}}},
                      {"rewarding", {{IDC_STATIC, "Reward"}}}});
        },
        [&] { RunMessageBox("message_box", "Do you really want to clear the high scores?"); },
    };
    for (const auto& run : dialogs) {
        run();
    }

    ASSERT_EQ(grounds.size(), 7u);
    for (const auto& [name, ground] : grounds) {
        ASSERT_EQ(ground.size(), std::size(VARIANTS)) << name;
        // Switching back gives back the ground the dialog opened with.
        EXPECT_EQ(ground.at("_back"), ground.at("")) << name;
        if (!ThemeForced()) {
            EXPECT_LT(Luminance(ground.at("_dark")), Luminance(ground.at(""))) << name;
        }
    }
}

TEST_F(ThemeColoursTest, TheGameWindowKeepsItsClassicColoursUnderEveryTheme)
{
    MainDialog main;
    ASSERT_TRUE(main.Create());
    ASSERT_TRUE(gui::WaitShown(main));
    Rect client;
    main.GetClientRect(&client);
    const Point origin = gui::ClientToScreen(main, Point{0, 0});
    const Rect area{origin.x, origin.y, origin.x + client.Width(), origin.y + client.Height()};

    // The ground, an empty cell and the status line's ground, in the classic grey.
    const GameController& game = main.controller;
    Point emptyCell{-1, -1};
    for (int row = 0; row < game.settings.boardRows && emptyCell.x < 0; ++row) {
        for (int col = 0; col < game.settings.boardCols && emptyCell.x < 0; ++col) {
            if (game.board.cells[col + row * BOARD_STRIDE] == EMPTY_CELL) {
                emptyCell = Point{col * CELL_SIZE + CELL_SIZE / 2, row * CELL_SIZE + CELL_SIZE / 2};
            }
        }
    }
    ASSERT_GE(emptyCell.x, 0);
    const Rect status = gui::ScreenRectOf(gui::ControlOf(main, IDC_STATUS));
    const Point spots[] = {
        Point{client.right - 2, client.bottom - 2},
        emptyCell,
        Point{status.left - origin.x + 2, status.top - origin.y + 2},
    };

    const PixelImage first = gui::ReadScreen(area);
    for (const Variant& variant : VARIANTS) {
        SwitchTo(variant);
        gui::RunFor(300);
        const std::string shot = "theme_" + StartTheme() + variant.name + "_main_window";
        gui::SaveScreenshot(gui::ScreenRectOf(main), shot);
        const PixelImage now = gui::ReadScreen(area);
        ASSERT_EQ(now.pixels.size(), first.pixels.size());
        int changed = 0;
        for (size_t i = 0; i < now.pixels.size(); ++i) {
            changed += now.pixels[i] != first.pixels[i] ? 1 : 0;
        }
        EXPECT_EQ(changed, 0) << shot;
        for (const Point& spot : spots) {
            EXPECT_EQ(now.GetPixel(spot.x, spot.y), CLASSIC_FACE)
                << shot << " " << spot.x << "," << spot.y;
        }
    }
    main.DestroyWindow();
}
