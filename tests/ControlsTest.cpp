#include "HeadlessTest.h"
#include "TestWindow.h"

#include "platform/Control.h"
#include "platform/DataExchange.h"

#include <string>
#include <vector>

using namespace testwin;
using Log = std::vector<std::string>;

class ControlsTest : public HeadlessTest
{
protected:
    ControlsTest()
    {
        window.Create();
        headless.Pump();
        window.log.clear();
    }
    Control& Item(int id) { return *window.GetDlgItem(id); }
    TestWindow window;
};

TEST_F(ControlsTest, ControlsAreBuiltFromTheTemplateInDialogUnits)
{
    ASSERT_EQ(window.GetControlCount(), TestTemplate().controlCount);
    EXPECT_EQ(window.GetDlgItem(4242), nullptr);
    Control& status = Item(IDC_STATUS);
    EXPECT_EQ(status.GetKind(), CONTROL_STATIC);
    EXPECT_EQ(status.GetWindowText(), "Status");
    EXPECT_TRUE(status.GetStyle() & SS_SUNKEN);
    // 7, 130, 120 by 10 dialog units with 6 by 13 pixel characters.
    Rect rect = status.GetRect();
    EXPECT_EQ(rect.left, 11);
    EXPECT_EQ(rect.top, 211);
    EXPECT_EQ(rect.right, 191);
    EXPECT_EQ(rect.bottom, 228);
    Rect client;
    window.GetClientRect(&client);
    EXPECT_EQ(client.right, 300);
    EXPECT_EQ(client.bottom, 244);
    EXPECT_EQ(window.GetWindowText(), "Test window");
    EXPECT_EQ(headless.Peer(window)->title, "Test window");
    EXPECT_EQ(window.GetDefaultButtonId(), IDOK);

    status.MoveWindow(92, 159, 58, 17);
    rect = status.GetRect();
    EXPECT_EQ(rect.left, 92);
    EXPECT_EQ(rect.bottom, 176);
    status.SetWindowText("Select piece");
    EXPECT_EQ(headless.Peer(window)->FindControl(IDC_STATUS)->text, "Select piece");
    window.SetWindowText("Tobrix++  PLAYING : Ann");
    EXPECT_EQ(headless.Peer(window)->title, "Tobrix++  PLAYING : Ann");
}

TEST_F(ControlsTest, EnablingShowingAndCheckingByTheControlsId)
{
    Control& push = Item(IDC_PUSH);
    push.EnableWindow(false);
    EXPECT_FALSE(push.IsWindowEnabled());
    EXPECT_FALSE(headless.Peer(window)->FindControl(IDC_PUSH)->enabled);
    // A disabled or hidden control does not take the player's clicks.
    headless.ClickControl(window, IDC_PUSH);
    push.EnableWindow(true);
    push.ShowWindow(false);
    EXPECT_FALSE(push.IsWindowVisible());
    headless.ClickControl(window, IDC_PUSH);
    push.ShowWindow(true);
    headless.ClickControl(window, IDC_PUSH);
    EXPECT_EQ(window.log, (Log{"push"}));

    Control& check = Item(IDC_CHECK);
    headless.ClickControl(window, IDC_CHECK);
    EXPECT_EQ(check.GetCheck(), 1);
    headless.ClickControl(window, IDC_CHECK);
    EXPECT_EQ(check.GetCheck(), 0);
    check.SetCheck(5);
    EXPECT_EQ(check.GetCheck(), 1);

    // Automatic radio buttons clear the others of their group, and nothing beyond it.
    headless.ClickControl(window, IDC_RADIO_B);
    EXPECT_EQ(window.GetCheckedRadioButton(IDC_RADIO_A, IDC_RADIO_C), IDC_RADIO_B);
    headless.ClickControl(window, IDC_RADIO_C);
    EXPECT_EQ(Item(IDC_RADIO_B).GetCheck(), 0);
    EXPECT_EQ(Item(IDC_RADIO_C).GetCheck(), 1);
    EXPECT_EQ(check.GetCheck(), 1);
    window.CheckRadioButton(IDC_RADIO_A, IDC_RADIO_C, IDC_RADIO_A);
    EXPECT_EQ(window.GetCheckedRadioButton(IDC_RADIO_A, IDC_RADIO_C), IDC_RADIO_A);
    EXPECT_EQ(Item(IDC_RADIO_C).GetCheck(), 0);
}

