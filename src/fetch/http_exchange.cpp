#include "fetch/http_exchange.h"

#include "fetch/address.h"
#include "fetch/cancel_flag.h"
#include "fetch/curl_handles.h"
#include "fetch/curl_library.h"
#include "fetch/messages.h"
#include "fetch/network_address.h"

#include <curl/curl.h>

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <exception>
#include <map>
#include <new>

namespace quorvel {
namespace {

constexpr size_t kMaxHeaderBytes = 1024u * 1024;
constexpr int kMaxRedirects = 10;
// Longest URL parts that fit, in characters: host, path, and query with its question mark.
constexpr size_t kMaxHostLength = 511;
constexpr size_t kMaxPathLength = 2047;
constexpr size_t kMaxExtraLength = 1023;

using Clock = std::chrono::steady_clock;

// A cancellable exchange looks at its flag at least this often, whatever the network does.
constexpr int kCancelPollMs = 20;

size_t CountCharacters(std::string_view utf8) {
    size_t count = 0;
    for (const char c : utf8) {
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }
    return count;
}

// A part of a parsed URL; empty when it has none.
std::string UrlPart(CURLU* url, CURLUPart part, unsigned int flags = 0) {
    char* raw = nullptr;
    if (curl_url_get(url, part, &raw, flags) != CURLUE_OK) {
        return {};
    }
    const CurlText text(raw);
    return text.get();
}

// True when the URL is a well-formed http or https URL whose host, path and query fit their limits.
bool IsUsableUrl(const std::string& url) {
    const UrlHandle parsed(curl_url());
    if (!parsed || curl_url_set(parsed.get(), CURLUPART_URL, url.c_str(), 0) != CURLUE_OK ||
        !IsHttpAddress(url)) {
        return false;
    }
    char* rawQuery = nullptr;
    const bool hasQuery = curl_url_get(parsed.get(), CURLUPART_QUERY, &rawQuery, 0) == CURLUE_OK;
    const CurlText query(rawQuery);
    const size_t extraLength = hasQuery ? 1 + CountCharacters(query.get()) : 0;
    return CountCharacters(UrlPart(parsed.get(), CURLUPART_HOST)) <= kMaxHostLength &&
           CountCharacters(UrlPart(parsed.get(), CURLUPART_PATH)) <= kMaxPathLength &&
           extraLength <= kMaxExtraLength;
}

// Scheme, host and port of a URL, the port filled in from the scheme when the URL has none.
std::string Origin(const std::string& url) {
    const UrlHandle parsed(curl_url());
    if (!parsed || curl_url_set(parsed.get(), CURLUPART_URL, url.c_str(), 0) != CURLUE_OK) {
        return {};
    }
    return AsciiLower(UrlPart(parsed.get(), CURLUPART_SCHEME) + "://" +
                      UrlPart(parsed.get(), CURLUPART_HOST) + ":" +
                      UrlPart(parsed.get(), CURLUPART_PORT, CURLU_DEFAULT_PORT));
}

std::string_view HeaderName(std::string_view header) {
    return header.substr(0, header.find(':'));
}

// "Name: value" on one line, the name of visible ASCII characters.
bool IsValidHeader(std::string_view header) {
    const size_t colon = header.find(':');
    if (colon == 0 || colon == std::string_view::npos ||
        header.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos) {
        return false;
    }
    return std::all_of(header.begin(), header.begin() + static_cast<std::ptrdiff_t>(colon),
                       [](unsigned char c) { return c > 0x20 && c < 0x7F; });
}

// Headers that carry credentials of their own, kept from any host but the first.
bool IsCredentialHeader(std::string_view header) {
    return EqualsIgnoringCase(HeaderName(header), "Authorization") ||
           EqualsIgnoringCase(HeaderName(header), "Cookie");
}

void Append(CurlList& list, const std::string& line) {
    curl_slist* longer = curl_slist_append(list.get(), line.c_str());
    if (longer == nullptr) {
        throw std::bad_alloc();
    }
    list.release(); // the same list, or a new one when it was empty
    list.reset(longer);
}

CurlList TextList(const std::vector<std::string>& lines) {
    CurlList list;
    for (const std::string& line : lines) {
        Append(list, line);
    }
    return list;
}

// The exchange's own headers that the user's do not replace, then the user's; for a host other than the
// first, without the user's credential headers.
CurlList HeaderList(const std::vector<std::string>& own, const std::vector<std::string>& user,
                    bool firstHost) {
    CurlList list;
    for (const std::string& header : own) {
        if (std::none_of(user.begin(), user.end(), [&header](const std::string& replacing) {
                return EqualsIgnoringCase(HeaderName(replacing), HeaderName(header));
            })) {
            Append(list, header);
        }
    }
    for (const std::string& header : user) {
        if (firstHost || !IsCredentialHeader(header)) {
            Append(list, header);
        }
    }
    return list;
}

// One response in the making. The watchdog bounds each wait for data, not the whole transfer: a slow but
// steady exchange goes on, a silent server is given up.
struct Transfer {
    const HttpOptions* options = nullptr;
    HttpResponse* response = nullptr;
    // What a callback threw: libcurl's C code cannot pass it on, so the transfer stops and it is
    // thrown again once libcurl has returned.
    std::exception_ptr error;
    size_t headerBytes = 0;
    bool tooLarge = false;
    bool stalled = false;
    bool anyByte = false;
    curl_off_t uploaded = 0;
    Clock::time_point lastActivity = Clock::now();
    long firstWaitMs = 0; // until the first byte of the response: sending plus receiving
    long nextWaitMs = 0;  // between later bytes
    // Where this hop's connection leads. Through a proxy, the socket's address is the proxy's. A hop
    // that reuses a connection opens none, and its origin's earlier answer counts.
    bool proxied = false;
    bool connected = false;
    bool privateNetwork = false;
    bool refusedPrivate = false;
    std::map<std::string, bool> privateByOrigin;

