#include "xml/dom.h"
#include "xml/named_children.h"
#include "xml/namespaces.h"
#include "xml_fixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace quorvel {
namespace {

using test::ParseOrFail;

xmlNode* Root(const XmlDocument& document) {
    return xmlDocGetRootElement(document.get());
}

TEST(ParseXmlText, RefusesMalformedTextWithLineAndColumn) {
    ParseResult result = ParseXmlText("<a>\n  <b>\n</a>");
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.reason, "第 3 行，第 5 列：Opening and ending tag mismatch: b line 2 and a");
}

TEST(ParseXmlText, ReasonStaysOnOneLine) {
    ParseResult result = ParseXmlText("<a>\xff</a>");
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.reason,
              "第 1 行，第 4 列：Input is not proper UTF-8, indicate encoding ! Bytes: 0xFF 0x3C 0x2F 0x61");
}

TEST(ParseXmlText, RefusesUndeclaredPrefixes) {
    ParseResult element = ParseXmlText("<a>\n<zz:b/></a>");
    EXPECT_FALSE(element.ok());
    EXPECT_EQ(element.reason, "第 2 行，第 6 列：Namespace prefix zz on b is not defined");
    EXPECT_FALSE(ParseXmlText("<a zz:x='1'/>").ok());
}

TEST(ParseXmlText, IgnoresTheDeclaredEncodingAndKeepsWhitespace) {
    ParseResult result = ParseXmlText("<?xml version='1.0' encoding='ISO-8859-1'?><a> <b>服务</b></a>");
    ASSERT_TRUE(result.ok()) << result.reason;
    xmlNode* root = Root(result.document);
    ASSERT_NE(root->children, nullptr);
    EXPECT_EQ(root->children->type, XML_TEXT_NODE);
    xmlChar* text = xmlNodeGetContent(FindChildElement(root, "b"));
    EXPECT_STREQ(reinterpret_cast<char*>(text), "服务");
    xmlFree(text);
    // A name the parser knows no converter for is ignored as well.
    EXPECT_TRUE(ParseXmlText("<?xml version='1.0' encoding='x-no-such-encoding'?><a/>").ok());
}

// Dropped: whitespace between elements. Kept: an element's only text, and text in mixed content.
TEST(ParseXmlText, DropsOnlyTheWhitespaceBetweenElementsWhenAsked) {
    ParseResult result = ParseXmlText("<a>\n <b> </b>\n <c>x <d/> y</c>\n</a>", BlankText::Drop);
    ASSERT_TRUE(result.ok()) << result.reason;
    xmlNode* root = Root(result.document);
    std::vector<std::string> kept;
    for (xmlNode* node = root->children; node != nullptr; node = node->next) {
        kept.push_back(reinterpret_cast<const char*>(node->name));
    }
    EXPECT_EQ(kept, (std::vector<std::string>{"b", "c"}));
    xmlChar* text = xmlNodeGetContent(root);
    EXPECT_STREQ(reinterpret_cast<char*>(text), " x  y");
    xmlFree(text);
}

TEST(ParseXmlText, ExpandsInternalEntitiesButNeverReadsFiles) {
    ParseResult internal = ParseXmlText("<!DOCTYPE a [<!ENTITY n 'v'>]><a x='&n;'/>");
    ASSERT_TRUE(internal.ok()) << internal.reason;
    EXPECT_EQ(GetAttributeText(Root(internal.document), "x"), "v");

    std::filesystem::path secret = std::filesystem::temp_directory_path() / "quorvel_dom_secret.txt";
    std::ofstream(secret) << "SECRET";
    // file:///tmp/... here, file:///C:/... on Windows.
    const std::string path = secret.generic_string();
    const std::string uri = "file://" + std::string(path.starts_with('/') ? "" : "/") + path;
    std::string text = "<!DOCTYPE a [<!ENTITY s SYSTEM '" + uri + "'>]><a>&s;</a>";
    // Accepted, with the reference left unresolved: the file is never opened.
    ParseResult external = ParseXmlText(text);
    ASSERT_TRUE(external.ok()) << external.reason;
    xmlChar* content = xmlNodeGetContent(Root(external.document));
    EXPECT_EQ(std::string(reinterpret_cast<char*>(content)).find("SECRET"), std::string::npos);
    xmlFree(content);
    std::filesystem::remove(secret);
}

TEST(ParseXmlText, RefusesEntityExpansionBombs) {
    std::string bomb = "<!DOCTYPE a [<!ENTITY e0 'xxxxxxxxxxxxxxxxxxxxxxxxxxxxxx'>";
    for (int level = 1; level < 12; ++level) {
        std::string previous = "&e" + std::to_string(level - 1) + ";";
        std::string body;
        for (int i = 0; i < 10; ++i) {
            body += previous;
        }
        bomb += "<!ENTITY e" + std::to_string(level) + " '" + body + "'>";
    }
    bomb += "]><a>&e11;</a>";
    ParseResult result = ParseXmlText(bomb);
    EXPECT_FALSE(result.ok());
    EXPECT_FALSE(result.reason.empty());
}

