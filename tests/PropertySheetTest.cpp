#include "HeadlessTest.h"

#include "platform/Control.h"
#include "platform/DataExchange.h"
#include "platform/Keys.h"
#include "platform/PropertySheet.h"

#include <memory>
#include <string>
#include <vector>

using Log = std::vector<std::string>;

namespace {
constexpr int IDC_FLAG = 201;
constexpr int IDC_CHOICE = 202;
constexpr int IDC_LEVEL = 211;
constexpr int IDC_ONE = 212;
constexpr int IDC_TWO = 213;
constexpr int IDC_NAME = 221;

const ControlTemplate firstControls[] = {
    {IDC_FLAG, CONTROL_CHECKBOX, "Flag", BS_AUTOCHECKBOX | WS_VISIBLE | WS_TABSTOP, 7, 7, 50, 10,
     0},
    {IDC_CHOICE, CONTROL_COMBOBOX, "", CBS_DROPDOWNLIST | WS_VSCROLL | WS_VISIBLE, 7, 20, 40, 50,
     0},
};
const ControlTemplate secondControls[] = {
    {IDC_LEVEL, CONTROL_SLIDER, "", TBS_VERT | TBS_AUTOTICKS | TBS_LEFT | WS_VISIBLE, 7, 7, 24, 31,
     0},
    {IDC_ONE, CONTROL_RADIOBUTTON, "One", BS_AUTORADIOBUTTON | WS_GROUP | WS_VISIBLE, 40, 7, 40, 10,
     0},
    {IDC_TWO, CONTROL_RADIOBUTTON, "Two", BS_AUTORADIOBUTTON | WS_VISIBLE, 40, 20, 40, 10, 0},
};
const ControlTemplate thirdControls[] = {
    {IDC_NAME, CONTROL_EDIT, "", ES_AUTOHSCROLL | WS_BORDER | WS_VISIBLE, 7, 7, 60, 14, 0},
};
constexpr unsigned PAGE = WS_CHILD | WS_CAPTION | DS_SETFONT;
const DialogTemplate firstTemplate{9200, "First", PAGE,          0, 0, "MS Sans Serif", 8, 0, 0,
                                   120,  60,      firstControls, 2};
const DialogTemplate secondTemplate{9201, "Second", PAGE,           0, 0, "MS Sans Serif", 8, 0, 0,
                                    150,  80,       secondControls, 3};
const DialogTemplate thirdTemplate{9202, "Third", PAGE,          0, 0, "MS Sans Serif", 8, 0, 0,
                                   100,  40,      thirdControls, 1};

// A page that logs its initialisation and binds every control it has to a value.
class TestPage : public PropertyPage
{
public:
    TestPage(const DialogTemplate* pageTemplate, Log& log) : PropertyPage(pageTemplate), log(log) {}

    bool OnInitDialog() override
    {
        log.push_back(std::string("init ") + GetCaption());
        if (Control* choice = GetDlgItem(IDC_CHOICE)) {
            for (const char* text : {"a", "b", "c"}) {
                choice->AddString(text);
            }
        }
        if (Control* level = GetDlgItem(IDC_LEVEL)) {
            level->SetRange(1, 5);
        }
        return PropertyPage::OnInitDialog();
    }

    bool OnKillActive() override
    {
        if (refuseToLeave) {
            return false;
        }
        log.push_back(std::string("leave ") + GetCaption());
        return PropertyPage::OnKillActive();
    }

    void DoDataExchange(DataExchange& dx) override
    {
        dx.Check(IDC_FLAG, flag);
        dx.ComboIndex(IDC_CHOICE, choice);
        dx.Slider(IDC_LEVEL, level);
        dx.Radio(IDC_ONE, mode);
        dx.Text(IDC_NAME, name);
    }

    Log& log;
    bool refuseToLeave = false;
    int flag = 0;
    int choice = 1;
    int level = 3;
    int mode = 1;
    std::string name = "Ann";
};
} // namespace

