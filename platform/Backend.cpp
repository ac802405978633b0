#include "platform/Backend.h"

namespace {
Backend* current = nullptr;
}

void SetBackend(Backend* backend)
{
    current = backend;
}

Backend* GetBackend()
{
    return current;
}
