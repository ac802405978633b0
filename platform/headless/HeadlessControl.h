#pragma once

#include "platform/ControlPeer.h"

#include <string>
#include <vector>

// A control of the headless backend: its state, readable and settable by tests.
class HeadlessControl : public ControlPeer
{
public:
    HeadlessControl(int id, ControlKind kind, unsigned style, const char* text, const Rect& rect);
    ~HeadlessControl() override = default;

    int GetId() const override { return id; }
    ControlKind GetKind() const override { return kind; }
    unsigned GetStyle() const override { return style; }

    void SetText(const char* newText) override { text = newText; }
    void GetText(std::string& out) const override { out = text; }
    void Enable(bool enable) override { enabled = enable; }
    bool IsEnabled() const override { return enabled; }
    void Show(bool show) override { visible = show; }
    bool IsVisible() const override { return visible; }

    void SetCheck(int newCheck) override { check = newCheck; }
    int GetCheck() const override { return check; }

    void InsertString(int index, const char* entry) override;
    void DeleteString(int index) override;
    int GetCount() const override { return static_cast<int>(strings.size()); }
    void GetString(int index, std::string& out) const override { out = strings[index]; }
    void SetCurSel(int index) override { selection = index; }
    int GetCurSel() const override { return selection; }

    void SetRange(int minimum, int maximum) override;
    int GetRangeMin() const override { return rangeMin; }
    int GetRangeMax() const override { return rangeMax; }
    void SetPos(int position) override { pos = position; }
    int GetPos() const override { return pos; }

    void SetLimitText(int limit) override { limitText = limit; }
    int GetLimitText() const override { return limitText; }

    void Move(const Rect& newRect) override { rect = newRect; }
    Rect GetRect() const override { return rect; }

    int id;
    ControlKind kind;
    unsigned style;
    std::string text;
    bool enabled;
    bool visible;
    int check = 0;
    std::vector<std::string> strings;
    int selection = -1;
    int rangeMin = 0;
    int rangeMax = 100;
    int pos = 0;
    int limitText = 0;
    Rect rect;
};
