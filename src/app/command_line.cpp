#include "app/command_line.h"

#include "fetch/address.h"

namespace quorvel {

bool IsSwitchArgument(std::string_view argument) {
    if (argument.starts_with('-')) {
        return true;
    }
    if (!argument.starts_with('/')) {
        return false;
    }
#ifdef _WIN32
    return true;
#else
    return argument.find_first_of("/.", 1) == std::string_view::npos;
#endif
}

bool IsBatchCommand(const CommandLine& args) {
    return args.size() >= 5 && EqualsIgnoringCase(args[1], "/test");
}

std::string ScanCommandLineAddress(const CommandLine& args) {
    for (size_t i = 1; i < args.size(); ++i) {
        if (EqualsIgnoringCase(args[i], "/open") || EqualsIgnoringCase(args[i], "-open")) {
            return i + 1 < args.size() ? args[i + 1] : std::string();
        }
        if (!IsSwitchArgument(args[i])) {
            return args[i];
        }
    }
    return {};
}

std::string InitialDialogAddress(const CommandLine& args) {
    return std::string(TrimQuotes(TrimWhiteSpace(ScanCommandLineAddress(args))));
}

} // namespace quorvel