    void Touch() {
        anyByte = true;
        lastActivity = Clock::now();
    }
    // Ready for the next response of a redirect chain.
    void Restart() {
        response->status = 0;
        response->reason.clear();
        response->headers.clear();
        response->body.clear();
        headerBytes = 0;
        connected = false;
        refusedPrivate = false;
        anyByte = false;
        uploaded = 0;
        lastActivity = Clock::now();
    }
};

// Runs a callback's work; an exception is kept for later and the transfer told to stop.
template <typename Result, typename Work>
Result Guarded(Transfer& transfer, Result stop, Work work) {
    try {
        return work();
    } catch (...) {
        transfer.error = std::current_exception();
        return stop;
    }
}

// The body length the response's Content-Length declares; 0 when it has none that reads as a number.
uint64_t DeclaredLength(const HttpResponse& response) {
    const std::string* length = response.Header("Content-Length");
    uint64_t value = 0;
    if (length == nullptr ||
        std::from_chars(length->data(), length->data() + length->size(), value).ec != std::errc()) {
        return 0;
    }
    return value;
}

size_t OnBody(char* data, size_t size, size_t count, void* context) {
    auto& transfer = *static_cast<Transfer*>(context);
    return Guarded(transfer, size_t{0}, [&]() -> size_t {
        const size_t length = size * count;
        std::string& body = transfer.response->body;
        transfer.Touch();
        if (body.size() + length > transfer.options->maxBodyBytes) {
            transfer.tooLarge = true;
            return 0; // stops the transfer
        }
        body.append(data, length);
        if (transfer.options->onReceived) {
            transfer.options->onReceived(body.size(), DeclaredLength(*transfer.response));
        }
        return length;
    });
}

// Keeps the status line's reason and the header fields of the latest response: a challenge answered or
// an interim response is followed by the one that counts.
void ReadHeaderLine(std::string_view line, HttpResponse& response) {
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) {
        line.remove_suffix(1);
    }
    if (line.substr(0, 5) == "HTTP/") {
        response.headers.clear();
        const size_t code = line.find(' ');
        const size_t reason = code == std::string_view::npos ? code : line.find(' ', code + 1);
        response.reason = reason == std::string_view::npos ? "" : TrimWhiteSpace(line.substr(reason + 1));
    } else if (!line.empty() && (line.front() == ' ' || line.front() == '\t') && !response.headers.empty()) {
        response.headers.back().value += " ";
        response.headers.back().value += TrimWhiteSpace(line);
    } else if (const size_t colon = line.find(':'); colon != std::string_view::npos) {
        response.headers.push_back(
            {std::string(line.substr(0, colon)), std::string(TrimWhiteSpace(line.substr(colon + 1)))});
    }
}

size_t OnHeader(char* data, size_t size, size_t count, void* context) {
    auto& transfer = *static_cast<Transfer*>(context);
    return Guarded(transfer, size_t{0}, [&]() -> size_t {
        const size_t length = size * count;
        transfer.Touch();
        transfer.headerBytes += length;
        if (transfer.headerBytes > kMaxHeaderBytes) {
            transfer.tooLarge = true;
            return 0;
        }
        ReadHeaderLine(std::string_view(data, length), *transfer.response);
        return length;
    });
}

curl_socket_t OnOpenSocket(void* context, curlsocktype, curl_sockaddr* address) {
    auto& transfer = *static_cast<Transfer*>(context);
    return Guarded(transfer, CURL_SOCKET_BAD, [&]() -> curl_socket_t {
        if (!transfer.proxied) {
            transfer.connected = true;
            transfer.privateNetwork = IsPrivateNetworkAddress(&address->addr);
            if (transfer.privateNetwork && transfer.options->publicAddressesOnly) {
                transfer.refusedPrivate = true;
                return CURL_SOCKET_BAD;
            }
        }
        if (transfer.options->connectToLoopback) {
            PointToLoopback(&address->addr);
        }
        return socket(address->family, address->socktype, address->protocol);
    });
}

int OnProgress(void* context, curl_off_t, curl_off_t, curl_off_t, curl_off_t uploaded) {
    auto& transfer = *static_cast<Transfer*>(context);
    // A request body on its way counts as activity, so that a large one is not cut off while it goes out.
    if (uploaded > transfer.uploaded) {
        transfer.uploaded = uploaded;
        transfer.lastActivity = Clock::now();
    }
    const long limit = transfer.anyByte ? transfer.nextWaitMs : transfer.firstWaitMs;
    transfer.stalled = Clock::now() - transfer.lastActivity > std::chrono::milliseconds(limit);
    return transfer.stalled ? 1 : 0;
}

// Everything but the URL and what depends on its host: the same for every hop of a redirect chain.
bool ConfigureHandle(CURL* handle, Transfer& transfer, const ExchangeRules& rules, const HttpOptions& options,
                     curl_slist* resolve) {
    bool ok = curl_easy_setopt(handle, CURLOPT_USERAGENT, "Quorvel/1.0") == CURLE_OK;
    ok &= curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "http,https") == CURLE_OK;
    ok &= curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L) == CURLE_OK;
    // A handle given up while its name is still being resolved leaves the resolver thread to finish on
    // its own instead of waiting for it: cancel and close never wait for a slow name server.
    ok &= curl_easy_setopt(handle, CURLOPT_QUICK_EXIT, 1L) == CURLE_OK;
    // The connect phase includes the name look-up and the TLS handshake.
    ok &= curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT_MS,
                           options.resolveTimeoutMs + options.connectTimeoutMs) == CURLE_OK;
    // TLS 1.0 up to the newest the library knows; the system's own minimum still applies.
    ok &= curl_easy_setopt(handle, CURLOPT_SSLVERSION,
                           static_cast<long>(CURL_SSLVERSION_TLSv1_0) |
                               static_cast<long>(CURL_SSLVERSION_MAX_DEFAULT)) == CURLE_OK;
    if (!options.caFile.empty()) {
        ok &= curl_easy_setopt(handle, CURLOPT_CAINFO, options.caFile.c_str()) == CURLE_OK;
    }
    if (resolve != nullptr) {
        ok &= curl_easy_setopt(handle, CURLOPT_RESOLVE, resolve) == CURLE_OK;
    }
    if (rules.body != nullptr) {
        ok &= curl_easy_setopt(handle, CURLOPT_POSTFIELDSIZE_LARGE,
                               static_cast<curl_off_t>(rules.body->size())) == CURLE_OK;
        ok &= curl_easy_setopt(handle, CURLOPT_POSTFIELDS, rules.body->data()) == CURLE_OK;
    }
    ok &= curl_easy_setopt(handle, CURLOPT_MAXFILESIZE_LARGE,
                           static_cast<curl_off_t>(options.maxBodyBytes)) == CURLE_OK;
    ok &= curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, OnBody) == CURLE_OK;
    ok &= curl_easy_setopt(handle, CURLOPT_WRITEDATA, &transfer) == CURLE_OK;
    ok &= curl_easy_setopt(handle, CURLOPT_HEADERFUNCTION, OnHeader) == CURLE_OK;
    ok &= curl_easy_setopt(handle, CURLOPT_HEADERDATA, &transfer) == CURLE_OK;
    ok &= curl_easy_setopt(handle, CURLOPT_OPENSOCKETFUNCTION, OnOpenSocket) == CURLE_OK;
    ok &= curl_easy_setopt(handle, CURLOPT_OPENSOCKETDATA, &transfer) == CURLE_OK;
    ok &= curl_easy_setopt(handle, CURLOPT_XFERINFOFUNCTION, OnProgress) == CURLE_OK;
    ok &= curl_easy_setopt(handle, CURLOPT_XFERINFODATA, &transfer) == CURLE_OK;
    ok &= curl_easy_setopt(handle, CURLOPT_NOPROGRESS, 0L) == CURLE_OK;
    return ok;
}

