#include "GuiHarness.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (!gui::StartWx(argv[0])) {
        return gui::SKIPPED;
    }
    int result = RUN_ALL_TESTS();
    gui::StopWx();
    return result;
}
