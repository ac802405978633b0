#pragma once

#include "platform/Application.h"

// The application object: it runs the main window modally, and when that window ends the
// program ends.
class GameApp : public Application
{
public:
    GameApp() = default;
    ~GameApp() override = default;

    // Runs the main window; false, since no loop of the application's own follows.
    bool InitInstance() override;
};