TEST_F(ControlsTest, ADropDownListAddsSelectsFindsAndDeletes)
{
    Control& list = Item(IDC_LIST);
    EXPECT_EQ(list.GetCurSel(), -1);
    EXPECT_EQ(list.GetSelectedText(), "");
    for (const char* text : {"5", "6", "12", "10"}) {
        list.AddString(text);
    }
    // Unsorted: in the order added.
    EXPECT_EQ(list.GetLBText(2), "12");
    EXPECT_EQ(list.GetCount(), 4);
    EXPECT_EQ(list.SetCurSel(2), 2);
    EXPECT_EQ(list.GetSelectedText(), "12");
    EXPECT_EQ(list.SetCurSel(4), Control::CB_ERR);
    EXPECT_EQ(list.GetCurSel(), -1);
    EXPECT_EQ(list.GetLBText(7), "");

    EXPECT_EQ(list.FindString(-1, "1"), 2);
    EXPECT_EQ(list.FindString(2, "1"), 3);
    EXPECT_EQ(list.FindString(3, "1"), 2); // the search goes round
    EXPECT_EQ(list.FindString(-1, "7"), Control::CB_ERR);
    EXPECT_EQ(list.SelectString(-1, "10"), 3);
    EXPECT_EQ(list.SelectString(-1, "9"), Control::CB_ERR);
    EXPECT_EQ(list.GetCurSel(), 3);

    EXPECT_EQ(list.InsertString(0, "4"), 0);
    // The selection stays on its entry when others come or go before it.
    EXPECT_EQ(list.GetCurSel(), 4);
    EXPECT_EQ(list.DeleteString(1), 4);
    EXPECT_EQ(list.GetCurSel(), 3);
    EXPECT_EQ(list.GetSelectedText(), "10");
    EXPECT_EQ(list.DeleteString(3), 3);
    EXPECT_EQ(list.GetCurSel(), -1);
    EXPECT_EQ(list.DeleteString(9), Control::CB_ERR);

    // The player's choice sends the selection-change notification.
    headless.SelectEntry(window, IDC_LIST, 1);
    headless.SelectEntry(window, IDC_LIST, 7);
    EXPECT_EQ(window.log, (Log{"list 1"}));
    list.ResetContent();
    EXPECT_EQ(list.GetCount(), 0);
    EXPECT_EQ(list.GetCurSel(), -1);
}

TEST_F(ControlsTest, ASortedListKeepsItsOrderIgnoringCase)
{
    Control& sorted = Item(IDC_SORTED);
    for (const char* name : {"Zoe", "adam", "Bert", "ADAM", "zed", "Adam"}) {
        sorted.AddString(name);
    }
    std::vector<std::string> order;
    for (int i = 0; i < sorted.GetCount(); ++i) {
        order.push_back(sorted.GetLBText(i));
    }
    // Equal names ignoring case stay in the order they came.
    EXPECT_EQ(order, (std::vector<std::string>{"adam", "ADAM", "Adam", "Bert", "zed", "Zoe"}));
    EXPECT_EQ(sorted.AddString("Carl"), 4);
    // The first entry that begins with the text, ignoring case.
    EXPECT_EQ(sorted.SelectString(-1, "ZO"), 6);
    EXPECT_EQ(sorted.SelectString(-1, "Adam"), 0);
    EXPECT_EQ(sorted.GetSelectedText(), "adam");
}

TEST_F(ControlsTest, ASliderKeepsItsPositionInsideItsRange)
{
    Control& slider = Item(IDC_SLIDER);
    EXPECT_EQ(slider.GetRangeMin(), 0);
    EXPECT_EQ(slider.GetRangeMax(), 100);
    slider.SetPos(3);
    slider.SetRange(1, 5, true);
    EXPECT_EQ(slider.GetPos(), 3);
    slider.SetPos(9);
    EXPECT_EQ(slider.GetPos(), 5);
    slider.SetRange(6, 10);
    EXPECT_EQ(slider.GetPos(), 6);
    headless.SetSliderPos(window, IDC_SLIDER, 0);
    EXPECT_EQ(slider.GetPos(), 6);
    headless.SetSliderPos(window, IDC_SLIDER, 8);
    EXPECT_EQ(slider.GetPos(), 8);
}

TEST_F(ControlsTest, AnEditBoxLimitsOnlyWhatThePlayerTypes)
{
    Control& edit = Item(IDC_EDIT);
    edit.LimitText(5);
    EXPECT_EQ(edit.GetLimitText(), 5);
    headless.TypeText(window, IDC_EDIT, "Alexandra");
    EXPECT_EQ(edit.GetWindowText(), "Alexa");
    edit.SetWindowText("Maximilian");
    EXPECT_EQ(edit.GetWindowText(), "Maximilian");
}

