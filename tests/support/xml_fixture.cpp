#include "xml_fixture.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace quorvel::test {

std::string ReadTestData(const std::string& relativePath) {
    std::ifstream in(std::string(QUORVEL_TEST_DATA_DIR) + "/" + relativePath, std::ios::binary);
    EXPECT_TRUE(in.good()) << "missing test data " << relativePath;
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

XmlDocument ParseOrFail(const std::string& text) {
    ParseResult parsed = ParseXmlText(text);
    EXPECT_TRUE(parsed.ok()) << parsed.reason;
    return std::move(parsed.document);
}

} // namespace quorvel::test
