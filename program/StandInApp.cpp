#include "platform/Application.h"
#include "platform/Dialog.h"
#include "platform/DialogTemplate.h"
#include "platform/Message.h"

// FIXME: stands in for the game's application object until the main window exists; delete this
// file when app/ defines GameApp.
namespace {
const ControlTemplate controls[] = {
    {IDC_STATIC, CONTROL_STATIC, "TOBRIX++ is not playable yet.", SS_CENTER | WS_VISIBLE, 7, 10,
     136, 10, 0},
    {IDOK, CONTROL_PUSHBUTTON, "OK", BS_DEFPUSHBUTTON | WS_VISIBLE | WS_TABSTOP, 50, 26, 50, 14, 0},
};

const DialogTemplate standIn{1,
                             "TOBRIX++",
                             WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME,
                             0,
                             0,
                             "MS Sans Serif",
                             8,
                             0,
                             0,
                             150,
                             45,
                             controls,
                             static_cast<int>(sizeof controls / sizeof controls[0])};

class StandInApp : public Application
{
public:
    bool InitInstance() override
    {
        Dialog dialog(&standIn);
        mainWindow = &dialog;
        dialog.DoModal();
        mainWindow = nullptr;
        return false;
    }
};

StandInApp standInApp;
} // namespace
