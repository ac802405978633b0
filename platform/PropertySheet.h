#pragma once

#include "platform/PropertyPage.h"
#include "platform/Window.h"

#include <string>
#include <vector>

// A modal window with a tab per page and the buttons OK, Cancel and Apply (Apply stays disabled:
// no page reports a change). Pages are shown in the order they were added; the first opening
// shows the page given at construction, a later one the page that was in front at the last close.
// Leaving a tab reads its controls; OK reads the front page's controls; Cancel reads nothing.
class PropertySheet : public Window
{
public:
    explicit PropertySheet(const char* caption, Window* parent = nullptr, int selectPage = 0);
    ~PropertySheet() override;

    void AddPage(PropertyPage* page);
    int GetPageCount() const { return static_cast<int>(pages.size()); }
    PropertyPage* GetPage(int index) const;
    int GetActiveIndex() const { return activePage; }
    PropertyPage* GetActivePage() const { return GetPage(activePage); }
    // Brings a page to the front: the page in front reads its controls (and may refuse), the new
    // one is made and initialised the first time it shows in this run.
    bool SetActivePage(int index);
    const char* GetCaption() const { return caption.c_str(); }

    // IDOK or IDCANCEL; -1 when the window could not be made.
    int DoModal();
    void EndDialog(int result);

    bool OnInitDialog() override;
    bool OnCommand(int id, int code) override;
    void OnSelectTab(int index) override;
    // Ctrl+Tab and Ctrl+Page Down bring the next page to the front, Ctrl+Shift+Tab and Ctrl+Page
    // Up the one before, wrapping around, whatever control has the focus.
    bool WantsKey(unsigned key, unsigned flags) const override;
    void OnKeyDown(unsigned key, unsigned flags) override;

protected:
    virtual void OnOK();
    virtual void OnCancel();

private:
    std::string caption;
    Window* owner;
    std::vector<PropertyPage*> pages;
    int startPage;
    int activePage = -1;
    bool ended = false;
    int result = 0;
};
