#include "app/script_command.h"

#include "app/messages.h"
#include "send/soap_call.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <string_view>
#include <utility>

namespace quorvel {
namespace {

bool IsOption(const std::string& argument) {
    return argument.size() > 1 && argument[0] == '-';
}

// The command an option names, if it names one.
std::optional<ScriptCommand::Kind> CommandOption(const std::string& option) {
    static constexpr std::pair<std::string_view, ScriptCommand::Kind> kCommands[] = {
        {"--help", ScriptCommand::Help},         {"-h", ScriptCommand::Help},
        {"--version", ScriptCommand::Version},   {"--list", ScriptCommand::List},
        {"--request", ScriptCommand::Request},   {"--all", ScriptCommand::All},
        {"--validate", ScriptCommand::Validate}, {"--send", ScriptCommand::Send},
    };
    for (const auto& [name, kind] : kCommands) {
        if (option == name) {
            return kind;
        }
    }
    return std::nullopt;
}

std::string_view CommandUsage(ScriptCommand::Kind kind) {
    switch (kind) {
    case ScriptCommand::List:
        return app_msg::kListUsage;
    case ScriptCommand::Request:
        return app_msg::kRequestUsage;
    case ScriptCommand::Validate:
        return app_msg::kValidateUsage;
    case ScriptCommand::Send:
        return app_msg::kSendUsage;
    default:
        return app_msg::kAllUsage;
    }
}

size_t OperandCount(ScriptCommand::Kind kind) {
    switch (kind) {
    case ScriptCommand::List:
        return 1;
    case ScriptCommand::Request:
    case ScriptCommand::Validate:
    case ScriptCommand::Send:
        return 3;
    case ScriptCommand::All:
        return 2;
    default:
        return 0;
    }
}

// The switch of options that an option turns on, if it names one.
bool* SampleOption(const std::string& option, SampleOptions& options) {
    static constexpr std::pair<std::string_view, bool SampleOptions::*> kSwitches[] = {
        {"--header-parts", &SampleOptions::headerParts},
        {"--attributes", &SampleOptions::attributes},
        {"--example-values", &SampleOptions::exampleValues},
        {"--ws-security", &SampleOptions::wsSecurity},
    };
    for (const auto& [name, member] : kSwitches) {
        if (option == name) {
            return &(options.*member);
        }
    }
    return nullptr;
}

// The argument after the option at next, which takes it as its value; next then points at the value.
bool ReadValue(const CommandLine& args, size_t& next, std::string& value, std::string& usageError) {
    if (next + 1 >= args.size()) {
        usageError = std::string(app_msg::kMissingValue) + args[next] + "。";
        return false;
    }
    value = args[++next];
    return true;
}

// A number of seconds, fractions allowed, above 0 and at most a million (some eleven days).
std::optional<std::chrono::milliseconds> ReadSeconds(const std::string& text) {
    double seconds = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, seconds);
    if (error != std::errc() || stop != end || !(seconds > 0 && seconds <= 1e6)) {
        return std::nullopt;
    }
    return std::chrono::milliseconds(std::max<long long>(1, static_cast<long long>(seconds * 1000)));
}

// An option that takes a value: --header, --user, --max-time, --body, --endpoint. False when option is
// none of them, or its value is missing or malformed (usageError set).
bool ReadValueOption(const CommandLine& args, size_t& next, ScriptCommand& command, std::string& usageError) {
    const std::string& option = args[next];
    std::string value;
    if (option == "--header") {
        if (!ReadValue(args, next, value, usageError)) {
            return false;
        }
        if (!IsRequestHeaderLine(value)) {
            usageError = std::string(app_msg::kBadHeader) + value + std::string(app_msg::kBadHeaderHint);
            return false;
        }
        command.headers.push_back(value);
        return true;
    }
    if (option == "--user") {
        if (!ReadValue(args, next, value, usageError)) {
            return false;
        }
        const size_t colon = value.find(':');
        if (colon == std::string::npos || colon == 0) {
            usageError = std::string(app_msg::kBadUser);
            return false;
        }
        command.user = value.substr(0, colon);
        command.password = value.substr(colon + 1);
        return true;
    }
    if (option == "--max-time") {
        if (!ReadValue(args, next, value, usageError)) {
            return false;
        }
        command.maxTime = ReadSeconds(value);
        if (!command.maxTime) {
            usageError = std::string(app_msg::kBadMaxTime);
            return false;
        }
        return true;
    }
    if (option == "--body") {
        return ReadValue(args, next, command.bodyFile, usageError);
    }
    if (option == "--endpoint") {
        return ReadValue(args, next, command.endpoint, usageError);
    }
    usageError = std::string(app_msg::kUnknownOption) + option + "。";
    return false;
}

// Reads the options from argument 1 on into command; the index of the first operand.
bool ReadOptions(const CommandLine& args, ScriptCommand& command, size_t& next, std::string& usageError) {
    std::optional<ScriptCommand::Kind> kind;
    for (next = 1; next < args.size() && IsOption(args[next]); ++next) {
        const std::string& option = args[next];
        if (option == "--") {
            ++next;
            break;
        }
        if (const auto named = CommandOption(option)) {
            if (*named == ScriptCommand::Help) {
                command.kind = ScriptCommand::Help;
                return true;
            }
            if (kind && *kind != *named) {
                usageError = std::string(app_msg::kTwoCommands);
                return false;
            }
            kind = named;
        } else if (option == "--json") {
            command.json = true;
        } else if (option == "--follow-imports") {
            command.followImports = true;
        } else if (bool* sample = SampleOption(option, command.sample)) {
            *sample = true;
        } else if (option == "--pretty") {
            command.pretty = true;
        } else if (!ReadValueOption(args, next, command, usageError)) {
            return false;
        }
    }
    if (!kind) {
        usageError = std::string(app_msg::kNoCommand);
        return false;
    }
    command.kind = *kind;
    return true;
}

} // namespace

