// The one UTF-8 table: decoding sequence by sequence, and checking whole texts, against the platform's own
// decoder where there is one.

#include "text/utf8.h"
#include "xml/code_points.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvel {
namespace {

std::vector<int32_t> Decoded(std::string_view text) {
    std::vector<int32_t> codePoints;
    for (size_t i = 0; i < text.size();) {
        const size_t before = i;
        codePoints.push_back(NextUtf8CodePoint(text, i));
        size_t platform = before;
        EXPECT_EQ(NextCodePoint(text, platform), codePoints.back()) << "at " << before;
        EXPECT_EQ(platform, i) << "at " << before;
    }
    return codePoints;
}

TEST(Utf8, ShortestFormsUpToU10FFFFAndEachMalformedSequenceOneUnit) {
    const struct {
        std::string text;
        std::vector<int32_t> codePoints;
    } cases[] = {
        {"a\xC2\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80", {'a', 0xA9, 0x4E2D, 0x1F600}},
        {"\xF4\x8F\xBF\xBF\xEF\xBF\xBD", {0x10FFFF, 0xFFFD}},
        {"\xC0\x80\xC1\xBF", {-1, -1, -1, -1}},   // overlong two-byte forms: every byte alone
        {"\xE0\x9F\xBF", {-1, -1, -1}},           // overlong three-byte form
        {"\xED\xA0\x80", {-1, -1, -1}},           // a surrogate
        {"\xF4\x90\x80\x80", {-1, -1, -1, -1}},   // above U+10FFFF
        {"\xF5\x80", {-1, -1}},                   // no lead byte at all
        {"\xE4\xB8x\xF0\x9F\x98", {-1, 'x', -1}}, // cut short: the valid beginning is one unit
        {"\x80\xBF", {-1, -1}},                   // continuation bytes without a lead
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Decoded(c.text), c.codePoints) << c.text;
    }
}

TEST(Utf8, WholeTextsAreWellFormedOnlyWithoutAMalformedSequenceAnywhere) {
    const std::string ascii = "<definitions name='Orders'>";
    const std::string chinese = "<服务 名称='订单'>";
    EXPECT_TRUE(IsWellFormedUtf8(""));
    EXPECT_TRUE(IsWellFormedUtf8(ascii + chinese + ascii + "\xF0\x9F\x98\x80"));
    // Past the eight-byte ASCII steps, inside them, and at the very end.
    EXPECT_FALSE(IsWellFormedUtf8(ascii + "\xED\xA0\x80" + ascii));
    EXPECT_FALSE(IsWellFormedUtf8("abc\xC0\x80" "defgh"));
    EXPECT_FALSE(IsWellFormedUtf8(ascii + chinese + "\xE4\xB8"));
}

} // namespace
} // namespace quorvel
