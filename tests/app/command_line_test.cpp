#include "app/command_line.h"

#include <gtest/gtest.h>

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

} // namespace
} // namespace quorvel
