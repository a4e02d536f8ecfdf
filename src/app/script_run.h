#pragma once
// Runs a command line for scripts: prints to standard output, reasons to standard error.

#include "app/command_line.h"

#include <functional>

namespace quorvel {

// Exit status of a command line for scripts.
enum ScriptExitCode : int {
    SCRIPT_DONE = 0,
    SCRIPT_LOAD_FAILED = 1, // the load or the send failed, or the operation asked for does not exist
    SCRIPT_OUTPUT_FAILED = 2,
    SCRIPT_FAULT = 3,       // --send: the response is a SOAP Fault
    SCRIPT_HTTP_STATUS = 4, // --send: the response's status is not 2xx
    SCRIPT_INVALID = 5,     // the request does not meet the schemas
    SCRIPT_UNCHECKED = 6,   // some part of the request could not be checked
    SCRIPT_USAGE_ERROR = 64,
};

// Reads the options of args, runs the command and returns the exit status.
int RunScriptCommand(const CommandLine& args);

// Returns what run returns; an exception that escapes it ends the run with SCRIPT_LOAD_FAILED and its
// message in one line on standard error.
int RunGuarded(const std::function<int()>& run);

} // namespace quorvel
