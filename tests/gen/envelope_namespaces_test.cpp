#include "one_request.h"
#include "xml/namespaces.h"
#include "xml_fixture.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

// The request of the one document style operation Op, whose input message holds the given parts.
std::string RequestWithParts(const std::string& namespaceDeclarations, const std::string& parts) {
    XmlDocument document = test::ParseOrFail(
        "<definitions xmlns='http://schemas.xmlsoap.org/wsdl/' "
        "xmlns:soap='http://schemas.xmlsoap.org/wsdl/soap/' xmlns:t='urn:t' targetNamespace='urn:t' " +
        namespaceDeclarations + "><message name='M'>" + parts +
        "</message><portType name='P'><operation name='Op'><input message='t:M'/></operation></portType>"
        "<binding name='B' type='t:P'><soap:binding style='document'/></binding></definitions>");
    const xmlNode* definitions = xmlDocGetRootElement(document.get());
    SchemaIndex index;
    PrefixRegistry registry;
    GenerationBudget budget;
    return test::BuildRequestEnvelope(index, registry, definitions, FindChildElement(definitions, "binding"),
                                      "Op", budget);
}

TEST(EnvelopeNamespaces, XmlPrefixOfAPartCountsOnlyUnderTheDocumentsOwnDeclaration) {
    const std::string request =
        RequestWithParts("", "<part name='a' element='xml:item' xmlns:xml='" + std::string(NS_XML) +
                                 "'/><part name='b' element='xml:other'/>");
    EXPECT_NE(request.find("\n      <xml:item/>\n"), std::string::npos) << request;
    EXPECT_NE(request.find("\n      <urn:other/>\n"), std::string::npos) << request;
    EXPECT_EQ(request.find("xmlns:xml"), std::string::npos) << request;
}

TEST(EnvelopeNamespaces, DeclarationsKeepTabLineFeedAndCarriageReturn) {
    const std::string request = RequestWithParts("xmlns:n='urn:a&#9;b&#10;c&#13;d&amp;&lt;&quot;e'",
                                                 "<part name='a' element='n:X'/>");
    EXPECT_NE(request.find("=\"urn:a&#9;b&#10;c&#13;d&amp;&lt;&quot;e\""), std::string::npos) << request;
    // Read back, the body element is in exactly the namespace the description named.
    XmlDocument parsed = test::ParseOrFail(request);
    const xmlNode* body = FindChildElement(xmlDocGetRootElement(parsed.get()), "Body");
    EXPECT_EQ(NamespaceName(FindChildElement(body, "X")), "urn:a\tb\nc\rd&<\"e");
}

} // namespace
} // namespace quorvel
