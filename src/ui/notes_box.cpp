#include "ui/notes_box.h"

#include "ui/messages.h"
#include "ui/utf8_text.h"

#include <wx/artprov.h>
#include <wx/button.h>
#include <wx/display.h>
#include <wx/sizer.h>
#include <wx/settings.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <algorithm>

namespace quorvel::ui {

namespace {

// The box takes at most this share of the screen in each direction.
constexpr double kMaxScreenShare = 0.8;
constexpr int kMargin = 10;

wxArtID IconOf(long style) {
    if (style & wxICON_ERROR) {
        return wxART_ERROR;
    }
    return style & wxICON_WARNING ? wxART_WARNING : wxART_INFORMATION;
}

// Room for every line of notes at full length where the screen allows it; the text scrolls beyond.
wxSize NotesTextSize(const wxTextCtrl& text, const wxString& notes, const wxSize& room) {
    int width = 0;
    int lines = 0;
    for (const wxString& line : wxSplit(notes, '\n', '\0')) {
        width = std::max(width, text.GetTextExtent(line).x);
        ++lines;
    }
    const int lineHeight = text.GetCharHeight();
    // The text's own border and margins, and room for a scroll bar.
    const int frame = 2 * lineHeight + wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, &text);
    return wxSize(std::clamp(width + frame, 20 * lineHeight, room.x),
                  std::clamp(lines * lineHeight + frame, 4 * lineHeight, room.y));
}

} // namespace

NotesBox::NotesBox(wxWindow* parent, const wxString& summary, const wxString& notes, long style,
                   const wxRect& screen)
    : wxDialog(parent, wxID_ANY, FromUtf8(ui_msg::kCaption), wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER) {
    auto* heading = new wxBoxSizer(wxHORIZONTAL);
    const wxBitmap icon = wxArtProvider::GetBitmap(IconOf(style), wxART_MESSAGE_BOX);
    heading->Add(new wxStaticBitmap(this, wxID_ANY, icon), 0, wxRIGHT, kMargin);
    heading->Add(new wxStaticText(this, wxID_ANY, summary), 1, wxALIGN_CENTER_VERTICAL);
    auto* text = new wxTextCtrl(this, wxID_ANY, notes, wxDefaultPosition, wxDefaultSize,
                                wxTE_MULTILINE | wxTE_READONLY | wxTE_DONTWRAP | wxHSCROLL);
    auto* buttons = new wxStdDialogButtonSizer;
    auto* ok = new wxButton(this, wxID_OK, FromUtf8(ui_msg::kButtonOk));
    buttons->AddButton(ok);
    buttons->Realize();
    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(heading, 0, wxEXPAND | wxALL, kMargin);
    column->Add(text, 1, wxEXPAND | wxLEFT | wxRIGHT, kMargin);
    column->Add(buttons, 0, wxEXPAND | wxALL, kMargin);

    // The text gets what the screen leaves after the summary, the button, the margins and the frame.
    const wxSize most(static_cast<int>(screen.width * kMaxScreenShare),
                      static_cast<int>(screen.height * kMaxScreenShare));
    const wxSize frame = GetSize() - GetClientSize();
    const int around = heading->CalcMin().y + buttons->CalcMin().y + 4 * kMargin + frame.y;
    const wxSize room(std::max(most.x - 2 * kMargin - frame.x, 100), std::max(most.y - around, 60));
    text->SetInitialSize(NotesTextSize(*text, notes, room));
    SetSizerAndFit(column);
    SetSize(std::min(GetSize().x, most.x), std::min(GetSize().y, most.y));
    // Centred on the screen area, whatever the parent's position.
    const wxSize size = GetSize();
    Move(screen.x + (screen.width - size.x) / 2, screen.y + (screen.height - size.y) / 2);
    ok->SetDefault();
    ok->SetFocus();
}

wxRect ScreenAreaOf(const wxWindow* window) {
    const int index = window != nullptr ? wxDisplay::GetFromWindow(window) : wxNOT_FOUND;
    return wxDisplay(index == wxNOT_FOUND ? 0u : static_cast<unsigned>(index)).GetClientArea();
}

} // namespace quorvel::ui
