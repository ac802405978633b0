#pragma once

#include "platform/Geometry.h"

#include <memory>
#include <vector>

class WxControlPeer;

// Places the controls built from a dialog template. The template's positions are the layout's
// intent, but GTK's controls need more room than the desktop the templates were made for:
// - a slider is lengthened to its natural length, and the band of the dialog it spans is
//   stretched with it, so that the labels beside it keep their places along it;
// - every control gets at least its natural size;
// - a control that would then cover one above it moves down, and so does everything below it,
//   so that rows stay rows; a group box grows around the controls it frames.
class WxTemplateLayout
{
public:
    // planned: each control's rectangle from the template, in pixels. Returns the size the
    // client area needs.
    static Rect Apply(const std::vector<Rect>& planned,
                      std::vector<std::unique_ptr<WxControlPeer>>& controls);
};
