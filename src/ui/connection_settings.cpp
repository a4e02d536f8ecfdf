#include "ui/connection_settings.h"

#include "fetch/address.h"
#include "send/soap_call.h"
#include "ui/utf8_text.h"

#include <wx/arrstr.h>

#include <utility>

namespace quorvel::ui {

size_t ReadHeaderLines(const wxString& text, std::vector<std::string>& headers) {
    wxString lines = text;
    lines.Replace("\r\n", "\n");
    lines.Replace("\r", "\n");
    std::vector<std::string> read;
    size_t number = 0;
    for (const wxString& line : wxSplit(lines, '\n', '\0')) {
        ++number;
        const std::string header(TrimWhiteSpace(line.utf8_string()));
        if (header.empty()) {
            continue;
        }
        if (!IsRequestHeaderLine(header)) {
            return number;
        }
        read.push_back(header);
    }
    headers = std::move(read);
    return 0;
}

wxString HeaderLinesText(const std::vector<std::string>& headers) {
    wxString text;
    for (const std::string& header : headers) {
        text += FromUtf8(header) + "\n";
    }
    return text;
}

bool SendsCredentialsInClear(const ConnectionSettings& settings, std::string_view url) {
    if (!IsHttpAddress(url) || IsHttpsAddress(url)) {
        return false;
    }
    if (!settings.user.empty()) {
        return true;
    }
    for (const std::string& header : settings.headers) {
        if (StartsWithIgnoringCase(header, "Authorization:")) {
            return true;
        }
    }
    return false;
}

} // namespace quorvel::ui
