#pragma once

#include "GuiHarness.h"

#include "platform/wx/WxBackend.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

// A test on the real screen: a fresh wx backend with the test window's resources installed. The
// mouse starts in a corner of the screen where no window is.
class GuiTest : public ::testing::Test
{
protected:
    GuiTest();
    ~GuiTest() override;

    static bool Contains(const std::vector<std::string>& log, const std::string& line)
    {
        return std::find(log.begin(), log.end(), line) != log.end();
    }
    // The lines of the log that start with prefix, in order.
    static std::vector<std::string> Only(const std::vector<std::string>& log,
                                         const std::string& prefix);

    WxBackend backend;
};
