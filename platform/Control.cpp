#include "platform/Control.h"

#include "platform/ControlPeer.h"
#include "platform/Window.h"

#include <cctype>

int CompareNoCase(const char* a, const char* b)
{
    for (;; ++a, ++b) {
        int ca = std::tolower(static_cast<unsigned char>(*a));
        int cb = std::tolower(static_cast<unsigned char>(*b));
        if (ca != cb || ca == 0) {
            return ca - cb;
        }
    }
}

bool StartsWithNoCase(const char* text, const char* prefix)
{
    for (; *prefix; ++text, ++prefix) {
        if (std::tolower(static_cast<unsigned char>(*text)) !=
            std::tolower(static_cast<unsigned char>(*prefix))) {
            return false;
        }
    }
    return true;
}

Control::Control(Window* owner, int index) : owner(owner), index(index)
{
    if (ControlPeer* peer = Peer()) {
        id = peer->GetId();
        kind = peer->GetKind();
        style = peer->GetStyle();
    }
}

namespace {
// The selection stays on its entry when entries are inserted before it.
void InsertAt(ControlPeer* peer, int at, const char* text)
{
    int selected = peer->GetCurSel();
    peer->InsertString(at, text);
    if (selected >= at) {
        peer->SetCurSel(selected + 1);
    }
}
} // namespace

ControlPeer* Control::Peer() const
{
    return owner ? owner->GetControlPeer(index) : nullptr;
}

bool Control::IsAttached() const
{
    return Peer() != nullptr;
}

void Control::SetWindowText(const char* text)
{
    if (ControlPeer* peer = Peer()) {
        peer->SetText(text ? text : "");
    }
}

std::string Control::GetWindowText() const
{
    std::string text;
    if (ControlPeer* peer = Peer()) {
        peer->GetText(text);
    }
    return text;
}

void Control::EnableWindow(bool enable)
{
    if (ControlPeer* peer = Peer()) {
        peer->Enable(enable);
    }
}

bool Control::IsWindowEnabled() const
{
    ControlPeer* peer = Peer();
    return peer && peer->IsEnabled();
}

void Control::ShowWindow(bool show)
{
    if (ControlPeer* peer = Peer()) {
        peer->Show(show);
    }
}

bool Control::IsWindowVisible() const
{
    ControlPeer* peer = Peer();
    return peer && peer->IsVisible();
}

void Control::MoveWindow(int x, int y, int width, int height, bool /*repaint*/)
{
    if (ControlPeer* peer = Peer()) {
        peer->Move(Rect{x, y, x + width, y + height});
    }
}

Rect Control::GetRect() const
{
    ControlPeer* peer = Peer();
    return peer ? peer->GetRect() : Rect{0, 0, 0, 0};
}

void Control::SetCheck(int check)
{
    if (ControlPeer* peer = Peer()) {
        peer->SetCheck(check ? 1 : 0);
    }
}

int Control::GetCheck() const
{
    ControlPeer* peer = Peer();
    return peer ? peer->GetCheck() : 0;
}

int Control::AddString(const char* text)
{
    ControlPeer* peer = Peer();
    if (!peer || !text) {
        return CB_ERR;
    }
    int count = peer->GetCount();
    int at = count;
    if (style & CBS_SORT) {
        std::string entry;
        for (at = 0; at < count; ++at) {
            peer->GetString(at, entry);
            if (CompareNoCase(entry.c_str(), text) > 0) {
                break;
            }
        }
    }
    InsertAt(peer, at, text);
    return at;
}

int Control::InsertString(int at, const char* text)
{
    ControlPeer* peer = Peer();
    if (!peer || !text) {
        return CB_ERR;
    }
    int count = peer->GetCount();
    if (at < 0) {
        at = count;
    }
    if (at > count) {
        return CB_ERR;
    }
    InsertAt(peer, at, text);
    return at;
}

