#include "platform/Application.h"
#include "platform/Control.h"
#include "platform/Cursor.h"
#include "platform/Desktop.h"
#include "platform/Dialog.h"
#include "platform/Icon.h"
#include "res/ResourceIds.h"

// FIXME: stands in for the game's application object until the main window exists: it shows the
// main window's template, menu, icon and cursor, and nothing of the game. Delete this file when
// app/ defines GameApp.
namespace {
class StandInWindow : public Dialog
{
public:
    StandInWindow() : Dialog(IDD_MAIN) {}

    bool OnInitDialog() override
    {
        Dialog::OnInitDialog();
        SetIcon(Icon::Load(IDI_MAINFRAME), true);
        SetIcon(Icon::Load(IDI_MAINFRAME), false);
        SetCursor(Cursor::Load(IDCUR_SELECT));
        if (Control* status = GetDlgItem(IDC_STATUS)) {
            status->MoveWindow(10, 10, 300, 20);
            status->SetWindowText("TOBRIX++ is not playable yet");
        }
        Rect desktop = GetDesktopRect();
        MoveWindow((desktop.Width() - 340) / 2, (desktop.Height() - 120) / 2, 340, 120);
        return true;
    }
};

class StandInApp : public Application
{
public:
    bool InitInstance() override
    {
        StandInWindow window;
        mainWindow = &window;
        window.DoModal();
        mainWindow = nullptr;
        return false;
    }
};

StandInApp standInApp;
} // namespace
