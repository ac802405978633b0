#include "platform/Window.h"

#include "platform/ControlPeer.h"
#include "platform/DataExchange.h"
#include "platform/Menu.h"
#include "platform/MessageBox.h"
#include "platform/MessageQueue.h"
#include "platform/PaintDC.h"
#include "platform/Resources.h"
#include "platform/Translation.h"
#include "platform/WindowPeer.h"

namespace {
Window* captureWindow = nullptr;

bool Contains(const Rect& outer, const Rect& inner)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}
} // namespace

const CommandMap Window::commandMap{nullptr, nullptr, 0};

Window::Window() = default;

Window::~Window()
{
    DestroyWindow();
}

bool Window::CreatePeer(const DialogTemplate* newTemplate, Window* newParent, PeerKind newKind)
{
    Backend* backend = GetBackend();
    if (peer || !backend) {
        return false;
    }
    dialogTemplate = newTemplate;
    parent = newParent;
    kind = newKind;
    if (dialogTemplate && dialogTemplate->caption) {
        title = Translate(dialogTemplate->caption);
    }
    peer = backend->CreatePeer(*this, dialogTemplate, parent, kind);
    if (!peer) {
        return false;
    }
    if (!title.empty()) {
        peer->SetTitle(title.c_str());
    }
    MessageQueue::Get().AddWindow(this);
    BuildControls();
    BuildMenus();
    ResizeBackBuffer();
    return true;
}

void Window::BuildControls()
{
    controls.clear();
    int count = peer->GetControlCount();
    controls.reserve(count);
    for (int i = 0; i < count; ++i) {
        controls.emplace_back(this, i);
    }
}

void Window::BuildMenus()
{
    menu.reset();
    systemMenu.reset();
    if (dialogTemplate && dialogTemplate->menuId != 0) {
        if (const MenuTemplate* menuTemplate = FindMenuResource(dialogTemplate->menuId)) {
            menu = std::make_unique<Menu>(this);
            menu->Load(*menuTemplate);
            peer->MenuChanged(*menu);
        }
    }
    bool sysMenu = kind == PEER_SHEET || (dialogTemplate && (dialogTemplate->style & WS_SYSMENU));
    if (sysMenu && kind != PEER_PAGE) {
        systemMenu = std::make_unique<Menu>(this);
        systemMenu->LoadSystemMenu();
    }
}

void Window::ResizeBackBuffer()
{
    Rect client = peer->GetClientRect();
    if (client.Width() == backBuffer.width && client.Height() == backBuffer.height) {
        return;
    }
    backBuffer.Resize(client.Width(), client.Height(), GetFaceColor());
    dirty = Rect{0, 0, 0, 0};
    updateCount = 0;
    InvalidateRect(nullptr, true);
}

void Window::DestroyWindow()
{
    if (!peer) {
        return;
    }
    if (captureWindow == this) {
        ReleaseCapture();
    }
    Backend* backend = GetBackend();
    while (timerCount > 0) {
        KillTimer(timerIds[timerCount - 1]);
    }
    MessageQueue::Get().RemoveWindow(this);
    controls.clear();
    menu.reset();
    systemMenu.reset();
    WindowPeer* old = peer;
    peer = nullptr;
    if (backend) {
        backend->DestroyPeer(*this, old);
    }
    backBuffer.Resize(0, 0);
    updateCount = 0;
    updateErase = false;
    dirty = Rect{0, 0, 0, 0};
}