int Control::DeleteString(int at)
{
    ControlPeer* peer = Peer();
    if (!peer || at < 0 || at >= peer->GetCount()) {
        return CB_ERR;
    }
    // A list loses its selection with the selected entry; a later one moves up with its entry.
    int selected = peer->GetCurSel();
    peer->DeleteString(at);
    if (selected == at) {
        peer->SetCurSel(-1);
    } else if (selected > at) {
        peer->SetCurSel(selected - 1);
    }
    return peer->GetCount();
}

void Control::ResetContent()
{
    if (ControlPeer* peer = Peer()) {
        peer->SetCurSel(-1);
        for (int i = peer->GetCount() - 1; i >= 0; --i) {
            peer->DeleteString(i);
        }
    }
}

int Control::GetCount() const
{
    ControlPeer* peer = Peer();
    return peer ? peer->GetCount() : 0;
}

int Control::SetCurSel(int at)
{
    ControlPeer* peer = Peer();
    if (!peer) {
        return CB_ERR;
    }
    if (at < 0 || at >= peer->GetCount()) {
        peer->SetCurSel(-1);
        return CB_ERR;
    }
    peer->SetCurSel(at);
    return at;
}

int Control::GetCurSel() const
{
    ControlPeer* peer = Peer();
    return peer ? peer->GetCurSel() : CB_ERR;
}

int Control::FindString(int startAfter, const char* prefix) const
{
    ControlPeer* peer = Peer();
    if (!peer || !prefix) {
        return CB_ERR;
    }
    int count = peer->GetCount();
    if (startAfter < -1 || startAfter >= count) {
        startAfter = -1;
    }
    std::string entry;
    for (int n = 1; n <= count; ++n) {
        int at = (startAfter + n) % count;
        peer->GetString(at, entry);
        if (StartsWithNoCase(entry.c_str(), prefix)) {
            return at;
        }
    }
    return CB_ERR;
}

int Control::SelectString(int startAfter, const char* prefix)
{
    int at = FindString(startAfter, prefix);
    if (at != CB_ERR) {
        Peer()->SetCurSel(at);
    }
    return at;
}

std::string Control::GetLBText(int at) const
{
    std::string text;
    ControlPeer* peer = Peer();
    if (peer && at >= 0 && at < peer->GetCount()) {
        peer->GetString(at, text);
    }
    return text;
}

std::string Control::GetSelectedText() const
{
    return GetLBText(GetCurSel());
}

void Control::SetRange(int minimum, int maximum, bool /*redraw*/)
{
    ControlPeer* peer = Peer();
    if (!peer) {
        return;
    }
    if (maximum < minimum) {
        maximum = minimum;
    }
    int position = peer->GetPos();
    peer->SetRange(minimum, maximum);
    if (position < minimum || position > maximum) {
        peer->SetPos(position < minimum ? minimum : maximum);
    }
}

int Control::GetRangeMin() const
{
    ControlPeer* peer = Peer();
    return peer ? peer->GetRangeMin() : 0;
}

int Control::GetRangeMax() const
{
    ControlPeer* peer = Peer();
    return peer ? peer->GetRangeMax() : 0;
}

void Control::SetPos(int position)
{
    if (ControlPeer* peer = Peer()) {
        int low = peer->GetRangeMin();
        int high = peer->GetRangeMax();
        peer->SetPos(position < low ? low : position > high ? high : position);
    }
}

int Control::GetPos() const
{
    ControlPeer* peer = Peer();
    return peer ? peer->GetPos() : 0;
}

void Control::LimitText(int limit)
{
    if (ControlPeer* peer = Peer()) {
        peer->SetLimitText(limit < 0 ? 0 : limit);
    }
}

int Control::GetLimitText() const
{
    ControlPeer* peer = Peer();
    return peer ? peer->GetLimitText() : 0;
}

size_t FitUtf8(const std::string& text, size_t limit)
{
    if (text.size() <= limit) {
        return text.size();
    }
    // Back off the continuation bytes of a character cut at the limit.
    size_t cut = limit;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) {
        --cut;
    }
    return cut;
}
