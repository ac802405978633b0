#include "platform/wx/WxTemplateLayout.h"

#include "platform/DialogTemplate.h"
#include "platform/wx/WxControlPeer.h"

#include <wx/window.h>

#include <algorithm>
#include <numeric>

namespace {
// Between a control and one it would otherwise touch.
constexpr int GAP = 4;
// Inside a group box, beyond what it frames, and around everything in the client area.
constexpr int MARGIN = 7;

// A band of the dialog, from one edge to another along one axis, lengthened by extra pixels:
// what lies in it is stretched, what lies after it moves on.
struct Band
{
    int from = 0;
    int to = 0;
    int extra = 0;

    int Map(int v) const
    {
        if (extra <= 0 || v <= from) {
            return v;
        }
        if (v >= to) {
            return v + extra;
        }
        return from + (v - from) * (to - from + extra) / (to - from);
    }
};

// One axis of a rectangle: where it starts and ends along it, and whether two rectangles share
// some of the other axis. Across, only controls that share a row in the template push each
// other; down, any that share a column now.
struct Axis
{
    bool down;
    int Start(const wxRect& r) const { return down ? r.y : r.x; }
    int End(const wxRect& r) const { return down ? r.y + r.height : r.x + r.width; }
    bool Beside(const wxRect& a, const wxRect& b) const
    {
        return down ? (a.x < b.x + b.width && b.x < a.x + a.width)
                    : (a.y < b.y + b.height && b.y < a.y + a.height);
    }
    void Move(wxRect& r, int by) const { (down ? r.y : r.x) += by; }
    void SetEnd(wxRect& r, int end) const
    {
        if (down) {
            r.height = end - r.y;
        } else {
            r.width = end - r.x;
        }
    }
};

bool Inside(const wxRect& outer, const wxRect& inner)
{
    return outer.Contains(inner.GetTopLeft()) && outer.Contains(inner.GetBottomRight());
}

// Moves controls along one axis so that none covers another it did not cover in the template,
// keeping the order of the template: a control moves on by as much as any control before it
// did, and further when one before it has grown into its way. Group boxes grow around what
// they frame.
void Spread(const Axis& axis, const std::vector<bool>& group, const std::vector<wxRect>& intent,
            std::vector<wxRect>& rects)
{
    const size_t n = rects.size();
    const std::vector<wxRect> planned = rects;
    std::vector<std::vector<size_t>> members(n);
    for (size_t g = 0; g < n; ++g) {
        for (size_t i = 0; group[g] && i < n; ++i) {
            if (i != g && !group[i] && !rects[i].IsEmpty() && Inside(intent[g], intent[i])) {
                members[g].push_back(i);
            }
        }
    }
    std::vector<size_t> order(n);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        return axis.Start(planned[a]) < axis.Start(planned[b]);
    });
    // How far a group box reaches once what it frames is in place.
    auto reach = [&](size_t g) {
        int end = axis.End(rects[g]);
        for (size_t m : members[g]) {
            end = std::max(end, axis.End(rects[m]) + MARGIN);
        }
        return end;
    };
    std::vector<bool> placed(n, false);
    for (size_t k = 0; k < n;) {
        const int start = axis.Start(planned[order[k]]);
        size_t last = k;
        while (last < n && axis.Start(planned[order[last]]) == start) {
            ++last;
        }
        int shift = 0;
        for (size_t j = 0; j < n; ++j) {
            if (placed[j] && !rects[j].IsEmpty()) {
                shift = std::max(shift, axis.Start(rects[j]) - axis.Start(planned[j]));
            }
        }
        for (size_t line = k; line < last; ++line) {
            const size_t i = order[line];
            if (rects[i].IsEmpty()) {
                continue;
            }
            for (size_t j = 0; j < n; ++j) {
                const bool beside =
                    axis.down ? axis.Beside(rects[i], rects[j]) : axis.Beside(intent[i], intent[j]);
                if (!placed[j] || rects[j].IsEmpty() || !beside) {
                    continue;
                }
                const bool framing = group[j] && std::find(members[j].begin(), members[j].end(),
                                                           i) != members[j].end();
                const bool framed = group[i] && Inside(intent[i], intent[j]);
                // A control the template puts within a group box's span is not pushed by it; one
                // beside it is, also when the box grew (a longer label) into its way.
                if (framing || framed ||
                    (group[j] && axis.Start(intent[i]) < axis.End(intent[j]))) {
                    continue;
                }
                const int end = group[j] ? reach(j) : axis.End(rects[j]);
                shift = std::max(shift, end + GAP - axis.Start(planned[i]));
            }
        }
        for (size_t line = k; line < last; ++line) {
            const size_t i = order[line];
            axis.Move(rects[i], shift - (axis.Start(rects[i]) - axis.Start(planned[i])));
            placed[i] = true;
        }
        k = last;
    }
    for (size_t g = 0; g < n; ++g) {
        if (group[g] && !members[g].empty()) {
            axis.SetEnd(rects[g], reach(g));
        }
    }
}
} // namespace

