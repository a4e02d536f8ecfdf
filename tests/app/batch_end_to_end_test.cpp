// Batch mode as a script uses it: the built program, run in a temporary working directory.

#include "run_program.h"
#include "temp_dir.h"
#include "test_http_server.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace quorvel {
namespace {

namespace fs = std::filesystem;

const std::string kBom = "\xEF\xBB\xBF";
const fs::path kData = fs::path(QUORVEL_TEST_DATA_DIR) / "app";

std::string Golden(const char* name) {
    return kBom + test::ReadFileBytes(kData / name);
}

class BatchEndToEndTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::copy_file(kData / "orders.wsdl", m_dir.Path() / "orders.wsdl");
        fs::copy_file(kData / "calc.wsdl", m_dir.Path() / "calc.wsdl");
    }

    test::ProgramRun Run(const std::vector<std::string>& arguments, bool obeyingPermissions = false) const {
        return test::RunQuorvel(arguments, {m_dir.Path(), true, obeyingPermissions, {}});
    }
    std::string Output() const { return test::ReadFileBytes(m_dir.Path() / "quorvel_test_out.txt"); }
    bool OutputExists() const { return fs::exists(m_dir.Path() / "quorvel_test_out.txt"); }

    test::TempDir m_dir;
};

TEST_F(BatchEndToEndTest, WritesTheRequestOrTheErrorLine) {
    const struct {
        std::vector<std::string> arguments;
        int exitStatus;
        std::string output;
    } cases[] = {
        {{"/test", "orders.wsdl", "OrderBinding", "GetOrder"}, 0, Golden("get_order_request.txt")},
        {{"/TEST", " \"orders.wsdl\" ", "OrderBinding", "GetOrder", "ignored"},
         0,
         Golden("get_order_request.txt")},
        {{"/test", "calc.wsdl", "CalcSoap", "Add"}, 0, Golden("add_request_soap11.txt")},
        {{"/test", "calc.wsdl", "CalcSoap12", "Add"}, 0, Golden("add_request_soap12.txt")},
        {{"/test", "orders.wsdl", "OrderBinding", "Vanished"}, 0, kBom + "\n"},
        {{"/test", "orders.wsdl", "orderbinding", "GetOrder"}, 1, kBom + "ERROR: operation not found\n"},
        {{"/test", "orders.wsdl", "OrderBinding", "getOrder"}, 1, kBom + "ERROR: operation not found\n"},
        {{"/test", "missing.wsdl", "B", "Op"}, 1, kBom + "ERROR: 无法打开文件：missing.wsdl\n"},
        {{"/test", "  ", "B", "Op"}, 1, kBom + "ERROR: 请输入接口地址或选择本地 WSDL/XML 文件。\n"},
        {{"/test", "bad\xFF\r\npath.wsdl", "B", "Op"},
         1,
         kBom + "ERROR: 无法打开文件：bad\uFFFD  path.wsdl\n"},
    };
    for (const auto& c : cases) {
        const test::ProgramRun run = Run(c.arguments);
        EXPECT_EQ(run.exitStatus, c.exitStatus) << c.arguments[3] << run.standardError;
        EXPECT_EQ(run.standardError, "");
        EXPECT_EQ(Output(), c.output) << c.arguments[1] << " " << c.arguments[2] << " " << c.arguments[3];
    }
}

TEST_F(BatchEndToEndTest, TwoServicesWithTheSameBindingGiveItsRequest) {
    // calc.wsdl reaches CalcSoap from CalcService and from CalcMirror.
    const test::ProgramRun run = Run({"/test", (m_dir.Path() / "calc.wsdl").string(), "CalcSoap", "Add"});
    EXPECT_EQ(run.exitStatus, 0);
    EXPECT_EQ(Output(), Golden("add_request_soap11.txt"));
}

TEST_F(BatchEndToEndTest, ReplacesAnExistingOutputFile) {
    m_dir.WriteFile("quorvel_test_out.txt", std::string(5000, 'x'));
    EXPECT_EQ(Run({"/test", "calc.wsdl", "CalcSoap", "Add"}).exitStatus, 0);
    EXPECT_EQ(Output(), Golden("add_request_soap11.txt"));
}