class PropertySheetTest : public HeadlessTest
{
protected:
    PropertySheetTest()
        : first(&firstTemplate, log), second(&secondTemplate, log), third(&thirdTemplate, log)
    {
        sheet.AddPage(&first);
        sheet.AddPage(&second);
        sheet.AddPage(&third);
    }

    Log log;
    TestPage first;
    TestPage second;
    TestPage third;
    PropertySheet sheet{"Preferences"};
};

TEST_F(PropertySheetTest, TheFirstPageShowsAloneWithOkCancelAndADisabledApply)
{
    headless.ScriptDialog([&](DialogSession& s) {
        ASSERT_EQ(s.GetSheet(), &sheet);
        EXPECT_EQ(s.Peer()->title, "Preferences");
        EXPECT_EQ(s.Peer()->activeTab, 0);
        EXPECT_EQ(&s.Front(), &first);
        EXPECT_TRUE(first.IsCreated());
        EXPECT_FALSE(second.IsCreated());
        EXPECT_FALSE(third.IsCreated());
        EXPECT_EQ(s.Item(IDC_CHOICE)->GetSelectedText(), "b");
        EXPECT_TRUE(s.Item(IDOK)->IsWindowEnabled());
        EXPECT_TRUE(s.Item(IDCANCEL)->IsWindowEnabled());
        ASSERT_NE(s.Item(ID_APPLY_NOW), nullptr);
        EXPECT_FALSE(s.Item(ID_APPLY_NOW)->IsWindowEnabled());
        s.Click(ID_APPLY_NOW);
        EXPECT_TRUE(s.IsOpen());
        s.Click(IDCANCEL);
    });
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
    EXPECT_EQ(log, (Log{"init First"}));
    EXPECT_FALSE(first.IsCreated());
    EXPECT_EQ(headless.UnfinishedDialogs(), 0);
}

TEST_F(PropertySheetTest, LeavingATabReadsItsControlsAndOkReadsTheFrontPage)
{
    headless.ScriptDialog([&](DialogSession& s) {
        s.Click(IDC_FLAG);
        s.Select(IDC_CHOICE, 2);
        s.SelectTab(1);
        EXPECT_EQ(first.flag, 1);
        EXPECT_EQ(first.choice, 2);
        EXPECT_EQ(s.Peer()->activeTab, 1);
        EXPECT_EQ(s.Item(IDC_LEVEL)->GetPos(), 3);
        EXPECT_EQ(s.Item(IDC_TWO)->GetCheck(), 1);
        s.SetSlider(IDC_LEVEL, 5);
        s.Click(IDC_ONE);
        s.SelectTab(0);
        // Back on a page already shown in this run: no second initialisation.
        s.SelectTab(2);
        s.Type(IDC_NAME, "Bob");
        s.Ok();
    });
    EXPECT_EQ(sheet.DoModal(), IDOK);
    EXPECT_EQ(log, (Log{"init First", "leave First", "init Second", "leave Second", "leave First",
                        "init Third", "leave Third"}));
    EXPECT_EQ(second.level, 5);
    EXPECT_EQ(second.mode, 0);
    EXPECT_EQ(third.name, "Bob");
}

TEST_F(PropertySheetTest, CancelReadsNothingButKeepsWhatLeavingATabRead)
{
    headless.ScriptDialog([&](DialogSession& s) {
        s.Click(IDC_FLAG);
        s.SelectTab(1);
        s.SetSlider(IDC_LEVEL, 1);
        s.Cancel();
    });
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
    EXPECT_EQ(first.flag, 1);
    EXPECT_EQ(second.level, 3);

    // The close box is a Cancel too.
    headless.ScriptDialog([&](DialogSession& s) {
        s.SetSlider(IDC_LEVEL, 2);
        s.Close();
    });
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
    EXPECT_EQ(second.level, 3);
}

