#pragma once

#include <wx/string.h>

#include <cstddef>
#include <string>

namespace quorvel::ui {

// The characters of text from `from` up to `to` as UTF-8, any mix of CR, LF and CR LF line ends made
// CR LF, as the message pane shows requests. A range that ends between the CR and the LF of a pair
// counts that CR as a line end of its own: ranges cut by TextPartEnd never do.
std::string Utf8WithCrLfLineEnds(const wxString& text, size_t from, size_t to);

// Where a part of text that starts at `from` and holds at least `length` characters ends: just after the
// next line end from there on (the LF of a CR LF pair), or at the text's end.
size_t TextPartEnd(const wxString& text, size_t from, size_t length);

} // namespace quorvel::ui
