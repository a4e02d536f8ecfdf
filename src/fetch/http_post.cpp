#include "fetch/http_post.h"

namespace quorvel {
namespace {

bool KeepsMethod(long status) {
    return status == 307 || status == 308;
}

} // namespace

HttpResponse HttpPost(const std::string& url, std::string_view body, const std::vector<std::string>& headers,
                      const HttpOptions& options) {
    ExchangeRules rules;
    rules.body = &body;
    rules.headers = headers;
    // The body goes at once: servers that never answer "100 Continue" would otherwise hold it back.
    rules.headers.push_back("Expect:");
    rules.follows = KeepsMethod;
    rules.detailedFailures = true;
    return Exchange(url, rules, options);
}

} // namespace quorvel
