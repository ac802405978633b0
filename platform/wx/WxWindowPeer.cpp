#include "platform/wx/WxWindowPeer.h"

#include "platform/Color.h"
#include "platform/DialogTemplate.h"
#include "platform/Menu.h"
#include "platform/PropertySheet.h"
#include "platform/Translation.h"
#include "platform/Window.h"
#include "platform/wx/WxArt.h"
#include "platform/wx/WxBackend.h"
#include "platform/wx/WxCanvas.h"
#include "platform/wx/WxLanguage.h"
#include "platform/wx/WxMenuBar.h"
#include "platform/wx/WxTemplateLayout.h"
#include "platform/wx/WxTheme.h"
#include "platform/wx/WxToolkitPort.h"

#include <wx/bookctrl.h>
#include <wx/dcscreen.h>
#include <wx/dialog.h>
#include <wx/frame.h>
#include <wx/menu.h>
#include <wx/propdlg.h>
#include <wx/radiobut.h>

#include <algorithm>

namespace {
// A fixed frame: a caption with the close box, no resize border, no maximise box.
constexpr long FIXED_FRAME = wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX;

wxFont TemplateFont(const DialogTemplate& dialogTemplate)
{
    wxString name = dialogTemplate.fontName ? dialogTemplate.fontName : "";
    // The templates name the fonts of another desktop: keep their kind and size.
    bool serif = name.Contains("Serif") && !name.Contains("Sans");
    int points = dialogTemplate.fontSize > 0 ? dialogTemplate.fontSize : 8;
    return wxFont(wxFontInfo(points).Family(serif ? wxFONTFAMILY_ROMAN : wxFONTFAMILY_SWISS));
}

// A dialog unit is a quarter of the font's average letter width across and an eighth of its
// height down. The toolkit's own conversion uses the top-level window's font, while a page of a
// sheet has a font of its own, so the units are measured here.
wxSize DialogBaseUnits(const wxFont& font)
{
    wxScreenDC dc;
    dc.SetFont(font);
    wxCoord width = 0;
    wxCoord height = 0;
    dc.GetTextExtent("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", &width, &height);
    return wxSize(std::max(1, (width + 26) / 52), std::max(1, height));
}

// A rectangle in dialog units, in pixels for the base units.
Rect ToPixels(const wxSize& base, int x, int y, int cx, int cy)
{
    auto across = [&](int units) { return (units * base.x + 2) / 4; };
    auto down = [&](int units) { return (units * base.y + 4) / 8; };
    return Rect{across(x), down(y), across(x + cx), down(y + cy)};
}

} // namespace

WxWindowPeer::WxWindowPeer(WxBackend& backend, Window& window, PeerKind kind)
    : backend(backend), window(window), kind(kind)
{
}

WxWindowPeer::~WxWindowPeer()
{
    if (canvas) {
        canvas->Detach();
        if (canvas->HasCapture()) {
            canvas->ReleaseMouse();
        }
    }
    controls.clear();
    if (kind == PEER_PAGE) {
        // The page's client goes; the tab stays with its sheet.
        if (canvas) {
            canvas->Destroy();
        }
        return;
    }
    if (top) {
        top->Unbind(wxEVT_CLOSE_WINDOW, &WxWindowPeer::OnClose, this);
        top->Unbind(wxEVT_MENU, &WxWindowPeer::OnMenu, this);
        top->Unbind(wxEVT_BUTTON, &WxWindowPeer::OnSheetButton, this);
        top->Unbind(wxEVT_BOOKCTRL_PAGE_CHANGED, &WxWindowPeer::OnPageChanged, this);
        backend.OrphanPages(*this);
        top->Hide();
        top->Destroy();
    }
}

bool WxWindowPeer::Create(const DialogTemplate* dialogTemplate, WxWindowPeer* owner)
{
    if (kind == PEER_PAGE) {
        return dialogTemplate && owner && CreatePage(*dialogTemplate, owner);
    }
    wxWindow* parent = owner ? owner->GetTopLevel() : nullptr;
    if (kind == PEER_SHEET) {
        return CreateSheet(parent);
    }
    return dialogTemplate && CreateDialog(*dialogTemplate, parent);
}

bool WxWindowPeer::CreateDialog(const DialogTemplate& dialogTemplate, wxWindow* parent)
{
    style = dialogTemplate.style;
    hasMenu = dialogTemplate.menuId != 0;
    wxString caption =
        wxString::FromUTF8(dialogTemplate.caption ? Translate(dialogTemplate.caption) : "");
    if (hasMenu) {
        frame =
            new wxFrame(parent, wxID_ANY, caption, wxDefaultPosition, wxDefaultSize, FIXED_FRAME);
        top = frame;
    } else {
        top =
            new wxDialog(parent, wxID_ANY, caption, wxDefaultPosition, wxDefaultSize, FIXED_FRAME);
    }
    // The canvas covers the whole client area: the window itself never needs erasing.
    top->SetBackgroundStyle(wxBG_STYLE_PAINT);
    BuildClient(dialogTemplate, top, wxSize(0, 0));
    top->SetClientSize(clientWidth, clientHeight);
    // Dialogs open centred on their owner (or the screen); a window that wants another place
    // moves itself while it initialises.
    top->CentreOnParent();
    BindTopLevel();
    return true;
}