void Window::Dispatch(const Message& message)
{
    MessageQueue& queue = MessageQueue::Get();
    ++busy;
    queue.EnterHandler();
    const Message* outer = current;
    current = &message;
    switch (message.kind) {
    case MSG_MOUSEMOVE:
        OnMouseMove(message.flags, message.point);
        break;
    case MSG_LBUTTONDOWN:
        OnLButtonDown(message.flags, message.point);
        break;
    case MSG_RBUTTONUP:
        OnRButtonUp(message.flags, message.point);
        break;
    case MSG_TIMER:
        OnTimer(message.id);
        break;
    case MSG_COMMAND:
        OnCommand(static_cast<int>(message.id), message.code);
        break;
    case MSG_SYSCOMMAND:
        OnSysCommand(message.id, message.param);
        break;
    case MSG_PAINT:
        OnPaint();
        // A handler that drew nothing still ends the paint; otherwise it would come back at once.
        ValidateAll();
        break;
    case MSG_INITDIALOG:
        OnInitDialog();
        break;
    case MSG_KEY_ENTER: {
        int id = GetDefaultButtonId();
        Control* button = GetDlgItem(id);
        if (!button || button->IsWindowEnabled()) {
            OnCommand(id, BN_CLICKED);
        }
        break;
    }
    case MSG_KEY_ESCAPE: {
        Control* button = GetDlgItem(IDCANCEL);
        if (!button || button->IsWindowEnabled()) {
            OnCommand(IDCANCEL, BN_CLICKED);
        }
        break;
    }
    case MSG_KEYDOWN: {
        // The menu's shortcuts are looked up when the key is handled, so that a key that waited
        // for a handler meets the items as that handler left them.
        unsigned command = menu ? menu->FindAccelerator(message.id, message.flags) : 0;
        if (command == 0) {
            OnKeyDown(message.id, message.flags);
        } else if (menu->IsCommandEnabled(command)) {
            OnCommand(static_cast<int>(command), BN_CLICKED);
        }
        break;
    }
    case MSG_SELECT_TAB:
        OnSelectTab(message.value);
        break;
    case MSG_CONTROL_CLICK:
    case MSG_CONTROL_SELECT:
    case MSG_CONTROL_SCROLL:
    case MSG_CONTROL_TYPE:
        ApplyControlInput(message);
        break;
    }
    current = outer;
    queue.LeaveHandler();
    --busy;
}

void Window::ApplyControlInput(const Message& message)
{
    Control* control = GetDlgItem(static_cast<int>(message.id));
    // The player cannot work a control that is disabled or hidden.
    if (!control || !control->IsWindowEnabled() || !control->IsWindowVisible()) {
        return;
    }
    int id = control->GetDlgCtrlID();
    switch (message.kind) {
    case MSG_CONTROL_CLICK:
        if (control->GetKind() == CONTROL_CHECKBOX) {
            control->SetCheck(!control->GetCheck());
        } else if (control->GetKind() == CONTROL_RADIOBUTTON) {
            // An automatic radio button clears the others of its group.
            for (int i = 0; i < GetControlCount(); ++i) {
                if (&controls[i] == control) {
                    int first = i;
                    while (first > 0 && !(controls[first].GetStyle() & WS_GROUP)) {
                        --first;
                    }
                    for (int j = first; j < GetControlCount(); ++j) {
                        if (j > first && (controls[j].GetStyle() & WS_GROUP)) {
                            break;
                        }
                        if (controls[j].GetKind() == CONTROL_RADIOBUTTON) {
                            controls[j].SetCheck(j == i);
                        }
                    }
                    break;
                }
            }
        } else if (control->GetKind() != CONTROL_PUSHBUTTON) {
            return;
        }
        OnCommand(id, BN_CLICKED);
        break;
    case MSG_CONTROL_SELECT:
        if (control->GetKind() == CONTROL_COMBOBOX && message.value >= 0 &&
            message.value < control->GetCount()) {
            control->SetCurSel(message.value);
            OnCommand(id, CBN_SELCHANGE);
        }
        break;
    case MSG_CONTROL_SCROLL:
        if (control->GetKind() == CONTROL_SLIDER) {
            control->SetPos(message.value);
        }
        break;
    case MSG_CONTROL_TYPE:
        // A read-only edit box shows its text to scroll through, never to type over.
        if (control->GetKind() == CONTROL_EDIT && !(control->GetStyle() & ES_READONLY)) {
            std::string text = message.text;
            int limit = control->GetLimitText();
            if (limit > 0) {
                text.resize(FitUtf8(text, static_cast<size_t>(limit)));
            }
            control->SetWindowText(text.c_str());
            OnCommand(id, EN_CHANGE);
        }
        break;
    default:
        break;
    }
}

void Window::Default()
{
    if (!current) {
        return;
    }
    switch (current->kind) {
    case MSG_PAINT:
        if (HasUpdateRegion()) {
            PaintDC dc(this);
        }
        break;
    case MSG_SYSCOMMAND:
        if ((current->id & 0xFFF0) == SC_CLOSE) {
            OnClose();
        }
        break;
    default:
        break;
    }
}

