#pragma once
// The command line for scripts: long options before the addresses and names they take.

#include "app/command_line.h"
#include "gen/sample_options.h"

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace quorvel {

struct ScriptCommand {
    enum Kind { Help, Version, List, Request, All, Validate, Send };
    Kind kind = Help;
    bool json = false;          // --list prints the whole model as JSON
    bool followImports = false; // the load follows the description's imports
    SampleOptions sample;       // what the requests hold beyond the plain samples
    // Extra request headers ("Name: value") and credentials, for the load and for --send.
    std::vector<std::string> headers;
    std::string user;
    std::string password;
    // --max-time: the network time of the whole run (the load, its imports and the send).
    std::optional<std::chrono::milliseconds> maxTime;
    // --send and --validate: the request body's file ("-" for standard input; empty: the operation's
    // request). --send: the URL that replaces the binding's endpoint, and whether the response is printed
    // indented.
    std::string bodyFile;
    std::string endpoint;
    bool pretty = false;
    // The addresses and names after the options: ADDRESS; ADDRESS BINDING OPERATION (--request, --send,
    // --validate); ADDRESS DIRECTORY.
    std::vector<std::string> operands;
};

// True when argument 1 is a long option ("--list") or "-h": the command line is one for scripts.
bool IsScriptCommand(const CommandLine& args);

// Reads options in any order (up to "--" or the first argument that is no option), then the operands
// that the command takes. False with a one-line reason for an unknown option, no command or two, or
// too few or too many operands.
bool ParseScriptCommand(const CommandLine& args, ScriptCommand& command, std::string& usageError);

} // namespace quorvel