TEST_F(BatchEndToEndTest, ReadOnlyDirectoryGivesStatusTwoAndNoFile) {
    fs::permissions(m_dir.Path() / "calc.wsdl",
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    fs::permissions(m_dir.Path(), fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                      fs::perms::group_exec | fs::perms::others_read |
                                      fs::perms::others_exec);
    const test::ProgramRun run = Run({"/test", "calc.wsdl", "CalcSoap", "Add"}, true);
    EXPECT_EQ(run.exitStatus, 2);
    EXPECT_EQ(run.standardError, "无法写入输出文件 quorvel_test_out.txt：Permission denied\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir.Path()), {}), 2); // the two descriptions only
}

TEST_F(BatchEndToEndTest, LoadsOverHttp) {
    test::TestHttpServer server;
    const std::string description = test::ReadFileBytes(kData / "orders.wsdl");
    server.Routes().Get("/orders",
                        [&description](const httplib::Request& request, httplib::Response& response) {
                            if (request.has_param("wsdl")) {
                                response.set_content(description, "text/xml");
                            } else {
                                response.status = 400;
                            }
                        });
    server.Start();

    const test::ProgramRun found = Run({"/test", server.Url("/orders"), "OrderBinding", "GetOrder"});
    EXPECT_EQ(found.exitStatus, 0);
    EXPECT_EQ(Output(), Golden("get_order_request.txt"));

    const test::ProgramRun missing = Run({"/test", server.Url("/nothing"), "OrderBinding", "GetOrder"});
    EXPECT_EQ(missing.exitStatus, 1);
    EXPECT_EQ(Output(), kBom + "ERROR: HTTP 状态码 404。\n");
}

TEST_F(BatchEndToEndTest, RunningOutOfMemoryIsAnErrorLineNotACrash) {
#ifdef __SANITIZE_ADDRESS__
    GTEST_SKIP() << "the address sanitizer reserves more address space than any limit here allows";
#endif
    // A large real description under ever larger limits, from where the program cannot even start up to
    // where it loads: in between, the load runs out of memory at one place or another.
    const std::string description =
        std::string(QUORVEL_CORPUS_DIR) + "/savonrb__wasabi/spec__fixtures__workday.wsdl";
    int errorLines = 0;
    int status = -1;
    for (size_t mebibytes = 20; mebibytes <= 400 && status != 0; mebibytes += 10) {
        fs::remove(m_dir.Path() / "quorvel_test_out.txt");
        test::RunSettings limited;
        limited.workingDirectory = m_dir.Path();
        limited.addressSpaceLimit = mebibytes << 20;
        const test::ProgramRun run = test::RunQuorvel(
            {"/test", description, "Revenue_ManagementBinding", "Get_Revenue_Categories"}, limited);
        status = run.exitStatus;
        // 127: the dynamic loader could not map the libraries, before anything of the program ran.
        EXPECT_TRUE(status == 0 || status == 1 || status == 127)
            << mebibytes << " MiB: " << status << " " << run.standardError;
        if (status == 1) {
            EXPECT_EQ(Output(), kBom + "ERROR: 内存不足，无法完成加载。\n") << mebibytes << " MiB";
            ++errorLines;
        }
    }
    EXPECT_EQ(status, 0);
    EXPECT_GT(errorLines, 0);
}

TEST_F(BatchEndToEndTest, OtherCommandLinesDoNotRunBatchMode) {
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"-test", "calc.wsdl", "CalcSoap", "Add"},
          std::vector<std::string>{"/test", "calc.wsdl", "CalcSoap"}}) {
        const test::ProgramRun run = Run(arguments);
        EXPECT_NE(run.exitStatus, 0) << arguments[0];
        EXPECT_FALSE(OutputExists()) << arguments[0];
        // Without a display (or without the dialog in this build) the program says so in one line.
        EXPECT_EQ(std::count(run.standardError.begin(), run.standardError.end(), '\n'), 1)
            << run.standardError;
    }
}

} // namespace
} // namespace quorvel