// The URL of one hop, with the credentials (authMethods; CURLAUTH_NONE for none) and headers for its host.
// Credentials written into a URL are never sent: without the user's, no method is allowed at all, and the
// user's replace them.
bool ConfigureHop(CURL* handle, const std::string& url, long authMethods, const HttpOptions& options,
                  curl_slist* headers) {
    const bool withCredentials = authMethods != CURLAUTH_NONE;
    bool ok = curl_easy_setopt(handle, CURLOPT_URL, url.c_str()) == CURLE_OK;
    ok &= curl_easy_setopt(handle, CURLOPT_HTTPAUTH, authMethods) == CURLE_OK;
    ok &= curl_easy_setopt(handle, CURLOPT_USERNAME, withCredentials ? options.user.c_str() : nullptr) ==
          CURLE_OK;
    ok &= curl_easy_setopt(handle, CURLOPT_PASSWORD, withCredentials ? options.password.c_str() : nullptr) ==
          CURLE_OK;
    ok &= curl_easy_setopt(handle, CURLOPT_HTTPHEADER, headers) == CURLE_OK;
    return ok;
}

// Redirects are followed to http or https, except from https down to http.
bool MayFollow(const std::string& from, const std::string& to) {
    return IsHttpAddress(to) && (IsHttpsAddress(to) || !IsHttpsAddress(from));
}

