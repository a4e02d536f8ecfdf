#include "app/script_run.h"

#include "app/messages.h"
#include "app/model_listing.h"
#include "app/script_command.h"
#include "export/request_export.h"
#include "fetch/file_reading.h"
#include "fetch/text_decoding.h"
#include "load/import_note.h"
#include "load/service_load.h"
#include "load/unexpected_error.h"
#include "model/find_operation.h"
#include "validate/request_validation.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <functional>
#include <iostream>
#include <iterator>

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

// Loads ADDRESS with the requests up to the operation BINDING OPERATION names, and finds it; the status
// to end with when it cannot.
int LoadOperation(const ScriptCommand& command, LoadOptions options, LoadResult& load,
                  const WsdlOperation*& found) {
    const RequestTarget target{command.operands[1], command.operands[2]};
    options.buildUpTo = target;
    load = Load(command.operands[0], options);
    if (!load.ok) {
        return LoadFailed(load.message);
    }
    found = FindOperation(load.model, target.binding, target.operation);
    return found == nullptr ? LoadFailed(app_msg::kOperationNotFound) : SCRIPT_DONE;
}

int RunRequest(const ScriptCommand& command, const LoadOptions& options) {
    LoadResult load;
    const WsdlOperation* found = nullptr;
    if (const int status = LoadOperation(command, options, load, found); status != SCRIPT_DONE) {
        return status;
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

// The request text of --body: a file, or standard input for "-"; decoded as a description would be.
bool ReadBody(const std::string& source, std::string& text, std::string& message) {
    std::string bytes;
    if (source == "-") {
        bytes.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
    } else if (!ReadDescriptionFile(source, bytes, message)) {
        return false;
    }
    return DecodeDocumentText(bytes, text, message);
}

std::string ProblemLines(const ValidationReport& report) {
    std::string lines;
    for (const ValidationProblem& problem : report.problems) {
        lines += std::to_string(problem.line) + ":" + std::to_string(problem.column) + ": " +
                 problem.message + "\n";
    }
    return lines;
}

int RunValidate(const ScriptCommand& command, LoadOptions options) {
    std::string body, message;
    if (!command.body.empty() && !ReadBody(command.body, body, message)) {
        return LoadFailed(std::string(app_msg::kCannotReadBody) + message);
    }
    options.keepDocuments = true;
    LoadResult load;
    const WsdlOperation* found = nullptr;
    if (const int status = LoadOperation(command, options, load, found); status != SCRIPT_DONE) {
        return status;
    }
    const RequestTarget target{command.operands[1], command.operands[2]};
    const ValidationReport report =
        RequestValidator(load.documents)
            .Validate(FindBindingElement(load.model, *load.documents, target), target.operation,
                      command.body.empty() ? found->request : body);
    if (const int printed = Print(ProblemLines(report)); printed != SCRIPT_DONE) {
        return printed;
    }
    return report.Invalid() ? SCRIPT_INVALID : report.Incomplete() ? SCRIPT_UNCHECKED : SCRIPT_DONE;
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
    options.sample = command.sample;
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
    case ScriptCommand::Validate:
        return RunValidate(command, options);
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
