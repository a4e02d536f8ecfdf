#include "app/batch_mode.h"
#include "model/find_operation.h"

#include "temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace quorvel {
namespace {

WsdlBinding Binding(const std::string& name, std::vector<WsdlOperation> operations) {
    return WsdlBinding{name, SOAP_11, std::move(operations), "document"};
}

TEST(BatchOutputTest, FindsTheFirstMatchInModelOrder) {
    const WsdlModel model = {
        {"First", {Binding("B", {{"Other", "first-other"}}), Binding("C", {{"Op", "first-c"}})}},
        {"Second", {Binding("B", {{"Op", "second-b"}, {"Op", "second-b-again"}})}},
        {"Third", {Binding("B", {{"Op", "third-b"}})}},
    };
    const struct {
        const char* binding;
        const char* operation;
        const char* request; // null: not found
    } cases[] = {
        {"B", "Op", "second-b"}, // a binding without the operation does not end the search
        {"B", "Other", "first-other"},
        {"C", "Op", "first-c"},
        {"b", "Op", nullptr},
        {"B", "op", nullptr},
        {"First", "Op", nullptr}, // service names play no part
        {"", "", nullptr},
    };
    for (const auto& c : cases) {
        const WsdlOperation* found = FindOperation(model, c.binding, c.operation);
        if (c.request == nullptr) {
            EXPECT_EQ(found, nullptr) << c.binding << "/" << c.operation;
        } else {
            ASSERT_NE(found, nullptr) << c.binding << "/" << c.operation;
            EXPECT_EQ(found->request, c.request);
        }
    }
    EXPECT_EQ(FindOperation({}, "B", "Op"), nullptr);
}

TEST(BatchOutputTest, ReplacesTheFileWholeAndLeavesNoTemporaryFile) {
    const test::TempDir dir;
    const std::string path = dir.WriteFile("out.txt", std::string(100, 'x'));
    std::string reason;
    ASSERT_TRUE(WriteOutputFile(path, "a\nb\n", reason)) << reason;
    EXPECT_EQ(test::ReadFileBytes(path), "\xEF\xBB\xBF"
                                         "a\nb\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

TEST(BatchOutputTest, ReportsAFileThatCannotBeWritten) {
    const test::TempDir dir;
    std::string reason;
    EXPECT_FALSE(WriteOutputFile((dir.Path() / "missing" / "out.txt").string(), "a\n", reason));
    EXPECT_EQ(reason, "No such file or directory");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 0);
}

} // namespace
} // namespace quorvel
