#include "ui/response_view.h"

#include "send/messages.h"
#include "send/pretty_xml.h"
#include "ui/utf8_text.h"

#include <string>

namespace quorvel::ui {

namespace {

// A body that could not be decoded is shown byte for byte, each byte as the character of its value, so
// that nothing of it is lost from view.
wxString RawBody(const SoapResponse& response) {
    if (!response.text.empty() || response.http.body.empty()) {
        return FromUtf8(response.text);
    }
    return wxString::From8BitData(response.http.body.data(), response.http.body.size());
}

} // namespace

ResponseView ViewOfResult(const SoapCallResult& result) {
    ResponseView view;
    if (result.cancelled) {
        view.outcome = ResponseView::Outcome::Cancelled;
        return view;
    }
    if (!result.ok) {
        view.line = FromUtf8(result.message);
        return view;
    }
    const SoapResponse& response = result.response;
    const std::string separator(send_msg::kLineSeparator);
    std::string line = ResponseLine(response);
    if (!response.fault.empty()) {
        line = response.fault + separator + line;
    }
    if (!response.location.empty()) {
        line += separator + "Location: " + response.location;
    }
    if (!response.note.empty()) {
        line += separator + response.note;
    }
    view.outcome = response.fault.empty() ? ResponseView::Outcome::Answered : ResponseView::Outcome::Fault;
    view.line = FromUtf8(line);
    if (response.wellFormed) {
        view.pretty = FromUtf8(IndentXml(response.text));
    }
    view.raw = RawBody(response);
    return view;
}

} // namespace quorvel::ui
