#include "app/script_command.h"

#include "app/messages.h"

#include <optional>

namespace quorvel {
namespace {

bool IsOption(const std::string& argument) {
    return argument.size() > 1 && argument[0] == '-';
}

// The command an option names, if it names one.
std::optional<ScriptCommand::Kind> CommandOption(const std::string& option) {
    if (option == "--help" || option == "-h") {
        return ScriptCommand::Help;
    }
    if (option == "--version") {
        return ScriptCommand::Version;
    }
    if (option == "--list") {
        return ScriptCommand::List;
    }
    if (option == "--request") {
        return ScriptCommand::Request;
    }
    if (option == "--all") {
        return ScriptCommand::All;
    }
    if (option == "--validate") {
        return ScriptCommand::Validate;
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
        return 3;
    case ScriptCommand::All:
        return 2;
    default:
        return 0;
    }
}

// The switch of options that an option turns on, if it names one.
bool* SampleOption(const std::string& option, SampleOptions& options) {
    if (option == "--header-parts") {
        return &options.headerParts;
    }
    if (option == "--attributes") {
        return &options.attributes;
    }
    if (option == "--example-values") {
        return &options.exampleValues;
    }
    if (option == "--ws-security") {
        return &options.wsSecurity;
    }
    return nullptr;
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
        } else if (option == "--body") {
            if (next + 1 == args.size()) {
                usageError = std::string(app_msg::kBodyWithoutFile);
                return false;
            }
            command.body = args[++next];
        } else {
            usageError = std::string(app_msg::kUnknownOption) + option + "。";
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
    command.operands.assign(args.begin() + static_cast<std::ptrdiff_t>(next), args.end());
    const size_t wanted = OperandCount(command.kind);
    // "--body FILE" may also follow the operands, as the usage writes it.
    if (command.body.empty() && command.operands.size() == wanted + 2 &&
        command.operands[wanted] == "--body") {
        command.body = command.operands[wanted + 1];
        command.operands.resize(wanted);
    }
    if (!command.body.empty() && command.kind != ScriptCommand::Validate) {
        usageError = std::string(app_msg::kBodyWithoutValidate);
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