bool WxWindowPeer::CreateSheet(wxWindow* parent)
{
    auto* owner = dynamic_cast<PropertySheet*>(&window);
    if (!owner) {
        return false;
    }
    style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    sheet = new wxPropertySheetDialog(parent, wxID_ANY, wxString::FromUTF8(owner->GetCaption()),
                                      wxDefaultPosition, wxDefaultSize, FIXED_FRAME);
    top = sheet;
    wxBookCtrlBase* book = sheet->GetBookCtrl();
    for (int i = 0; i < owner->GetPageCount(); ++i) {
        auto* holder = new wxPanel(book, wxID_ANY);
        // A page's client has its template's size; the rest of the tab shows the same face.
        WxTheme::KeepFace(*holder);
        if (const DialogTemplate* page = owner->GetPage(i)->GetPageTemplate()) {
            wxFont font = TemplateFont(*page);
            holder->SetFont(font);
            Rect size = ToPixels(DialogBaseUnits(font), 0, 0, page->cx, page->cy);
            holder->SetMinSize(wxSize(size.Width(), size.Height()));
        }
        book->AddPage(holder, wxString::FromUTF8(owner->GetPage(i)->GetCaption()));
        pageHolders.push_back(holder);
    }
    sheet->CreateButtons(wxOK | wxCANCEL | wxAPPLY);
    for (int stock : {wxID_OK, wxID_CANCEL, wxID_APPLY}) {
        WxLanguage::LabelStockButton(sheet->FindWindow(stock));
    }
    sheet->LayoutDialog();
    const int wxIds[] = {wxID_OK, wxID_CANCEL, wxID_APPLY};
    const int ids[] = {IDOK, IDCANCEL, ID_APPLY_NOW};
    const char* texts[] = {"OK", "Cancel", "&Apply"};
    for (int i = 0; i < 3; ++i) {
        wxWindow* button = sheet->FindWindow(wxIds[i]);
        if (!button) {
            continue;
        }
        unsigned buttonStyle = WS_VISIBLE | WS_TABSTOP |
                               (ids[i] == IDOK ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) |
                               (ids[i] == ID_APPLY_NOW ? WS_DISABLED : 0);
        // No page ever reports a change, so Apply stays disabled.
        button->Enable(ids[i] != ID_APPLY_NOW);
        controls.push_back(std::make_unique<WxControlPeer>(
            button, ids[i], buttonStyle, WxLanguage::StockText(texts[i]).c_str()));
    }
    wxSize client = sheet->GetClientSize();
    clientWidth = client.x;
    clientHeight = client.y;
    BindTopLevel();
    return true;
}

bool WxWindowPeer::CreatePage(const DialogTemplate& dialogTemplate, WxWindowPeer* owner)
{
    auto* owningSheet = dynamic_cast<PropertySheet*>(&owner->GetWindow());
    if (!owningSheet) {
        return false;
    }
    int index = -1;
    for (int i = 0; i < owningSheet->GetPageCount(); ++i) {
        if (owningSheet->GetPage(i) == &window) {
            index = i;
        }
    }
    wxWindow* holder = owner->GetPageHolder(index);
    if (!holder) {
        return false;
    }
    sheetPeer = owner;
    style = dialogTemplate.style;
    BuildClient(dialogTemplate, holder, wxSize(0, 0));
    // A page that had to grow makes its sheet grow with it.
    const wxSize least = holder->GetMinSize();
    if (clientWidth > least.x || clientHeight > least.y) {
        holder->SetMinSize(wxSize(std::max(clientWidth, least.x), std::max(clientHeight, least.y)));
        if (auto* sheetDialog = dynamic_cast<wxPropertySheetDialog*>(owner->GetTopLevel())) {
            sheetDialog->LayoutDialog();
        }
    }
    return true;
}

