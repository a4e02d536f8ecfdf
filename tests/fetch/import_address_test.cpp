#include "fetch/import_address.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace quorvel {
namespace {

TEST(ImportAddress, ResolvesLocationsAgainstTheHoldingDocument) {
    const std::string service = "http://h:8080/svc/Orders.svc?wsdl";
    const struct {
        std::string holder;
        std::string location;
        std::string address;
    } cases[] = {
        {service, "?xsd=xsd0", "http://h:8080/svc/Orders.svc?xsd=xsd0"},
        {service, "  ?wsdl=wsdl0 ", "http://h:8080/svc/Orders.svc?wsdl=wsdl0"},
        {service, "../types/a.xsd", "http://h:8080/types/a.xsd"},
        {service, "//other/x.xsd", "http://other/x.xsd"},
        {service, "https://secure/x.xsd", "https://secure/x.xsd"},
        {service, "file:///etc/hosts", "file:///etc/hosts"},
        {"/srv/wsdl/service.wsdl", "../types/a.xsd", "/srv/types/a.xsd"},
        {"/srv/wsdl/service.wsdl", "parts/b.xsd", "/srv/wsdl/parts/b.xsd"},
        {"/srv/wsdl/service.wsdl", "/abs/c.xsd", "/abs/c.xsd"},
        {"/srv/wsdl/service.wsdl", "file:///srv/my%20types/d.xsd", "/srv/my types/d.xsd"},
        {"/srv/wsdl/service.wsdl", "file://localhost/e.xsd", "/e.xsd"},
        {"/srv/wsdl/service.wsdl", "http://h/x?xsd=1", "http://h/x?xsd=1"},
        {"service.wsdl", "a.xsd", "a.xsd"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ResolveImportLocation(c.holder, c.location), c.address) << c.holder << " + " << c.location;
    }
    EXPECT_EQ(ResolveImportLocation(service, "  "), std::nullopt);
    EXPECT_EQ(ResolveImportLocation(service, "C:\\types\\a.xsd"), std::nullopt);
}

TEST(ImportAddress, WebDocumentsReadOnlyWebAddressesAndHttpsOnlyHttps) {
    EXPECT_TRUE(MayImport("http://h/a", "http://h/b"));
    EXPECT_TRUE(MayImport("http://h/a", "HTTPS://h/b"));
    EXPECT_FALSE(MayImport("http://h/a", "file:///etc/hosts"));
    EXPECT_FALSE(MayImport("http://h/a", "ftp://h/b"));
    EXPECT_TRUE(MayImport("https://h/a", "https://h/b"));
    EXPECT_FALSE(MayImport("https://h/a", "http://h/b"));
    EXPECT_TRUE(MayImport("/srv/a.wsdl", "/srv/b.xsd"));
    EXPECT_TRUE(MayImport("/srv/a.wsdl", "http://h/b"));
}

TEST(ImportAddress, KnowsADocumentByOneKeyHoweverItIsWritten) {
    EXPECT_EQ(DocumentKey("HTTP://h/svc?wsdl"), DocumentKey("http://h/svc?wsdl"));
    EXPECT_EQ(DocumentKey("/srv/wsdl/../types/a.xsd"), "/srv/types/a.xsd");
    EXPECT_EQ(DocumentKey("a.xsd"), (std::filesystem::current_path() / "a.xsd").string());
}

} // namespace
} // namespace quorvel
