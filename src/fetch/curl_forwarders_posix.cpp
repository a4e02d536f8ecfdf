// Every function of libcurl's public interface, defined here with the signature its header declares: each
// calls libcurl's own function of the same name, opened at run time (curl_library_posix.cpp). Where libcurl
// or the function is missing, a forwarder returns what libcurl returns for a handle that does not exist:
// a null pointer, or the error code of the function's kind. The variadic functions read their one value
// the way libcurl itself reads it and pass it on.

// The deprecated functions are forwarded as well, under their own names.
#define CURL_DISABLE_DEPRECATION
#define CURL_ALLOW_OLD_MULTI_SOCKET
#include "fetch/curl_library.h"

#include <curl/curl.h>
#include <curl/mprintf.h>

#include <cstdarg>
#include <cstdint>
#include <vector>

namespace {

// libcurl's function with the type of the declaration, looked up by name.
template <typename Function> Function Real(const char* name) {
    return reinterpret_cast<Function>(quorvel::CurlFunction(name));
}

// An easy or multi handle option: its number says the type of its value (long, object pointer, function
// pointer, curl_off_t or blob pointer), read as libcurl reads it.
template <typename Result, typename Option>
Result PassOption(Result (*real)(void*, Option, ...), void* handle, Option option, std::va_list values) {
    const long kind = static_cast<long>(option);
    if (kind < CURLOPTTYPE_OBJECTPOINT) {
        return real(handle, option, va_arg(values, long));
    }
    if (kind < CURLOPTTYPE_FUNCTIONPOINT) {
        return real(handle, option, va_arg(values, void*));
    }
    if (kind < CURLOPTTYPE_OFF_T) {
        return real(handle, option, va_arg(values, void (*)()));
    }
    if (kind < CURLOPTTYPE_BLOB) {
        return real(handle, option, va_arg(values, curl_off_t));
    }
    return real(handle, option, va_arg(values, curl_blob*));
}

// Whatever the information asked for, its value is written through the one pointer given.
CURLcode PassInfoPointer(CURLcode (*real)(CURL*, CURLINFO, ...), CURL* handle, CURLINFO info,
                         std::va_list values) {
    return real(handle, info, va_arg(values, void*));
}

CURLSHcode PassShareOption(CURLSHcode (*real)(CURLSH*, CURLSHoption, ...), CURLSH* share,
                           CURLSHoption option, std::va_list values) {
    switch (option) {
    case CURLSHOPT_SHARE:
    case CURLSHOPT_UNSHARE:
        return real(share, option, va_arg(values, int));
    case CURLSHOPT_LOCKFUNC:
    case CURLSHOPT_UNLOCKFUNC:
        return real(share, option, va_arg(values, void (*)()));
    case CURLSHOPT_USERDATA:
        return real(share, option, va_arg(values, void*));
    default:
        return real(share, option); // libcurl refuses it without reading a value
    }
}

// The value of one form option as a form array holds it: lengths as numbers in the pointer.
char* FormValue(CURLformoption option, std::va_list& values) {
    switch (option) {
    case CURLFORM_NAMELENGTH:
    case CURLFORM_CONTENTSLENGTH:
    case CURLFORM_BUFFERLENGTH:
        return reinterpret_cast<char*>(static_cast<intptr_t>(va_arg(values, long)));
    case CURLFORM_CONTENTLEN:
        return reinterpret_cast<char*>(static_cast<intptr_t>(va_arg(values, curl_off_t)));
    default:
        return va_arg(values, char*);
    }
}

} // namespace

