#include "platform/headless/HeadlessWindow.h"

#include "platform/Window.h"
#include "platform/headless/HeadlessBackend.h"

#include <algorithm>

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
    Rect copy = IntersectRect(area, Rect{0, 0, std::min(buffer.width, screen.width),
                                         std::min(buffer.height, screen.height)});
    for (int y = copy.top; y < copy.bottom; ++y) {
        auto from = buffer.pixels.begin() + static_cast<size_t>(y) * buffer.width;
        auto to = screen.pixels.begin() + static_cast<size_t>(y) * screen.width;
        std::copy(from + copy.left, from + copy.right, to + copy.left);
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
