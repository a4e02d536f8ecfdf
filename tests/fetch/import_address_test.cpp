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
        const ResolvedImport resolved = ResolveImportLocation(c.holder, c.location);
        EXPECT_TRUE(resolved.ok()) << c.location;
        EXPECT_EQ(resolved.address, c.address) << c.holder << " + " << c.location;
    }
}

TEST(ImportAddress, AFragmentIsNoPartOfTheAddress) {
    const struct {
        std::string holder;
        std::string location;
        std::string address;
    } cases[] = {
        {"http://h/svc?wsdl", "types.xsd#part", "http://h/types.xsd"},
        {"http://h/svc?wsdl", "#part", "http://h/svc?wsdl"},
        {"/srv/a.wsdl", "b.xsd#part", "/srv/b.xsd"},
        {"/srv/a.wsdl", "file:///srv/c.xsd#part", "/srv/c.xsd"},
    };
    for (const auto& c : cases) {
        const ResolvedImport resolved = ResolveImportLocation(c.holder, c.location);
        EXPECT_TRUE(resolved.ok()) << c.location;
        EXPECT_EQ(resolved.address, c.address) << c.location;
    }
    EXPECT_EQ(DocumentKey("http://h/types.xsd#part"), DocumentKey("http://h/types.xsd"));
}

TEST(ImportAddress, RefusesLocationsThatMakeNoAddressOrLeadToAnotherMachine) {
    const struct {
        std::string holder;
        std::string location;
        ImportLocation result;
    } cases[] = {
        {"http://h/svc?wsdl", "  ", ImportLocation::Invalid},
        {"http://h/svc?wsdl", "C:\\types\\a.xsd", ImportLocation::Invalid},
        {"/srv/a.wsdl", "file:///srv/b.xsd%00.png", ImportLocation::Invalid},
        {"/srv/a.wsdl", "//host/share/x.xsd", ImportLocation::NetworkShare},
        {"/srv/a.wsdl", "\\\\host\\share\\x.xsd", ImportLocation::NetworkShare},
        {"/srv/a.wsdl", "/\\host/share/x.xsd", ImportLocation::NetworkShare},
        {"/srv/a.wsdl", "file://host/share/x.xsd", ImportLocation::NetworkShare},
        {"/srv/a.wsdl", "file:////host/share/x.xsd", ImportLocation::NetworkShare},
    };
    for (const auto& c : cases) {
        const ResolvedImport resolved = ResolveImportLocation(c.holder, c.location);
        EXPECT_EQ(resolved.location, c.result) << c.location;
        EXPECT_EQ(resolved.address, "") << c.location;
    }
}

TEST(ImportAddress, FileUrlsWithADriveAreReadAsTheirPlatformReadsThem) {
    const ResolvedImport resolved = ResolveImportLocation("service.wsdl", "file:///C:/types/x.xsd");
    EXPECT_TRUE(resolved.ok());
#ifdef _WIN32
    EXPECT_EQ(resolved.address, "C:\\types\\x.xsd");
#else
    EXPECT_EQ(resolved.address, "/C:/types/x.xsd");
#endif
}

TEST(ImportAddress, ChineseFoldersAndNamesStayAsTheyAre) {
    EXPECT_EQ(ResolveImportLocation("/srv/张三/接口/service.wsdl", "../类型/订单.xsd").address,
              "/srv/张三/类型/订单.xsd");
    EXPECT_EQ(DocumentKey("/srv/张三/接口/../类型/订单.xsd"), "/srv/张三/类型/订单.xsd");
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
