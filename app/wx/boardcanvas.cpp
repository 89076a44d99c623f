#include "app/wx/boardcanvas.h"

#include <wx/dcclient.h>
#include <wx/docview.h>
#include <wx/settings.h>

#include "app/core/access/boardkeys.h"
#include "app/core/frame/framesize.h"
#include "app/core/frame/reportfiles.h"
#include "app/core/frame/screenscale.h"
#include "app/core/view/viewcontroller.h"
#include "app/wx/gtkglue.h"

wxBEGIN_EVENT_TABLE(CBoardCanvas, wxScrolled<wxWindow>)
    EVT_PAINT(CBoardCanvas::OnPaint)
    EVT_LEFT_DOWN(CBoardCanvas::OnLeftDown)
    EVT_SIZE(CBoardCanvas::OnSize)
    EVT_MOUSEWHEEL(CBoardCanvas::OnWheel)
    EVT_KEY_DOWN(CBoardCanvas::OnKeyDown)
    EVT_SET_FOCUS(CBoardCanvas::OnSetFocus)
wxEND_EVENT_TABLE()

CBoardCanvas::CBoardCanvas(wxWindow* parent, wxView* view, CViewController* controller)
    : wxScrolled<wxWindow>(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                           wxFULL_REPAINT_ON_RESIZE | wxHSCROLL | wxVSCROLL | wxWANTS_CHARS),
      m_view(view),
      m_controller(controller) {
    SetBackgroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOW));
    CGtkGlue::KeepScrollBarsInSight(this);
    ShowScrollbars(wxSHOW_SB_NEVER, wxSHOW_SB_NEVER);
    // The client area's widget is the one that takes the focus.
    m_accessible.Attach(m_wxwindow, this, controller ? &controller->Access() : nullptr);
}

void CBoardCanvas::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(this);
    DoPrepareDC(dc);
    if (m_view) m_view->OnDraw(&dc);
    WriteGeometry();
}

// Tests learn from it where the board lies on the screen.
void CBoardCanvas::WriteGeometry() {
    const wxPoint origin = ClientToScreen(wxPoint(0, 0));
    const wxSize size = GetClientSize();
    CReportFiles::Program().Canvas({origin.x, origin.y, size.GetWidth(), size.GetHeight()});
}

void CBoardCanvas::OnLeftDown(wxMouseEvent& event) {
    SetFocus();
    Click(event, event.GetPosition());
}

void CBoardCanvas::Click(const wxMouseEvent& event, const wxPoint& point) {
    if (!m_controller) return;
    MouseButtons held;
    held.shift = event.ShiftDown();
    held.control = event.ControlDown();
    held.middle = event.MiddleIsDown();
    held.right = event.RightIsDown();
    held.extra1 = event.Aux1IsDown();
    held.extra2 = event.Aux2IsDown();
    const wxSize size = GetClientSize();
    m_controller->OnBoardClick(held, point.x, point.y, size.GetWidth(), size.GetHeight());
}

namespace {

// The toolkit's key as the board's: letters as capitals, the others named.
int BoardKeyOf(int code) {
    switch (code) {
        case WXK_UP: case WXK_NUMPAD_UP: return CBoardKeys::kUp;
        case WXK_DOWN: case WXK_NUMPAD_DOWN: return CBoardKeys::kDown;
        case WXK_LEFT: case WXK_NUMPAD_LEFT: return CBoardKeys::kLeft;
        case WXK_RIGHT: case WXK_NUMPAD_RIGHT: return CBoardKeys::kRight;
        case WXK_RETURN: case WXK_NUMPAD_ENTER: return CBoardKeys::kEnter;
        case WXK_SPACE: return CBoardKeys::kSpace;
        case WXK_ESCAPE: return CBoardKeys::kEscape;
        case WXK_F1: return CBoardKeys::kF1;
        case WXK_HOME: case WXK_NUMPAD_HOME: return CBoardKeys::kHome;
        case WXK_END: case WXK_NUMPAD_END: return CBoardKeys::kEnd;
        default: return code >= 'A' && code <= 'Z' ? code : CBoardKeys::kNoKey;
    }
}

}  // namespace

// Keys with Ctrl or Alt are the menus'; the rest, when not the board's,
// go on to the toolkit (the notation's scrolling, the accelerators).
void CBoardCanvas::OnKeyDown(wxKeyEvent& event) {
    const bool plain = !event.ControlDown() && !event.AltDown() && !event.MetaDown();
    if (!plain || !m_controller || !m_controller->OnBoardKey(BoardKeyOf(event.GetKeyCode()))) event.Skip();
}

void CBoardCanvas::OnSetFocus(wxFocusEvent& event) {
    m_accessible.OnFocus();
    if (m_controller) m_controller->Access().OnFocus();
    event.Skip();
}

void CBoardCanvas::OnSize(wxSizeEvent& event) {
    // The board is stretched anew to any size.
    Refresh(false);
    KeepSmallestBoard();
    event.Skip();
}

// The frame is never made so small that the board goes below its smallest:
// what the bars, menu and borders take now comes on top of it. Asked at every
// size, since a bar shown or hidden changes it.
void CBoardCanvas::KeepSmallestBoard() {
    wxWindow* frame = GetParent();
    if (!frame) return;
    const wxSize chrome = frame->GetSize() - GetSize();
    // The toolkit's own scale: none on GTK, whose sizes are the screen's logical pixels.
    const CFrameSize::Size smallest = CFrameSize::Smallest({chrome.x, chrome.y}, FromDIP(CScreenScale::kBaseDpi));
    frame->SetMinSize(wxSize(smallest.width, smallest.height));
}

void CBoardCanvas::OnWheel(wxMouseEvent& event) {
    // Sideways turns, and the board, which never scrolls, keep the toolkit's handling.
    if (event.GetWheelAxis() != wxMOUSE_WHEEL_VERTICAL || m_scrolledSize == wxSize()) {
        event.Skip();
        return;
    }
    // One scroll unit is one line.
    const int lines = m_wheel.Lines(event.GetWheelRotation(), event.GetLinesPerAction());
    if (lines != 0) Scroll(-1, GetViewStart().y - lines);
}

void CBoardCanvas::SetScrolledSize(int width, int height) {
    const wxSize size(width, height);
    if (size == m_scrolledSize) return;
    m_scrolledSize = size;
    if (width == 0 && height == 0) {
        Scroll(0, 0);
        SetScrollRate(0, 0);
        ShowScrollbars(wxSHOW_SB_NEVER, wxSHOW_SB_NEVER);
        SetVirtualSize(0, 0);
        return;
    }
    // The vertical bar always stands while the notation is shown: appearing
    // and going it would change the width the font is fitted to, and with it
    // the height that decides whether it is needed.
    ShowScrollbars(wxSHOW_SB_DEFAULT, wxSHOW_SB_ALWAYS);
    SetScrollRate(CViewController::kScrollLine, CViewController::kScrollLine);
    SetVirtualSize(size);
}
