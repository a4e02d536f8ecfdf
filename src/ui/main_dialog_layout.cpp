// Placement of the controls for any client size, and the draggable bar between tree and message pane.

#include "ui/main_dialog.h"

#include <wx/statline.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/utils.h>

#include <algorithm>
#include <array>

namespace quorvel::ui {

namespace {

// The bar never comes closer than this to the client's left and right edges.
constexpr int kMinLeftPane = 160;
constexpr int kMinRightPane = 200;
// Presses this close to either side of the bar still grab it.
constexpr int kHitSlack = 3;
// The status line takes this much of the client's height below every other control.
constexpr int kStatusLineHeight = 26;
// The whole window, frame included, never gets smaller than this: room for the controls above the
// status line, and the status line.
const wxSize kMinWindowSize(640, 420 + kStatusLineHeight);

struct Placement {
    int id;
    wxRect rect;
};

// Every control's rectangle for a client of w x h pixels with the bar's centre at s. The status line
// runs along the bottom; everything else is placed in the height above it. The tree's label is as wide
// as its text (label pixels), and the filter box takes the rest of the tree's column on that row. On the
// top row the address box stretches between its label and the buttons, the follow-imports box at the end.
std::array<Placement, 13> PlaceControls(int w, int h, int s, int label) {
    const int above = h - kStatusLineHeight;
    const int labelWidth = std::min(label, s - 12);
    return {{
        {kIdAddressLabel, wxRect(10, 14, 60, 16)},
        {kIdFollowImportsBox, wxRect(w - 114, 12, 104, 20)},
        {kIdParseButton, wxRect(w - 170, 10, 50, 24)},
        {kIdOpenButton, wxRect(w - 226, 10, 50, 24)},
        {kIdAddressBox, wxRect(74, 10, std::max(w - 306, 80), 22)},
        {kIdInterfacesLabel, wxRect(10, 46, labelWidth, 20)},
        {kIdFilterBox, wxRect(16 + labelWidth, 44, std::max(s - 18 - labelWidth, 0), 22)},
        {kIdMessageLabel, wxRect(s + 2, 46, w - s - 12, 20)},
        {kIdServiceTree, wxRect(10, 68, s - 12, above - 78)},
        {kIdFilteredTree, wxRect(10, 68, s - 12, above - 78)},
        {kIdMessagePane, wxRect(s + 2, 68, w - s - 12, above - 78)},
        {kIdSplitter, wxRect(s - 2, 68, 4, above - 78)},
        {kIdStatusLine, wxRect(10, above + 2, w - 20, kStatusLineHeight - 8)},
    }};
}

} // namespace

void MainDialog::LayoutControls() {
    if (!m_addressBox) {
        return;
    }
    const wxSize client = GetClientSize();
    // A minimised window has no client area; the split keeps its place for the restore.
    if (client.x <= 0 || client.y <= 0) {
        return;
    }
    // The lower bound first, then the upper one, which wins on a client narrower than 360 pixels.
    m_splitX = std::max(m_splitX, kMinLeftPane);
    m_splitX = std::min(m_splitX, client.x - kMinRightPane);
    const wxWindow* label = FindWindow(kIdInterfacesLabel);
    const int labelWidth = label->GetTextExtent(label->GetLabel()).x + 4;
    for (const Placement& placement : PlaceControls(client.x, client.y, m_splitX, labelWidth)) {
        if (wxWindow* control = FindWindow(placement.id)) {
            control->SetSize(placement.rect);
        }
    }
}

void MainDialog::OnSize(wxSizeEvent& event) {
    event.Skip();
    LayoutControls();
}

// wx keeps the minimum tracking size as a property of the window, set once, rather than asking for it
// on every resize.
void MainDialog::ApplyMinimumSize() {
    SetMinSize(kMinWindowSize);
}

// The bar's rectangle in client coordinates, widened on the left and on the right.
wxRect MainDialog::SplitterHitZone() const {
    return m_splitter->GetRect().Inflate(kHitSlack, 0);
}

void MainDialog::OnLeftDown(wxMouseEvent& event) {
    if (!SplitterHitZone().Contains(event.GetPosition())) {
        event.Skip();
        return;
    }
    m_dragging = true;
    if (!HasCapture()) {
        CaptureMouse();
    }
}

void MainDialog::OnMotion(wxMouseEvent& event) {
    if (!m_dragging) {
        event.Skip();
        return;
    }
    // Under capture x may lie outside the client area, even below zero; the layout clamps it.
    m_splitX = event.GetX();
    LayoutControls();
}

void MainDialog::OnLeftUp(wxMouseEvent& event) {
    if (!m_dragging) {
        event.Skip();
        return;
    }
    m_dragging = false;
    if (HasCapture()) {
        ReleaseMouse();
    }
}

// Another window took the mouse away (a message box, a window switch): the drag cannot go on.
void MainDialog::OnMouseCaptureLost(wxMouseCaptureLostEvent&) {
    m_dragging = false;
}

void MainDialog::OnSetCursor(wxSetCursorEvent& event) {
    if (m_splitCursor.IsOk() && SplitterHitZone().Contains(event.GetX(), event.GetY())) {
        event.SetCursor(m_splitCursor);
        return;
    }
    event.Skip();
}

// Presses, moves and releases over the bar and its strips land in the bar, the tree or the message
// pane; they reach the dialog's handlers in its own client coordinates, and the child sees only
// what the dialog leaves alone.
void MainDialog::ForwardSplitterEventsFrom(wxWindow* child) {
    for (const auto type : {wxEVT_LEFT_DOWN, wxEVT_LEFT_UP, wxEVT_MOTION}) {
        child->Bind(type, &MainDialog::ForwardChildMouse, this);
    }
    child->Bind(wxEVT_SET_CURSOR, &MainDialog::ForwardChildSetCursor, this);
}

// The child's own event coordinates may be relative to an inner window of the control (a text
// view inside its frame), so the point is taken from the pointer itself.
void MainDialog::ForwardChildMouse(wxMouseEvent& event) {
    wxMouseEvent forwarded(event);
    forwarded.SetPosition(ScreenToClient(wxGetMousePosition()));
    forwarded.SetEventObject(this);
    event.Skip(!ProcessWindowEventLocally(forwarded));
}

void MainDialog::ForwardChildSetCursor(wxSetCursorEvent& event) {
    const wxPoint point = ScreenToClient(wxGetMousePosition());
    wxSetCursorEvent forwarded(point.x, point.y);
    forwarded.SetEventObject(this);
    if (ProcessWindowEventLocally(forwarded) && forwarded.HasCursor()) {
        event.SetCursor(forwarded.GetCursor());
        return;
    }
    event.Skip();
}

} // namespace quorvel::ui
