#pragma once

#include "platform/MessageBox.h"
#include "platform/Random.h"
#include "platform/Resources.h"
#include "platform/headless/DialogSession.h"
#include "platform/headless/HeadlessBackend.h"

#include <gtest/gtest.h>

// A test with a fresh headless backend installed, the given resources (the test window's and
// the game's), no injected random values and the standard application title.
class HeadlessTest : public ::testing::Test
{
protected:
    HeadlessTest();
    ~HeadlessTest() override;

    HeadlessBackend headless;
};
