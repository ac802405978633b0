#pragma once

#include "platform/DeviceContext.h"

class Window;

// Draws into a window's back buffer outside the paint message. What it draws is marked dirty and
// reaches the screen when control goes back to the message loop or at the next Sleep, without a
// paint message. A window that does not exist gives a context that draws nothing.
class ClientDC : public DeviceContext
{
public:
    explicit ClientDC(Window* window);
    explicit ClientDC(Window& window) : ClientDC(&window) {}
    ~ClientDC() override = default;
};