Rect WxTemplateLayout::Apply(const std::vector<Rect>& planned,
                             std::vector<std::unique_ptr<WxControlPeer>>& controls)
{
    const size_t n = controls.size();
    // A slider's band of the dialog grows to the slider's natural length.
    Band down;
    Band across;
    for (size_t i = 0; i < n; ++i) {
        if (controls[i]->GetKind() != CONTROL_SLIDER) {
            continue;
        }
        const bool vertical = (controls[i]->GetStyle() & TBS_VERT) != 0;
        const wxSize best = controls[i]->GetWx()->GetBestSize();
        const int from = vertical ? planned[i].top : planned[i].left;
        const int to = vertical ? planned[i].bottom : planned[i].right;
        const int natural = vertical ? best.y : best.x;
        Band& band = vertical ? down : across;
        if (natural > to - from && to > from) {
            const bool first = band.extra == 0;
            band.from = first ? from : std::min(band.from, from);
            band.to = first ? to : std::max(band.to, to);
            band.extra =
                std::max(band.extra, (band.to - band.from) * (natural - (to - from)) / (to - from));
        }
    }

    std::vector<wxRect> rects(n);
    std::vector<wxRect> intent(n);
    std::vector<bool> group(n, false);
    for (size_t i = 0; i < n; ++i) {
        const Rect& r = planned[i];
        const int left = across.Map(r.left);
        const int top = down.Map(r.top);
        intent[i] = wxRect(left, top, across.Map(r.right) - left, down.Map(r.bottom) - top);
        wxWindow* control = controls[i]->GetWx();
        const ControlKind kind = controls[i]->GetKind();
        control->SetSize(left, top, across.Map(r.right) - left,
                         kind == CONTROL_COMBOBOX ? -1 : down.Map(r.bottom) - top,
                         wxSIZE_ALLOW_MINUS_ONE);
        controls[i]->GrowToFit();
        if (kind == CONTROL_SLIDER) {
            const wxSize best = control->GetBestSize();
            const wxRect now = control->GetRect();
            control->SetSize(now.x, now.y, std::max(now.width, best.x),
                             std::max(now.height, best.y));
        }
        group[i] = kind == CONTROL_GROUPBOX;
        rects[i] = control->IsShown() ? control->GetRect() : wxRect();
        if (kind == CONTROL_COMBOBOX) {
            // The template gives a drop-down list's height when open; closed it is a field.
            intent[i].height = rects[i].height;
        }
    }
    Spread(Axis{false}, group, intent, rects);
    Spread(Axis{true}, group, intent, rects);

    Rect extent{0, 0, 0, 0};
    for (size_t i = 0; i < n; ++i) {
        if (rects[i].IsEmpty()) {
            continue;
        }
        const ControlKind kind = controls[i]->GetKind();
        controls[i]->GetWx()->SetSize(rects[i].x, rects[i].y, rects[i].width,
                                      kind == CONTROL_COMBOBOX ? -1 : rects[i].height,
                                      wxSIZE_ALLOW_MINUS_ONE);
        extent.right = std::max(extent.right, rects[i].x + rects[i].width + MARGIN);
        extent.bottom = std::max(extent.bottom, rects[i].y + rects[i].height + MARGIN);
    }
    return extent;
}
