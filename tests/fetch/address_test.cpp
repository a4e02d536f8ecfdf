#include "fetch/address.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

TEST(AddressTest, OriginsCompareHostAndPort) {
    EXPECT_EQ(UrlOrigin(" HTTP://User:pw@Example.Test/a?b=c"), "http://example.test:80");
    EXPECT_EQ(UrlOrigin("https://example.test:8443#x"), "https://example.test:8443");
    EXPECT_EQ(UrlOrigin("https://[::1]/svc"), "https://[::1]:443");
    EXPECT_EQ(UrlOrigin("http://a@evil.test@example.test:81/"), "http://example.test:81");
    EXPECT_EQ(UrlOrigin("/home/u/a.wsdl"), "");
}

TEST(AddressTest, ClassifiesHttpAddresses) {
    const struct {
        const char* address;
        bool http;
    } cases[] = {
        {"http://example.test/a.wsdl", true},
        {"HTTPS://example.test/a", true},
        {"  \thttp://x/  ", true},
        {"Http://x", true},
        {"http:/x/a.wsdl", false}, // one slash only: a file path
        {"http:/", false},
        {"http", false},
        {"ftp://example.test/a.wsdl", false},
        {"file:///tmp/a.wsdl", false},
        {"/home/u/a.wsdl", false},
        {"\"http://x/\"", false}, // quotes are not removed by the test itself
        {"", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsHttpAddress(c.address), c.http) << c.address;
    }
}

TEST(AddressTest, NormalizesAddresses) {
    const struct {
        const char* address;
        const char* normalized;
    } cases[] = {
        {"  http://example.test/service  ", "http://example.test/service?wsdl"},
        {"http://example.test/service?id=1", "http://example.test/service?id=1&wsdl"},
        {"http://example.test/service?", "http://example.test/service?&wsdl"},
        {"http://example.test/Service.WSDL", "http://example.test/Service.WSDL"},
        {"http://wsdl.example.test/service", "http://wsdl.example.test/service"},
        {"http://example.test/s?format=WsDl", "http://example.test/s?format=WsDl"},
        {"HTTP://Example.Test/Path", "HTTP://Example.Test/Path?wsdl"},
        {"\"http://example.test/a\"", "http://example.test/a?wsdl"},
        {"'https://example.test/a'", "https://example.test/a?wsdl"},
        {"\"' /tmp/my file.wsdl '\"", " /tmp/my file.wsdl "},
        {"  \"C:\\dir\\a.wsdl\"  ", "C:\\dir\\a.wsdl"},
        {"http:/example.test/a", "http:/example.test/a"},
        {"/tmp/it's.wsdl", "/tmp/it's.wsdl"},
        {"\xE3\x80\x80http://example.test/a\xC2\xA0", "http://example.test/a?wsdl"}, // ideographic, no-break
        {"", ""},
        {" \t\r\n ", ""},
        {"\"\"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NormalizeAddress(c.address), c.normalized) << c.address;
    }
}

TEST(AddressTest, TrimLeavesInvalidUtf8AndInnerTextAlone) {
    EXPECT_EQ(TrimWhiteSpace("\xFF a \xFF"), "\xFF a \xFF");
    EXPECT_EQ(TrimWhiteSpace(" \xE4\xB8\xAD "), "\xE4\xB8\xAD");
    EXPECT_EQ(TrimQuotes("'a\"b'"), "a\"b");
}

} // namespace
} // namespace quorvel
