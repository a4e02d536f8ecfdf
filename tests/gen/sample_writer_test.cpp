#include "gen/declaration_facts.h"
#include "gen/sample_writer.h"
#include "xml/namespaces.h"
#include "xml_fixture.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

// Writes the global element "urn:t" Root of a schema body, at depth 0, and keeps what it registered.
struct Written {
    std::string text;
    std::vector<PrefixRegistry::Declaration> declarations;
};

Written WriteRoot(const std::string& schemaBody,
                  const char* schemaAttributes = "elementFormDefault='qualified'") {
    const std::string text =
        "<definitions xmlns:xs='http://www.w3.org/2001/XMLSchema' xmlns:t='urn:t' "
        "xmlns:o='urn:o'><xs:schema targetNamespace='urn:t' " +
        std::string(schemaAttributes) + ">" + schemaBody +
        "</xs:schema><xs:schema targetNamespace='urn:o'><xs:element name='A' "
        "type='xs:string'/></xs:schema><xs:schema><xs:complexType name='string'><xs:sequence>"
        "<xs:element name='never'/></xs:sequence></xs:complexType></xs:schema></definitions>";
    XmlDocument document = test::ParseOrFail(text);
    SchemaIndex index;
    CollectSchemas(xmlDocGetRootElement(document.get()), index);
    PrefixRegistry registry;
    SampleWriter writer(index, registry, {kMaxRequestLines, RequestTruncatedNote()},
                        {kMaxRequestBytes, RequestBytesTruncatedNote()});
    writer.WriteGlobalElement(index.FindElement("urn:t", "Root"), 0, 1, 1);
    return {writer.Lines().text, registry.Declarations()};
}

struct WriterCase {
    const char* name;
    const char* schemaBody;
    const char* expected;
};

TEST(SampleWriter, WritesEachConstructByItsRule) {
    const WriterCase cases[] = {
        {"built-in name without namespace is never looked up",
         "<xs:element name='Root'><xs:complexType><xs:sequence><xs:element name='s' type='string'/>"
         "</xs:sequence></xs:complexType></xs:element>",
         "\n<urn:Root>\n   <urn:s>?</urn:s>\n</urn:Root>"},
        {"unknown named type is a leaf, untyped element is empty",
         "<xs:element name='Root'><xs:complexType><xs:sequence><xs:element name='u' type='t:None'/>"
         "<xs:element name='e'/></xs:sequence></xs:complexType></xs:element>",
         "\n<urn:Root>\n   <urn:u>?</urn:u>\n   <urn:e/>\n</urn:Root>"},
        {"complex type without element content is empty",
         "<xs:element name='Root'><xs:complexType><xs:sequence><xs:any/></xs:sequence>"
         "<xs:attribute name='a'/></xs:complexType></xs:element>",
         "\n<urn:Root/>"},
        {"choice counts every child element, nested groups add no indentation",
         "<xs:element name='Root'><xs:complexType><xs:sequence><xs:element name='a' type='xs:int'/>"
         "<xs:choice><xs:annotation/><xs:element name='b' type='xs:int'/><xs:sequence>"
         "<xs:element name='c' type='xs:int' minOccurs='0'/></xs:sequence></xs:choice></xs:sequence>"
         "</xs:complexType></xs:element>",
         "\n<urn:Root>\n   <urn:a>?</urn:a>\n   <!--You have a CHOICE of the next 3 items at this level-->\n"
         "   <urn:b>?</urn:b>\n   <!--Optional:-->\n   <urn:c>?</urn:c>\n</urn:Root>"},
        {"simple content drops the lines gathered before it",
         "<xs:element name='Root'><xs:complexType><xs:sequence><xs:element ref='o:A'/></xs:sequence>"
         "<xs:simpleContent><xs:extension "
         "base='xs:string'/></xs:simpleContent></xs:complexType></xs:element>",
         "\n<urn:Root/>"},
        {"extension chain: base of base, base, own particles",
         "<xs:element name='Root' type='t:C'/><xs:complexType name='A'><xs:sequence><xs:element name='a'/>"
         "</xs:sequence></xs:complexType><xs:complexType name='B'><xs:complexContent><xs:extension "
         "base='t:A'>"
         "<xs:sequence><xs:element "
         "name='b'/></xs:sequence></xs:extension></xs:complexContent></xs:complexType>"
         "<xs:complexType name='C'><xs:complexContent><xs:extension base='t:B'><xs:sequence>"
         "<xs:element name='c'/></xs:sequence></xs:extension></xs:complexContent></xs:complexType>",
         "\n<urn:Root>\n   <urn:a/>\n   <urn:b/>\n   <urn:c/>\n</urn:Root>"},
        {"indirect recursion stops at the type already being expanded",
         "<xs:element name='Root' type='t:P'/><xs:complexType name='P'><xs:sequence>"
         "<xs:element name='q' type='t:Q'/></xs:sequence></xs:complexType><xs:complexType name='Q'>"
         "<xs:sequence><xs:element name='p' type='t:P' maxOccurs='2'/></xs:sequence></xs:complexType>",
         "\n<urn:Root>\n   <urn:q>\n      <!--1 to 2 repetitions:-->\n      <urn:p/>\n   "
         "</urn:q>\n</urn:Root>"},
    };
    for (const WriterCase& c : cases) {
        EXPECT_EQ(WriteRoot(c.schemaBody).text, c.expected) << c.name;
    }
}

TEST(SampleWriter, UnqualifiedSchemaLeavesLocalElementsBare) {
    Written written = WriteRoot("<xs:element name='Root'><xs:complexType><xs:sequence><xs:element name='a'/>"
                                "<xs:element name='b' form='qualified'/></xs:sequence></xs:complexType>"
                                "</xs:element>",
                                "");
    EXPECT_EQ(written.text, "\n<urn:Root>\n   <a/>\n   <urn:b/>\n</urn:Root>");
}

TEST(SampleWriter, NamesEnterTheRegistryElementFirstEvenWhenTheirLinesAreDropped) {
    Written written = WriteRoot("<xs:element name='Root'><xs:complexType><xs:sequence><xs:element ref='o:A'/>"
                                "</xs:sequence><xs:simpleContent><xs:extension base='xs:string'/>"
                                "</xs:simpleContent></xs:complexType></xs:element>");
    const std::vector<PrefixRegistry::Declaration> expected = {{"urn:t", "urn"}, {"urn:o", "urn1"}};
    EXPECT_EQ(written.declarations, expected);
}

// Facts handed out stay the facts of the name asked for, whatever names are resolved at the node later.
TEST(DeclarationFacts, TypeNamesResolvedAtOneNodeStayApart) {
    XmlDocument document = test::ParseOrFail("<xs:schema xmlns:xs='http://www.w3.org/2001/XMLSchema' "
                                             "xmlns:t='urn:t' targetNamespace='urn:t'/>");
    const SchemaIndex index;
    DeclarationFacts facts(index);
    const xmlNode* node = xmlDocGetRootElement(document.get());
    const TypeNameFacts& first = facts.TypeName(node, "t:First");
    const TypeNameFacts& second = facts.TypeName(node, "t:Second");
    const TypeNameFacts& third = facts.TypeName(node, "xs:int");
    EXPECT_EQ(first.localName, "First");
    EXPECT_EQ(second.localName, "Second");
    EXPECT_EQ(third.namespaceName, NS_XSD);
    EXPECT_EQ(&facts.TypeName(node, "t:Second"), &second);
}

} // namespace
} // namespace quorvel
