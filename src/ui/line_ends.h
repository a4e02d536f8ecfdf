#pragma once

#include <wx/string.h>

namespace quorvel::ui {

// Any mix of CR, LF and CR LF line ends becomes CR LF, as the message pane shows requests.
wxString WithCrLfLineEnds(wxString text);

} // namespace quorvel::ui
