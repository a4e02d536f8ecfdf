#pragma once
// The parts of --send that are the command line's own: the body read from a file or standard input, the
// line told on standard error, and the exit status a response gives.

#include "send/soap_response.h"

#include <string>

namespace quorvel {

// The request text from a file, or from standard input for "-": decoded as a description file is (byte-order
// mark, declared encoding) into UTF-8, at most 64 MiB. False with the reason on failure.
bool ReadRequestBody(const std::string& file, std::string& text, std::string& message);

// "HTTP 200 OK, 123 ms, 4567 bytes".
std::string ScriptResponseLine(const SoapResponse& response);

// 0 for a 2xx response without a fault, 3 for a SOAP Fault whatever the status, 4 for any other status.
int SendExitStatus(const SoapResponse& response);

} // namespace quorvel