void Window::InvalidateRect(const Rect* rect, bool erase)
{
    if (!peer) {
        return;
    }
    Rect client{0, 0, backBuffer.width, backBuffer.height};
    Rect area = rect ? IntersectRect(*rect, client) : client;
    if (area.IsEmpty()) {
        return;
    }
    if (erase) {
        updateErase = true;
    }
    int kept = 0;
    for (int i = 0; i < updateCount; ++i) {
        if (Contains(updateRects[i], area)) {
            return;
        }
        if (!Contains(area, updateRects[i])) {
            updateRects[kept++] = updateRects[i];
        }
    }
    updateCount = kept;
    if (updateCount == MAX_UPDATE_RECTS) {
        // Too many pieces: the region becomes their bounding box.
        for (int i = 1; i < updateCount; ++i) {
            updateRects[0] = UnionRect(updateRects[0], updateRects[i]);
        }
        updateCount = 1;
        updateRects[0] = UnionRect(updateRects[0], area);
    } else {
        updateRects[updateCount++] = area;
    }
    if (Backend* backend = GetBackend()) {
        backend->RequestDelivery();
    }
}

const Rect* Window::GetUpdateRects(int* count) const
{
    *count = updateCount;
    return updateRects;
}

void Window::ValidateAll()
{
    updateCount = 0;
    updateErase = false;
}

void Window::Present()
{
    if (!peer || dirty.IsEmpty()) {
        return;
    }
    Rect area = IntersectRect(dirty, Rect{0, 0, backBuffer.width, backBuffer.height});
    dirty = Rect{0, 0, 0, 0};
    if (!area.IsEmpty()) {
        peer->Present(area);
    }
}

unsigned Window::SetTimer(unsigned id, unsigned ms)
{
    Backend* backend = GetBackend();
    if (!peer || !backend) {
        return 0;
    }
    bool known = false;
    for (int i = 0; i < timerCount; ++i) {
        known = known || timerIds[i] == id;
    }
    if (!known) {
        if (timerCount == MAX_TIMERS) {
            return 0;
        }
        timerIds[timerCount++] = id;
    }
    backend->StartTimer(*this, id, ms);
    return id;
}

bool Window::KillTimer(unsigned id)
{
    for (int i = 0; i < timerCount; ++i) {
        if (timerIds[i] == id) {
            timerIds[i] = timerIds[--timerCount];
            if (Backend* backend = GetBackend()) {
                backend->StopTimer(*this, id);
            }
            MessageQueue::Get().RemoveTimer(this, id);
            return true;
        }
    }
    return false;
}

void Window::SetWindowText(const char* text)
{
    title = text ? text : "";
    if (peer) {
        peer->SetTitle(title.c_str());
    }
}

void Window::MoveWindow(int x, int y, int width, int height, bool repaint)
{
    if (!peer) {
        return;
    }
    int oldWidth = backBuffer.width;
    int oldHeight = backBuffer.height;
    peer->Move(Rect{x, y, x + width, y + height});
    ResizeBackBuffer();
    bool resized = oldWidth != backBuffer.width || oldHeight != backBuffer.height;
    if (repaint && !resized) {
        InvalidateRect(nullptr, true);
    }
}

void Window::MoveWindow(const Rect& rect, bool repaint)
{
    MoveWindow(rect.left, rect.top, rect.Width(), rect.Height(), repaint);
}

void Window::GetClientRect(Rect* rect) const
{
    *rect = peer ? peer->GetClientRect() : Rect{0, 0, 0, 0};
}

void Window::GetWindowRect(Rect* rect) const
{
    *rect = peer ? peer->GetWindowRect() : Rect{0, 0, 0, 0};
}

bool Window::IsIconic() const
{
    return peer && peer->IsIconic();
}

void Window::ShowWindow(bool show)
{
    if (peer) {
        peer->Show(show);
    }
}

void Window::SetIcon(const Icon* icon, bool big)
{
    (big ? bigIcon : smallIcon) = icon;
    if (peer) {
        peer->SetIcon(icon, big);
    }
}

Window* Window::SetCapture()
{
    Window* previous = captureWindow;
    if (previous == this || !peer) {
        return previous;
    }
    if (previous && previous->peer) {
        previous->peer->SetCapture(false);
    }
    captureWindow = this;
    peer->SetCapture(true);
    return previous;
}

