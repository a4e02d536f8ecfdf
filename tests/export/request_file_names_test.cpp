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

} // namespace
} // namespace quorvel
