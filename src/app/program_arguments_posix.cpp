#include "app/command_line.h"

namespace quorvel {

CommandLine ProgramArguments(int argc, char** argv) {
    return CommandLine(argv, argv + argc);
}

} // namespace quorvel
