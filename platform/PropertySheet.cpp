#include "platform/PropertySheet.h"

#include "platform/Backend.h"
#include "platform/Keys.h"
#include "platform/WindowPeer.h"

PropertySheet::PropertySheet(const char* caption, Window* parent, int selectPage)
    : caption(caption ? caption : ""), owner(parent), startPage(selectPage)
{
}

// The pages are often members of a derived sheet, gone by the time this destructor runs; each
// page's window goes with the page itself.
PropertySheet::~PropertySheet() = default;

void PropertySheet::AddPage(PropertyPage* page)
{
    if (page) {
        page->SetSheet(this);
        pages.push_back(page);
    }
}

PropertyPage* PropertySheet::GetPage(int index) const
{
    return index >= 0 && index < GetPageCount() ? pages[index] : nullptr;
}

int PropertySheet::DoModal()
{
    if (pages.empty()) {
        return -1;
    }
    SetWindowText(caption.c_str());
    if (!CreatePeer(nullptr, owner, PEER_SHEET)) {
        return -1;
    }
    ended = false;
    result = IDCANCEL;
    activePage = -1;
    Message init;
    init.target = this;
    init.kind = MSG_INITDIALOG;
    Dispatch(init);
    if (!ended) {
        ShowWindow(true);
        GetBackend()->RunModal(*this);
    }
    if (activePage >= 0) {
        startPage = activePage;
    }
    for (PropertyPage* page : pages) {
        page->DestroyWindow();
    }
    activePage = -1;
    DestroyWindow();
    return result;
}

bool PropertySheet::OnInitDialog()
{
    int first = startPage >= 0 && startPage < GetPageCount() ? startPage : 0;
    SetActivePage(first);
    return true;
}

bool PropertySheet::SetActivePage(int index)
{
    PropertyPage* page = GetPage(index);
    if (!page || !IsCreated()) {
        return false;
    }
    if (index == activePage) {
        return true;
    }
    if (PropertyPage* front = GetActivePage()) {
        if (!front->OnKillActive()) {
            GetPeer()->SetActiveTab(activePage);
            return false;
        }
        front->ShowWindow(false);
    }
    if (!page->IsCreated()) {
        if (!page->CreatePeer(page->GetPageTemplate(), this, PEER_PAGE)) {
            return false;
        }
        Message init;
        init.target = page;
        init.kind = MSG_INITDIALOG;
        page->Dispatch(init);
    }
    activePage = index;
    page->OnSetActive();
    page->ShowWindow(true);
    GetPeer()->SetActiveTab(index);
    return true;
}

void PropertySheet::OnSelectTab(int index)
{
    SetActivePage(index);
}

namespace {
// The page step of a key that turns pages, 0 for any other key.
int PageStep(unsigned key, unsigned flags)
{
    if (flags == FCONTROL && (key == VK_TAB || key == VK_NEXT)) {
        return 1;
    }
    if ((flags == (FCONTROL | FSHIFT) && key == VK_TAB) || (flags == FCONTROL && key == VK_PRIOR)) {
        return -1;
    }
    return 0;
}
} // namespace

bool PropertySheet::WantsKey(unsigned key, unsigned flags) const
{
    return PageStep(key, flags) != 0;
}

void PropertySheet::OnKeyDown(unsigned key, unsigned flags)
{
    const int count = GetPageCount();
    const int step = PageStep(key, flags);
    if (step != 0 && count > 0 && activePage >= 0) {
        SetActivePage((activePage + step + count) % count);
    }
}

void PropertySheet::EndDialog(int newResult)
{
    result = newResult;
    ended = true;
    if (IsCreated()) {
        GetBackend()->EndModal(*this, newResult);
    }
}

void PropertySheet::OnOK()
{
    if (PropertyPage* front = GetActivePage()) {
        if (!front->OnKillActive()) {
            return;
        }
    }
    for (PropertyPage* page : pages) {
        if (page->IsCreated()) {
            page->OnOK();
        }
    }
    EndDialog(IDOK);
}

void PropertySheet::OnCancel()
{
    for (PropertyPage* page : pages) {
        if (page->IsCreated()) {
            page->OnCancel();
        }
    }
    EndDialog(IDCANCEL);
}

bool PropertySheet::OnCommand(int id, int code)
{
    if (Window::OnCommand(id, code)) {
        return true;
    }
    if (code != BN_CLICKED) {
        return false;
    }
    if (id == IDOK) {
        OnOK();
        return true;
    }
    if (id == IDCANCEL) {
        OnCancel();
        return true;
    }
    return false;
}
