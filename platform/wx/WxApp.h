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
    // Left to right always: the board, its logo and the panels are pictures laid out for that
    // direction, and none of the game's languages is written the other way. wx would otherwise
    // ask its locale, building its table of every language to answer (about 12 M instructions
    // at the first window), and a right-to-left desktop would mirror the window.
    wxLayoutDirection GetLayoutDirection() const override;

private:
    std::unique_ptr<WxBackend> backend;
};
