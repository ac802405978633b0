#include "GuiTest.h"
#include "TestWindow.h"

#include "platform/DataExchange.h"
#include "platform/MessageBox.h"
#include "platform/PropertyPage.h"
#include "platform/PropertySheet.h"
#include "platform/wx/WxCanvas.h"
#include "platform/wx/WxMessageBox.h"
#include "platform/wx/WxWindowPeer.h"

#include <wx/bookctrl.h>
#include <wx/checkbox.h>
#include <wx/dialog.h>
#include <wx/settings.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

#include <memory>

using namespace testwin;

namespace {
constexpr int IDC_PAGE_CHECK = 201;

const ControlTemplate firstControls[] = {
    {IDC_PAGE_CHECK, CONTROL_CHECKBOX, "Enable", BS_AUTOCHECKBOX | WS_VISIBLE | WS_TABSTOP, 20, 20,
     60, 10, 0},
    {IDC_STATIC, CONTROL_GROUPBOX, "First group", BS_GROUPBOX | WS_VISIBLE, 10, 8, 120, 40, 0},
};
const ControlTemplate secondControls[] = {
    {IDC_PAGE_CHECK, CONTROL_CHECKBOX, "Switch", BS_AUTOCHECKBOX | WS_VISIBLE | WS_TABSTOP, 20, 40,
     60, 10, 0},
    {IDC_STATIC, CONTROL_STATIC, "The second page", SS_LEFT | WS_VISIBLE, 10, 10, 120, 10, 0},
};
const DialogTemplate firstPage{9201, "First", WS_CHILD | WS_CAPTION | DS_SETFONT,
                               0,    0,       "MS Sans Serif",
                               8,    0,       0,
                               150,  70,      firstControls,
                               2};
const DialogTemplate secondPage{9202, "Second", WS_CHILD | WS_CAPTION | DS_SETFONT,
                                0,    0,        "MS Sans Serif",
                                8,    0,        0,
                                150,  60,       secondControls,
                                2};

class CheckPage : public PropertyPage
{
public:
    explicit CheckPage(const DialogTemplate* pageTemplate) : PropertyPage(pageTemplate) {}
    bool OnInitDialog() override
    {
        ++inits;
        return PropertyPage::OnInitDialog();
    }
    void DoDataExchange(DataExchange& dx) override { dx.Check(IDC_PAGE_CHECK, check); }

    int check = 0;
    int inits = 0;
};

// Steps of a script run from the event loop while a modal window waits for the player.
struct Script
{
    int step = 0;
    int settle = 0;
    // True once the window has been on the screen for a few ticks (mapped and painted).
    bool Settled(wxWindow* window)
    {
        if (!window || !window->IsShownOnScreen()) {
            settle = 0;
            return false;
        }
        return ++settle >= 3;
    }
};

int CountIcons(wxWindow* box)
{
    int icons = 0;
    for (wxWindow* child : box->GetChildren()) {
        icons += dynamic_cast<wxStaticBitmap*>(child) ? 1 : 0;
    }
    return icons;
}

} // namespace

class ModalTest : public GuiTest
{
protected:
    ModalTest()
    {
        window.Create();
        shown = gui::WaitShown(window);
    }
    ~ModalTest() override { window.DestroyWindow(); }

    TestWindow window;
    bool shown = false;
};

TEST_F(ModalTest, MessageBoxesAreModalAndReturnTheButtonPressed)
{
    ASSERT_TRUE(shown);
    Script script;
    int icons = -1;
    bool stillOpenAfterEscape = false;
    gui::Every(20, [&] {
        wxDialog* box = WxMessageBox::Current();
        if (!script.Settled(box)) {
            return false;
        }
        icons = CountIcons(box);
        gui::SaveScreenshot(gui::ScreenRectOf(box), "gui_message_box_yes_no");
        gui::ClickLater(gui::CentreOf(box->FindWindow(wxID_NO)));
        return true;
    });
    EXPECT_EQ(window.MessageBox("Are you sure?", "Clear High Scores", MB_YESNO | MB_ICONQUESTION),
              IDNO);
    EXPECT_EQ(icons, 1);

    // Escape does not answer a Yes/No box; the Yes button does.
    script = Script();
    gui::Every(20, [&] {
        wxDialog* box = WxMessageBox::Current();
        if (!script.Settled(box)) {
            return false;
        }
        if (script.step++ == 0) {
            gui::KeyLater(0xff1b); // Escape
            return false;
        }
        stillOpenAfterEscape = box->IsShown();
        gui::ClickLater(gui::CentreOf(box->FindWindow(wxID_YES)));
        return true;
    });
    EXPECT_EQ(window.MessageBox("Are you sure?", "Clear High Scores", MB_YESNO | MB_ICONQUESTION),
              IDYES);
    EXPECT_TRUE(stillOpenAfterEscape);

    // OK alone, without an icon, under the application's title; Escape answers it with OK.
    script = Script();
    wxString caption;
    gui::Every(20, [&] {
        wxDialog* box = WxMessageBox::Current();
        if (!script.Settled(box)) {
            return false;
        }
        icons = CountIcons(box);
        caption = box->GetTitle();
        gui::SaveScreenshot(gui::ScreenRectOf(box), "gui_message_box_ok");
        gui::KeyLater(0xff1b); // Escape
        return true;
    });
    EXPECT_EQ(AppMessageBox("You must enter the name!"), IDOK);
    EXPECT_EQ(icons, 0);
    EXPECT_EQ(caption, "TOBRIX++");
    EXPECT_EQ(WxMessageBox::Current(), nullptr);
}

