#include "platform/PropertyPage.h"
#include "platform/Translation.h"

PropertyPage::PropertyPage(int templateId) : Dialog(templateId) {}

PropertyPage::PropertyPage(const DialogTemplate* dialogTemplate) : Dialog(dialogTemplate) {}

bool PropertyPage::OnSetActive()
{
    return true;
}

bool PropertyPage::OnKillActive()
{
    return UpdateData(true);
}

void PropertyPage::OnOK() {}

void PropertyPage::OnCancel() {}

const char* PropertyPage::GetCaption() const
{
    const DialogTemplate* pageTemplate = ResolveTemplate();
    return pageTemplate && pageTemplate->caption ? Translate(pageTemplate->caption) : "";
}
