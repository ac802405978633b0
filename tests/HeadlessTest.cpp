#include "HeadlessTest.h"

#include "TestWindow.h"

HeadlessTest::HeadlessTest()
{
    SetResourceTable(&testwin::TestResources());
    Random::ClearInjected();
    SetAppTitle("TOBRIX++");
}

HeadlessTest::~HeadlessTest()
{
    SetResourceTable(nullptr);
    Random::ClearInjected();
}
