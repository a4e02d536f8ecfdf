#include "app/command_line.h"
#include "app/script_command.h"
#include "app/script_run.h"

#include <gtest/gtest.h>

#include <iostream>
#include <sstream>
#include <stdexcept>

namespace quorvel {
namespace {

TEST(CommandLineTest, TellsSwitchesFromPaths) {
    const struct {
        const char* argument;
        bool isSwitch;
    } cases[] = {
        {"/test", true}, {"/open", true},    {"/x", true},         {"-x", true},      {"-/a.wsdl", true},
        {"/", true},     {"/a.wsdl", false}, {"/home/u/a", false}, {"a.wsdl", false}, {"", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsSwitchArgument(c.argument), c.isSwitch) << c.argument;
    }
}

TEST(CommandLineTest, ChoosesBatchModeOnlyForSlashTestWithThreeArguments) {
    const struct {
        CommandLine args;
        bool batch;
    } cases[] = {
        {{"quorvel", "/test", "a.wsdl", "B", "Op"}, true},
        {{"quorvel", "/TEST", "a.wsdl", "B", "Op"}, true},
        {{"quorvel", "/Test", "a.wsdl", "B", "Op", "extra"}, true},
        {{"quorvel", "-test", "a.wsdl", "B", "Op"}, false},
        {{"quorvel", "/test", "a.wsdl", "B"}, false},
        {{"quorvel", "a.wsdl", "/test", "a.wsdl", "B", "Op"}, false},
        {{"quorvel"}, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsBatchCommand(c.args), c.batch) << c.args.size();
    }
}

TEST(CommandLineTest, ScansForTheDialogAddress) {
    const struct {
        CommandLine args;
        const char* scanned;
        const char* initial;
    } cases[] = {
        {{"quorvel"}, "", ""},
        {{"quorvel", "/test", "a.wsdl"}, "a.wsdl", "a.wsdl"},
        {{"quorvel", "/open"}, "", ""},
        {{"quorvel", "/OPEN", "-x"}, "-x", "-x"}, // whatever follows the switch
        {{"quorvel", "-open", "/home/u/a.wsdl", "b.wsdl"}, "/home/u/a.wsdl", "/home/u/a.wsdl"},
        {{"quorvel", "-x", "a.wsdl", "b.wsdl"}, "a.wsdl", "a.wsdl"},
        {{"quorvel", "/x", "/srv/a.wsdl"}, "/srv/a.wsdl", "/srv/a.wsdl"},
        {{"quorvel", "", "a.wsdl"}, "", ""}, // an empty argument stops the scan
        {{"quorvel", "  ' /tmp/my file.wsdl '  "}, "  ' /tmp/my file.wsdl '  ", " /tmp/my file.wsdl "},
        {{"quorvel", "\"'http://127.0.0.1/a?x=\"1\"'\""},
         "\"'http://127.0.0.1/a?x=\"1\"'\"",
         "http://127.0.0.1/a?x=\"1"},
        {{"quorvel", " \"\" "}, " \"\" ", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ScanCommandLineAddress(c.args), c.scanned) << c.scanned;
        EXPECT_EQ(InitialDialogAddress(c.args), c.initial) << c.scanned;
    }
}

TEST(CommandLineTest, ScriptOptionsStandInAnyOrderBeforeTheOperands) {
    EXPECT_TRUE(IsScriptCommand({"quorvel", "--list", "a.wsdl"}));
    EXPECT_TRUE(IsScriptCommand({"quorvel", "-h"}));
    EXPECT_FALSE(IsScriptCommand({"quorvel", "-list", "a.wsdl"})); // a switch the dialog skips
    EXPECT_FALSE(IsScriptCommand({"quorvel", "a.wsdl", "--list"}));
    for (const CommandLine& args :
         {CommandLine{"quorvel", "--request", "--follow-imports", "a", "B", "Op"},
          CommandLine{"quorvel", "--follow-imports", "--request", "a", "B", "Op"}}) {
        ScriptCommand command;
        std::string usageError;
        ASSERT_TRUE(ParseScriptCommand(args, command, usageError)) << usageError;
        EXPECT_EQ(command.kind, ScriptCommand::Request);
        EXPECT_TRUE(command.followImports);
        EXPECT_EQ(command.operands, (std::vector<std::string>{"a", "B", "Op"}));
    }
    // After "--" an address may begin with "-"; a second command is refused.
    ScriptCommand command;
    std::string usageError;
    ASSERT_TRUE(ParseScriptCommand({"quorvel", "--list", "--", "--a.wsdl"}, command, usageError));
    EXPECT_EQ(command.operands, std::vector<std::string>{"--a.wsdl"});
    EXPECT_FALSE(ParseScriptCommand({"quorvel", "--list", "--all", "a", "d"}, command, usageError));
    EXPECT_EQ(usageError, "一次只能给出一个命令（--list、--request、--all、--validate 或 --send）。");
}

// Whatever a command throws ends the run with status 1 and one line on standard error.
TEST(CommandLineTest, AnExceptionEndsTheRunWithOneLine) {
    std::ostringstream capture;
    std::streambuf* const previous = std::cerr.rdbuf(capture.rdbuf());
    const int status = RunGuarded([]() -> int { throw std::runtime_error("no\nway"); });
    const int unknown = RunGuarded([]() -> int { throw 7; });
    std::cerr.rdbuf(previous);
    EXPECT_EQ(status, SCRIPT_LOAD_FAILED);
    EXPECT_EQ(unknown, SCRIPT_LOAD_FAILED);
    EXPECT_EQ(capture.str(), "发生意外错误：no way\n发生意外错误：未知异常\n");
}

TEST(CommandLineTest, SendOptionsTakeTheirValues) {
    ScriptCommand command;
    std::string usageError;
    ASSERT_TRUE(ParseScriptCommand({"quorvel", "--header", "X-A: 1", "--send", "--user", "u:p:w", "--body",
                                    "-", "--header", "X-B: 2", "--endpoint", "http://h/s", "--pretty", "a", "B",
                                    "Op"},
                                   command, usageError))
        << usageError;
    EXPECT_EQ(command.kind, ScriptCommand::Send);
    EXPECT_EQ(command.headers, (std::vector<std::string>{"X-A: 1", "X-B: 2"}));
    EXPECT_EQ(command.user, "u");
    EXPECT_EQ(command.password, "p:w");
    EXPECT_EQ(command.bodyFile, "-");
    EXPECT_EQ(command.endpoint, "http://h/s");
    EXPECT_TRUE(command.pretty);
    EXPECT_EQ(command.operands, (std::vector<std::string>{"a", "B", "Op"}));
    // --user and --header serve the other commands' loads as well; the send's own options do not.
    EXPECT_TRUE(ParseScriptCommand({"quorvel", "--user", "u:", "--all", "a", "d"}, command, usageError));
    ASSERT_TRUE(ParseScriptCommand({"quorvel", "--max-time", "2.5", "--list", "a"}, command, usageError));
    EXPECT_EQ(command.maxTime, std::chrono::milliseconds(2500));
    const struct {
        CommandLine args;
        const char* error;
    } refused[] = {
        {{"quorvel", "--send", "a", "B", "Op", "--body"}, "多余的参数 --body。用法："},
        {{"quorvel", "--send", "--body"}, "缺少选项的值：--body。"},
        {{"quorvel", "--send", "--header", "X: a\r\nHost: b", "a", "B", "Op"}, "无效的请求头 X: a\r\nHost: b"},
        {{"quorvel", "--list", "--user", "nopassword", "a"}, "--user 应写成 用户名:密码。"},
        {{"quorvel", "--request", "--pretty", "a", "B", "Op"}, "--endpoint 和 --pretty 只能与 --send"},
        {{"quorvel", "--max-time", "0", "--list", "a"}, "--max-time 应为大于 0 的秒数"},
        {{"quorvel", "--max-time", "5s", "--list", "a"}, "--max-time 应为大于 0 的秒数"},
    };
    for (const auto& c : refused) {
        EXPECT_FALSE(ParseScriptCommand(c.args, command, usageError)) << c.error;
        EXPECT_TRUE(usageError.starts_with(c.error)) << usageError;
    }
}

} // namespace
} // namespace quorvel
