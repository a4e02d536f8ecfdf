#pragma once
// What the user gives for the connections of this window: HTTP credentials and extra request headers.
// Kept while the window is open, never stored; used for sending and for loading a description.

#include <wx/string.h>

#include <string>
#include <string_view>
#include <vector>

namespace quorvel::ui {

struct ConnectionSettings {
    std::string user;
    std::string password;
    // "Name: value" each.
    std::vector<std::string> headers;
};

// Reads the headers box, one "Name: value" a line; blank lines are skipped. Returns 0 with headers filled,
// or the number (from 1) of the first line that is no valid header, with headers left as they were.
size_t ReadHeaderLines(const wxString& text, std::vector<std::string>& headers);

// The headers as the box shows them, one a line.
wxString HeaderLinesText(const std::vector<std::string>& headers);

// True when a request to url would carry the user's credentials without encryption: a plain http:// URL,
// and a user name or an Authorization header given.
bool SendsCredentialsInClear(const ConnectionSettings& settings, std::string_view url);

} // namespace quorvel::ui
