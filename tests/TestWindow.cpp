#include "TestWindow.h"

#include "platform/DataExchange.h"
#include "platform/Message.h"
#include "res/GameResources.h"

#include <string>

namespace testwin {
namespace {
const ControlTemplate controls[] = {
    {IDOK, CONTROL_PUSHBUTTON, "OK", BS_DEFPUSHBUTTON | WS_VISIBLE | WS_TABSTOP, 140, 7, 50, 14, 0},
    {IDCANCEL, CONTROL_PUSHBUTTON, "Cancel", BS_PUSHBUTTON | WS_VISIBLE | WS_TABSTOP, 140, 24, 50,
     14, 0},
    {IDC_STATUS, CONTROL_STATIC, "Status", SS_CENTER | SS_CENTERIMAGE | SS_SUNKEN | WS_VISIBLE, 7,
     130, 120, 10, 0},
    {IDC_CHECK, CONTROL_CHECKBOX, "Check", BS_AUTOCHECKBOX | WS_VISIBLE | WS_TABSTOP, 7, 7, 50, 10,
     0},
    {IDC_RADIO_A, CONTROL_RADIOBUTTON, "A", BS_AUTORADIOBUTTON | WS_VISIBLE | WS_GROUP, 7, 20, 30,
     10, 0},
    {IDC_RADIO_B, CONTROL_RADIOBUTTON, "B", BS_AUTORADIOBUTTON | WS_VISIBLE, 7, 32, 30, 10, 0},
    {IDC_RADIO_C, CONTROL_RADIOBUTTON, "C", BS_AUTORADIOBUTTON | WS_VISIBLE, 7, 44, 30, 10, 0},
    {IDC_GROUP, CONTROL_GROUPBOX, "Group", BS_GROUPBOX | WS_VISIBLE | WS_GROUP, 3, 15, 40, 45, 0},
    {IDC_LIST, CONTROL_COMBOBOX, "", CBS_DROPDOWNLIST | WS_VSCROLL | WS_VISIBLE | WS_TABSTOP, 50, 7,
     40, 60, 0},
    {IDC_SORTED, CONTROL_COMBOBOX, "",
     CBS_DROPDOWNLIST | CBS_SORT | WS_VSCROLL | WS_VISIBLE | WS_TABSTOP, 50, 25, 40, 60, 0},
    {IDC_SLIDER, CONTROL_SLIDER, "", TBS_VERT | TBS_AUTOTICKS | TBS_LEFT | WS_VISIBLE | WS_TABSTOP,
     100, 7, 24, 70, 0},
    {IDC_EDIT, CONTROL_EDIT, "", ES_AUTOHSCROLL | WS_BORDER | WS_VISIBLE | WS_TABSTOP, 50, 45, 40,
     14, 0},
    {IDC_PUSH, CONTROL_PUSHBUTTON, "Push", BS_PUSHBUTTON | WS_VISIBLE | WS_TABSTOP, 50, 65, 40, 14,
     0},
};

const DialogTemplate dialog{IDD_TEST,
                            "Test window",
                            WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME |
                                DS_SETFONT,
                            0,
                            IDR_TEST_MENU,
                            "MS Sans Serif",
                            8,
                            0,
                            0,
                            200,
                            150,
                            controls,
                            static_cast<int>(sizeof controls / sizeof controls[0])};

const MenuItemTemplate firstPopup[] = {
    {"&First", ID_FIRST, 0, nullptr, 0},
    {nullptr, 0, MF_SEPARATOR, nullptr, 0},
    {"&Second", ID_SECOND, 0, nullptr, 0},
    {"&Grayed", ID_GRAYED, MF_GRAYED, nullptr, 0},
};
const MenuItemTemplate helpPopup[] = {
    {"&Help item", ID_HELP_ITEM, 0, nullptr, 0},
};
const MenuItemTemplate bar[] = {
    {"&Test", 0, MF_POPUP, firstPopup, 4},
    {"&Help", 0, MF_POPUP, helpPopup, 1},
};
const MenuTemplate menu{IDR_TEST_MENU, bar, 2};

const ResourceTable* game = &GameResources();

const DialogTemplate* FindDialog(int id)
{
    if (id == IDD_TEST) {
        return &dialog;
    }
    return game && game->findDialog ? game->findDialog(id) : nullptr;
}

const MenuTemplate* FindMenu(int id)
{
    if (id == IDR_TEST_MENU) {
        return &menu;
    }
    return game && game->findMenu ? game->findMenu(id) : nullptr;
}

const char* LoadString(int id)
{
    if (id == IDS_TEST_ABOUT) {
        return "&About the test...";
    }
    if (id == IDS_EMPTY) {
        return "";
    }
    return game && game->loadString ? game->loadString(id) : nullptr;
}

const char* const* FindBitmap(int id)
{
    return game && game->findBitmapXpm ? game->findBitmapXpm(id) : nullptr;
}

const char* const* FindCursor(int id)
{
    return game && game->findCursorXpm ? game->findCursorXpm(id) : nullptr;
}

const char* const* FindIcon(int id, int size)
{
    return game && game->findIconXpm ? game->findIconXpm(id, size) : nullptr;
}

const ResourceTable table{FindDialog, FindMenu, LoadString, FindBitmap, FindCursor, FindIcon};
} // namespace

const DialogTemplate& TestTemplate()
{
    return dialog;
}

const ResourceTable& TestResources()
{
    return table;
}
} // namespace testwin