// A 401 whose challenges include a method that Basic sent up front cannot answer.
bool AsksForAnotherMethod(const HttpResponse& response) {
    return response.status == 401 &&
           std::any_of(response.headers.begin(), response.headers.end(), [](const HttpHeader& header) {
               return EqualsIgnoringCase(header.name, "WWW-Authenticate") &&
                      (StartsWithIgnoringCase(header.value, "Digest") ||
                       StartsWithIgnoringCase(header.value, "NTLM"));
           });
}

// Whether libcurl takes the URL through a proxy that the environment names. A no_proxy list other than
// "*" is not looked into: a host it exempts counts as proxied, so that it is judged by its name alone.
bool UsesProxy(const std::string& url) {
    const char* noProxy = std::getenv("no_proxy");
    if (noProxy == nullptr) {
        noProxy = std::getenv("NO_PROXY");
    }
    if (noProxy != nullptr && std::string_view(noProxy) == "*") {
        return false;
    }
    const auto named = [](const char* variable) {
        const char* value = std::getenv(variable);
        return value != nullptr && *value != '\0';
    };
    // For http, libcurl reads only the lower-case name: the upper-case one can be set by a request.
    return (IsHttpsAddress(url) ? named("https_proxy") || named("HTTPS_PROXY") : named("http_proxy")) ||
           named("all_proxy") || named("ALL_PROXY");
}

bool IsPastDeadline(const HttpOptions& options) {
    return options.deadline && Clock::now() >= *options.deadline;
}

