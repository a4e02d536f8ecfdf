// The command line for scripts as a script uses it: the built program, run in a temporary directory.

#include "run_program.h"
#include "temp_dir.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <set>

namespace quorvel {
namespace {

namespace fs = std::filesystem;

const fs::path kData = fs::path(QUORVEL_TEST_DATA_DIR) / "app";

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> fields;
    size_t start = 0;
    for (size_t end; (end = text.find(separator, start)) != std::string::npos; start = end + 1) {
        fields.push_back(text.substr(start, end - start));
    }
    fields.push_back(text.substr(start));
    return fields;
}

// An index field back as the name it stands for (the C1 controls of "\u0080" to "\u009F" as UTF-8).
std::string Unescaped(const std::string& field) {
    std::string text;
    for (size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && field.compare(i, 4, "\\u00") == 0 && i + 6 <= field.size()) {
            text += '\xC2';
            text += static_cast<char>(std::stoi(field.substr(i + 4, 2), nullptr, 16));
            i += 5;
        } else if (field[i] == '\\' && i + 1 < field.size()) {
            const char c = field[++i];
            text += c == 't' ? '\t' : c == 'n' ? '\n' : c == 'r' ? '\r' : c;
        } else {
            text += field[i];
        }
    }
    return text;
}

class ScriptEndToEndTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"orders.wsdl", "calc.wsdl", "hostile_names.wsdl", "chinese_names.wsdl"}) {
            fs::copy_file(kData / name, m_dir.Path() / name);
        }
    }

    test::ProgramRun Run(const std::vector<std::string>& arguments,
                         std::vector<std::string> environment = {}) const {
        return test::RunQuorvel(arguments, {m_dir.Path(), true, false, std::move(environment)});
    }

    // What batch mode writes for the operation, without its byte-order mark.
    std::string BatchOutput(const std::string& address, const std::string& binding,
                            const std::string& operation) const {
        EXPECT_EQ(Run({"/test", address, binding, operation}).exitStatus, 0);
        return test::ReadFileBytes(m_dir.Path() / "quorvel_test_out.txt").substr(3);
    }

    // Checks that the index lists the records of the model that --list --json gives, in order, each
    // with the file holding its request, and returns the files it names.
    std::set<std::string> ExpectIndexMatchesModel(const std::string& address, const fs::path& directory) {
        const test::ProgramRun listing = Run({"--list", "--json", address});
        EXPECT_EQ(listing.exitStatus, 0) << listing.standardError;
        const std::string index = test::ReadFileBytes(directory / "index.tsv");
        std::vector<std::string> lines = Split(index, '\n');
        EXPECT_EQ(lines.back(), "");
        lines.pop_back();
        std::set<std::string> files;
        size_t line = 0;
        const nlohmann::json model = nlohmann::json::parse(listing.standardOutput);
        for (const auto& service : model["services"]) {
            for (const auto& binding : service["bindings"]) {
                for (const auto& operation : binding["operations"]) {
                    if (line >= lines.size()) {
                        ADD_FAILURE() << "index too short";
                        return files;
                    }
                    const std::vector<std::string> fields = Split(lines[line++], '\t');
                    EXPECT_EQ(fields.size(), 4u);
                    EXPECT_EQ(Unescaped(fields[0]), service["name"]);
                    EXPECT_EQ(Unescaped(fields[1]), binding["name"]);
                    EXPECT_EQ(Unescaped(fields[2]), operation["name"]);
                    EXPECT_EQ(test::ReadFileBytes(directory / fields[3]),
                              operation["request"].get<std::string>() + "\n");
                    files.insert(fields[3]);
                }
            }
        }
        EXPECT_EQ(line, lines.size());
        return files;
    }

    test::TempDir m_dir;
};

TEST_F(ScriptEndToEndTest, RequestPrintsWhatBatchModeWrites) {
    const std::vector<std::string> operations[] = {
        {"orders.wsdl", "OrderBinding", "GetOrder"},
        {"orders.wsdl", "OrderBinding", "Vanished"}, // an empty request: one line feed
        {"calc.wsdl", "CalcSoap12", "Add"},
    };
    for (const std::vector<std::string>& operation : operations) {
        const test::ProgramRun run = Run({"--request", operation[0], operation[1], operation[2]});
        EXPECT_EQ(run.exitStatus, 0) << run.standardError;
        EXPECT_EQ(run.standardOutput, BatchOutput(operation[0], operation[1], operation[2]));
    }
}

