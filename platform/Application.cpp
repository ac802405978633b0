#include "platform/Application.h"

namespace {
Application* registered = nullptr;
}

Application::Application()
{
    registered = this;
}

Application::~Application()
{
    if (registered == this) {
        registered = nullptr;
    }
}

Application* GetApplication()
{
    return registered;
}