// One transfer of the handle, as curl_easy_perform does it, but waking every few milliseconds to look at
// the cancel flag: name look-up, connecting and a silent server call no progress function for up to a
// second at a time. The multi handle keeps its connections for the next hop of a redirect chain.
CURLcode Perform(CURLM* multi, CURL* handle, const HttpOptions& options) {
    if (multi == nullptr || curl_multi_add_handle(multi, handle) != CURLM_OK) {
        return CURLE_FAILED_INIT;
    }
    int running = 1;
    CURLMcode state = CURLM_OK;
    while (state == CURLM_OK && running > 0 && !IsCancelled(options.cancel) && !IsPastDeadline(options)) {
        state = curl_multi_perform(multi, &running);
        if (state == CURLM_OK && running > 0) {
            state = curl_multi_poll(multi, nullptr, 0, kCancelPollMs, nullptr);
        }
    }
    // Cancelled, out of time, or the multi interface itself failed.
    CURLcode result = CURLE_ABORTED_BY_CALLBACK;
    int queued = 0;
    const CURLMsg* done = running == 0 ? curl_multi_info_read(multi, &queued) : nullptr;
    if (done != nullptr && done->msg == CURLMSG_DONE) {
        result = done->data.result;
    }
    curl_multi_remove_handle(multi, handle);
    return result;
}

// Why a transfer failed, as precisely as the rules want it said.
std::string_view FailureMessage(const ExchangeRules& rules, CURLcode result, const Transfer& transfer) {
    if (!rules.detailedFailures) {
        return fetch_msg::kDownloadFailed;
    }
    if (transfer.stalled) {
        return fetch_msg::kResponseTimedOut;
    }
    switch (result) {
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_RESOLVE_PROXY:
        return fetch_msg::kResolveFailed;
    case CURLE_COULDNT_CONNECT:
        return fetch_msg::kConnectRefused;
    case CURLE_OPERATION_TIMEDOUT:
        return fetch_msg::kConnectTimedOut;
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CACERT_BADFILE:
        return fetch_msg::kCertificateFailed;
    case CURLE_SSL_CONNECT_ERROR:
        return fetch_msg::kTlsFailed;
    default:
        return fetch_msg::kSendFailed;
    }
}

// What stays the same for every hop of one exchange.
struct Exchanging {
    const ExchangeRules& rules;
    const HttpOptions& options;
    CURLM* multi;
    curl_slist* resolve;
    Transfer& transfer;
};

// One request and its response, on a handle of its own (the connections stay with the multi handle);
// location is where a redirect that the rules follow leads, empty for any other response. False with the
// message set when no response arrived.
bool Hop(const Exchanging& with, const std::string& url, const std::string& origin, long authMethods,
         curl_slist* headers, std::string& location) {
    HttpResponse& response = *with.transfer.response;
    Transfer& transfer = with.transfer;
    transfer.proxied = UsesProxy(url);
    if (transfer.proxied && with.options.publicAddressesOnly && NamesPrivateNetworkHost(url)) {
        response.limit = HttpLimit::PrivateAddress;
        response.message = fetch_msg::kPrivateAddressRefused;
        return false;
    }
    const EasyHandle handle(curl_easy_init());
    if (!handle) {
        response.message = fetch_msg::kSessionFailed;
        return false;
    }
    if (!ConfigureHandle(handle.get(), with.transfer, with.rules, with.options, with.resolve)) {
        response.message = fetch_msg::kRequestFailed;
        return false;
    }
    if (!ConfigureHop(handle.get(), url, authMethods, with.options, headers)) {
        response.message = fetch_msg::kConnectFailed;
        return false;
    }
    with.transfer.Restart();
    const CURLcode result = Perform(with.multi, handle.get(), with.options);
    if (with.transfer.error) {
        std::rethrow_exception(with.transfer.error);
    }
    const bool detailed = with.rules.detailedFailures;
    if (IsCancelled(with.options.cancel)) {
        response.cancelled = true;
        response.message = detailed ? fetch_msg::kSendCancelled : fetch_msg::kDownloadFailed;
    } else if (IsPastDeadline(with.options)) {
        response.limit = HttpLimit::TimeLimit;
        response.message = fetch_msg::kTimeLimitReached;
    } else if (transfer.refusedPrivate) {
        response.limit = HttpLimit::PrivateAddress;
        response.message = fetch_msg::kPrivateAddressRefused;
    } else if (with.transfer.tooLarge || result == CURLE_FILESIZE_EXCEEDED) {
        response.limit = HttpLimit::BodySize;
        response.message = detailed ? fetch_msg::kResponseTooLarge : fetch_msg::kDownloadTooLarge;
    } else if (result != CURLE_OK) {
        // Resolving, connecting, TLS, sending, receiving, time-outs and a body cut short all end here.
        response.message = FailureMessage(with.rules, result, with.transfer);
    }
    if (!response.ok()) {
        return false;
    }
    if (transfer.proxied) {
        response.privateNetwork = NamesPrivateNetworkHost(url);
    } else if (transfer.connected) {
        response.privateNetwork = transfer.privateByOrigin[origin] = transfer.privateNetwork;
    } else {
        response.privateNetwork = transfer.privateByOrigin[origin];
    }
    curl_easy_getinfo(handle.get(), CURLINFO_RESPONSE_CODE, &response.status);
    char* redirect = nullptr;
    location.clear();
    if (with.rules.follows(response.status) &&
        curl_easy_getinfo(handle.get(), CURLINFO_REDIRECT_URL, &redirect) == CURLE_OK &&
        redirect != nullptr) {
        location = redirect;
    }
    return true;
}