TEST_F(ScriptEndToEndTest, ListGivesOneLinePerOperationOrTheModelAsJson) {
    const test::ProgramRun run = Run({"--list", "calc.wsdl"});
    EXPECT_EQ(run.exitStatus, 0) << run.standardError;
    EXPECT_EQ(run.standardOutput, "CalcService\tCalcSoap\t1.1\trpc\tAdd\n"
                                  "CalcService\tCalcSoap12\t1.2\trpc\tAdd\n"
                                  "CalcMirror\tCalcSoap\t1.1\trpc\tAdd\n");
    // Control characters in names are written as escapes, never as themselves.
    EXPECT_NE(Run({"--list", "hostile_names.wsdl"}).standardOutput.find("\ttab\\tline\\nnext\\u0085\n"),
              std::string::npos);

    // Options stand in any order before the address.
    const test::ProgramRun json = Run({"--json", "--list", "calc.wsdl"});
    EXPECT_EQ(json.exitStatus, 0) << json.standardError;
    const nlohmann::json model = nlohmann::json::parse(json.standardOutput);
    ASSERT_EQ(model["services"].size(), 2u);
    const auto& binding = model["services"][0]["bindings"][1];
    EXPECT_EQ(binding["name"], "CalcSoap12");
    EXPECT_EQ(binding["soapVersion"], "1.2");
    EXPECT_EQ(binding["style"], "rpc");
    EXPECT_EQ(binding["operations"][0]["request"].get<std::string>() + "\n",
              BatchOutput("calc.wsdl", "CalcSoap12", "Add"));
}

TEST_F(ScriptEndToEndTest, FollowImportsReadsTheImportedDocuments) {
    const fs::path imports = fs::path(QUORVEL_TEST_DATA_DIR) / "load" / "imports";
    const test::ProgramRun split =
        Run({"--list", "--follow-imports", "--json", (imports / "wsdl/service.wsdl").string()});
    EXPECT_EQ(split.exitStatus, 0) << split.standardError;
    EXPECT_EQ(split.standardError, "");
    EXPECT_EQ(split.standardOutput,
              Run({"--list", "--json", (imports / "flattened.wsdl").string()}).standardOutput);
}

TEST_F(ScriptEndToEndTest, AllWritesEveryRequestAndAnIndex) {
    const fs::path out = m_dir.Path() / "out" / "new";
    fs::create_directories(out);
    m_dir.WriteFile("out/new/CalcService.CalcSoap.Add.xml", std::string(5000, 'x')); // an earlier run
    m_dir.WriteFile("out/new/mine.txt", "kept");
    const test::ProgramRun run = Run({"--all", "calc.wsdl", "out/new"});
    EXPECT_EQ(run.exitStatus, 0) << run.standardError;
    EXPECT_EQ(ExpectIndexMatchesModel("calc.wsdl", out),
              (std::set<std::string>{"CalcService.CalcSoap.Add.xml", "CalcService.CalcSoap12.Add.xml",
                                     "CalcMirror.CalcSoap.Add.xml"}));
    EXPECT_EQ(test::ReadFileBytes(out / "CalcService.CalcSoap12.Add.xml"),
              BatchOutput("calc.wsdl", "CalcSoap12", "Add"));
    EXPECT_EQ(test::ReadFileBytes(out / "mine.txt"), "kept");
    EXPECT_EQ(std::distance(fs::directory_iterator(out), {}), 5);
}

TEST_F(ScriptEndToEndTest, AllWritesChineseNamesIntoAChineseFolder) {
    const fs::path folder = m_dir.Path() / "导出" / "张三";
    fs::create_directories(folder);
    fs::copy_file(m_dir.Path() / "chinese_names.wsdl", folder / "天气.wsdl");
    const test::ProgramRun run = Run({"--all", (folder / "天气.wsdl").string(), "导出/张三/请求"});
    EXPECT_EQ(run.exitStatus, 0) << run.standardError;
    EXPECT_EQ(ExpectIndexMatchesModel("chinese_names.wsdl", folder / "请求"),
              (std::set<std::string>{"天气服务.天气绑定.查询天气.xml",
                                     "天气服务.天气绑定.查询天气~2.xml",
                                     "天气服务.天气绑定.預報.xml"}));
}

