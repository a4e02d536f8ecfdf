#include "app/script_run.h"

#include "app/messages.h"
#include "app/model_listing.h"
#include "app/script_command.h"
#include "app/script_send.h"
#include "export/request_export.h"
#include "load/import_note.h"
#include "load/service_load.h"
#include "load/unexpected_error.h"
#include "model/find_operation.h"
#include "send/pretty_xml.h"
#include "send/soap_call.h"
#include "validate/request_validation.h"

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
    if (!command.bodyFile.empty() && !ReadRequestBody(command.bodyFile, body, message)) {
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
                      command.bodyFile.empty() ? found->request : body);
    if (const int printed = Print(ProblemLines(report)); printed != SCRIPT_DONE) {
        return printed;
    }
    return report.Invalid() ? SCRIPT_INVALID : report.Incomplete() ? SCRIPT_UNCHECKED : SCRIPT_DONE;
}

// The call that --send makes: the endpoint given or the binding's, and the body given or the request built.
bool PrepareCall(const ScriptCommand& command, const LoadResult& load, SoapCall& call, std::string& message) {
    const OperationPlace place = LocateOperation(load.model, command.operands[1], command.operands[2]);
    if (place.operation == nullptr) {
        message = app_msg::kOperationNotFound;
        return false;
    }
    call.endpoint = command.endpoint.empty() ? place.binding->endpoint : command.endpoint;
    call.soapVersion = place.binding->soapVersion;
    call.soapAction = place.operation->soapAction;
    if (command.bodyFile.empty()) {
        call.body = place.operation->request + '\n';
        return true;
    }
    return ReadRequestBody(command.bodyFile, call.body, message);
}

// Credentials and headers go with the call only where they were given for (see MayCarryCredentials); the
// call ends at the run's deadline like the load.
HttpOptions SendOptions(const ScriptCommand& command, const SoapCall& call, const LoadOptions& load) {
    HttpOptions options;
    options.deadline = load.http.deadline;
    if (MayCarryCredentials(call.endpoint, command.operands[0], !command.endpoint.empty())) {
        options.headers = command.headers;
        options.user = command.user;
        options.password = command.password;
    } else if (!command.headers.empty() || !command.user.empty()) {
        std::cerr << app_msg::kCredentialsWithheld << '\n';
    }
    return options;
}

int RunSend(const ScriptCommand& command, LoadOptions options) {
    options.buildUpTo = RequestTarget{command.operands[1], command.operands[2]};
    const LoadResult load = Load(command.operands[0], options);
    if (!load.ok) {
        return LoadFailed(load.message);
    }
    SoapCall call;
    std::string message;
    if (!PrepareCall(command, load, call, message)) {
        return LoadFailed(message);
    }
    const SoapCallResult sent = SendSoapRequest(call, SendOptions(command, call, options));
    if (!sent.ok) {
        return LoadFailed(sent.message);
    }
    const SoapResponse& response = sent.response;
    const bool indented = command.pretty && response.wellFormed;
    if (const int printed = Print(indented ? IndentXml(response.text) : response.http.body);
        printed != SCRIPT_DONE) {
        return printed;
    }
    if (command.pretty && !response.note.empty()) {
        std::cerr << response.note << '\n';
    }
    std::cerr << ScriptResponseLine(response) << '\n';
    return SendExitStatus(response);
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
    options.http.headers = command.headers;
    options.http.user = command.user;
    options.http.password = command.password;
    options.endsProcess = true;
    if (command.maxTime) {
        options.http.deadline = std::chrono::steady_clock::now() + *command.maxTime;
    }
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
    case ScriptCommand::Send:
        return RunSend(command, options);
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
