// Inputs that are not what a description should be: too deep, random, wrongly encoded, oversized.
#include "hostile_load.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>

namespace quorvel::test {
namespace {

const std::string kParseFailurePrefix = "XML 解析失败：";
const std::string kReplacement = "\xEF\xBF\xBD"; // U+FFFD in UTF-8

std::string SmallService() {
    return DescribeService("      <xs:element name=\"E\" type=\"xs:string\"/>\n", {{"Send", "E"}});
}

// The parser's reason follows the prefix word for word, with the place where it gave up.
void ExpectParseFailure(const LoadOutcome& outcome, const std::string& reason) {
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.message, kParseFailurePrefix + reason);
    EXPECT_TRUE(outcome.model.empty());
}

TEST(HostileInput, ElementsNestedOneHundredThousandDeepAreRefused) {
    std::string nested;
    nested.reserve(100000 * 7);
    for (int i = 0; i < 100000; ++i) {
        nested += "<a>";
    }
    for (int i = 0; i < 100000; ++i) {
        nested += "</a>";
    }
    LoadOutcome outcome = LoadDocumentBytes(
        DescribeService("      <xs:element name=\"E\" type=\"xs:string\"><xs:annotation><xs:documentation>" +
                            nested + "</xs:documentation></xs:annotation></xs:element>\n",
                        {{"Send", "E"}}));
    ExpectParseFailure(outcome,
                       "第 5 行，第 831 列：Excessive depth in document: 256 use XML_PARSE_HUGE option");
}

TEST(HostileInput, SixtyFourMebibytesOfRandomBytesAreRefused) {
    std::mt19937_64 random(20261207);
    std::string bytes(64u * 1024 * 1024, '\0');
    for (size_t i = 0; i < bytes.size(); i += 8) {
        uint64_t value = random();
        std::memcpy(bytes.data() + i, &value, sizeof value);
    }
    ExpectParseFailure(LoadDocumentBytes(bytes), "第 1 行，第 1 列：Start tag expected, '<' not found");
}

// Without a byte-order mark UTF-16 is read as UTF-8, and the zero bytes make it malformed.
TEST(HostileInput, Utf16WithoutByteOrderMarkIsRefused) {
    std::string text = SmallService();
    // Little-endian text starts "<", zero; big-endian text starts with the zero, which ends it at once.
    for (bool bigEndian : {false, true}) {
        SCOPED_TRACE(bigEndian ? "big-endian" : "little-endian");
        std::string utf16;
        for (char c : text) {
            utf16 += bigEndian ? std::string{'\0', c} : std::string{c, '\0'};
        }
        ExpectParseFailure(LoadDocumentBytes(utf16), bigEndian
                                                         ? "第 1 行，第 1 列：Document is empty"
                                                         : "第 1 行，第 2 列：Char 0x0 out of allowed range");
    }
}

TEST(HostileInput, InvalidUtf8BecomesReplacementCharacters) {
    // A stray continuation byte, an impossible byte and a truncated three-byte sequence in names.
    const std::string name = "Ord\x80"
                             "er\xFF"
                             "Line\xE4\xB8";
    std::string schema = "      <xs:element name=\"Order\"><xs:complexType><xs:sequence>"
                         "<xs:element name=\"" +
                         name +
                         "\" type=\"xs:int\"/>"
                         "</xs:sequence></xs:complexType></xs:element>\n";
    LoadOutcome outcome = LoadDocumentBytes(DescribeService(schema, {{"Send" + name, "Order"}}));
    ASSERT_TRUE(outcome.ok) << outcome.message;
    std::vector<const WsdlOperation*> operations = AllOperations(outcome.model);
    ASSERT_EQ(operations.size(), 1u);
    std::string replaced = "Ord" + kReplacement + "er" + kReplacement + "Line" + kReplacement;
    EXPECT_EQ(operations[0]->name, "Send" + replaced);
    EXPECT_NE(operations[0]->request.find("<urn:" + replaced + ">?</urn:" + replaced + ">"),
              std::string::npos)
        << operations[0]->request;
    ExpectSoundRequests(outcome.model);
}

TEST(HostileInput, TenMegabyteAttributeValue) {
    std::string huge(10u * 1024 * 1024, 'n');
    LoadOutcome outcome = LoadDocumentBytes(DescribeService(
        "      <xs:element name=\"E\" type=\"xs:string\"><xs:annotation><xs:documentation source=\"" + huge +
            "\"/></xs:annotation></xs:element>\n",
        {{"Send", "E"}}));
    ExpectParseFailure(outcome, "第 5 行，第 85 列：AttValue length too long");
}

} // namespace
} // namespace quorvel::test