void WxWindowPeer::BuildClient(const DialogTemplate& dialogTemplate, wxWindow* parent,
                               const wxSize& least)
{
    wxFont font = TemplateFont(dialogTemplate);
    wxSize base = DialogBaseUnits(font);
    if (parent->IsTopLevel()) {
        parent->SetFont(font);
    }
    canvas = new WxCanvas(parent, backend, window, wxPoint(0, 0), wxSize(1, 1));
    canvas->SetFont(font);
    Rect size = ToPixels(base, 0, 0, dialogTemplate.cx, dialogTemplate.cy);
    int width = std::max(size.Width(), least.x);
    int height = std::max(size.Height(), least.y);

    // Group boxes go first so that the controls they frame lie above them; the controls keep the
    // template's order (which is the tab order).
    controls.resize(static_cast<size_t>(dialogTemplate.controlCount));
    std::vector<Rect> planned(controls.size());
    std::vector<WxControlPeer*> radioGroup;
    auto closeGroup = [&] {
        // A hidden member of each radio group stands for "none checked".
        if (!radioGroup.empty()) {
            auto* none = new wxRadioButton(canvas, wxID_ANY, wxEmptyString);
            none->Hide();
            none->SetValue(true);
            for (WxControlPeer* member : radioGroup) {
                member->SetGroupNone(none);
            }
            radioGroup.clear();
        }
    };
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = 0; i < dialogTemplate.controlCount; ++i) {
            const ControlTemplate& c = dialogTemplate.controls[i];
            if ((c.kind == CONTROL_GROUPBOX) != (pass == 0)) {
                continue;
            }
            if (c.kind == CONTROL_RADIOBUTTON && (c.style & WS_GROUP)) {
                closeGroup();
            }
            planned[i] = ToPixels(base, c.x, c.y, c.cx, c.cy);
            controls[i] = std::make_unique<WxControlPeer>(canvas, c, planned[i]);
            if (c.kind == CONTROL_RADIOBUTTON) {
                radioGroup.push_back(controls[i].get());
            }
        }
    }
    closeGroup();
    // The client holds every control, also one that had to grow or move.
    const Rect needed = WxTemplateLayout::Apply(planned, controls);
    width = std::max(width, needed.right);
    height = std::max(height, needed.bottom);
    clientWidth = width;
    clientHeight = height;
    canvas->Resize(width, height);
}

void WxWindowPeer::BindTopLevel()
{
    WxToolkitPort::DrawOnEverySize(*top);
    top->Bind(wxEVT_CLOSE_WINDOW, &WxWindowPeer::OnClose, this);
    if (frame) {
        top->Bind(wxEVT_MENU, &WxWindowPeer::OnMenu, this);
        if (const Menu* system = window.GetSystemMenu(false)) {
            WxToolkitPort::ShowSystemMenu(*top, *system);
        }
    }
    if (sheet) {
        top->Bind(wxEVT_BUTTON, &WxWindowPeer::OnSheetButton, this);
        top->Bind(wxEVT_BOOKCTRL_PAGE_CHANGED, &WxWindowPeer::OnPageChanged, this);
    }
}

wxTopLevelWindow* WxWindowPeer::GetTopLevel() const
{
    if (kind == PEER_PAGE) {
        return sheetPeer ? sheetPeer->GetTopLevel() : nullptr;
    }
    return top;
}

wxWindow* WxWindowPeer::GetPageHolder(int index) const
{
    if (index < 0 || index >= static_cast<int>(pageHolders.size())) {
        return nullptr;
    }
    return pageHolders[static_cast<size_t>(index)];
}

void WxWindowPeer::Orphan()
{
    // The sheet deletes the page's client with itself.
    if (canvas) {
        canvas->Detach();
    }
    canvas = nullptr;
    sheetPeer = nullptr;
    controls.clear();
}

void WxWindowPeer::PostSimple(MessageKind messageKind, unsigned id, int code, unsigned flags)
{
    Message message;
    message.target = &window;
    message.kind = messageKind;
    message.id = id;
    message.code = code;
    message.flags = flags;
    backend.Post(message);
}

void WxWindowPeer::OnClose(wxCloseEvent& event)
{
    if (event.CanVeto()) {
        event.Veto();
    }
    // A window disabled by a modal dialog above it cannot be closed.
    if (top && top->IsEnabled()) {
        PostSimple(MSG_SYSCOMMAND, SC_CLOSE);
    }
}

void WxWindowPeer::PostCommand(unsigned id)
{
    PostSimple(MSG_COMMAND, id, BN_CLICKED);
}

void WxWindowPeer::OnMenu(wxCommandEvent& event)
{
    if (event.GetId() >= WxToolkitPort::SYSTEM_MENU_FIRST_ID) {
        PostSimple(MSG_SYSCOMMAND,
                   static_cast<unsigned>(event.GetId() - WxToolkitPort::SYSTEM_MENU_FIRST_ID));
        return;
    }
    unsigned command = menuBar.CommandOf(event.GetId());
    if (command == 0) {
        event.Skip();
        return;
    }
    PostCommand(command);
}

