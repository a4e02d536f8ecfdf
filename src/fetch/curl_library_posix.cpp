#include "fetch/curl_library.h"

#include "fetch/messages.h"

#include <dlfcn.h>

namespace quorvel {
namespace {

#ifdef __APPLE__
constexpr const char* kLibraryName = "libcurl.4.dylib";
#else
constexpr const char* kLibraryName = "libcurl.so.4";
#endif

struct Library {
    void* handle = nullptr;
    std::string error; // why it cannot be used
};

std::string LastLoaderError() {
    const char* error = dlerror();
    return error != nullptr ? error : kLibraryName;
}

// Opens libcurl and checks that it is one: a library of that name without curl_easy_init is refused.
Library Open() {
    Library library;
    library.handle = dlopen(kLibraryName, RTLD_NOW | RTLD_LOCAL);
    if (library.handle == nullptr) {
        library.error = LastLoaderError();
    } else if (dlsym(library.handle, "curl_easy_init") == nullptr) {
        library.error = LastLoaderError();
        dlclose(library.handle);
        library.handle = nullptr;
    }
    return library;
}

// Opened once for the whole process, by whichever thread wants it first.
const Library& OpenLibrary() {
    static const Library library = Open();
    return library;
}

} // namespace

bool CurlLibraryAvailable(std::string& message) {
    const Library& library = OpenLibrary();
    if (library.handle == nullptr) {
        message = std::string(fetch_msg::kCannotLoadHttpLibrary) + library.error;
        return false;
    }
    return true;
}

void* CurlFunction(const char* name) {
    const Library& library = OpenLibrary();
    return library.handle == nullptr ? nullptr : dlsym(library.handle, name);
}

} // namespace quorvel
