#include <wx/wx.h>

#include <cstdlib>

// The least a wx program does to show a frame: one window with one panel that paints the corner
// of a cell's frame, which the start-up measure looks for. Its start-up is the toolkit's floor,
// what the game's own start-up is compared with (measure-gui.sh).
namespace {
class CornerPanel : public wxPanel
{
public:
    explicit CornerPanel(wxWindow* parent) : wxPanel(parent)
    {
        Bind(wxEVT_PAINT, &CornerPanel::OnPaint, this);
    }

private:
    void OnPaint(wxPaintEvent& /*event*/)
    {
        wxPaintDC dc(this);
        dc.SetPen(*wxTRANSPARENT_PEN);
        dc.SetBrush(*wxWHITE_BRUSH);
        dc.DrawRectangle(0, 0, 100, 100);
        dc.SetBrush(*wxBLACK_BRUSH);
        dc.DrawRectangle(0, 10, 28, 1);
        dc.DrawRectangle(0, 10, 1, 28);
    }
};

class FloorApp : public wxApp
{
public:
    bool OnInit() override
    {
        auto* frame = new wxFrame(nullptr, wxID_ANY, "floor", wxDefaultPosition, wxSize(650, 635));
        new CornerPanel(frame);
        frame->Show();
        return true;
    }
};
} // namespace

int main(int argc, char** argv)
{
    // As the game does: no GL stack at start-up.
    setenv("GDK_GL", "disable", 0);
    wxApp::SetInstance(new FloorApp);
    return wxEntry(argc, argv);
}