using namespace testwin;

namespace {
const CommandEntry testCommands[] = {
    MapCommand(IDC_PUSH, &TestWindow::OnPush),
    MapCommand(static_cast<int>(ID_FIRST), &TestWindow::OnFirst),
    MapCommand(static_cast<int>(ID_SECOND), &TestWindow::OnSecond),
    MapNotify(IDC_LIST, CBN_SELCHANGE, &TestWindow::OnListChanged),
};
} // namespace

const CommandMap TestWindow::commandMap{
    &Dialog::commandMap, testCommands,
    static_cast<int>(sizeof testCommands / sizeof testCommands[0])};

TestWindow::TestWindow(Window* parent) : Dialog(IDD_TEST, parent) {}

TestWindow::TestWindow(const DialogTemplate* dialogTemplate, Window* parent)
    : Dialog(dialogTemplate, parent)
{
}

bool TestWindow::OnInitDialog()
{
    log.push_back("init");
    Dialog::OnInitDialog();
    if (onInit) {
        onInit();
    }
    return true;
}

void TestWindow::DoDataExchange(DataExchange& dx)
{
    if (!exchanging) {
        return;
    }
    dx.Check(IDC_CHECK, check);
    dx.Radio(IDC_RADIO_A, radio);
    dx.ComboIndex(IDC_LIST, listIndex);
    dx.ComboString(IDC_SORTED, sortedText);
    dx.Slider(IDC_SLIDER, slider);
    dx.Text(IDC_EDIT, text);
}

void TestWindow::OnPaint()
{
    log.push_back("paint");
    PaintDC dc(this);
    Rect client;
    GetClientRect(&client);
    if (paintFills) {
        dc.FillSolidRect(client, paintColor);
    }
    if (onPaint) {
        onPaint();
    }
}

void TestWindow::OnMouseMove(unsigned /*flags*/, Point point)
{
    log.push_back("move " + std::to_string(point.x) + "," + std::to_string(point.y));
    if (onMouseMove) {
        onMouseMove(point);
    }
}

void TestWindow::OnLButtonDown(unsigned /*flags*/, Point point)
{
    log.push_back("down " + std::to_string(point.x) + "," + std::to_string(point.y));
    if (onLButtonDown) {
        onLButtonDown(point);
    }
}

void TestWindow::OnRButtonUp(unsigned /*flags*/, Point point)
{
    log.push_back("rup " + std::to_string(point.x) + "," + std::to_string(point.y));
}

void TestWindow::OnTimer(unsigned id)
{
    log.push_back("timer " + std::to_string(id));
    if (onTimer) {
        onTimer(id);
    }
}

void TestWindow::OnSysCommand(unsigned id, long param)
{
    log.push_back("syscommand " + std::to_string(id));
    Dialog::OnSysCommand(id, param);
}

void TestWindow::OnOK()
{
    log.push_back("ok");
    Dialog::OnOK();
}

void TestWindow::OnCancel()
{
    log.push_back("cancel");
    Dialog::OnCancel();
}

void TestWindow::OnPush()
{
    log.push_back("push");
    if (onPush) {
        onPush();
    }
}

void TestWindow::OnFirst()
{
    log.push_back("first");
    if (onFirst) {
        onFirst();
    }
}

void TestWindow::OnSecond()
{
    log.push_back("second");
}

void TestWindow::OnListChanged()
{
    log.push_back("list " + std::to_string(GetDlgItem(IDC_LIST)->GetCurSel()));
}