TEST_F(ScriptEndToEndTest, HostileNamesStayInsideTheDirectory) {
    const test::ProgramRun run = Run({"--all", "hostile_names.wsdl", "out"});
    EXPECT_EQ(run.exitStatus, 0) << run.standardError;
    const fs::path out = m_dir.Path() / "out";
    const std::set<std::string> files = ExpectIndexMatchesModel("hostile_names.wsdl", out);
    EXPECT_EQ(files.size(), 14u); // two services of seven operations, each in a file of its own
    // Everything the run wrote is a plain file right inside the directory.
    std::set<std::string> written;
    for (const auto& entry : fs::recursive_directory_iterator(m_dir.Path())) {
        if (entry.path().parent_path() == out) {
            EXPECT_TRUE(entry.is_regular_file()) << entry.path();
            written.insert(entry.path().filename().string());
        } else if (entry.path() != out) {
            EXPECT_EQ(entry.path().parent_path(), m_dir.Path()) << entry.path();
            EXPECT_EQ(entry.path().extension(), ".wsdl") << entry.path();
        }
    }
    written.erase("index.tsv");
    EXPECT_EQ(written, files);
}

TEST_F(ScriptEndToEndTest, ExitStatusesAndMessages) {
    m_dir.WriteFile("a-file", "");
    const struct {
        std::vector<std::string> arguments;
        int exitStatus;
        std::string standardError; // "*": any one line
    } cases[] = {
        {{"--list", "missing.wsdl"}, 1, "无法打开文件：missing.wsdl\n"},
        {{"--request", "orders.wsdl", "OrderBinding", "getOrder"}, 1, "operation not found\n"},
        {{"--all", "calc.wsdl", "a-file"}, 2, "*"},
        {{"--list"}, 64, "quorvel：缺少参数。用法：quorvel --list [--json] 地址（说明见 quorvel --help）\n"},
        {{"--frob", "calc.wsdl"}, 64, "quorvel：未知选项 --frob。（说明见 quorvel --help）\n"},
        {{"--request", "--json", "calc.wsdl", "CalcSoap", "Add"}, 64, "*"},
        {{"--version"}, 0, ""},
    };
    for (const auto& c : cases) {
        const test::ProgramRun run = Run(c.arguments);
        EXPECT_EQ(run.exitStatus, c.exitStatus) << c.arguments[0] << " " << run.standardError;
        if (c.standardError == "*") {
            EXPECT_EQ(std::count(run.standardError.begin(), run.standardError.end(), '\n'), 1)
                << run.standardError;
        } else {
            EXPECT_EQ(run.standardError, c.standardError);
        }
    }
    EXPECT_EQ(Run({"--version"}).standardOutput, "Quorvel 1.0\n");
    const test::ProgramRun help = Run({"-h"});
    EXPECT_EQ(help.exitStatus, 0);
    EXPECT_NE(help.standardOutput.find("quorvel --request 地址 绑定名 操作名"), std::string::npos);
}

// A reader that went away is an output failure like a full disk, not the end of the process.
TEST_F(ScriptEndToEndTest, ClosedStandardOutputIsAnOutputFailure) {
    const test::ProgramRun run =
        test::RunQuorvel({"--list", "--json", "calc.wsdl"}, {m_dir.Path(), true, false, {}, 0, true});
    EXPECT_EQ(run.exitStatus, 2);
    EXPECT_EQ(std::count(run.standardError.begin(), run.standardError.end(), '\n'), 1) << run.standardError;
}

