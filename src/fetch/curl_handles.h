#pragma once
// libcurl's handles and texts, each released by its own cleanup call when its holder goes.

#include <curl/curl.h>

#include <memory>

namespace quorvel {

struct EasyCleanup {
    void operator()(CURL* handle) const { curl_easy_cleanup(handle); }
};
struct UrlCleanup {
    void operator()(CURLU* handle) const { curl_url_cleanup(handle); }
};
struct MultiCleanup {
    void operator()(CURLM* handle) const { curl_multi_cleanup(handle); }
};
struct CurlFree {
    void operator()(char* text) const { curl_free(text); }
};
struct SlistFree {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};
using EasyHandle = std::unique_ptr<CURL, EasyCleanup>;
using UrlHandle = std::unique_ptr<CURLU, UrlCleanup>;
using MultiHandle = std::unique_ptr<CURLM, MultiCleanup>;
using CurlText = std::unique_ptr<char, CurlFree>;
using CurlList = std::unique_ptr<curl_slist, SlistFree>;

} // namespace quorvel
