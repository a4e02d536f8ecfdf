#include "ui/line_ends.h"

namespace quorvel::ui {

wxString WithCrLfLineEnds(wxString text) {
    text.Replace("\r\n", "\n");
    text.Replace("\r", "\n");
    text.Replace("\n", "\r\n");
    return text;
}

} // namespace quorvel::ui
