#include "load/service_load.h"
#include "model_walk.h"
#include "xml_fixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

namespace quorvel {
namespace {

// Every request of a fixture description against its golden file "<fixture>.<binding>.<operation>.xml".
class GoldenRequests : public testing::TestWithParam<const char*> {};

std::set<std::string> GoldenFilesOf(const std::string& fixture) {
    std::set<std::string> names;
    for (const auto& entry :
         std::filesystem::directory_iterator(std::string(QUORVEL_TEST_DATA_DIR) + "/gen")) {
        std::string name = entry.path().filename().string();
        if (name.starts_with(fixture + ".") && name.ends_with(".xml")) {
            names.insert(name);
        }
    }
    return names;
}

TEST_P(GoldenRequests, MatchByteForByte) {
    const std::string fixture = GetParam();
    const LoadResult load =
        LoadServiceDescription(std::string(QUORVEL_TEST_DATA_DIR) + "/gen/" + fixture + ".wsdl");
    ASSERT_TRUE(load.ok) << load.message;

    std::set<std::string> compared;
    test::ForEachOperation(load.model, [&](const WsdlBinding& binding, const WsdlOperation& operation) {
        const std::string golden = fixture + "." + binding.name + "." + operation.name + ".xml";
        EXPECT_EQ(operation.request, test::ReadTestData("gen/" + golden)) << golden;
        if (!operation.request.empty()) {
            EXPECT_TRUE(ParseXmlText(operation.request).ok()) << golden;
        }
        compared.insert(golden);
    });
    EXPECT_EQ(compared, GoldenFilesOf(fixture));
}

INSTANTIATE_TEST_SUITE_P(Fixtures, GoldenRequests,
                         testing::Values("order_document", "add_rpc", "add_rpc_no_namespace", "sampler"));

} // namespace
} // namespace quorvel
