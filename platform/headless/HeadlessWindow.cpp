#include "platform/headless/HeadlessWindow.h"

#include "platform/Window.h"
#include "platform/headless/HeadlessBackend.h"

HeadlessWindow::HeadlessWindow(HeadlessBackend& backend, Window& window, PeerKind kind,
                               unsigned style, bool menu)
    : window(window), kind(kind), style(style), menu(menu), backend(backend)
{
}

void HeadlessWindow::Move(const Rect& newWindowRect)
{
    windowRect = newWindowRect;
    Rect frame{0, 0, 0, 0};
    if (kind != PEER_PAGE) {
        backend.AdjustWindowRect(frame, style, menu);
    }
    clientWidth = windowRect.Width() - frame.Width();
    clientHeight = windowRect.Height() - frame.Height();
    if (clientWidth < 0) {
        clientWidth = 0;
    }
    if (clientHeight < 0) {
        clientHeight = 0;
    }
    if (screen.width != clientWidth || screen.height != clientHeight) {
        screen.Resize(clientWidth, clientHeight, GetSysColor(COLOR_BTNFACE));
    }
}

void HeadlessWindow::Place(int x, int y, int width, int height)
{
    Rect rect{0, 0, width, height};
    if (kind != PEER_PAGE) {
        backend.AdjustWindowRect(rect, style, menu);
    }
    OffsetRect(rect, x - rect.left, y - rect.top);
    Move(rect);
}

void HeadlessWindow::Present(const Rect& area)
{
    const PixelImage& buffer = window.GetBackBuffer();
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            screen.SetPixel(x, y, buffer.GetPixel(x, y));
        }
    }
    ++presentCount;
    lastPresented = area;
}

HeadlessControl* HeadlessWindow::FindControl(int id)
{
    for (auto& control : controls) {
        if (control->id == id) {
            return control.get();
        }
    }
    return nullptr;
}