bool IsScriptCommand(const CommandLine& args) {
    return args.size() >= 2 && (args[1].starts_with("--") || args[1] == "-h");
}

bool ParseScriptCommand(const CommandLine& args, ScriptCommand& command, std::string& usageError) {
    command = ScriptCommand();
    size_t next = 0;
    if (!ReadOptions(args, command, next, usageError)) {
        return false;
    }
    if (command.kind == ScriptCommand::Help || command.kind == ScriptCommand::Version) {
        return true;
    }
    if (command.json && command.kind != ScriptCommand::List) {
        usageError = std::string(app_msg::kJsonWithoutList);
        return false;
    }
    if ((command.pretty || !command.endpoint.empty()) && command.kind != ScriptCommand::Send) {
        usageError = std::string(app_msg::kSendOptionsWithoutSend);
        return false;
    }
    command.operands.assign(args.begin() + static_cast<std::ptrdiff_t>(next), args.end());
    const size_t wanted = OperandCount(command.kind);
    // "--body FILE" may also follow the operands, as the usage writes it.
    if (command.bodyFile.empty() && command.operands.size() == wanted + 2 &&
        command.operands[wanted] == "--body") {
        command.bodyFile = command.operands[wanted + 1];
        command.operands.resize(wanted);
    }
    if (!command.bodyFile.empty() && command.kind != ScriptCommand::Validate &&
        command.kind != ScriptCommand::Send) {
        usageError = std::string(app_msg::kBodyWithoutCommand);
        return false;
    }
    if (command.operands.size() != wanted) {
        usageError = (command.operands.size() < wanted
                          ? std::string(app_msg::kMissingOperand)
                          : std::string(app_msg::kExtraOperand) + command.operands[wanted] + "。") +
                     std::string(app_msg::kUsagePrefix) + std::string(CommandUsage(command.kind));
        return false;
    }
    return true;
}

} // namespace quorvel