TEST_F(ControlsTest, DataExchangeRoundTripsEveryControlKind)
{
    window.exchanging = true;
    Item(IDC_LIST).AddString("1");
    Item(IDC_LIST).AddString("2");
    Item(IDC_LIST).AddString("3");
    Item(IDC_SORTED).AddString("Zoe");
    Item(IDC_SORTED).AddString("Adam");
    Item(IDC_SLIDER).SetRange(1, 5);

    window.check = 1;
    window.radio = 2;
    window.listIndex = 1;
    window.sortedText = "zo";
    window.slider = 4;
    window.text = "Ann";
    window.UpdateData(false);
    EXPECT_EQ(Item(IDC_CHECK).GetCheck(), 1);
    EXPECT_EQ(Item(IDC_RADIO_C).GetCheck(), 1);
    EXPECT_EQ(Item(IDC_LIST).GetSelectedText(), "2");
    EXPECT_EQ(Item(IDC_SORTED).GetSelectedText(), "Zoe");
    EXPECT_EQ(Item(IDC_SLIDER).GetPos(), 4);
    EXPECT_EQ(Item(IDC_EDIT).GetWindowText(), "Ann");

    window.check = 0;
    window.radio = 0;
    window.listIndex = 0;
    window.sortedText.clear();
    window.slider = 0;
    window.text.clear();
    window.UpdateData(true);
    EXPECT_EQ(window.check, 1);
    EXPECT_EQ(window.radio, 2);
    EXPECT_EQ(window.listIndex, 1);
    EXPECT_EQ(window.sortedText, "Zoe");
    EXPECT_EQ(window.slider, 4);
    EXPECT_EQ(window.text, "Ann");

    // Nothing selected and nothing checked read as -1; a text no entry begins with leaves the
    // list's selection alone.
    window.radio = -1;
    window.listIndex = -1;
    window.sortedText = "Bert";
    window.UpdateData(false);
    EXPECT_EQ(Item(IDC_RADIO_C).GetCheck(), 0);
    EXPECT_EQ(Item(IDC_LIST).GetCurSel(), -1);
    EXPECT_EQ(Item(IDC_SORTED).GetSelectedText(), "Zoe");
    Item(IDC_SORTED).SetCurSel(-1);
    window.radio = 7;
    window.UpdateData(true);
    EXPECT_EQ(window.radio, -1);
    EXPECT_EQ(window.listIndex, -1);
    EXPECT_EQ(window.sortedText, "");

    // A member bound to a control reaches it by handle.
    Control status;
    EXPECT_FALSE(status.IsAttached());
    status.SetWindowText("ignored");
    DataExchange dx(&window, false);
    dx.Bind(IDC_STATUS, status);
    EXPECT_TRUE(status.IsAttached());
    status.SetWindowText("STATUS");
    EXPECT_EQ(Item(IDC_STATUS).GetWindowText(), "STATUS");
    window.DestroyWindow();
    EXPECT_FALSE(status.IsAttached());
    EXPECT_EQ(status.GetWindowText(), "");
}

TEST_F(ControlsTest, ScriptsWorkTheControlsOfAModalDialog)
{
    TestWindow dialog;
    dialog.exchanging = true;
    dialog.onInit = [&] {
        dialog.GetDlgItem(IDC_SORTED)->AddString("Zoe");
        dialog.GetDlgItem(IDC_SORTED)->AddString("adam");
        dialog.GetDlgItem(IDC_LIST)->AddString("x");
        dialog.GetDlgItem(IDC_LIST)->AddString("y");
    };
    headless.ScriptDialog([&](DialogSession& s) {
        s.Click(IDC_CHECK);
        s.Click(IDC_RADIO_B);
        s.Select(IDC_LIST, 1);
        EXPECT_TRUE(s.SelectText(IDC_SORTED, "ZOE"));
        EXPECT_FALSE(s.SelectText(IDC_SORTED, "Q"));
        s.SetSlider(IDC_SLIDER, 42);
        s.Type(IDC_EDIT, "typed");
        EXPECT_EQ(s.Text(IDC_EDIT), "typed");
        s.Click(IDC_PUSH);
        s.Ok();
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.check, 1);
    EXPECT_EQ(dialog.radio, 1);
    EXPECT_EQ(dialog.listIndex, 1);
    EXPECT_EQ(dialog.sortedText, "Zoe");
    EXPECT_EQ(dialog.slider, 42);
    EXPECT_EQ(dialog.text, "typed");
    EXPECT_EQ(dialog.log, (Log{"init", "paint", "list 1", "push", "ok"}));
}
