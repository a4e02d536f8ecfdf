#include "fetch/text_decoding.h"

#include <gtest/gtest.h>

#include <string>

namespace quorvel {
namespace {

using namespace std::string_literals;

// "中文" in UTF-8, GBK and Big5.
const std::string kZhongWenUtf8 = "\xE4\xB8\xAD\xE6\x96\x87";
const std::string kZhongWenGbk = "\xD6\xD0\xCE\xC4";
const std::string kZhongWenBig5 = "\xA4\xA4\xA4\xE5";

std::string Declared(const std::string& encoding, const std::string& body) {
    return "<?xml version=\"1.0\" encoding=\"" + encoding + "\"?><a>" + body + "</a>";
}

// Decodes from a view of the bytes, and again taking a copy of them over: both give the same text.
std::string Decode(const std::string& bytes) {
    std::string text = "stale";
    std::string message;
    EXPECT_TRUE(DecodeDocumentText(bytes, text, message)) << message;
    std::string taken = "stale";
    EXPECT_TRUE(DecodeDocumentText(std::string(bytes), taken, message)) << message;
    EXPECT_EQ(taken, text);
    return text;
}

TEST(TextDecodingTest, DetectsEncodingName) {
    const struct {
        std::string bytes;
        const char* name;
    } cases[] = {
        {"<?xml version='1.0' encoding='GB2312'?>", "gb2312"},
        {"<?xml version=\"1.0\" encoding=\"Big5\"?>", "big5"},
        {"\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"gbk\"?>", "utf-8"},
        {"<?xml version=\"1.0\"?>", "utf-8"},
        {"<?xml version=\"1.0\" encoding=\"gbk?>", "utf-8"}, // unbalanced
        {"<?xml version=\"1.0\" encoding=gbk?>", "utf-8"},   // unquoted, no quote after it
        {"<?xml encoding=\"gbk' ?>", "utf-8"},               // the first quote is never closed
        {"<?xml encoding='gb\"k'?>", "gb\"k"},               // the first quote decides which one closes
        {"<!-- encoding --><a b='GBK'/>", "gbk"}, // any "encoding" counts, not only the declaration's
        {"<?xml encoding=\"\"?>", ""},
        {"<a>" + std::string(200, ' ') + "encoding=\"gbk\"</a>", "utf-8"}, // beyond 200 bytes
        {std::string(190, ' ') + "encoding=\"gbk\"", "utf-8"},             // the closing quote is beyond
        {"<?xml\0 encoding=\"gbk\"?>"s, "utf-8"},                          // a zero byte ends the search
        {"", "utf-8"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DetectEncodingName(c.bytes), c.name) << c.bytes;
    }
}

TEST(TextDecodingTest, MapsEncodingNamesToCodePages) {
    const struct {
        const char* name;
        int codePage;
    } cases[] = {
        {"utf-8", 65001},      {"gb2312", 936}, {"gbk", 936},        {"gb18030", 936},
        {"x-gbk", 936},        {"big5", 950},   {"big5-hkscs", 950}, {"utf-16", 65001},
        {"iso-8859-1", 65001}, {"", 65001},     {"utf-8-gb", 65001}, // "utf-8" is tested first
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CodePageForEncoding(c.name), c.codePage) << c.name;
    }
}

TEST(TextDecodingTest, DecodesByMarkAndDeclaration) {
    const struct {
        const char* what;
        std::string bytes;
        std::string text;
    } cases[] = {
        {"UTF-16LE with mark", "\xFF\xFE<\0a\0>\0-\x4E\x87\x65"s, "<a>" + kZhongWenUtf8},
        {"UTF-16BE with mark", "\xFE\xFF\0<\0a\0>\x4E-\x65\x87"s, "<a>" + kZhongWenUtf8},
        {"UTF-16LE odd last byte ignored",
         "\xFF\xFE"
         "a\0b"s,
         "a"},
        {"UTF-16 mark only", "\xFF\xFE", ""},
        {"UTF-16 unpaired surrogate",
         "\xFF\xFE\x00\xD8"
         "a\0"s,
         "\xEF\xBF\xBD"
         "a"},
        {"UTF-8 mark wins over gbk", "\xEF\xBB\xBF" + Declared("gbk", kZhongWenUtf8),
         Declared("gbk", kZhongWenUtf8)},
        {"GB2312", Declared("GB2312", kZhongWenGbk), Declared("GB2312", kZhongWenUtf8)},
        {"GBK", Declared("GBK", kZhongWenGbk), Declared("GBK", kZhongWenUtf8)},
        {"GB18030", Declared("gb18030", kZhongWenGbk), Declared("gb18030", kZhongWenUtf8)},
        {"GBK as Windows: 0x80 is the euro sign", Declared("gbk", "\x80"), Declared("gbk", "\xE2\x82\xAC")},
        {"Big5", Declared("Big5", kZhongWenBig5), Declared("Big5", kZhongWenUtf8)},
        {"single quotes", "<?xml version='1.0' encoding='gbk'?>" + kZhongWenGbk,
         "<?xml version='1.0' encoding='gbk'?>" + kZhongWenUtf8},
        {"windows-1252 read as UTF-8", Declared("windows-1252", "caf\xE9"),
         Declared("windows-1252", "caf\xEF\xBF\xBD")},
        {"ISO-8859-1 read as UTF-8", Declared("ISO-8859-1", "\xFC"), Declared("ISO-8859-1", "\xEF\xBF\xBD")},
        {"UTF-16 declared without mark", Declared("UTF-16", kZhongWenUtf8),
         Declared("UTF-16", kZhongWenUtf8)},
        {"unbalanced quotes fall back to UTF-8", "<?xml encoding=\"gbk?>" + kZhongWenUtf8,
         "<?xml encoding=\"gbk?>" + kZhongWenUtf8},
        {"gbk beyond 200 bytes unseen", std::string(200, ' ') + "encoding=\"gbk\"" + kZhongWenUtf8,
         std::string(200, ' ') + "encoding=\"gbk\"" + kZhongWenUtf8},
        {"UTF-16 without mark is read as UTF-8", "<\0a\0>\0"s, "<\0a\0>\0"s},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Decode(c.bytes), c.text) << c.what;
    }
}

TEST(TextDecodingTest, FailsOnlyWhenNothingIsLeft) {
    for (const std::string& bytes : {"\xEF\xBB\xBF"s, ""s}) {
        std::string text = "stale";
        std::string message;
        EXPECT_FALSE(DecodeDocumentText(bytes, text, message));
        EXPECT_EQ(message, "文本编码转换失败。");
        EXPECT_EQ(text, "");
        std::string taken = "stale";
        EXPECT_FALSE(DecodeDocumentText(std::string(bytes), taken, message));
        EXPECT_EQ(taken, "");
    }
}

} // namespace
} // namespace quorvel
