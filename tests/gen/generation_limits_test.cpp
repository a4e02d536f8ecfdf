#include "gen/namespace_declaration.h"
#include "gen/sample_writer.h"
#include "model_walk.h"
#include "one_request.h"
#include "xml/namespaces.h"
#include "xml_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace quorvel {
namespace {

// A document/literal description whose one operation sends the global element t:Root.
class GeneratedDescription {
public:
    explicit GeneratedDescription(const std::string& schemaBody)
        : m_document(test::ParseOrFail(
              "<definitions xmlns='http://schemas.xmlsoap.org/wsdl/' "
              "xmlns:soap='http://schemas.xmlsoap.org/wsdl/soap/' "
              "xmlns:xs='http://www.w3.org/2001/XMLSchema' xmlns:t='urn:t' targetNamespace='urn:t'><types>"
              "<xs:schema targetNamespace='urn:t' elementFormDefault='qualified'>" +
              schemaBody +
              "</xs:schema></types><message name='M'><part name='p' element='t:Root'/></message>"
              "<portType name='P'><operation name='Op'><input message='t:M'/></operation></portType>"
              "<binding name='B' type='t:P'><soap:binding style='document'/><operation name='Op'/></binding>"
              "</definitions>")) {
        CollectSchemas(Definitions(), m_index);
    }

    std::string Request(GenerationBudget& budget) const {
        PrefixRegistry registry;
        const xmlNode* binding = FindChildElement(Definitions(), "binding");
        return test::BuildRequestEnvelope(m_index, registry, Definitions(), binding, "Op", budget);
    }

    // The lines of t:Root alone, written with the given limit, and what they cost.
    std::pair<std::string, size_t> WriteRoot(size_t lineLimit) const {
        PrefixRegistry registry;
        SampleWriter writer(m_index, registry, {lineLimit, RequestTruncatedNote()},
                            {kMaxRequestBytes, RequestBytesTruncatedNote()});
        writer.WriteGlobalElement(m_index.FindElement("urn:t", "Root"), 0, 1, 1);
        return {writer.Lines().text, writer.LinesSpent()};
    }

