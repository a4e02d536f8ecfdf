#pragma once
// The core's UTF-8 text as the window toolkit takes it.

#include <wx/string.h>

#include <string_view>

namespace quorvel::ui {

inline wxString FromUtf8(std::string_view text) {
    return wxString::FromUTF8(text.data(), text.size());
}

} // namespace quorvel::ui
