#include "GuiTest.h"
#include "TestWindow.h"

#include "platform/Control.h"

#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/radiobut.h>
#include <wx/slider.h>
#include <wx/textctrl.h>

using namespace testwin;
using Lines = std::vector<std::string>;

// Data exchange through the toolkit's real controls, both ways, for every kind of control.
class ControlsTest : public GuiTest
{
protected:
    ControlsTest()
    {
        window.exchanging = true;
        window.onInit = [this] {
            Control* list = window.GetDlgItem(IDC_LIST);
            list->AddString("one");
            list->AddString("two");
            Control* sorted = window.GetDlgItem(IDC_SORTED);
            sorted->AddString("pear");
            sorted->AddString("Apple");
            sorted->AddString("fig");
            window.GetDlgItem(IDC_SLIDER)->SetRange(1, 5);
        };
        window.Create();
        shown = gui::WaitShown(window);
    }
    ~ControlsTest() override { window.DestroyWindow(); }

    template <class T>
    T* Wx(int id)
    {
        return dynamic_cast<T*>(gui::ControlOf(window, id));
    }

    TestWindow window;
    bool shown = false;
};

TEST_F(ControlsTest, ValuesReachTheRealControlsAndComeBack)
{
    ASSERT_TRUE(shown);
    EXPECT_EQ(gui::CutTexts(window), Lines{});
    // Nothing is checked in a new radio group, as the template made it.
    EXPECT_FALSE(Wx<wxRadioButton>(IDC_RADIO_A)->GetValue());
    EXPECT_FALSE(Wx<wxRadioButton>(IDC_RADIO_B)->GetValue());
    EXPECT_FALSE(Wx<wxRadioButton>(IDC_RADIO_C)->GetValue());
    // The sorted list keeps its order ignoring case, in the toolkit's list too.
    ASSERT_EQ(Wx<wxChoice>(IDC_SORTED)->GetCount(), 3u);
    EXPECT_EQ(Wx<wxChoice>(IDC_SORTED)->GetString(0), "Apple");
    EXPECT_EQ(Wx<wxChoice>(IDC_SORTED)->GetString(2), "pear");

    window.check = 1;
    window.radio = 2;
    window.listIndex = 1;
    window.sortedText = "fig";
    window.slider = 4;
    window.text = "Grace";
    window.UpdateData(false);
    EXPECT_TRUE(Wx<wxCheckBox>(IDC_CHECK)->GetValue());
    EXPECT_TRUE(Wx<wxRadioButton>(IDC_RADIO_C)->GetValue());
    EXPECT_EQ(Wx<wxChoice>(IDC_LIST)->GetSelection(), 1);
    EXPECT_EQ(Wx<wxChoice>(IDC_SORTED)->GetStringSelection(), "fig");
    EXPECT_EQ(Wx<wxSlider>(IDC_SLIDER)->GetValue(), 4);
    EXPECT_EQ(Wx<wxTextCtrl>(IDC_EDIT)->GetValue(), "Grace");

    // The player changes the controls; reading them gives the new values.
    Wx<wxCheckBox>(IDC_CHECK)->SetValue(false);
    Wx<wxRadioButton>(IDC_RADIO_A)->SetValue(true);
    Wx<wxChoice>(IDC_LIST)->SetSelection(0);
    Wx<wxChoice>(IDC_SORTED)->SetSelection(2);
    Wx<wxSlider>(IDC_SLIDER)->SetValue(2);
    Wx<wxTextCtrl>(IDC_EDIT)->ChangeValue("Ada");
    window.UpdateData(true);
    EXPECT_EQ(window.check, 0);
    EXPECT_EQ(window.radio, 0);
    EXPECT_EQ(window.listIndex, 0);
    EXPECT_EQ(window.sortedText, "pear");
    EXPECT_EQ(window.slider, 2);
    EXPECT_EQ(window.text, "Ada");

    // No entry selected and no radio button checked read as -1.
    window.listIndex = -1;
    window.radio = -1;
    window.UpdateData(false);
    EXPECT_EQ(Wx<wxChoice>(IDC_LIST)->GetSelection(), wxNOT_FOUND);
    EXPECT_FALSE(Wx<wxRadioButton>(IDC_RADIO_A)->GetValue());
    window.UpdateData(true);
    EXPECT_EQ(window.listIndex, -1);
    EXPECT_EQ(window.radio, -1);
}

TEST_F(ControlsTest, ThePlayersClicksChangeTheControlsAndSendTheirCommands)
{
    ASSERT_TRUE(shown);
    window.log.clear();
    gui::ClickAt(gui::CentreOf(gui::ControlOf(window, IDC_CHECK)));
    gui::ClickAt(gui::CentreOf(gui::ControlOf(window, IDC_RADIO_B)));
    gui::ClickAt(gui::CentreOf(gui::ControlOf(window, IDC_PUSH)));
    ASSERT_TRUE(gui::RunUntil([&] { return Contains(window.log, "push"); }));
    window.UpdateData(true);
    EXPECT_EQ(window.check, 1);
    EXPECT_EQ(window.radio, 1);

    // Typing into the edit box: the limit holds.
    window.GetDlgItem(IDC_EDIT)->LimitText(4);
    gui::ClickAt(gui::CentreOf(gui::ControlOf(window, IDC_EDIT)));
    gui::Input().Text("abcdef");
    gui::RunFor(50);
    window.UpdateData(true);
    EXPECT_EQ(window.text, "abcd");
    // The limit counts bytes of UTF-8; a character that does not fit whole is refused.
    window.GetDlgItem(IDC_EDIT)->LimitText(5);
    window.GetDlgItem(IDC_EDIT)->SetWindowText("");
    for (const char* typed : {"\xC3\xA9\xC3\xA9\xC3\xA9", "a", "\xC3\xA9"}) {
        Wx<wxTextCtrl>(IDC_EDIT)->WriteText(wxString::FromUTF8(typed));
    }
    EXPECT_EQ(Wx<wxTextCtrl>(IDC_EDIT)->GetValue().utf8_string(), "\xC3\xA9\xC3\xA9"
                                                                  "a");
    gui::SaveScreenshot(gui::ScreenRectOf(window), "gui_test_window_controls");
}
