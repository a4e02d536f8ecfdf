// Cancel while a host name is being resolved, with a resolver that never answers.

#include "fetch/http_get.h"
#include "fetch/http_post.h"
#include "cancel_timing.h"

#include <gtest/gtest.h>

#include <dlfcn.h>
#include <netdb.h>

#include <atomic>
#include <chrono>
#include <string_view>
#include <thread>

namespace {

constexpr std::string_view kSilentDomain = ".never-answers.test";
std::atomic<bool> g_releaseResolver{false};

} // namespace

// Takes the place of the C library's resolver in this test program (libcurl's resolver thread calls it):
// names under the silent domain get no answer until the test lets them go, or 10 s have passed; every
// other name is resolved as usual. Nothing is sent anywhere.
extern "C" int getaddrinfo(const char* node, const char* service, const addrinfo* hints, addrinfo** result) {
    const std::string_view name = node == nullptr ? "" : node;
    if (name.size() > kSilentDomain.size() &&
        name.substr(name.size() - kSilentDomain.size()) == kSilentDomain) {
        for (int i = 0; i < 500 && !g_releaseResolver; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return EAI_AGAIN;
    }
    using Resolver = int (*)(const char*, const char*, const addrinfo*, addrinfo**);
    static const auto resolve = reinterpret_cast<Resolver>(dlsym(RTLD_NEXT, "getaddrinfo"));
    return resolve(node, service, hints, result);
}

namespace quorvel {
namespace {

using test::RunCancelledAfterStart;

TEST(ResolveCancel, CancelDoesNotWaitForTheResolver) {
    const std::string url = "http://host.never-answers.test/service?wsdl";
    HttpResponse response;
    const auto get = [&url](const HttpOptions& options) { return HttpGetBytes(url, options); };
    const auto post = [&url](const HttpOptions& options) { return HttpPost(url, "<a/>", {}, options); };
    EXPECT_LT(RunCancelledAfterStart(get, response).count(), 2000);
    EXPECT_TRUE(response.cancelled);
    EXPECT_LT(RunCancelledAfterStart(post, response).count(), 2000);
    EXPECT_TRUE(response.cancelled);
    g_releaseResolver = true;
}

} // namespace
} // namespace quorvel
