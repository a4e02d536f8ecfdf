#pragma once
// Reading the command line: batch mode or the address the dialog opens with.

#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

// Arguments as the program received them; argument 0 is the program itself.
using CommandLine = std::vector<std::string>;

// The program's arguments in UTF-8: argv itself where the system passes bytes, the wide command line
// converted on Windows, where argv would be in the ANSI code page.
CommandLine ProgramArguments(int argc, char** argv);

// True for a switch such as "/open" or "-x". Where paths begin with "/", an argument that begins with
// "/" is a switch only when it holds no further "/" and no "." ("/test" is, "/a.wsdl" is not).
bool IsSwitchArgument(std::string_view argument);
// True for "/test" (any letter case) followed by at least an address, a binding and an operation.
bool IsBatchCommand(const CommandLine& args);
// The address that "/open" or "-open" names, else the first argument that is no switch; empty if none.
std::string ScanCommandLineAddress(const CommandLine& args);
// The scanned address as the dialog receives it: white space, then quotes, trimmed at both ends.
std::string InitialDialogAddress(const CommandLine& args);

} // namespace quorvel
