#pragma once
// A message box for a list that may run to hundreds of lines: an icon and a summary over the list in a
// read-only text that scrolls and can be selected and copied, with an OK button, never larger than the
// screen it is shown on.

#include <wx/dialog.h>
#include <wx/gdicmn.h>
#include <wx/string.h>

namespace quorvel::ui {

class NotesBox : public wxDialog {
public:
    // style: wxICON_WARNING, wxICON_ERROR or the like; screen: the area the box must fit in.
    NotesBox(wxWindow* parent, const wxString& summary, const wxString& notes, long style,
             const wxRect& screen);
};

// The work area of the display that window is on (of the main display without a window).
wxRect ScreenAreaOf(const wxWindow* window);

} // namespace quorvel::ui