// --validate prints one line per problem and tells by its status whether the request passed, failed, or
// could not be checked; the sample options shape the request it checks, --body replaces it.
TEST_F(ScriptEndToEndTest, ValidateTellsFaultsAndWhatCannotBeChecked) {
    const test::ProgramRun plain = Run({"--validate", "orders.wsdl", "OrderBinding", "GetOrder"});
    EXPECT_EQ(plain.exitStatus, 5);
    EXPECT_TRUE(
        plain.standardOutput.starts_with("5:10: Element '{urn:example:orders}orderId': '?' is not a valid"))
        << plain.standardOutput;
    const test::ProgramRun examples =
        Run({"--example-values", "--validate", "orders.wsdl", "OrderBinding", "GetOrder"});
    EXPECT_EQ(examples.exitStatus, 0) << examples.standardOutput;
    EXPECT_EQ(examples.standardOutput, "");

    const test::ProgramRun request =
        Run({"--request", "--example-values", "orders.wsdl", "OrderBinding", "GetOrder"});
    ASSERT_EQ(request.exitStatus, 0);
    m_dir.WriteFile("good.xml", request.standardOutput);
    EXPECT_EQ(Run({"--validate", "orders.wsdl", "OrderBinding", "GetOrder", "--body", "good.xml"}).exitStatus,
              0);
    EXPECT_EQ(Run({"--validate", "--body", "good.xml", "orders.wsdl", "OrderBinding", "GetOrder"}).exitStatus,
              0);
    const test::ProgramRun rpc = Run({"--validate", "calc.wsdl", "CalcSoap", "Add"});
    EXPECT_EQ(rpc.exitStatus, 6);
    EXPECT_NE(rpc.standardOutput.find("use=\"encoded\""), std::string::npos) << rpc.standardOutput;
    EXPECT_EQ(
        Run({"--validate", "--body", "missing.xml", "orders.wsdl", "OrderBinding", "GetOrder"}).exitStatus,
        1);
    EXPECT_EQ(Run({"--request", "--body", "good.xml", "orders.wsdl", "OrderBinding", "GetOrder"}).exitStatus,
              64);
    EXPECT_EQ(Run({"--validate", "orders.wsdl", "OrderBinding", "GetOrder", "x"}).exitStatus, 64);
}

// The dynamic loader reports each library it loads; the window toolkit's must not be among them.
TEST_F(ScriptEndToEndTest, BatchModeAndScriptsDoNotLoadTheWindowToolkit) {
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"/test", "calc.wsdl", "CalcSoap", "Add"},
          std::vector<std::string>{"--list", "calc.wsdl"}}) {
        const std::string loaded = Run(arguments, {"LD_DEBUG=libs"}).standardError;
        EXPECT_NE(loaded.find("libxml2"), std::string::npos) << loaded; // the report is there
        EXPECT_EQ(loaded.find("libwx_"), std::string::npos) << arguments[0];
        EXPECT_EQ(loaded.find("libgtk"), std::string::npos) << arguments[0];
    }
#if QUORVEL_TEST_WITH_UI
    // Wanting the dialog loads it, even where no display lets it open.
    EXPECT_NE(Run({}, {"LD_DEBUG=libs"}).standardError.find("libwx_"), std::string::npos);
#endif
}

// libcurl and the libraries it brings are loaded only when a URL is read.
TEST_F(ScriptEndToEndTest, OnlyAUrlLoadsTheHttpLibrary) {
    const std::vector<std::string> localRuns[] = {
        {"--list", "calc.wsdl"}, {"--help"}, {"--version"}, {"/test", "calc.wsdl", "CalcSoap", "Add"}};
    for (const std::vector<std::string>& arguments : localRuns) {
        const std::string loaded = Run(arguments, {"LD_DEBUG=libs"}).standardError;
        EXPECT_NE(loaded.find("libxml2"), std::string::npos) << loaded;
        EXPECT_EQ(loaded.find("libcurl"), std::string::npos) << arguments[0];
    }
    // Nothing listens on the discard port: the download fails, after loading the library.
    const test::ProgramRun refused = Run({"--list", "http://127.0.0.1:9/calc?wsdl"}, {"LD_DEBUG=libs"});
    EXPECT_EQ(refused.exitStatus, 1);
    EXPECT_NE(refused.standardError.find("libcurl"), std::string::npos);
}

// A libcurl that cannot be loaded fails the load with the loader's reason, like any other failed download.
TEST_F(ScriptEndToEndTest, AnHttpLibraryThatCannotBeLoadedFailsTheLoad) {
    fs::create_directory(m_dir.Path() / "broken");
    m_dir.WriteFile("broken/libcurl.so.4", "not a library");
    const std::string libraries = "LD_LIBRARY_PATH=" + (m_dir.Path() / "broken").string();
    const test::ProgramRun run =
        Run({"/test", "http://127.0.0.1:9/calc?wsdl", "CalcSoap", "Add"}, {libraries});
    EXPECT_EQ(run.exitStatus, 1) << run.standardError;
    const std::string written = test::ReadFileBytes(m_dir.Path() / "quorvel_test_out.txt");
    EXPECT_TRUE(written.starts_with("\xEF\xBB\xBF" "ERROR: 无法加载 HTTP 库：")) << written;
    EXPECT_NE(written.find("libcurl.so.4"), std::string::npos) << written;
    EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), 1) << written;
}

} // namespace
} // namespace quorvel
