#include "xml/namespaces.h"
#include "xml/prefix_registry.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

struct DeriveCase {
    const char* namespaceName;
    const char* prefix;
};

TEST(DerivePrefix, FollowsTheSegmentRules) {
    const DeriveCase cases[] = {
        {"http://www.w3.org/2003/05/soap-envelope", "soap"},
        {"http://example.com/Types", "typ"},
        {"http://example.com/StockQuote", "stoc"},
        {"http://example.com/queue", "que"},
        {"http://example.com/weather.svc", "weat"},
        {"http://example.com/my-service", "my"},
        {"http://example.com/api2", "api2"},
        {"http://example.com/_internal", "_in"},
        {"http://example.com/XMLSchema", "xs"},
        {"http://example.com/xmldsig", "xd"},
        {"http://example.com/xml", "ns"},
        {"http://example.com/09", "ns"},
        {"urn:shop:orders", "urn"},
        {"http://example.com/orders/", "ord"},
        {"http://www.example.com", "exam"},
        {"http://WWW.Example.com", "exam"},
        {"http://example.com/2024/", "ns"},
        {"", "ns"},
        {"/Quotes", "quot"},
        {"http://example.com/123abc", "abc"},
        {"http://example.com/Über", "über"},
        // Characters that cannot stand in a prefix never reach it.
        {"http://example.com/xml/", "ns"},
        {"http://example.com/xml#frag", "ns"},
        {"http://example.com/xml.svc", "x."},
        {"http://example.com/xml-rpc", "x-"},
        {"http://example.com/ªbc", "ns"},
        {NS_XSD, "xs"},
        {NS_XSI, "xsi"},
        {NS_WSDL, "wsdl"},
        {NS_SOAPENC, "soapenc"},
        {NS_SOAP11_ENV, "soapenv"},
        {NS_XML, "xml"},
        {NS_WSDL_SOAP11, "soap"},
        {NS_WSDL_SOAP12, "soap"},
    };
    for (const DeriveCase& c : cases) {
        EXPECT_EQ(DerivePrefix(c.namespaceName), c.prefix) << c.namespaceName;
    }
}

// Outside the basic plane: whole code points, never half a surrogate pair. The Windows character calls
// know no letters there, so the Windows build leaves this case out.
TEST(DerivePrefix, LowersLettersBeyondTheBasicPlane) {
    EXPECT_EQ(DerivePrefix("http://example.com/\xF0\x90\x90\x80\xF0\x90\x90\x81x"),
              "\xF0\x90\x90\xA8\xF0\x90\x90\xA9x");
}

TEST(PrefixRegistry, NumbersCollisionsFromTheDerivedText) {
    PrefixRegistry registry;
    EXPECT_EQ(registry.GetPrefix("urn:a"), "urn");
    EXPECT_EQ(registry.GetPrefix("urn:b"), "urn1");
    EXPECT_EQ(registry.GetPrefix("urn:c"), "urn2");
    // This name itself derives "urn1", which is taken: the counter restarts at 1 on that text.
    EXPECT_EQ(registry.GetPrefix("http://example.com/urn1"), "urn11");
    EXPECT_EQ(registry.GetPrefix("urn:a"), "urn");
    EXPECT_EQ(registry.GetPrefix("http://example.com/1"), "ns");
    EXPECT_EQ(registry.GetPrefix("http://example.com/2"), "ns1");
    const std::vector<PrefixRegistry::Declaration> expected = {{"urn:a", "urn"},
                                                               {"urn:b", "urn1"},
                                                               {"urn:c", "urn2"},
                                                               {"http://example.com/urn1", "urn11"},
                                                               {"http://example.com/1", "ns"},
                                                               {"http://example.com/2", "ns1"}};
    EXPECT_EQ(registry.Declarations(), expected);
}

TEST(PrefixRegistry, ReservedAndEmptyNamespacesRecordNothing) {
    PrefixRegistry registry;
    EXPECT_EQ(registry.GetPrefix(""), "");
    EXPECT_EQ(registry.QualifyName("", "Order"), "Order");
    EXPECT_EQ(registry.GetPrefix(NS_XML), "xml");
    EXPECT_TRUE(registry.Declarations().empty());
    // A segment starting with "xml" never yields a reserved prefix.
    EXPECT_EQ(registry.GetPrefix("http://example.com/xmlns"), "xn");
    EXPECT_EQ(registry.QualifyName(NS_XSD, "int"), "xs:int");
    EXPECT_EQ(registry.GetPrefix(NS_XSD), "xs");
    ASSERT_EQ(registry.Declarations().size(), 2u);
    EXPECT_EQ(registry.Declarations()[1], PrefixRegistry::Declaration(NS_XSD, "xs"));
}

TEST(PrefixRegistry, EnvelopeNamespaceComesFirst) {
    PrefixRegistry soap11;
    EXPECT_EQ(soap11.GetPrefix(NS_SOAP11_ENV), "soapenv");
    PrefixRegistry soap12;
    EXPECT_EQ(soap12.GetPrefix(NS_SOAP12_ENV), "soap");
    EXPECT_EQ(soap12.GetPrefix(NS_WSDL_SOAP12), "soap1");
}

} // namespace
} // namespace quorvel