// Runs the exchange hop by hop into response; on failure only its message (and cancelled) says more.
void Transact(const std::string& url, const ExchangeRules& rules, const HttpOptions& options,
              HttpResponse& response) {
    if (!IsUsableUrl(url)) {
        response.message = fetch_msg::kInvalidUrl;
        return;
    }
    if (!std::all_of(rules.headers.begin(), rules.headers.end(), IsValidHeader) ||
        !std::all_of(options.headers.begin(), options.headers.end(), IsValidHeader)) {
        response.message = fetch_msg::kInvalidHeader;
        return;
    }
    Transfer transfer;
    transfer.options = &options;
    transfer.response = &response;
    transfer.firstWaitMs = options.sendTimeoutMs + options.receiveTimeoutMs;
    transfer.nextWaitMs = options.receiveTimeoutMs;
    const CurlList resolve = TextList(options.resolve);
    const CurlList firstHostHeaders = HeaderList(rules.headers, options.headers, true);
    const CurlList otherHostHeaders = HeaderList(rules.headers, options.headers, false);
    const MultiHandle multi(curl_multi_init());
    const Exchanging with{rules, options, multi.get(), resolve.get(), transfer};
    const std::string firstOrigin =
        Origin(options.credentialsFor.empty() ? url : options.credentialsFor);
    // Basic goes with the first request; a server that asks for another method gets the request again.
    long authMethods = options.user.empty() ? CURLAUTH_NONE : CURLAUTH_BASIC;
    std::string& current = response.finalUrl;
    std::string location;
    for (int hop = 0;;) {
        const std::string origin = Origin(current);
        const bool firstHost = origin == firstOrigin;
        if (!Hop(with, current, origin, firstHost ? authMethods : CURLAUTH_NONE,
                 firstHost ? firstHostHeaders.get() : otherHostHeaders.get(), location)) {
            return;
        }
        if (firstHost && authMethods == CURLAUTH_BASIC && AsksForAnotherMethod(response)) {
            authMethods = CURLAUTH_DIGEST | CURLAUTH_NTLM;
            continue;
        }
        if (location.empty()) {
            return;
        }
        if (!MayFollow(current, location)) {
            response.redirectRefused = true;
            return;
        }
        if (hop == kMaxRedirects) {
            response.message =
                rules.detailedFailures ? fetch_msg::kTooManyRedirects : fetch_msg::kDownloadFailed;
            return;
        }
        current = location;
        ++hop;
    }
}

} // namespace

const std::string* HttpResponse::Header(std::string_view name) const {
    auto found = std::find_if(headers.begin(), headers.end(), [name](const HttpHeader& header) {
        return EqualsIgnoringCase(header.name, name);
    });
    return found == headers.end() ? nullptr : &found->value;
}

bool SameOrigin(const std::string& a, const std::string& b) {
    return Origin(a) == Origin(b);
}

HttpResponse Exchange(const std::string& url, const ExchangeRules& rules, const HttpOptions& options) {
    const Clock::time_point start = Clock::now();
    HttpResponse response;
    response.finalUrl = url;
    if (!CurlLibraryAvailable(response.message)) {
        return response;
    }
    Transact(url, rules, options, response);
    if (!response.ok()) {
        response.body.clear();
    }
    response.elapsed = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start);
    return response;
}

} // namespace quorvel
