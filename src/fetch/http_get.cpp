#include "fetch/http_get.h"

#include "fetch/address.h"
#include "fetch/curl_handles.h"
#include "fetch/messages.h"
#include "fetch/text_decoding.h"

#include <curl/curl.h>

#include <chrono>
#include <utility>

namespace quorvel {
namespace {

constexpr size_t kMaxDownloadBytes = 64u * 1024 * 1024;
constexpr int kMaxRedirects = 10;
// Longest URL parts that fit, in characters: host, path, and query with its question mark.
constexpr size_t kMaxHostLength = 511;
constexpr size_t kMaxPathLength = 2047;
constexpr size_t kMaxExtraLength = 1023;

using Clock = std::chrono::steady_clock;

// A cancellable download looks at its flag at least this often, whatever the network does.
constexpr int kCancelPollMs = 20;

size_t CountCharacters(std::string_view utf8) {
    size_t count = 0;
    for (const char c : utf8) {
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }
    return count;
}

size_t PartLength(CURLU* url, CURLUPart part) {
    char* raw = nullptr;
    if (curl_url_get(url, part, &raw, 0) != CURLUE_OK) {
        return 0;
    }
    const CurlText text(raw);
    return CountCharacters(text.get());
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
    return PartLength(parsed.get(), CURLUPART_HOST) <= kMaxHostLength &&
           PartLength(parsed.get(), CURLUPART_PATH) <= kMaxPathLength && extraLength <= kMaxExtraLength;
}

// One response in the making. The watchdog bounds each wait for data, not the whole transfer:
// a slow but steady download goes on, a silent server is given up.
struct Transfer {
    const HttpOptions* options = nullptr;
    std::string body;
    bool tooLarge = false;
    bool anyByte = false;
    Clock::time_point lastActivity = Clock::now();
    long firstWaitMs = 0; // until the first byte of the response: sending plus receiving
    long nextWaitMs = 0;  // between later bytes

    void Touch() {
        anyByte = true;
        lastActivity = Clock::now();
    }
    // Ready for the next response of a redirect chain.
    void Restart() {
        body.clear();
        anyByte = false;
        lastActivity = Clock::now();
    }
};

size_t OnBody(char* data, size_t size, size_t count, void* context) {
    auto& transfer = *static_cast<Transfer*>(context);
    const size_t length = size * count;
    transfer.Touch();
    if (transfer.body.size() + length > kMaxDownloadBytes) {
        transfer.tooLarge = true;
        return 0; // stops the transfer
    }
    transfer.body.append(data, length);
    if (transfer.options->onReceived) {
        transfer.options->onReceived(transfer.body.size());
    }
    return length;
}

size_t OnHeader(char*, size_t size, size_t count, void* context) {
    static_cast<Transfer*>(context)->Touch();
    return size * count;
}

int OnProgress(void* context, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    const auto& transfer = *static_cast<Transfer*>(context);
    const long limit = transfer.anyByte ? transfer.nextWaitMs : transfer.firstWaitMs;
    return Clock::now() - transfer.lastActivity > std::chrono::milliseconds(limit) ? 1 : 0;
}

// Everything but the URL: the same for every hop of a redirect chain.
bool ConfigureHandle(CURL* handle, Transfer& transfer, const HttpOptions& options) {
    bool ok = curl_easy_setopt(handle, CURLOPT_USERAGENT, "Quorvel/1.0") == CURLE_OK;
    ok &= curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "http,https") == CURLE_OK;
    ok &= curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L) == CURLE_OK;
    // No credentials are ever sent, not even a user name and password written into the URL.
    ok &= curl_easy_setopt(handle, CURLOPT_HTTPAUTH, CURLAUTH_NONE) == CURLE_OK;
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
    ok &= curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, OnBody) == CURLE_OK;
    ok &= curl_easy_setopt(handle, CURLOPT_WRITEDATA, &transfer) == CURLE_OK;
    ok &= curl_easy_setopt(handle, CURLOPT_HEADERFUNCTION, OnHeader) == CURLE_OK;
    ok &= curl_easy_setopt(handle, CURLOPT_HEADERDATA, &transfer) == CURLE_OK;
    ok &= curl_easy_setopt(handle, CURLOPT_XFERINFOFUNCTION, OnProgress) == CURLE_OK;
    ok &= curl_easy_setopt(handle, CURLOPT_XFERINFODATA, &transfer) == CURLE_OK;
    ok &= curl_easy_setopt(handle, CURLOPT_NOPROGRESS, 0L) == CURLE_OK;
    return ok;
}

