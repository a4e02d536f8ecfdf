// Descriptions that are well-formed but huge in what they ask for: many operations, a long chain of
// types, a type graph that doubles at every level. Requests must stay within their bounds and sound.
#include "gen/generation_limits.h"
#include "hostile_load.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace quorvel::test {
namespace {

const std::string kRequestNote = "<!--Sample truncated: more than 100000 lines-->";

// Global element Root of type T0; T0 to T(length - 1) each hold one element of the next type.
std::string ChainSchema(int length) {
    std::string schema = "      <xs:element name=\"Root\" type=\"tns:T0\"/>\n";
    for (int i = 0; i < length; ++i) {
        std::string next = i + 1 < length ? "tns:T" + std::to_string(i + 1) : "xs:string";
        schema += "      <xs:complexType name=\"T" + std::to_string(i) +
                  "\"><xs:sequence><xs:element name=\"e" + std::to_string(i) + "\" type=\"" + next +
                  "\"/></xs:sequence></xs:complexType>\n";
    }
    return schema;
}

// Global element Root of type D0; each D(i) holds two elements of type D(i + 1): 2^levels leaves.
std::string DoublingSchema(int levels) {
    std::string schema = "      <xs:element name=\"Root\" type=\"tns:D0\"/>\n";
    for (int i = 0; i < levels; ++i) {
        std::string next = i + 1 < levels ? "tns:D" + std::to_string(i + 1) : "xs:string";
        schema += "      <xs:complexType name=\"D" + std::to_string(i) +
                  "\"><xs:sequence>"
                  "<xs:element name=\"l\" type=\"" +
                  next + "\"/><xs:element name=\"r\" type=\"" + next +
                  "\"/></xs:sequence></xs:complexType>\n";
    }
    return schema;
}

// Global element Root of type W0; W0 and W1 hold a hundred elements of the next type each: a million short
// leaf lines.
std::string WideSchema() {
    std::string schema = "      <xs:element name=\"Root\" type=\"tns:W0\"/>\n";
    for (int i = 0; i < 3; ++i) {
        const std::string next = i < 2 ? "tns:W" + std::to_string(i + 1) : "xs:string";
        schema += "      <xs:complexType name=\"W" + std::to_string(i) + "\"><xs:sequence>";
        for (int j = 0; j < 100; ++j) {
            schema += "<xs:element name=\"w\" type=\"" + next + "\"/>";
        }
        schema += "</xs:sequence></xs:complexType>\n";
    }
    return schema;
}

// Global element Root of type C0; C0 to C(chain - 1) each hold one element of the next type, the last
// one of type F0; F0 to F(levels - 1) each hold two elements of the next type, their names nameLength
// letters long: 2^levels leaves deep down, every line long.
std::string LongLineSchema(int chain, int levels, size_t nameLength) {
    std::string schema = "      <xs:element name=\"Root\" type=\"tns:C0\"/>\n";
    for (int i = 0; i < chain; ++i) {
        const std::string next = i + 1 < chain ? "tns:C" + std::to_string(i + 1) : "tns:F0";
        schema += "      <xs:complexType name=\"C" + std::to_string(i) +
                  "\"><xs:sequence><xs:element name=\"c\" type=\"" + next +
                  "\"/></xs:sequence></xs:complexType>\n";
    }
    for (int i = 0; i < levels; ++i) {
        const std::string next = i + 1 < levels ? "tns:F" + std::to_string(i + 1) : "xs:string";
        schema += "      <xs:complexType name=\"F" + std::to_string(i) +
                  "\"><xs:sequence><xs:element name=\"" + std::string(nameLength, 'l') + "\" type=\"" + next +
                  "\"/><xs:element name=\"" + std::string(nameLength, 'r') + "\" type=\"" + next +
                  "\"/></xs:sequence></xs:complexType>\n";
    }
    return schema;
}

std::string SpentRequest(const std::string& note) {
    return "<soapenv:Envelope xmlns:soapenv=\"http://schemas.xmlsoap.org/soap/envelope/\">\n"
           "   <soapenv:Header/>\n   <soapenv:Body>\n      " +
           note + "\n   </soapenv:Body>\n</soapenv:Envelope>";
}

std::vector<OperationSpec> Operations(int count, const std::string& element) {
    std::vector<OperationSpec> operations;
    for (int i = 0; i < count; ++i) {
        operations.emplace_back("Op" + std::to_string(i), element);
    }
    return operations;
}

size_t CountOf(const std::vector<std::string>& lines, const std::string& text) {
    return std::count_if(lines.begin(), lines.end(),
                         [&](const std::string& line) { return line.find(text) != std::string::npos; });
}

TEST(HostileGeneration, TwentyThousandOperationsAreAllListed) {
    LoadOutcome outcome = LoadDocumentBytes(
        DescribeService("      <xs:element name=\"E\" type=\"xs:string\"/>\n", Operations(20000, "E")));
    ASSERT_TRUE(outcome.ok) << outcome.message;
    std::vector<const WsdlOperation*> operations = AllOperations(outcome.model);
    ASSERT_EQ(operations.size(), 20000u);
    const std::string expected =
        "<soapenv:Envelope xmlns:soapenv=\"http://schemas.xmlsoap.org/soap/envelope/\""
        " xmlns:urn=\"urn:hostile\">\n   <soapenv:Header/>\n   <soapenv:Body>\n"
        "      <urn:E>?</urn:E>\n   </soapenv:Body>\n</soapenv:Envelope>";
    for (size_t i = 0; i < operations.size(); ++i) {
        ASSERT_EQ(operations[i]->name, "Op" + std::to_string(i));
        ASSERT_EQ(operations[i]->request, expected) << operations[i]->name;
    }
}

TEST(HostileGeneration, ChainOfOneHundredThousandTypesStopsAtTheNestingBound) {
    LoadOutcome outcome = LoadDocumentBytes(DescribeService(ChainSchema(100000), {{"Send", "Root"}}));
    ASSERT_TRUE(outcome.ok) << outcome.message;
    std::vector<const WsdlOperation*> operations = AllOperations(outcome.model);
    ASSERT_EQ(operations.size(), 1u);
    const std::string& request = operations[0]->request;
    ExpectSoundRequests(outcome.model);
    // The whole request, Envelope and Body included, nests no deeper than the bound.
    EXPECT_EQ(ElementNesting(request), kMaxNestingDepth);
    // The one element written empty is the one at the bound, where the chain is cut.
    std::vector<std::string> empties;
    for (const std::string& line : RequestLines(request)) {
        if (line.ends_with("/>") && line.find("<urn:e") != std::string::npos) {
            empties.push_back(line);
        }
    }
    ASSERT_EQ(empties.size(), 1u);
    // Envelope, Body and Root come before e0, so the element at level n is e(n - 4).
    EXPECT_EQ(empties[0], std::string(3 * (kMaxNestingDepth - 1), ' ') + "<urn:e" +
                              std::to_string(kMaxNestingDepth - 4) + "/>");
}

TEST(HostileGeneration, DoublingTypesAreCutAtTheRequestBound) {
    LoadOutcome outcome = LoadDocumentBytes(DescribeService(DoublingSchema(40), {{"Send", "Root"}}));
    ASSERT_TRUE(outcome.ok) << outcome.message;
    std::vector<const WsdlOperation*> operations = AllOperations(outcome.model);
    ASSERT_EQ(operations.size(), 1u);
    std::vector<std::string> lines = RequestLines(operations[0]->request);
    EXPECT_LE(lines.size(), kMaxRequestLines);
    EXPECT_GT(lines.size(), kMaxRequestLines - 100);
    EXPECT_EQ(CountOf(lines, kRequestNote), 1u);
    // The sample starts out in full: Root, then the left branch all the way down.
    EXPECT_EQ(lines[3], "      <urn:Root>");
    EXPECT_EQ(lines[4], "         <urn:l>");
    EXPECT_EQ(lines[3 + 40], std::string(3 * (40 + 2), ' ') + "<urn:l>?</urn:l>");
    ExpectSoundRequests(outcome.model);
}

// Also: the requests do not depend on how many threads build them, even where the budget runs out.
TEST(HostileGeneration, OneLoadStopsAtItsLineBound) {
    const int operationCount = static_cast<int>(kMaxLoadLines / kMaxRequestLines) + 5;
    // Lines short enough that the load's lines run out before its bytes.
    const std::string description = DescribeService(WideSchema(), Operations(operationCount, "Root"));
    LoadOptions oneThread;
    oneThread.buildThreads = 1;
    LoadOptions threeThreads;
    threeThreads.buildThreads = 3;
    LoadOutcome outcome = LoadDocumentBytes(description, threeThreads);
    ASSERT_TRUE(outcome.ok) << outcome.message;
    EXPECT_TRUE(LoadDocumentBytes(description, oneThread).model == outcome.model);
    std::vector<const WsdlOperation*> operations = AllOperations(outcome.model);
    ASSERT_EQ(operations.size(), static_cast<size_t>(operationCount));
    // Every request keeps its five envelope lines; one note may stand where a request was cut.
    size_t generatedLines = 0;
    for (const WsdlOperation* operation : operations) {
        generatedLines += CountLines(operation->request) - 5;
    }
    EXPECT_LE(generatedLines, kMaxLoadLines + operations.size());
    // Once the load's lines are spent, a request keeps its envelope around one comment.
    EXPECT_EQ(operations.back()->request, SpentRequest(LoadTruncatedNote()));
    ExpectSoundRequests(outcome.model);
}

// Batch mode and --request build requests only up to the one asked for; past the end of the budget, too,
// each of those is the full load's request.
TEST(HostileGeneration, BuildingUpToAnOperationGivesTheFullLoadsRequests) {
    const int operationCount = static_cast<int>(kMaxLoadLines / kMaxRequestLines) + 5;
    const std::string description = DescribeService(WideSchema(), Operations(operationCount, "Root"));
    const LoadOutcome full = LoadDocumentBytes(description);
    ASSERT_TRUE(full.ok) << full.message;
    const size_t target = static_cast<size_t>(operationCount) - 2;
    LoadOptions upTo;
    upTo.buildUpTo = RequestTarget{"Binding", "Op" + std::to_string(target)};
    const LoadOutcome partial = LoadDocumentBytes(description, upTo);
    ASSERT_TRUE(partial.ok) << partial.message;
    const std::vector<const WsdlOperation*> expected = AllOperations(full.model);
    const std::vector<const WsdlOperation*> operations = AllOperations(partial.model);
    ASSERT_EQ(operations.size(), expected.size());
    EXPECT_NE(expected[target]->request.find(LoadTruncatedNote()), std::string::npos); // past the budget
    for (size_t i = 0; i < operations.size(); ++i) {
        EXPECT_EQ(operations[i]->request, i <= target ? expected[i]->request : "") << i;
    }
}

// Lines within every line bound but long: a chain of 235 types, a fan-out of 2^18 below it, sixty
// operations; once with one-letter names, once with names of 2,000 letters. The requests stop at their
// bytes, the load at its bytes, whatever the number of threads.
TEST(HostileGeneration, LongLinesStopAtTheByteBounds) {
    for (const size_t nameLength : {size_t{1}, size_t{2000}}) {
        const std::string description =
            DescribeService(LongLineSchema(235, 18, nameLength), Operations(60, "Root"));
        LoadOptions threeThreads;
        threeThreads.buildThreads = 3;
        LoadOutcome outcome = LoadDocumentBytes(description, threeThreads);
        ASSERT_TRUE(outcome.ok) << outcome.message;
        std::vector<const WsdlOperation*> operations = AllOperations(outcome.model);
        ASSERT_EQ(operations.size(), 60u);
        size_t loadBytes = 0;
        for (const WsdlOperation* operation : operations) {
            EXPECT_LE(operation->request.size(), kMaxRequestBytes) << operation->name;
            loadBytes += operation->request.size();
        }
        const std::string spent = SpentRequest(LoadBytesTruncatedNote());
        EXPECT_LE(loadBytes, kMaxLoadBytes + operations.size() * spent.size());
        EXPECT_NE(operations.front()->request.find(RequestBytesTruncatedNote()), std::string::npos);
        EXPECT_EQ(operations.back()->request, spent);
        ExpectSoundRequests(outcome.model);
        if (nameLength == 1) {
            LoadOptions oneThread;
            oneThread.buildThreads = 1;
            EXPECT_TRUE(LoadDocumentBytes(description, oneThread).model == outcome.model);
        }
    }
}

} // namespace
} // namespace quorvel::test
