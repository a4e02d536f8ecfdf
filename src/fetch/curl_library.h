#pragma once
// libcurl as the program meets it. On Linux and the like the program does not link it: the curl_*
// functions are forwarders that open the library the first time one of them is called, so a run that reads
// only local files never maps libcurl or the many libraries it brings. On Windows it is linked in.

#include <string>

namespace quorvel {

// True when libcurl can be used, opening it if it is not open yet; otherwise false, with the load's message
// saying that the HTTP library could not be loaded and why.
bool CurlLibraryAvailable(std::string& message);

// The address of libcurl's function of that name, opening the library on first use; null when the
// library or the function is missing. Only where libcurl is opened at run time.
void* CurlFunction(const char* name);

} // namespace quorvel
