#include "fetch/http_get.h"

#include "fetch/messages.h"

namespace quorvel {
namespace {

bool IsRedirect(long status) {
    return status >= 300 && status <= 399;
}

} // namespace

HttpResponse HttpGetBytes(const std::string& url, const HttpOptions& options) {
    ExchangeRules rules;
    rules.follows = IsRedirect;
    HttpResponse response = Exchange(url, rules, options);
    if (response.ok() && (response.status < 200 || response.status > 299)) {
        response.message = fetch_msg::HttpStatusMessage(static_cast<unsigned long>(response.status));
    } else if (response.ok() && response.body.empty()) {
        response.message = fetch_msg::kEmptyDownload;
    }
    if (!response.ok()) {
        response.body.clear();
    }
    return response;
}

} // namespace quorvel
