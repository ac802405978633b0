#include "GuiTest.h"

#include "TestWindow.h"

#include "platform/MessageBox.h"

#include <wx/app.h>

GuiTest::GuiTest()
{
    SetResourceTable(&testwin::TestResources());
    SetAppTitle("TOBRIX++");
    // A Wayland compositor tells a window that appears under a still pointer that the pointer
    // came in, which an X server does not: the pointer waits in a corner where no window is.
    if (gui::OnWayland()) {
        gui::Input().MouseMove(gui::OUT_OF_THE_WAY.x, gui::OUT_OF_THE_WAY.y);
    }
}

GuiTest::~GuiTest()
{
    // A finished Every step deletes its timer after its notification: let that happen now, or
    // the last test of a run would leave it behind.
    if (wxTheApp) {
        wxTheApp->ProcessPendingEvents();
    }
    SetResourceTable(nullptr);
}

std::vector<std::string> GuiTest::Only(const std::vector<std::string>& log,
                                       const std::string& prefix)
{
    std::vector<std::string> lines;
    for (const std::string& line : log) {
        if (line.compare(0, prefix.size(), prefix) == 0) {
            lines.push_back(line);
        }
    }
    return lines;
}
