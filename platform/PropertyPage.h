#pragma once

#include "platform/Dialog.h"

class PropertySheet;

// One tab of a PropertySheet, built from its own template, whose caption is the tab's text. Its
// window is made, and OnInitDialog runs, when the tab is first shown during a modal run of the
// sheet; it is gone when the sheet closes, while the page's member values stay.
class PropertyPage : public Dialog
{
public:
    explicit PropertyPage(int templateId);
    explicit PropertyPage(const DialogTemplate* dialogTemplate);
    ~PropertyPage() override = default;

    // The page comes to the front; false keeps it from showing.
    virtual bool OnSetActive();
    // The player leaves the page (another tab, or OK while it is in front): reads the controls
    // into the values. False keeps the page in front.
    virtual bool OnKillActive();
    // The sheet closes: OK after the front page's OnKillActive, or Cancel. Nothing by default;
    // the page's window does not end on its own.
    void OnOK() override;
    void OnCancel() override;

    // The tab's caption: the template's title.
    const char* GetCaption() const;
    const DialogTemplate* GetPageTemplate() const { return ResolveTemplate(); }
    PropertySheet* GetSheet() const { return sheet; }
    void SetSheet(PropertySheet* owner) { sheet = owner; }

private:
    PropertySheet* sheet = nullptr;
};
