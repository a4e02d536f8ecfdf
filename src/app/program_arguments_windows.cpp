#include "app/command_line.h"

#include "fetch/wide_text_windows.h"

#include <windows.h>

#include <shellapi.h>

namespace quorvel {

CommandLine ProgramArguments(int argc, char** argv) {
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide == nullptr) {
        return CommandLine(argv, argv + argc);
    }
    CommandLine args;
    for (int i = 0; i < count; ++i) {
        args.push_back(NarrowToUtf8(wide[i]));
    }
    LocalFree(wide);
    return args;
}

} // namespace quorvel
