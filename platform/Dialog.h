#pragma once

#include "platform/Window.h"

// A window built from a dialog template and run modally (DoModal) or shown without a loop of its
// own (Create). The template is looked up by id when the window is made, through the installed
// resource table, unless it was given directly.
class Dialog : public Window
{
public:
    explicit Dialog(int templateId, Window* parent = nullptr);
    explicit Dialog(const DialogTemplate* dialogTemplate, Window* parent = nullptr);
    ~Dialog() override = default;

    // Builds the window, runs OnInitDialog, shows it and runs its modal loop; the window is gone
    // when it returns. The result of EndDialog (IDOK, IDCANCEL), or -1 when the window could not
    // be made.
    virtual int DoModal();
    // Builds the window without a loop of its own; its messages come from the loop that runs.
    bool Create(Window* parent = nullptr);
    void EndDialog(int result);
    bool IsEnded() const { return ended; }
    int GetResult() const { return result; }
    int GetTemplateId() const { return templateId; }

    // Enter (the default button, IDOK): reads the controls and closes with IDOK.
    virtual void OnOK();
    // Escape, the close box: closes with IDCANCEL.
    virtual void OnCancel();
    bool OnCommand(int id, int code) override;

protected:
    const DialogTemplate* ResolveTemplate() const;

private:
    int templateId;
    const DialogTemplate* givenTemplate;
    Window* owner;
    bool modal = false;
    bool ended = false;
    int result = 0;
};