// A function with a fixed parameter list.
#define QUORVEL_FORWARD(result, name, parameters, arguments, failure)                                      \
    result name parameters {                                                                               \
        static const auto real = Real<decltype(&::name)>(#name);                                           \
        return real != nullptr ? real arguments : failure;                                                 \
    }

// A function with a handle, an option and the option's one value.
#define QUORVEL_FORWARD_OPTION(result, name, Handle, Option, pass, failure)                                \
    result name(Handle* handle, Option option, ...) {                                                      \
        static const auto real = Real<decltype(&::name)>(#name);                                           \
        if (real == nullptr) {                                                                             \
            return failure;                                                                                \
        }                                                                                                  \
        std::va_list values;                                                                               \
        va_start(values, option);                                                                          \
        const auto passed = pass(real, handle, option, values);                                            \
        va_end(values);                                                                                    \
        return passed;                                                                                     \
    }

// A formatted print, passed to its va_list twin.
#define QUORVEL_FORWARD_PRINT(result, name, parameters, twin, arguments)                                   \
    result name parameters {                                                                               \
        std::va_list values;                                                                               \
        va_start(values, format);                                                                          \
        const auto printed = twin arguments;                                                               \
        va_end(values);                                                                                    \
        return printed;                                                                                    \
    }

extern "C" {

// Global set-up and information.
QUORVEL_FORWARD(CURLcode, curl_global_init, (long flags), (flags), CURLE_FAILED_INIT)
QUORVEL_FORWARD(CURLcode, curl_global_init_mem,
                (long flags, curl_malloc_callback m, curl_free_callback f, curl_realloc_callback r,
                 curl_strdup_callback s, curl_calloc_callback c),
                (flags, m, f, r, s, c), CURLE_FAILED_INIT)
QUORVEL_FORWARD(void, curl_global_cleanup, (), (), void())
QUORVEL_FORWARD(CURLsslset, curl_global_sslset,
                (curl_sslbackend id, const char* name, const curl_ssl_backend*** available),
                (id, name, available), CURLSSLSET_NO_BACKENDS)
QUORVEL_FORWARD(char*, curl_version, (), (), nullptr)
QUORVEL_FORWARD(curl_version_info_data*, curl_version_info, (CURLversion age), (age), nullptr)
QUORVEL_FORWARD(const char*, curl_easy_strerror, (CURLcode code), (code), "")
QUORVEL_FORWARD(const char*, curl_multi_strerror, (CURLMcode code), (code), "")
QUORVEL_FORWARD(const char*, curl_share_strerror, (CURLSHcode code), (code), "")
QUORVEL_FORWARD(const char*, curl_url_strerror, (CURLUcode code), (code), "")

// Easy handles.
QUORVEL_FORWARD(CURL*, curl_easy_init, (), (), nullptr)
QUORVEL_FORWARD_OPTION(CURLcode, curl_easy_setopt, CURL, CURLoption, PassOption, CURLE_FAILED_INIT)
QUORVEL_FORWARD(CURLcode, curl_easy_perform, (CURL * handle), (handle), CURLE_FAILED_INIT)
QUORVEL_FORWARD(void, curl_easy_cleanup, (CURL * handle), (handle), void())
QUORVEL_FORWARD_OPTION(CURLcode, curl_easy_getinfo, CURL, CURLINFO, PassInfoPointer, CURLE_FAILED_INIT)
QUORVEL_FORWARD(CURL*, curl_easy_duphandle, (CURL * handle), (handle), nullptr)
QUORVEL_FORWARD(void, curl_easy_reset, (CURL * handle), (handle), void())
QUORVEL_FORWARD(CURLcode, curl_easy_recv, (CURL * handle, void* buffer, size_t length, size_t* received),
                (handle, buffer, length, received), CURLE_FAILED_INIT)
QUORVEL_FORWARD(CURLcode, curl_easy_send, (CURL * handle, const void* buffer, size_t length, size_t* sent),
                (handle, buffer, length, sent), CURLE_FAILED_INIT)
QUORVEL_FORWARD(CURLcode, curl_easy_upkeep, (CURL * handle), (handle), CURLE_FAILED_INIT)
QUORVEL_FORWARD(CURLcode, curl_easy_pause, (CURL * handle, int bitmask), (handle, bitmask), CURLE_FAILED_INIT)
QUORVEL_FORWARD(const curl_easyoption*, curl_easy_option_by_name, (const char* name), (name), nullptr)
QUORVEL_FORWARD(const curl_easyoption*, curl_easy_option_by_id, (CURLoption id), (id), nullptr)
QUORVEL_FORWARD(const curl_easyoption*, curl_easy_option_next, (const curl_easyoption* previous), (previous),
                nullptr)
QUORVEL_FORWARD(CURLHcode, curl_easy_header,
                (CURL * handle, const char* name, size_t index, unsigned int origin, int request,
                 curl_header** header),
                (handle, name, index, origin, request, header), CURLHE_NOT_BUILT_IN)
QUORVEL_FORWARD(curl_header*, curl_easy_nextheader,
                (CURL * handle, unsigned int origin, int request, curl_header* previous),
                (handle, origin, request, previous), nullptr)

// Texts: escaping, environment, dates, string lists, comparison.
QUORVEL_FORWARD(char*, curl_easy_escape, (CURL * handle, const char* text, int length),
                (handle, text, length), nullptr)
QUORVEL_FORWARD(char*, curl_easy_unescape, (CURL * handle, const char* text, int length, int* outLength),
                (handle, text, length, outLength), nullptr)
QUORVEL_FORWARD(char*, curl_escape, (const char* text, int length), (text, length), nullptr)
QUORVEL_FORWARD(char*, curl_unescape, (const char* text, int length), (text, length), nullptr)
QUORVEL_FORWARD(void, curl_free, (void* pointer), (pointer), void())
QUORVEL_FORWARD(char*, curl_getenv, (const char* variable), (variable), nullptr)
QUORVEL_FORWARD(time_t, curl_getdate, (const char* text, const time_t* unused), (text, unused), -1)
QUORVEL_FORWARD(curl_slist*, curl_slist_append, (curl_slist * list, const char* text), (list, text), nullptr)
QUORVEL_FORWARD(void, curl_slist_free_all, (curl_slist * list), (list), void())
QUORVEL_FORWARD(int, curl_strequal, (const char* first, const char* second), (first, second), 0)
QUORVEL_FORWARD(int, curl_strnequal, (const char* first, const char* second, size_t length),
                (first, second, length), 0)

// Multi handles.
QUORVEL_FORWARD(CURLM*, curl_multi_init, (), (), nullptr)
QUORVEL_FORWARD(CURLMcode, curl_multi_add_handle, (CURLM * multi, CURL* handle), (multi, handle),
                CURLM_BAD_HANDLE)
QUORVEL_FORWARD(CURLMcode, curl_multi_remove_handle, (CURLM * multi, CURL* handle), (multi, handle),
                CURLM_BAD_HANDLE)
QUORVEL_FORWARD(CURLMcode, curl_multi_fdset,
                (CURLM * multi, fd_set* readSet, fd_set* writeSet, fd_set* exceptionSet, int* maxFd),
                (multi, readSet, writeSet, exceptionSet, maxFd), CURLM_BAD_HANDLE)
QUORVEL_FORWARD(CURLMcode, curl_multi_wait,
                (CURLM * multi, curl_waitfd extra[], unsigned int extraCount, int timeoutMs, int* ready),
                (multi, extra, extraCount, timeoutMs, ready), CURLM_BAD_HANDLE)
QUORVEL_FORWARD(CURLMcode, curl_multi_poll,
                (CURLM * multi, curl_waitfd extra[], unsigned int extraCount, int timeoutMs, int* ready),
                (multi, extra, extraCount, timeoutMs, ready), CURLM_BAD_HANDLE)
QUORVEL_FORWARD(CURLMcode, curl_multi_wakeup, (CURLM * multi), (multi), CURLM_BAD_HANDLE)
QUORVEL_FORWARD(CURLMcode, curl_multi_perform, (CURLM * multi, int* running), (multi, running),
                CURLM_BAD_HANDLE)
QUORVEL_FORWARD(CURLMcode, curl_multi_cleanup, (CURLM * multi), (multi), CURLM_BAD_HANDLE)
QUORVEL_FORWARD(CURLMsg*, curl_multi_info_read, (CURLM * multi, int* queued), (multi, queued), nullptr)
QUORVEL_FORWARD(CURLMcode, curl_multi_socket, (CURLM * multi, curl_socket_t socket, int* running),
                (multi, socket, running), CURLM_BAD_HANDLE)
QUORVEL_FORWARD(CURLMcode, curl_multi_socket_action,
                (CURLM * multi, curl_socket_t socket, int events, int* running),
                (multi, socket, events, running), CURLM_BAD_HANDLE)
QUORVEL_FORWARD(CURLMcode, curl_multi_socket_all, (CURLM * multi, int* running), (multi, running),
                CURLM_BAD_HANDLE)
QUORVEL_FORWARD(CURLMcode, curl_multi_timeout, (CURLM * multi, long* milliseconds), (multi, milliseconds),
                CURLM_BAD_HANDLE)
QUORVEL_FORWARD_OPTION(CURLMcode, curl_multi_setopt, CURLM, CURLMoption, PassOption, CURLM_BAD_HANDLE)
QUORVEL_FORWARD(CURLMcode, curl_multi_assign, (CURLM * multi, curl_socket_t socket, void* data),
                (multi, socket, data), CURLM_BAD_HANDLE)
QUORVEL_FORWARD(char*, curl_pushheader_bynum, (curl_pushheaders * headers, size_t number), (headers, number),
                nullptr)
QUORVEL_FORWARD(char*, curl_pushheader_byname, (curl_pushheaders * headers, const char* name),
                (headers, name), nullptr)

// Share handles.
QUORVEL_FORWARD(CURLSH*, curl_share_init, (), (), nullptr)
QUORVEL_FORWARD_OPTION(CURLSHcode, curl_share_setopt, CURLSH, CURLSHoption, PassShareOption, CURLSHE_INVALID)
QUORVEL_FORWARD(CURLSHcode, curl_share_cleanup, (CURLSH * share), (share), CURLSHE_INVALID)

// URL handles.
QUORVEL_FORWARD(CURLU*, curl_url, (), (), nullptr)
QUORVEL_FORWARD(void, curl_url_cleanup, (CURLU * url), (url), void())
QUORVEL_FORWARD(CURLU*, curl_url_dup, (CURLU * url), (url), nullptr)
QUORVEL_FORWARD(CURLUcode, curl_url_get, (CURLU * url, CURLUPart what, char** part, unsigned int flags),
                (url, what, part, flags), CURLUE_BAD_HANDLE)
QUORVEL_FORWARD(CURLUcode, curl_url_set, (CURLU * url, CURLUPart what, const char* part, unsigned int flags),
                (url, what, part, flags), CURLUE_BAD_HANDLE)

// MIME bodies.
QUORVEL_FORWARD(curl_mime*, curl_mime_init, (CURL * handle), (handle), nullptr)
QUORVEL_FORWARD(void, curl_mime_free, (curl_mime * mime), (mime), void())
QUORVEL_FORWARD(curl_mimepart*, curl_mime_addpart, (curl_mime * mime), (mime), nullptr)
QUORVEL_FORWARD(CURLcode, curl_mime_name, (curl_mimepart * part, const char* name), (part, name),
                CURLE_FAILED_INIT)
QUORVEL_FORWARD(CURLcode, curl_mime_filename, (curl_mimepart * part, const char* name), (part, name),
                CURLE_FAILED_INIT)
QUORVEL_FORWARD(CURLcode, curl_mime_type, (curl_mimepart * part, const char* type), (part, type),
                CURLE_FAILED_INIT)
QUORVEL_FORWARD(CURLcode, curl_mime_encoder, (curl_mimepart * part, const char* encoding), (part, encoding),
                CURLE_FAILED_INIT)
QUORVEL_FORWARD(CURLcode, curl_mime_data, (curl_mimepart * part, const char* data, size_t size),
                (part, data, size), CURLE_FAILED_INIT)
QUORVEL_FORWARD(CURLcode, curl_mime_filedata, (curl_mimepart * part, const char* name), (part, name),
                CURLE_FAILED_INIT)
QUORVEL_FORWARD(CURLcode, curl_mime_data_cb,
                (curl_mimepart * part, curl_off_t size, curl_read_callback reader, curl_seek_callback seeker,
                 curl_free_callback release, void* data),
                (part, size, reader, seeker, release, data), CURLE_FAILED_INIT)
QUORVEL_FORWARD(CURLcode, curl_mime_subparts, (curl_mimepart * part, curl_mime* subparts), (part, subparts),
                CURLE_FAILED_INIT)
QUORVEL_FORWARD(CURLcode, curl_mime_headers, (curl_mimepart * part, curl_slist* headers, int takeOwnership),
                (part, headers, takeOwnership), CURLE_FAILED_INIT)

// Forms of the older interface.
QUORVEL_FORWARD(int, curl_formget, (curl_httppost * form, void* data, curl_formget_callback append),
                (form, data, append), -1)
QUORVEL_FORWARD(void, curl_formfree, (curl_httppost * form), (form), void())

// The options are gathered into one form array: libcurl reads an array entry as it reads the same option
// passed on its own. An array the caller passes is copied into it.
CURLFORMcode curl_formadd(curl_httppost** first, curl_httppost** last, ...) {
    static const auto real = Real<decltype(&::curl_formadd)>("curl_formadd");
    if (real == nullptr) {
        return CURL_FORMADD_DISABLED;
    }
    std::vector<curl_forms> forms;
    std::va_list values;
    va_start(values, last);
    for (auto option = static_cast<CURLformoption>(va_arg(values, int)); option != CURLFORM_END;
         option = static_cast<CURLformoption>(va_arg(values, int))) {
        if (option == CURLFORM_ARRAY) {
            for (const curl_forms* entry = va_arg(values, curl_forms*); entry->option != CURLFORM_END;
                 ++entry) {
                forms.push_back(*entry);
            }
        } else {
            forms.push_back({option, FormValue(option, values)});
        }
    }
    va_end(values);
    forms.push_back({CURLFORM_END, nullptr});
    return real(first, last, CURLFORM_ARRAY, forms.data(), CURLFORM_END);
}

// Formatted printing.
QUORVEL_FORWARD(int, curl_mvprintf, (const char* format, va_list values), (format, values), -1)
QUORVEL_FORWARD(int, curl_mvfprintf, (FILE * file, const char* format, va_list values),
                (file, format, values), -1)
QUORVEL_FORWARD(int, curl_mvsprintf, (char* buffer, const char* format, va_list values),
                (buffer, format, values), -1)
QUORVEL_FORWARD(int, curl_mvsnprintf, (char* buffer, size_t size, const char* format, va_list values),
                (buffer, size, format, values), -1)
QUORVEL_FORWARD(char*, curl_mvaprintf, (const char* format, va_list values), (format, values), nullptr)
QUORVEL_FORWARD_PRINT(int, curl_mprintf, (const char* format, ...), curl_mvprintf, (format, values))
QUORVEL_FORWARD_PRINT(int, curl_mfprintf, (FILE * file, const char* format, ...), curl_mvfprintf,
                      (file, format, values))
QUORVEL_FORWARD_PRINT(int, curl_msprintf, (char* buffer, const char* format, ...), curl_mvsprintf,
                      (buffer, format, values))
QUORVEL_FORWARD_PRINT(int, curl_msnprintf, (char* buffer, size_t size, const char* format, ...),
                      curl_mvsnprintf, (buffer, size, format, values))
QUORVEL_FORWARD_PRINT(char*, curl_maprintf, (const char* format, ...), curl_mvaprintf, (format, values))

// WebSockets.
QUORVEL_FORWARD(CURLcode, curl_ws_recv,
                (CURL * handle, void* buffer, size_t length, size_t* received, curl_ws_frame** frame),
                (handle, buffer, length, received, frame), CURLE_FAILED_INIT)
QUORVEL_FORWARD(CURLcode, curl_ws_send,
                (CURL * handle, const void* buffer, size_t length, size_t* sent, curl_off_t frameSize,
                 unsigned int flags),
                (handle, buffer, length, sent, frameSize, flags), CURLE_FAILED_INIT)
QUORVEL_FORWARD(curl_ws_frame*, curl_ws_meta, (CURL * handle), (handle), nullptr)

} // extern "C"
