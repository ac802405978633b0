#pragma once

#include "platform/DialogTemplate.h"
#include "platform/Geometry.h"

#include <string>

// One control of a window as a backend shows it. The primitives only: sorting, searching and
// radio groups are done once, above the backends, by Control.
class ControlPeer
{
public:
    virtual ~ControlPeer() = default;

    // What the template (or the backend, for the buttons of a property sheet) made it.
    virtual int GetId() const = 0;
    virtual ControlKind GetKind() const = 0;
    virtual unsigned GetStyle() const = 0;

    virtual void SetText(const char* text) = 0;
    virtual void GetText(std::string& text) const = 0;
    virtual void Enable(bool enable) = 0;
    virtual bool IsEnabled() const = 0;
    virtual void Show(bool show) = 0;
    virtual bool IsVisible() const = 0;

    // Check boxes and radio buttons: 0 clear, 1 checked.
    virtual void SetCheck(int check) = 0;
    virtual int GetCheck() const = 0;

    // Drop-down lists. index is always valid here (0..count for an insertion).
    virtual void InsertString(int index, const char* text) = 0;
    virtual void DeleteString(int index) = 0;
    virtual int GetCount() const = 0;
    virtual void GetString(int index, std::string& text) const = 0;
    virtual void SetCurSel(int index) = 0; // -1: nothing selected
    virtual int GetCurSel() const = 0;

    // Sliders.
    virtual void SetRange(int minimum, int maximum) = 0;
    virtual int GetRangeMin() const = 0;
    virtual int GetRangeMax() const = 0;
    virtual void SetPos(int position) = 0;
    virtual int GetPos() const = 0;

    // Edit boxes: the most bytes of UTF-8 text the player may type; 0 for no limit.
    virtual void SetLimitText(int limit) = 0;
    virtual int GetLimitText() const = 0;

    // Position and size in pixels, in the parent's client coordinates.
    virtual void Move(const Rect& rect) = 0;
    virtual Rect GetRect() const = 0;
};
