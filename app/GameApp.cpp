#include "app/GameApp.h"

#include "app/MainDialog.h"
#include "platform/Resources.h"
#include "res/GameResources.h"

bool GameApp::InitInstance()
{
    // The windows find their templates, menu, strings and art through this table.
    SetResourceTable(&GameResources());

    MainDialog dialog;
    mainWindow = &dialog;
    dialog.DoModal();
    mainWindow = nullptr;
    return false;
}

// The one application object; the program's start-up finds it and runs it.
GameApp gameApp;
