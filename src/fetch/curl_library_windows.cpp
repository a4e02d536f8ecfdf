#include "fetch/curl_library.h"

namespace quorvel {

// libcurl is linked into the program: it is there whenever the program runs.
bool CurlLibraryAvailable(std::string&) {
    return true;
}

} // namespace quorvel
