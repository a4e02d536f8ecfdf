// Standard input, output and error carry the program's bytes as they are, as on Linux, instead of turning
// line ends into CR LF and back. Linked into the executable itself, so that this runs before main().

#include <fcntl.h>
#include <io.h>

#include <cstdio>

namespace {

const bool kBinaryStandardStreams = [] {
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    return true;
}();

} // namespace
