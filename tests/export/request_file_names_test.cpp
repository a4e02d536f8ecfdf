#include "export/request_file_names.h"

#include <gtest/gtest.h>

#include <set>

namespace quorvel {
namespace {

TEST(RequestFileNamesTest, NamesFromTheDescriptionBecomeSafeFileNames) {
    const struct {
        const char* service;
        const char* binding;
        const char* operation;
        const char* file;
    } cases[] = {
        {"Weather", "WeatherSoap", "GetForecast", "Weather.WeatherSoap.GetForecast.xml"},
        {"../x", "a/b", "c\\d", "_._x.a_b.c_d.xml"},
        {"..", ".", "", "_.._._.xml"},
        {"CON", "B", "Op", "_CON.B.Op.xml"},          // a device name whatever follows it
        {"com1 .x", "B", "Op", "_com1 .x.B.Op.xml"},  // also with blanks before the first dot
        {"COM10", "NUL", "AUX", "COM10.NUL.AUX.xml"}, // no device name where it stands
        {"COM0", "B", "Op", "_COM0.B.Op.xml"},
        {"lpt\xC2\xB3", "B", "Op", "_lpt\xC2\xB3.B.Op.xml"}, // a superscript digit
        {"conin$", "B", "Op", "_conin$.B.Op.xml"},
        {"CONOUT$ .x", "B", "Op", "_CONOUT$ .x.B.Op.xml"},
        {"COM\xC2\xB4", "B", "Op", "COM\xC2\xB4.B.Op.xml"}, // an acute accent is no digit
        // Right-to-left override, zero-width space and joiner, word joiner, byte-order mark.
        {"S", "B", "a\xE2\x80\xAEgnp.exe", "S.B.a_gnp.exe.xml"},
        {"S\xE2\x80\x8B\xE2\x80\x8D", "B\xE2\x81\xA0", "\xE2\x81\xA6Op\xEF\xBB\xBF",
         "S__.B_._Op_.xml"},
        {"t\ta\nb\x7F\xC2\x85", "B", "Op", "t_a_b__.B.Op.xml"},
        {"a:b*c?\"<>|", "\xE5\xA4\xA9\xE6\xB0\x94", "\xFF", "a_b_c_____.\xE5\xA4\xA9\xE6\xB0\x94._.xml"},
    };
    for (const auto& c : cases) {
        RequestFileNames names;
        EXPECT_EQ(names.Next(c.service, c.binding, c.operation), c.file) << c.service;
    }
}

TEST(RequestFileNamesTest, LongNamesAreCutBetweenCharacters) {
    const std::string part = FileNamePart(std::string(300, 'x'));
    EXPECT_EQ(part, std::string(kMaxNamePartBytes, 'x'));
    // 22 three-byte characters fill 66 bytes; 21 of them fit.
    std::string chinese;
    for (int i = 0; i < 22; ++i) {
        chinese += "\xE5\xA4\xA9";
    }
    EXPECT_EQ(FileNamePart(chinese), chinese.substr(0, 63));
}

TEST(RequestFileNamesTest, NoTwoRecordsShareAFile) {
    RequestFileNames names;
    const std::string longName(300, 'L');
    const std::vector<std::string> files = {
        names.Next("S", "B", "Op"),           names.Next("S", "B", "Op"), // overloaded
        names.Next("S", "B", "OP"),                                       // letter case
        names.Next("S", "B", "Op~2"),                                     // looks like a copy
        names.Next("S", "B", longName),       names.Next("S", "B", longName + "M"),
        names.Next("S", "B", "a/b"),          names.Next("S", "B", "a\\b"),
        names.Next("S", "B", "\xEF\xBC\xA1"), names.Next("S", "B", "A"), // full-width and plain A
    };
    EXPECT_EQ(files[0], "S.B.Op.xml");
    EXPECT_EQ(files[1], "S.B.Op~2.xml");
    EXPECT_EQ(files[2], "S.B.OP~3.xml");
    EXPECT_EQ(files[3], "S.B.Op~2~2.xml");
    std::set<std::string> folded;
    for (const std::string& file : files) {
        std::string lower;
        for (const char c : file) {
            lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
        EXPECT_TRUE(folded.insert(lower).second) << file;
        EXPECT_LE(file.size(), 3 * kMaxNamePartBytes + 16) << file;
    }
    EXPECT_EQ(files[9], "S.B.A~2.xml");
}

// The next free number is remembered per name; the names are the ones a search from "~2" gives.
TEST(RequestFileNamesTest, ManyCollisionsNumberOnInOrder) {
    RequestFileNames names;
    std::vector<std::string> files;
    for (const char* operation : {"Op", "Op", "Op", "Op~5", "Op", "Op", "Op", "OP", "op"}) {
        files.push_back(names.Next("S", "B", operation));
    }
    const std::vector<std::string> expected = {"S.B.Op.xml",   "S.B.Op~2.xml", "S.B.Op~3.xml",
                                               "S.B.Op~5.xml", "S.B.Op~4.xml", "S.B.Op~6.xml",
                                               "S.B.Op~7.xml", "S.B.OP~8.xml", "S.B.op~9.xml"};
    EXPECT_EQ(files, expected);
    const std::string shared(kMaxNamePartBytes, 'x');
    EXPECT_EQ(names.Next("S", "B", shared + "a"), "S.B." + shared + ".xml");
    for (int i = 2; i <= 2000; ++i) {
        const std::string number = std::to_string(i);
        ASSERT_EQ(names.Next("S", "B", shared + number), "S.B." + shared + "~" + number + ".xml");
    }
    EXPECT_EQ(names.Next("S", "B", "Op"), "S.B.Op~10.xml");
}

} // namespace
} // namespace quorvel
