#include "GuiTest.h"

#include "TestWindow.h"

#include "platform/MessageBox.h"

#include <wx/uiaction.h>

GuiTest::GuiTest()
{
    SetResourceTable(&testwin::TestResources());
    SetAppTitle("TOBRIX++");
}

GuiTest::~GuiTest()
{
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
