#pragma once

#include "platform/wx/WxBackend.h"

#include <memory>

#include <wx/app.h>

// The wx application: installs the wx backend, then runs the program's application object in
// place of a main loop of its own (the application's modal main window is the program's loop).
class WxApp : public wxApp
{
public:
    WxApp() = default;
    ~WxApp() override = default;

    bool OnInit() override;
    int OnRun() override;
    int OnExit() override;

private:
    std::unique_ptr<WxBackend> backend;
};