void WxWindowPeer::OnSheetButton(wxCommandEvent& event)
{
    unsigned id = 0;
    switch (event.GetId()) {
    case wxID_OK:
        id = IDOK;
        break;
    case wxID_CANCEL:
        id = IDCANCEL;
        break;
    case wxID_APPLY:
        id = ID_APPLY_NOW;
        break;
    default:
        event.Skip();
        return;
    }
    PostCommand(id);
}

void WxWindowPeer::OnPageChanged(wxBookCtrlEvent& event)
{
    // The toolkit has brought the tab to the front, by the mouse or by its own keys (the arrows on
    // a focused tab): the sheet follows, making the page when it first shows, or turns the tab
    // back when the page in front refuses to let go. Refusing the change beforehand is not
    // possible with every way in: GTK turns a tab chosen by the keyboard even then.
    Message message;
    message.target = &window;
    message.kind = MSG_SELECT_TAB;
    message.value = event.GetSelection();
    backend.PostLater(message);
}

void WxWindowPeer::SetTitle(const char* title)
{
    if (top) {
        top->SetTitle(wxString::FromUTF8(title ? title : ""));
    }
}

void WxWindowPeer::Move(const Rect& windowRect)
{
    if (kind == PEER_PAGE || !top) {
        return;
    }
    if (sheet) {
        // A sheet's size comes from its pages.
        top->Move(windowRect.left, windowRect.top);
        return;
    }
    Rect frameRect{0, 0, 0, 0};
    backend.AdjustWindowRect(frameRect, style, hasMenu);
    clientWidth = std::max(0, windowRect.Width() - frameRect.Width());
    clientHeight = std::max(0, windowRect.Height() - frameRect.Height());
    top->SetClientSize(clientWidth, clientHeight);
    top->Move(windowRect.left, windowRect.top);
    if (canvas) {
        canvas->Resize(clientWidth, clientHeight);
    }
}

Rect WxWindowPeer::GetWindowRect() const
{
    wxRect r;
    if (kind == PEER_PAGE) {
        if (canvas) {
            r = canvas->GetScreenRect();
        }
    } else if (top) {
        r = top->GetRect();
    }
    return Rect{r.x, r.y, r.x + r.width, r.y + r.height};
}

void WxWindowPeer::Show(bool show)
{
    if (kind == PEER_PAGE) {
        if (canvas) {
            canvas->Show(show);
        }
        return;
    }
    if (!top) {
        return;
    }
    top->Show(show);
    if (show) {
        top->Raise();
        backend.MeasureFrame(*top, hasMenu);
    }
}

bool WxWindowPeer::IsIconic() const
{
    return top && top->IsIconized();
}

void WxWindowPeer::Present(const Rect& area)
{
    if (canvas) {
        canvas->Present(area);
    }
}

void WxWindowPeer::SetCursor(const Cursor* cursor)
{
    if (canvas) {
        canvas->SetCursor(WxArt::CursorOf(cursor));
    }
}

void WxWindowPeer::SetIcon(const Icon* icon, bool /*big*/)
{
    // The desktop takes both sizes from one bundle, so either call sets both.
    if (top && icon) {
        top->SetIcons(WxArt::IconsOf(icon));
    }
}

void WxWindowPeer::SetCapture(bool capture)
{
    // Where the display server sends no moves from outside a window, the toolkit's grab would
    // only hide the pointer's leaving, which the canvas reports instead.
    if (!canvas || canvas->HasCrossingMoves()) {
        return;
    }
    if (capture && !canvas->HasCapture()) {
        canvas->CaptureMouse();
    } else if (!capture && canvas->HasCapture()) {
        // The toolkit may have taken the mouse back already (a menu opened).
        canvas->ReleaseMouse();
    }
}

void WxWindowPeer::MenuChanged(const Menu& menu)
{
    // GTK's desktops give applications no system menu of their own; Windows shows the game's
    // items in the window menu.
    if (top && &menu == window.GetSystemMenu(false)) {
        WxToolkitPort::ShowSystemMenu(*top, menu);
        return;
    }
    Menu* bar = window.GetMenu();
    if (!frame || !bar) {
        return;
    }
    wxMenuBar* shown = frame->GetMenuBar();
    if (shown && menuBar.Sync(*shown, *bar)) {
        return;
    }
    frame->SetMenuBar(menuBar.Build(*bar));
    delete shown;
    // The bar takes its height from the frame, not from the client area.
    frame->SetClientSize(clientWidth, clientHeight);
    backend.MeasureFrame(*frame, true);
}

void WxWindowPeer::SetActiveTab(int index)
{
    if (sheet && index >= 0 && index < static_cast<int>(sheet->GetBookCtrl()->GetPageCount())) {
        sheet->GetBookCtrl()->ChangeSelection(static_cast<size_t>(index));
    }
}
