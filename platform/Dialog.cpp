#include "platform/Dialog.h"

#include "platform/Resources.h"

Dialog::Dialog(int templateId, Window* parent)
    : templateId(templateId), givenTemplate(nullptr), owner(parent)
{
}

Dialog::Dialog(const DialogTemplate* dialogTemplate, Window* parent)
    : templateId(dialogTemplate ? dialogTemplate->id : 0), givenTemplate(dialogTemplate),
      owner(parent)
{
}

const DialogTemplate* Dialog::ResolveTemplate() const
{
    return givenTemplate ? givenTemplate : FindDialogResource(templateId);
}

int Dialog::DoModal()
{
    const DialogTemplate* dialogTemplate = ResolveTemplate();
    if (!dialogTemplate || !CreatePeer(dialogTemplate, owner, PEER_DIALOG)) {
        return -1;
    }
    modal = true;
    ended = false;
    result = IDCANCEL;
    Message init;
    init.target = this;
    init.kind = MSG_INITDIALOG;
    Dispatch(init);
    if (!ended) {
        ShowWindow(true);
        GetBackend()->RunModal(*this);
    }
    int modalResult = result;
    modal = false;
    DestroyWindow();
    return modalResult;
}

bool Dialog::Create(Window* parent)
{
    const DialogTemplate* dialogTemplate = ResolveTemplate();
    if (!dialogTemplate || !CreatePeer(dialogTemplate, parent ? parent : owner, PEER_DIALOG)) {
        return false;
    }
    modal = false;
    ended = false;
    Message init;
    init.target = this;
    init.kind = MSG_INITDIALOG;
    Dispatch(init);
    if (dialogTemplate->style & WS_VISIBLE) {
        ShowWindow(true);
    }
    return true;
}

void Dialog::EndDialog(int newResult)
{
    result = newResult;
    ended = true;
    if (!IsCreated()) {
        return;
    }
    if (modal) {
        GetBackend()->EndModal(*this, newResult);
    } else {
        ShowWindow(false);
    }
}

void Dialog::OnOK()
{
    if (UpdateData(true)) {
        EndDialog(IDOK);
    }
}

void Dialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

bool Dialog::OnCommand(int id, int code)
{
    if (Window::OnCommand(id, code)) {
        return true;
    }
    if (code == BN_CLICKED && id == IDOK) {
        OnOK();
        return true;
    }
    if (code == BN_CLICKED && id == IDCANCEL) {
        OnCancel();
        return true;
    }
    return false;
}
