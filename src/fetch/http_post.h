#pragma once

#include "fetch/http_exchange.h"

#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

// One POST of body to url with the given request headers ("Name: value" each; the options' headers
// replace those of the same name). 307 and 308 are followed with the same method and body; 301, 302 and
// 303 are not followed, they are the response. Any status is a response; message is set only when none
// arrived, or when its body went past 64 MiB.
HttpResponse HttpPost(const std::string& url, std::string_view body, const std::vector<std::string>& headers,
                      const HttpOptions& options = {});

} // namespace quorvel