    // The lines of t:Root alone, written within the given bytes, and their bytes with the declarations.
    std::pair<std::string, size_t> WriteRootWithin(size_t byteLimit) const {
        PrefixRegistry registry;
        SampleWriter writer(m_index, registry, {kMaxRequestLines, RequestTruncatedNote()},
                            {byteLimit, RequestBytesTruncatedNote()});
        writer.WriteGlobalElement(m_index.FindElement("urn:t", "Root"), 0, 1, 1);
        size_t bytes = writer.Lines().text.size();
        for (const auto& [namespaceName, prefix] : registry.Declarations()) {
            bytes += DeclarationBytes(prefix, namespaceName);
        }
        return {writer.Lines().text, bytes};
    }

private:
    const xmlNode* Definitions() const { return xmlDocGetRootElement(m_document.get()); }
    XmlDocument m_document;
    SchemaIndex m_index;
};

// Root holds rows of the same type, each with 150 leaves: about 152 lines per row.
std::string RowsSchema(int rows) {
    std::string body = "<xs:element name='Root'><xs:complexType><xs:sequence>";
    for (int i = 0; i < rows; ++i) {
        body += "<xs:element name='row' type='t:Row'/>";
    }
    body += "</xs:sequence></xs:complexType></xs:element><xs:complexType name='Row'><xs:sequence>";
    for (int i = 0; i < 150; ++i) {
        body += "<xs:element name='c" + std::to_string(i) + "' type='xs:string'/>";
    }
    return body + "</xs:sequence></xs:complexType>";
}

size_t Occurrences(const std::string& text, const std::string& part) {
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

TEST(GenerationLimits, RequestStopsAtItsLineBoundAndStaysWellFormed) {
    GenerationBudget budget;
    const std::string complete = GeneratedDescription(RowsSchema(100)).Request(budget);
    EXPECT_EQ(test::CountLines(complete), 5 + 2 + 100 * 152u);
    EXPECT_EQ(Occurrences(complete, "truncated"), 0u);

    const std::string cut = GeneratedDescription(RowsSchema(1000)).Request(budget);
    EXPECT_LE(test::CountLines(cut), kMaxRequestLines);
    EXPECT_GE(test::CountLines(cut), kMaxRequestLines - 2);
    EXPECT_EQ(Occurrences(cut, RequestTruncatedNote()), 1u);
    EXPECT_TRUE(ParseXmlText(cut).ok());
    EXPECT_TRUE(cut.ends_with("\n      </urn:Root>\n   </soapenv:Body>\n</soapenv:Envelope>"));
    EXPECT_EQ(budget.loadLinesLeft,
              kMaxLoadLines - (test::CountLines(complete) - 5) - (test::CountLines(cut) - 5));
}

TEST(GenerationLimits, RequestStopsAtItsByteBoundWithRoomForItsClosingLines) {
    const size_t limit = 5000;
    const auto [text, bytes] = GeneratedDescription(RowsSchema(10)).WriteRootWithin(limit);
    EXPECT_LE(bytes, limit);
    // Short of the bound by no more than the room kept for a note at the deepest level and one line.
    EXPECT_GT(bytes, limit - 1000);
    EXPECT_EQ(Occurrences(text, "\n      " + RequestBytesTruncatedNote()), 1u);
    EXPECT_TRUE(text.ends_with("\n   </urn:row>\n</urn:Root>"));
}

TEST(GenerationLimits, SpentLoadLeavesOnlyTheNoteInTheBody) {
    GeneratedDescription description(RowsSchema(10));
    GenerationBudget budget{40};
    const std::string cut = description.Request(budget);
    EXPECT_LE(test::CountLines(cut), 40u + 5);
    EXPECT_EQ(Occurrences(cut, LoadTruncatedNote()), 1u);
    EXPECT_TRUE(ParseXmlText(cut).ok());
    EXPECT_EQ(budget.loadLinesLeft, 0u);

    EXPECT_EQ(description.Request(budget),
              "<soapenv:Envelope xmlns:soapenv=\"http://schemas.xmlsoap.org/soap/envelope/\">\n"
              "   <soapenv:Header/>\n   <soapenv:Body>\n"
              "      <!--Sample truncated: more than 4000000 lines in this description-->\n"
              "   </soapenv:Body>\n</soapenv:Envelope>");
}

TEST(GenerationLimits, DeepNestingEndsInAnEmptyElement) {
    std::string body = "<xs:element name='Root' type='t:T0'/>";
    for (int i = 0; i < 300; ++i) {
        body += "<xs:complexType name='T" + std::to_string(i) +
                "'><xs:sequence><xs:element name='e' type='t:T" + std::to_string(i + 1) +
                "'/><xs:element name='s' type='t:Code'/></xs:sequence></xs:complexType>";
    }
    body += "<xs:simpleType name='Code'><xs:restriction base='xs:string'/></xs:simpleType>";
    GenerationBudget budget;
    const std::string request = GeneratedDescription(body).Request(budget);
    EXPECT_TRUE(ParseXmlText(request).ok());
    // The envelope is level 1 at no indentation: level 256 is indented 255 times.
    const std::string deepest = "\n" + std::string(3 * (kMaxNestingDepth - 1), ' ') + "<urn:e/>\n";
    EXPECT_EQ(Occurrences(request, deepest), 1u);
    // A simple type has no content to nest: still the placeholder at the deepest level.
    const std::string deepestSimple = std::string(3 * (kMaxNestingDepth - 1), ' ') + "<urn:s>?</urn:s>\n";
    EXPECT_EQ(Occurrences(request, deepest + deepestSimple), 1u);
    EXPECT_EQ(Occurrences(request, "\n" + std::string(3 * kMaxNestingDepth, ' ')), 0u);
}

TEST(GenerationLimits, LongExtensionChainsEndWithoutExhaustingTheStack) {
    std::string body = "<xs:element name='Root' type='t:X0'/>";
    for (int i = 0; i < 4000; ++i) {
        body += "<xs:complexType name='X" + std::to_string(i) +
                "'><xs:complexContent><xs:extension base='t:X" + std::to_string(i + 1) +
                "'><xs:sequence><xs:element name='f'/></xs:sequence></xs:extension>"
                "</xs:complexContent></xs:complexType>";
    }
    GenerationBudget budget;
    const std::string request = GeneratedDescription(body).Request(budget);
    EXPECT_TRUE(ParseXmlText(request).ok());
    const size_t written = Occurrences(request, "<urn:f/>");
    EXPECT_GT(written, 100u);
    EXPECT_LE(written, static_cast<size_t>(kMaxWriterRecursion));
}

TEST(GenerationLimits, DroppedLinesCountSoThatNestedDropsStayBounded) {
    // Each type writes ten elements of the next and then drops them for its simple content:
    // without counting the dropped lines this would take 10^30 steps.
    std::string body = "<xs:element name='Root' type='t:D0'/>";
    for (int i = 0; i < 30; ++i) {
        body += "<xs:complexType name='D" + std::to_string(i) + "'><xs:sequence>";
        for (int j = 0; j < 10; ++j) {
            body += "<xs:element name='d' type='t:D" + std::to_string(i + 1) + "'/>";
        }
        body += "</xs:sequence><xs:simpleContent><xs:extension base='xs:string'/></xs:simpleContent>"
                "</xs:complexType>";
    }
    GenerationBudget budget;
    const std::string request = GeneratedDescription(body).Request(budget);
    EXPECT_TRUE(ParseXmlText(request).ok());
    EXPECT_EQ(Occurrences(request, RequestTruncatedNote()), 1u);
    EXPECT_LE(kMaxLoadLines - budget.loadLinesLeft, kMaxRequestLines);
}

TEST(GenerationLimits, StepsThatWriteNothingCountToo) {
    // Every row walks a chain of 100 bases that add nothing: 200 rows take twenty thousand steps for
    // two hundred lines, more than a limit of 1000 lines allows.
    std::string body = "<xs:element name='Root'><xs:complexType><xs:sequence>";
    for (int i = 0; i < 200; ++i) {
        body += "<xs:element name='row' type='t:X0'/>";
    }
    body += "</xs:sequence></xs:complexType></xs:element>";
    for (int i = 0; i < 100; ++i) {
        body += "<xs:complexType name='X" + std::to_string(i) +
                "'><xs:complexContent><xs:extension base='t:X" + std::to_string(i + 1) +
                "'/></xs:complexContent></xs:complexType>";
    }
    const size_t limit = 1000;
    auto [lines, spent] = GeneratedDescription(body).WriteRoot(limit);
    EXPECT_EQ(Occurrences(lines, "\n   " + RequestTruncatedNote()), 1u);
    EXPECT_LT(Occurrences(lines, "<urn:row/>"), 200u);
    EXPECT_GE(spent, limit - 2);
}

} // namespace
} // namespace quorvel