// A text with tabs is laid out in columns, a box is wide enough for its caption, and Enter
// presses the default button, the second one when asked. A name or a file name holding "&" is
// shown as written, in columns or not.
TEST_F(ModalTest, MessageBoxesShowColumnsTheirWholeCaptionAndTheirDefault)
{
    ASSERT_TRUE(shown);
    std::vector<wxRect> cells;
    std::vector<std::string> texts;
    int width = 0;
    int captionWidth = 0;
    const auto look = [&](const char* name) {
        auto script = std::make_shared<Script>();
        gui::Every(20, [&, script, name] {
            wxDialog* box = WxMessageBox::Current();
            if (!script->Settled(box)) {
                return false;
            }
            cells.clear();
            texts.clear();
            for (wxWindow* child : box->GetChildren()) {
                if (auto* label = dynamic_cast<wxStaticText*>(child)) {
                    cells.push_back(label->GetRect());
                    texts.push_back(label->GetLabelText().utf8_string());
                }
            }
            wxFont bold = wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT).Bold();
            box->GetTextExtent(box->GetTitle(), &captionWidth, nullptr, nullptr, nullptr, &bold);
            width = box->GetSize().x;
            gui::SaveScreenshot(gui::ScreenRectOf(box), name);
            gui::KeyLater(0xff0d); // Enter
            return true;
        });
    };
    look("gui_message_box_no_default");
    EXPECT_EQ(window.MessageBox("Are you sure?", "Clear High Scores",
                                MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2),
              IDNO);
    EXPECT_GE(width, captionWidth + 96);

    look("gui_message_box_columns");
    EXPECT_EQ(window.MessageBox("         Tom & Jerry\t  120\n                    \t    0\n",
                                "High Scores", MB_OK),
              IDOK);
    ASSERT_EQ(cells.size(), 4u);
    EXPECT_EQ(cells[0].GetLeft(), cells[2].GetLeft());
    EXPECT_EQ(cells[1].GetRight(), cells[3].GetRight());
    EXPECT_GT(cells[1].GetLeft(), cells[0].GetRight());
    EXPECT_EQ(texts, (std::vector<std::string>{"Tom & Jerry", "120", "", "0"}));

    look("gui_message_box_ampersand");
    EXPECT_EQ(window.MessageBox("Could not save R&D.kvd: Permission denied", "TOBRIX++",
                                MB_OK | MB_ICONEXCLAMATION),
              IDOK);
    EXPECT_EQ(texts, std::vector<std::string>{"Could not save R&D.kvd: Permission denied"});
}

TEST_F(ModalTest, APropertySheetIsModalAndReturnsTheButtonPressed)
{
    ASSERT_TRUE(shown);
    CheckPage first(&firstPage);
    CheckPage second(&secondPage);
    PropertySheet sheet("Settings", &window);
    sheet.AddPage(&first);
    sheet.AddPage(&second);

    Script script;
    bool windowDisabled = false;
    gui::Every(20, [&] {
        WxWindowPeer* peer = gui::PeerOf(sheet);
        wxWindow* top = peer ? peer->GetTopLevel() : nullptr;
        if (!script.Settled(top)) {
            return false;
        }
        switch (script.step) {
        case 0:
            windowDisabled = !gui::PeerOf(window)->GetTopLevel()->IsEnabled();
            gui::SaveScreenshot(gui::ScreenRectOf(top), "gui_sheet_first_page");
            gui::ClickLater(gui::CentreOf(gui::ControlOf(first, IDC_PAGE_CHECK)));
            ++script.step;
            return false;
        case 1:
            gui::ClickLater(gui::TabOf(sheet, 1));
            ++script.step;
            return false;
        case 2:
            if (sheet.GetActiveIndex() != 1 || ++script.settle < 6) {
                return false;
            }
            gui::SaveScreenshot(gui::ScreenRectOf(top), "gui_sheet_second_page");
            gui::ClickLater(gui::CentreOf(top->FindWindow(wxID_OK)));
            ++script.step;
            return true;
        default:
            return true;
        }
    });
    EXPECT_EQ(sheet.DoModal(), IDOK);
    EXPECT_TRUE(windowDisabled);
    // The first page was read when the player left it; the second was made when first shown.
    EXPECT_EQ(first.check, 1);
    EXPECT_EQ(first.inits, 1);
    EXPECT_EQ(second.inits, 1);
    EXPECT_TRUE(gui::PeerOf(window)->GetTopLevel()->IsEnabled());

    // Cancel reads nothing: the box checked on the front page is forgotten.
    script = Script();
    gui::Every(20, [&] {
        WxWindowPeer* peer = gui::PeerOf(sheet);
        wxWindow* top = peer ? peer->GetTopLevel() : nullptr;
        if (!script.Settled(top)) {
            return false;
        }
        if (script.step++ == 0) {
            PropertyPage* front = sheet.GetActivePage();
            gui::ClickLater(gui::CentreOf(gui::ControlOf(*front, IDC_PAGE_CHECK)));
            return false;
        }
        gui::ClickLater(gui::CentreOf(top->FindWindow(wxID_CANCEL)));
        return true;
    });
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
    // The sheet opened on the page that was in front at the last close.
    EXPECT_EQ(second.check, 0);
    EXPECT_EQ(first.check, 1);
}