TEST(GetAttributeText, MatchesTheQualifiedNameAsWritten) {
    XmlDocument document = ParseOrFail("<a xmlns:w='urn:w' name='plain' w:name='prefixed' empty=''/>");
    xmlNode* root = Root(document);
    EXPECT_EQ(GetAttributeText(root, "name"), "plain");
    EXPECT_EQ(GetAttributeText(root, "w:name"), "prefixed");
    EXPECT_EQ(GetAttributeText(root, "empty"), "");
    EXPECT_EQ(GetAttributeText(root, "missing"), "");
    EXPECT_EQ(GetAttributeText(root, "xmlns:w"), "");
    EXPECT_EQ(GetAttributeText(nullptr, "name"), "");

    XmlDocument onlyPrefixed = ParseOrFail("<a xmlns:w='urn:w' w:name='prefixed'/>");
    EXPECT_EQ(GetAttributeText(Root(onlyPrefixed), "name"), "");
}

TEST(ChildElements, SkipTextCommentsAndMatchByLocalNameOnly) {
    XmlDocument document =
        ParseOrFail("<r xmlns:xs='urn:x' xmlns:xsd='urn:y'>text<!--c--><xs:element name='a'/>"
                    "<?pi?><Element name='b'/><xsd:element name='c'/><element name='c'/></r>");
    xmlNode* root = Root(document);
    DomNodeList list{root};
    GetChildElements(root, list);
    ASSERT_EQ(list.size(), 4u);
    EXPECT_EQ(LocalName(list[1]), "Element");

    FindChildElements(root, "element", list);
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(GetAttributeText(list[0], "name"), "a");
    EXPECT_EQ(NamespaceName(list[0]), "urn:x");
    EXPECT_EQ(NamespaceName(list[1]), "urn:y");

    EXPECT_EQ(FindChildElement(root, "element"), list[0]);
    const NamedChildren elements(root, "element");
    EXPECT_EQ(elements.Find("c"), list[1]);
    EXPECT_EQ(elements.Find("b"), nullptr);
    EXPECT_EQ(FindChildElement(root, "missing"), nullptr);

    GetChildElements(nullptr, list);
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(FindChildElement(nullptr, "element"), nullptr);
    EXPECT_EQ(LocalName(nullptr), "");
    EXPECT_EQ(NamespaceName(nullptr), "");
}

struct QNameCase {
    const char* text;
    const char* namespaceName;
    const char* localName;
};

TEST(ResolveQName, ResolvesAtTheNearestDeclaration) {
    XmlDocument document = ParseOrFail("<r xmlns:tns='urn:outer' xmlns:a='urn:a'>"
                                       "<m xmlns:tns='urn:inner'><c/></m></r>");
    xmlNode* inner = FindChildElement(FindChildElement(Root(document), "m"), "c");
    const QNameCase cases[] = {
        {"tns:Order", "urn:inner", "Order"},
        {"Order", "", "Order"},
        {"a:b:c", "urn:a", "b:c"},
        {"zz:Item", "", "Item"},
        {"xml:lang", "", "lang"},
        {"", "", ""},
        {":x", "", "x"},
    };
    for (const QNameCase& c : cases) {
        std::string namespaceName = "stale", localName = "stale";
        ResolveQName(inner, c.text, namespaceName, localName);
        EXPECT_EQ(namespaceName, c.namespaceName) << c.text;
        EXPECT_EQ(localName, c.localName) << c.text;
    }
}

TEST(LookupNamespaceUri, DefaultNamespaceCanBeSwitchedOff) {
    XmlDocument document = ParseOrFail("<r xmlns='urn:default'><a xmlns=''><b/></a><c/></r>");
    xmlNode* root = Root(document);
    xmlNode* a = FindChildElement(root, "a");
    EXPECT_EQ(LookupNamespaceUri(FindChildElement(a, "b"), ""), "");
    EXPECT_EQ(LookupNamespaceUri(FindChildElement(root, "c"), ""), "urn:default");
    EXPECT_EQ(LookupNamespaceUri(root, "xml"), "");
    EXPECT_EQ(LookupNamespaceUri(nullptr, ""), "");
}

TEST(LookupNamespaceUri, XmlPrefixResolvesOnlyWhereTheDocumentDeclaresIt) {
    // The padding moves the declaring element far into the text, beyond what the parser keeps read.
    const std::string padding(200000, ' ');
    XmlDocument document = ParseOrFail(
        "<!DOCTYPE r [<!ENTITY d \"<d xmlns:xml='http://www.w3.org/XML/1998/namespace'/>\">]><r><!--" +
        padding + "--><a><in xmlns:xml='http://www.w3.org/XML/1998/namespace' b='xmlns:xml=\"x\"'><c/>" +
        "</in><out/></a><e b=' xmlns:xml=\"\"'/>&d;</r>");
    EXPECT_EQ(LookupNamespaceUri(FindChildElement(Root(document), "d"), "xml"), NS_XML);
    xmlNode* a = FindChildElement(Root(document), "a");
    xmlNode* in = FindChildElement(a, "in");
    EXPECT_EQ(LookupNamespaceUri(FindChildElement(in, "c"), "xml"), NS_XML);
    EXPECT_EQ(LookupNamespaceUri(in, "xml"), NS_XML);
    EXPECT_EQ(LookupNamespaceUri(FindChildElement(a, "out"), "xml"), "");
    EXPECT_EQ(LookupNamespaceUri(FindChildElement(Root(document), "e"), "xml"), "");
    EXPECT_EQ(LookupNamespaceUri(a, "xml"), "");
}

} // namespace
} // namespace quorvel
