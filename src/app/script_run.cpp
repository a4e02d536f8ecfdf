#include "app/script_run.h"

#include "app/messages.h"
#include "app/model_listing.h"
#include "app/script_command.h"
#include "export/request_export.h"
#include "load/import_note.h"
#include "load/service_load.h"
#include "load/unexpected_error.h"
#include "model/find_operation.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <functional>
#include <iostream>

namespace quorvel {
namespace {

int UsageError(std::string_view reason) {
    std::cerr << app_msg::kUsageErrorPrefix << reason << app_msg::kUsageErrorSuffix << '\n';
    return SCRIPT_USAGE_ERROR;
}

int LoadFailed(std::string_view message) {
    std::cerr << message << '\n';
    return SCRIPT_LOAD_FAILED;
}

int OutputFailed(std::string_view message) {
    std::cerr << message << '\n';
    return SCRIPT_OUTPUT_FAILED;
}

// Writes text to standard output; a full disk or a closed pipe ends the run with status 2.
int Print(std::string_view text) {
    errno = 0;
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0) {
        const int error = errno;
        return OutputFailed(std::string(app_msg::kCannotWriteStandardOutput) +
                            (error != 0 ? std::strerror(error) : "?"));
    }
    return SCRIPT_DONE;
}

// Loads address; the imports that were not read, and the limits reached, are told on standard error.
LoadResult Load(const std::string& address, const LoadOptions& options) {
    LoadResult load = LoadServiceDescription(address, options);
    for (const ImportNote& note : load.notes) {
        std::cerr << ImportNoteText(note) << '\n';
    }
    return load;
}

int RunList(const ScriptCommand& command, const LoadOptions& options) {
    const LoadResult load = Load(command.operands[0], options);
    if (!load.ok) {
        return LoadFailed(load.message);
    }
    return Print(command.json ? ModelJson(load.model) : ListModel(load.model));
}

int RunRequest(const ScriptCommand& command, LoadOptions options) {
    const RequestTarget target{command.operands[1], command.operands[2]};
    options.buildUpTo = target;
    const LoadResult load = Load(command.operands[0], options);
    if (!load.ok) {
        return LoadFailed(load.message);
    }
    const WsdlOperation* found = FindOperation(load.model, target.binding, target.operation);
    if (found == nullptr) {
        return LoadFailed(app_msg::kOperationNotFound);
    }
    return Print(found->request + '\n');
}

int RunAll(const ScriptCommand& command, const LoadOptions& options) {
    const LoadResult load = Load(command.operands[0], options);
    if (!load.ok) {
        return LoadFailed(load.message);
    }
    std::string message;
    if (!ExportRequests(ModelRequestRecords(load.model), command.operands[1], message)) {
        return OutputFailed(message);
    }
    return SCRIPT_DONE;
}

// Reads the options and runs the command they name.
int RunParsedCommand(const CommandLine& args) {
    ScriptCommand command;
    std::string usageError;
    if (!ParseScriptCommand(args, command, usageError)) {
        return UsageError(usageError);
    }
    LoadOptions options;
    options.followImports = command.followImports;
    options.endsProcess = true;
    switch (command.kind) {
    case ScriptCommand::Help:
        return Print(app_msg::kHelp);
    case ScriptCommand::Version:
        return Print(std::string(app_msg::kVersion) + '\n');
    case ScriptCommand::List:
        return RunList(command, options);
    case ScriptCommand::Request:
        return RunRequest(command, options);
    case ScriptCommand::All:
        return RunAll(command, options);
    }
    return SCRIPT_USAGE_ERROR;
}

} // namespace

int RunGuarded(const std::function<int()>& run) {
    try {
        return run();
    } catch (...) {
        return LoadFailed(UnexpectedErrorMessage());
    }
}

int RunScriptCommand(const CommandLine& args) {
#ifdef SIGPIPE
    // A reader that went away makes a write fail (status 2) instead of ending the process unannounced.
    std::signal(SIGPIPE, SIG_IGN);
#endif
    return RunGuarded([&args] { return RunParsedCommand(args); });
}


} // namespace quorvel
