#pragma once
// What the response pane shows of a send: the one line above it, and the two views of the body.

#include "send/soap_call.h"

#include <wx/string.h>

namespace quorvel::ui {

struct ResponseView {
    enum class Outcome { Answered, Fault, Failed, Cancelled };
    Outcome outcome = Outcome::Failed;
    // "HTTP 200 OK · 123 ms · 4.5 KB", with what else the user must know: the fault's summary in front,
    // where a redirect that was not followed points, why the body is shown only as it is. For a send
    // that got no response, why not.
    wxString line;
    // The body indented; empty when it is not well-formed XML.
    wxString pretty;
    // The body as received, decoded.
    wxString raw;
};

// Made on the sending thread: indenting a large body takes its time.
ResponseView ViewOfResult(const SoapCallResult& result);

} // namespace quorvel::ui
