// Placement of the controls for any client size, and the draggable bar between tree and message pane.

#include "ui/main_dialog.h"

#include <wx/notebook.h>
#include <wx/statline.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/utils.h>

#include <algorithm>
#include <vector>

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

// The request pane and the results below it never get lower than these while both show.
constexpr int kMinRequestPane = 80;
constexpr int kMinResults = 120;
// The endpoint box's row: the room it leaves to the box and the label, right of the bar.
constexpr int kRequestRowButtons = 166;

struct Placement {
    int id;
    wxRect rect;
};

// The widths the layout takes from the texts of the two column labels.
struct LabelWidths {
    int interfaces;
    int message;
};

// Every control's rectangle for a client of w x h pixels with the bar's centre at s, and, where the
// results show below the request pane, the bar between them at y (0: no results). The status line runs
// along the bottom; everything else is placed in the height above it. Each column's label is as wide as
// its text: the filter box takes the rest of the tree's column on that row, and the endpoint box the rest
// of the message column before its buttons. On the top row the address box stretches between its label
// and the buttons, the follow-imports box and the options button at the end.
std::vector<Placement> PlaceControls(int w, int h, int s, int y, LabelWidths labels) {
    const int above = h - kStatusLineHeight;
    const int labelWidth = std::min(labels.interfaces, s - 12);
    const int messageWidth = w - s - 12;
    const int messageLabel = std::min(labels.message, std::max(messageWidth - kRequestRowButtons, 0));
    const int paneBottom = y > 0 ? y - 2 : above - 10;
    return {
        {kIdAddressLabel, wxRect(10, 14, 60, 16)},
        {kIdOptionsButton, wxRect(w - 60, 10, 50, 24)},
        {kIdFollowImportsBox, wxRect(w - 170, 12, 104, 20)},
        {kIdParseButton, wxRect(w - 226, 10, 50, 24)},
        {kIdOpenButton, wxRect(w - 282, 10, 50, 24)},
        {kIdAddressBox, wxRect(74, 10, std::max(w - 362, 80), 22)},
        {kIdInterfacesLabel, wxRect(10, 46, labelWidth, 20)},
        {kIdFilterBox, wxRect(16 + labelWidth, 44, std::max(s - 18 - labelWidth, 0), 22)},
        {kIdMessageLabel, wxRect(s + 2, 46, messageLabel, 20)},
        {kIdEndpointBox, wxRect(s + 8 + messageLabel, 44,
                                std::max(messageWidth - kRequestRowButtons - messageLabel, 0), 22)},
        {kIdResetEndpointButton, wxRect(w - 166, 43, 44, 24)},
        {kIdSendButton, wxRect(w - 116, 43, 50, 24)},
        {kIdValidateButton, wxRect(w - 60, 43, 50, 24)},
        {kIdServiceTree, wxRect(10, 68, s - 12, above - 78)},
        {kIdFilteredTree, wxRect(10, 68, s - 12, above - 78)},
        {kIdMessagePane, wxRect(s + 2, 68, messageWidth, paneBottom - 68)},
        {kIdRowSplitter, wxRect(s + 2, y - 2, messageWidth, 4)},
        {kIdResultsBook, wxRect(s + 2, y + 2, messageWidth, std::max(above - 12 - y, 0))},
        {kIdSplitter, wxRect(s - 2, 68, 4, above - 78)},
        {kIdStatusLine, wxRect(10, above + 2, w - 20, kStatusLineHeight - 8)},
    };
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
    const auto textWidth = [this](int id) {
        const wxWindow* label = FindWindow(id);
        return label->GetTextExtent(label->GetLabel()).x + 4;
    };
    const LabelWidths labels{textWidth(kIdInterfacesLabel), textWidth(kIdMessageLabel)};
    for (const Placement& placement : PlaceControls(client.x, client.y, m_splitX, SplitRows(client.y), labels)) {
        if (wxWindow* control = FindWindow(placement.id)) {
            control->SetSize(placement.rect);
        }
    }
}

// Where the bar between the request pane and the results lies for a client of that height, clamped so
// that both keep some room (the request pane's first); 0 while the results are hidden. The results
// first show below 55 % of the column.
int MainDialog::SplitRows(int clientHeight) {
    if (!m_resultsBook->IsShown()) {
        return 0;
    }
    const int bottom = clientHeight - kStatusLineHeight - 10;
    if (m_splitY == 0) {
        m_splitY = 68 + (bottom - 68) * 55 / 100;
    }
    m_splitY = std::min(m_splitY, bottom - kMinResults - 2);
    m_splitY = std::max(m_splitY, 68 + kMinRequestPane + 2);
    return m_splitY;
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

// The bar above the results, widened above and below; empty while the results are hidden.
wxRect MainDialog::RowSplitterHitZone() const {
    return m_rowSplitter->IsShown() ? m_rowSplitter->GetRect().Inflate(0, kHitSlack) : wxRect();
}

void MainDialog::OnLeftDown(wxMouseEvent& event) {
    m_dragging = SplitterHitZone().Contains(event.GetPosition());
    m_draggingRows = !m_dragging && RowSplitterHitZone().Contains(event.GetPosition());
    if (!m_dragging && !m_draggingRows) {
        event.Skip();
        return;
    }
    if (!HasCapture()) {
        CaptureMouse();
    }
}

void MainDialog::OnMotion(wxMouseEvent& event) {
    // Under capture the point may lie outside the client area, even below zero; the layout clamps it.
    if (m_dragging) {
        m_splitX = event.GetX();
    } else if (m_draggingRows) {
        m_splitY = event.GetY();
    } else {
        event.Skip();
        return;
    }
    LayoutControls();
}

void MainDialog::OnLeftUp(wxMouseEvent& event) {
    if (!m_dragging && !m_draggingRows) {
        event.Skip();
        return;
    }
    m_dragging = false;
    m_draggingRows = false;
    if (HasCapture()) {
        ReleaseMouse();
    }
}

// Another window took the mouse away (a message box, a window switch): the drag cannot go on.
void MainDialog::OnMouseCaptureLost(wxMouseCaptureLostEvent&) {
    m_dragging = false;
    m_draggingRows = false;
}

void MainDialog::OnSetCursor(wxSetCursorEvent& event) {
    if (m_splitCursor.IsOk() && SplitterHitZone().Contains(event.GetX(), event.GetY())) {
        event.SetCursor(m_splitCursor);
        return;
    }
    if (RowSplitterHitZone().Contains(event.GetX(), event.GetY())) {
        event.SetCursor(wxCursor(wxCURSOR_SIZENS));
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