// Redirects are followed to http or https, except from https down to http.
bool MayFollow(const std::string& from, const char* to) {
    return to != nullptr && IsHttpAddress(to) && (IsHttpsAddress(to) || !IsHttpsAddress(from));
}

bool IsCancelled(const HttpOptions& options) {
    return options.cancel != nullptr && options.cancel->load(std::memory_order_relaxed);
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
    while (state == CURLM_OK && running > 0 && !IsCancelled(options)) {
        state = curl_multi_perform(multi, &running);
        if (state == CURLM_OK && running > 0) {
            state = curl_multi_poll(multi, nullptr, 0, kCancelPollMs, nullptr);
        }
    }
    // Cancelled, or the multi interface itself failed.
    CURLcode result = CURLE_ABORTED_BY_CALLBACK;
    int queued = 0;
    const CURLMsg* done = running == 0 ? curl_multi_info_read(multi, &queued) : nullptr;
    if (done != nullptr && done->msg == CURLMSG_DONE) {
        result = done->data.result;
    }
    curl_multi_remove_handle(multi, handle);
    return result;
}

// Performs the GET of current and follows redirects, leaving the last URL asked for in current; true when
// the final response has a status from 200 to 299.
bool FetchFollowingRedirects(CURL* handle, Transfer& transfer, const HttpOptions& options,
                             std::string& current, std::string& message) {
    const MultiHandle multi(curl_multi_init());
    for (int hop = 0;; ++hop) {
        if (curl_easy_setopt(handle, CURLOPT_URL, current.c_str()) != CURLE_OK) {
            message = fetch_msg::kConnectFailed;
            return false;
        }
        transfer.Restart();
        const CURLcode result = Perform(multi.get(), handle, options);
        if (transfer.tooLarge) {
            message = fetch_msg::kDownloadTooLarge;
            return false;
        }
        // Resolving, connecting, TLS, sending, receiving, time-outs and a body cut short all end here.
        if (result != CURLE_OK) {
            message = fetch_msg::kDownloadFailed;
            return false;
        }
        long status = 0;
        curl_easy_getinfo(handle, CURLINFO_RESPONSE_CODE, &status);
        char* location = nullptr;
        if (status >= 300 && status <= 399 &&
            curl_easy_getinfo(handle, CURLINFO_REDIRECT_URL, &location) == CURLE_OK &&
            MayFollow(current, location)) {
            if (hop == kMaxRedirects) {
                message = fetch_msg::kDownloadFailed;
                return false;
            }
            current = location;
            continue;
        }
        if (status < 200 || status > 299) {
            message = fetch_msg::HttpStatusMessage(static_cast<unsigned long>(status));
            return false;
        }
        return true;
    }
}

} // namespace

bool HttpGetBytes(const std::string& url, std::string& bytes, std::string& finalUrl, std::string& message,
                  const HttpOptions& options) {
    bytes.clear();
    finalUrl = url;
    if (!IsUsableUrl(url)) {
        message = fetch_msg::kInvalidUrl;
        return false;
    }
    const EasyHandle handle(curl_easy_init());
    if (!handle) {
        message = fetch_msg::kSessionFailed;
        return false;
    }
    Transfer transfer;
    transfer.options = &options;
    transfer.firstWaitMs = options.sendTimeoutMs + options.receiveTimeoutMs;
    transfer.nextWaitMs = options.receiveTimeoutMs;
    if (!ConfigureHandle(handle.get(), transfer, options)) {
        message = fetch_msg::kRequestFailed;
        return false;
    }
    if (!FetchFollowingRedirects(handle.get(), transfer, options, finalUrl, message)) {
        return false;
    }
    if (transfer.body.empty()) {
        message = fetch_msg::kEmptyDownload;
        return false;
    }
    bytes = std::move(transfer.body);
    return true;
}

bool HttpGet(const std::string& url, std::string& text, std::string& message, const HttpOptions& options) {
    text.clear();
    std::string bytes, finalUrl;
    return HttpGetBytes(url, bytes, finalUrl, message, options) && DecodeDocumentText(bytes, text, message);
}

} // namespace quorvel