TEST_F(PropertySheetTest, AnotherOpeningInitialisesAgainAndShowsTheLastFrontPage)
{
    headless.ScriptDialog([&](DialogSession& s) {
        s.SelectTab(1);
        s.Ok();
    });
    sheet.DoModal();
    log.clear();
    headless.ScriptDialog([&](DialogSession& s) {
        EXPECT_EQ(s.Peer()->activeTab, 1);
        EXPECT_EQ(&s.Front(), &second);
        EXPECT_FALSE(first.IsCreated());
        s.Ok();
    });
    EXPECT_EQ(sheet.DoModal(), IDOK);
    EXPECT_EQ(log, (Log{"init Second", "leave Second"}));
}

TEST_F(PropertySheetTest, APageThatRefusesToBeLeftStaysInFront)
{
    first.refuseToLeave = true;
    headless.ScriptDialog([&](DialogSession& s) {
        s.SelectTab(2);
        EXPECT_EQ(s.Peer()->activeTab, 0);
        EXPECT_FALSE(third.IsCreated());
        s.Ok();
        EXPECT_TRUE(s.IsOpen());
        first.refuseToLeave = false;
        s.Ok();
        EXPECT_FALSE(s.IsOpen());
    });
    EXPECT_EQ(sheet.DoModal(), IDOK);
}

TEST_F(PropertySheetTest, TheKeysTurnThePagesBothWaysAroundLikeTheTabs)
{
    const struct
    {
        unsigned key, modifiers;
        int page;
    } steps[] = {
        {VK_TAB, FCONTROL, 1},          {VK_NEXT, FCONTROL, 2},  {VK_TAB, FCONTROL, 0},
        {VK_TAB, FCONTROL | FSHIFT, 2}, {VK_PRIOR, FCONTROL, 1}, {VK_TAB, 0, 1},
        {VK_NEXT, FCONTROL | FALT, 1},  {VK_PRIOR, FCONTROL, 0},
    };
    headless.ScriptDialog([&](DialogSession& s) {
        for (const auto& step : steps) {
            s.Key(step.key, step.modifiers);
            EXPECT_EQ(sheet.GetActiveIndex(), step.page) << step.key << " " << step.modifiers;
            EXPECT_EQ(s.Peer()->activeTab, step.page);
        }
        // A page that refuses to be left stays in front under the keys too.
        first.refuseToLeave = true;
        s.Key(VK_TAB, FCONTROL);
        EXPECT_EQ(s.Peer()->activeTab, 0);
        first.refuseToLeave = false;
        s.Cancel();
    });
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
    // Each page initialised once in the run, and left as the tabs leave it.
    EXPECT_EQ(log, (Log{"init First", "leave First", "init Second", "leave Second", "init Third",
                        "leave Third", "leave First", "leave Third", "leave Second"}));
}

TEST_F(PropertySheetTest, ASheetWithoutPagesDoesNotOpen)
{
    PropertySheet empty("Empty");
    EXPECT_EQ(empty.DoModal(), -1);
    EXPECT_EQ(headless.UnfinishedDialogs(), 0);
}

namespace {
// As the game's Preferences sheet: the pages are members of the sheet.
class SheetWithPages : public PropertySheet
{
public:
    explicit SheetWithPages(Log& log)
        : PropertySheet("Own pages"), playing(&firstTemplate, log), rewarding(&secondTemplate, log)
    {
        AddPage(&playing);
        AddPage(&rewarding);
    }
    TestPage playing;
    TestPage rewarding;
};
} // namespace

TEST_F(PropertySheetTest, ASheetOwningItsPagesOpensAndGoesAway)
{
    auto own = std::make_unique<SheetWithPages>(log);
    headless.ScriptDialog([&](DialogSession& s) {
        s.SelectTab(1);
        s.Ok();
    });
    EXPECT_EQ(own->DoModal(), IDOK);
    own.reset();
    EXPECT_EQ(log, (Log{"init First", "leave First", "init Second", "leave Second"}));
}
