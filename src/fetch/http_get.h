#pragma once

#include "fetch/http_exchange.h"

#include <string>

namespace quorvel {

// One GET of url, redirects followed. It succeeds (message empty) only with a status from 200 to 299 and
// a body; body then holds the bytes as received and finalUrl the URL that answered them.
HttpResponse HttpGetBytes(const std::string& url, const HttpOptions& options = {});

} // namespace quorvel
