#include "platform/headless/DialogSession.h"

#include "platform/Control.h"
#include "platform/PropertySheet.h"
#include "platform/headless/HeadlessBackend.h"

DialogSession::DialogSession(HeadlessBackend& backend, Window& window)
    : backend(backend), window(window), sheet(dynamic_cast<PropertySheet*>(&window))
{
}

Window& DialogSession::Front() const
{
    if (sheet && sheet->GetActivePage()) {
        return *sheet->GetActivePage();
    }
    return window;
}

HeadlessWindow* DialogSession::Peer() const
{
    return backend.Peer(window);
}

bool DialogSession::IsOpen() const
{
    return backend.IsModalRunning(window) && !backend.IsModalEnded(window);
}

Window& DialogSession::Owner(int id) const
{
    if (sheet && (id == IDOK || id == IDCANCEL || id == ID_APPLY_NOW)) {
        return window;
    }
    return Front();
}

Control* DialogSession::Item(int id) const
{
    return Owner(id).GetDlgItem(id);
}

std::string DialogSession::Text(int id) const
{
    Control* item = Item(id);
    return item ? item->GetWindowText() : std::string();
}

void DialogSession::Click(int id)
{
    backend.ClickControl(Owner(id), id);
}

void DialogSession::Select(int id, int index)
{
    backend.SelectEntry(Owner(id), id, index);
}

bool DialogSession::SelectText(int id, const char* text)
{
    Control* item = Item(id);
    int index = item ? item->FindString(-1, text) : -1;
    if (index < 0) {
        return false;
    }
    Select(id, index);
    return true;
}

void DialogSession::SetSlider(int id, int position)
{
    backend.SetSliderPos(Owner(id), id, position);
}

void DialogSession::Type(int id, const char* text)
{
    backend.TypeText(Owner(id), id, text);
}

void DialogSession::SelectTab(int index)
{
    backend.SelectTab(window, index);
}

void DialogSession::Ok()
{
    backend.Enter(window);
}

void DialogSession::Cancel()
{
    backend.Escape(window);
}

void DialogSession::Key(unsigned key, unsigned modifiers)
{
    backend.KeyDown(window, key, modifiers);
}

void DialogSession::Close()
{
    backend.Close(window);
}

void DialogSession::MouseMove(Point point)
{
    backend.MouseMove(window, point);
}

void DialogSession::LButtonDown(Point point)
{
    backend.LButtonDown(window, point);
}

bool DialogSession::ChooseMenuItem(unsigned id)
{
    return backend.ChooseMenuItem(window, id);
}

void DialogSession::SysCommand(unsigned id)
{
    backend.SysCommand(window, id);
}