Window* GetCapture()
{
    return captureWindow;
}

void ReleaseCapture()
{
    Window* holder = captureWindow;
    captureWindow = nullptr;
    if (holder && holder->GetPeer()) {
        holder->GetPeer()->SetCapture(false);
    }
}

void Window::SetCursor(const Cursor* newCursor)
{
    cursor = newCursor;
    if (peer) {
        peer->SetCursor(newCursor);
    }
}

Menu* Window::GetSystemMenu(bool revert)
{
    if (revert) {
        if (systemMenu) {
            systemMenu->LoadSystemMenu();
        }
        return nullptr;
    }
    return systemMenu.get();
}

Control* Window::GetDlgItem(int id)
{
    for (Control& control : controls) {
        if (control.GetDlgCtrlID() == id) {
            return &control;
        }
    }
    return nullptr;
}

Control* Window::GetControlAt(int index)
{
    if (index < 0 || index >= static_cast<int>(controls.size())) {
        return nullptr;
    }
    return &controls[index];
}

ControlPeer* Window::GetControlPeer(int index) const
{
    if (!peer || index < 0 || index >= peer->GetControlCount()) {
        return nullptr;
    }
    return peer->GetControl(index);
}

const ControlTemplate* Window::GetControlTemplate(int index) const
{
    if (!dialogTemplate || index < 0 || index >= dialogTemplate->controlCount) {
        return nullptr;
    }
    return &dialogTemplate->controls[index];
}

void Window::CheckRadioButton(int firstId, int lastId, int checkId)
{
    for (Control& control : controls) {
        int id = control.GetDlgCtrlID();
        if (control.GetKind() == CONTROL_RADIOBUTTON && id >= firstId && id <= lastId) {
            control.SetCheck(id == checkId);
        }
    }
}

int Window::GetCheckedRadioButton(int firstId, int lastId)
{
    for (Control& control : controls) {
        int id = control.GetDlgCtrlID();
        if (control.GetKind() == CONTROL_RADIOBUTTON && id >= firstId && id <= lastId &&
            control.GetCheck()) {
            return id;
        }
    }
    return 0;
}

int Window::GetDefaultButtonId() const
{
    for (const Control& control : controls) {
        if (control.GetKind() == CONTROL_PUSHBUTTON &&
            (control.GetStyle() & 0x0F) == BS_DEFPUSHBUTTON) {
            return control.GetDlgCtrlID();
        }
    }
    return IDOK;
}

bool Window::UpdateData(bool saveAndValidate)
{
    DataExchange dx(this, saveAndValidate);
    DoDataExchange(dx);
    return true;
}

void Window::DoDataExchange(DataExchange& /*dx*/) {}

int Window::MessageBox(const char* text, const char* caption, unsigned type)
{
    return ::MessageBox(this, text, caption ? caption : Translate(GetAppTitle()), type);
}

bool Window::OnInitDialog()
{
    UpdateData(false);
    return true;
}

void Window::OnPaint()
{
    Default();
}

void Window::OnMouseMove(unsigned /*flags*/, Point /*point*/) {}

void Window::OnLButtonDown(unsigned /*flags*/, Point /*point*/) {}

void Window::OnRButtonUp(unsigned /*flags*/, Point /*point*/) {}

void Window::OnTimer(unsigned /*id*/) {}

void Window::OnKeyDown(unsigned /*key*/, unsigned /*flags*/) {}

bool Window::WantsKey(unsigned /*key*/, unsigned /*flags*/) const
{
    return false;
}

void Window::OnSysCommand(unsigned /*id*/, long /*param*/)
{
    Default();
}

void Window::OnClose()
{
    OnCommand(IDCANCEL, BN_CLICKED);
}

const Icon* Window::OnQueryDragIcon()
{
    return nullptr;
}

bool Window::OnCommand(int id, int code)
{
    for (const CommandMap* map = GetCommandMap(); map; map = map->base) {
        for (int i = 0; i < map->count; ++i) {
            const CommandEntry& entry = map->entries[i];
            if (entry.id == id && entry.code == code) {
                (this->*entry.handler)();
                return true;
            }
        }
    }
    return false;
}

void Window::OnSelectTab(int /*index*/) {}
