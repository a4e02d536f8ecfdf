#include "fetch/file_reading.h"
#include "load/service_load.h"

#include "temp_dir.h"
#include "test_http_server.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace quorvel {
namespace {

namespace fs = std::filesystem;

constexpr std::uintmax_t k64MiB = 64u * 1024 * 1024;

// A small description: service S, SOAP binding B, operation Ping; prolog goes before the root.
std::string Description(const std::string& prolog = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>",
                        const std::string& serviceName = "S") {
    return prolog + R"(
<definitions xmlns="http://schemas.xmlsoap.org/wsdl/" xmlns:soap="http://schemas.xmlsoap.org/wsdl/soap/"
    xmlns:tns="urn:t" targetNamespace="urn:t">
  <message name="PingRequest"/>
  <portType name="P"><operation name="Ping"><input message="tns:PingRequest"/></operation></portType>
  <binding name="B" type="tns:P">
    <soap:binding style="document"/>
    <operation name="Ping"><input><soap:body use="literal"/></input></operation>
  </binding>
  <service name=")" +
           serviceName + R"("><port name="Port" binding="tns:B"/></service>
</definitions>)";
}

using Load = LoadResult;

Load LoadFrom(const std::string& address) {
    return LoadServiceDescription(address);
}

void ExpectLoaded(const Load& load, const std::string& what) {
    EXPECT_TRUE(load.ok) << what << ": " << load.message;
    EXPECT_EQ(load.message, "") << what;
    ASSERT_EQ(load.model.size(), 1u) << what;
    EXPECT_EQ(load.model[0].name, "S");
    ASSERT_EQ(load.model[0].bindings.size(), 1u);
    EXPECT_EQ(load.model[0].bindings[0].name, "B");
}

void ExpectFailed(const Load& load, const std::string& message, const std::string& what) {
    EXPECT_FALSE(load.ok) << what;
    EXPECT_EQ(load.message, message) << what;
    EXPECT_TRUE(load.model.empty()) << what;
}

void MakeSparseFile(const fs::path& path, std::uintmax_t size) {
    std::ofstream(path, std::ios::binary).put('<');
    fs::resize_file(path, size);
}

// Runs a test body with the process's working directory set to dir, and restores it.
class WorkingDirectory {
public:
    explicit WorkingDirectory(const fs::path& dir) : m_previous(fs::current_path()) { fs::current_path(dir); }
    ~WorkingDirectory() { fs::current_path(m_previous); }

private:
    fs::path m_previous;
};

TEST(ServiceLoad, LoadsFilesHoweverTheyAreNamed) {
    const test::TempDir dir;
    const std::string path = dir.WriteFile("a b.wsdl", Description());
    const std::string withDtd =
        dir.WriteFile("dtd.wsdl", Description("<!DOCTYPE definitions [<!ENTITY svc \"S\">]>", "&svc;"));
    ExpectLoaded(LoadFrom(path), "plain path");
    ExpectLoaded(LoadFrom("  \"" + path + "\"  "), "quoted path");
    ExpectLoaded(LoadFrom("'" + path + "'"), "single-quoted path");
    ExpectLoaded(LoadFrom(withDtd), "internal DTD");
    const WorkingDirectory inside(dir.Path());
    ExpectLoaded(LoadFrom("a b.wsdl"), "relative path");
}

TEST(ServiceLoad, ReportsEachFailureWithItsMessage) {
    const test::TempDir dir;
    const std::string missing = (dir.Path() / "missing.wsdl").string();
    const std::string empty = dir.WriteFile("empty.wsdl", "");
    const std::string bomOnly = dir.WriteFile("bom.wsdl", "\xEF\xBB\xBF");
    const std::string broken = dir.WriteFile("broken.wsdl", "<definitions>\n  <service>\n</definitions>");
    const std::string wsdl20 = dir.WriteFile("w20.wsdl", "<description xmlns='http://www.w3.org/ns/wsdl'/>");
    const std::string http =
        dir.WriteFile("http.wsdl", "<definitions xmlns='http://schemas.xmlsoap.org/wsdl/'/>");
    const fs::path oversize = dir.Path() / "oversize.wsdl";
    MakeSparseFile(oversize, k64MiB + 1);

    const struct {
        const char* what;
        std::string address;
        std::string message;
    } cases[] = {
        {"blank address", " \t ", "请输入接口地址或选择本地 WSDL/XML 文件。"},
        {"quotes only", "\"\"", "请输入接口地址或选择本地 WSDL/XML 文件。"},
        {"missing file", "  " + missing + " ", "无法打开文件：" + missing},
        {"directory", dir.Path().string(), "无法打开文件：" + dir.Path().string()},
        {"other scheme", "ftp://127.0.0.1/a.wsdl", "无法打开文件：ftp://127.0.0.1/a.wsdl"},
        {"empty file", empty, "文件大小异常。"},
        {"one byte over 64 MiB", oversize.string(), "文件大小异常。"},
        {"device", "/dev/null", "文件大小异常。"},
        {"byte-order mark only", bomOnly, "文本编码转换失败。"},
        {"not well-formed", broken,
         "XML 解析失败：第 3 行，第 15 列：Opening and ending tag mismatch: service line 2 and definitions"},
        {"root is not definitions", wsdl20, "不是有效的 WSDL（缺少 definitions）。"},
        {"no SOAP binding", http, "未找到 SOAP binding。"},
    };
    for (const auto& c : cases) {
        ExpectFailed(LoadFrom(c.address), c.message, c.what);
    }
}

TEST(ServiceLoad, AcceptsAFileOfExactly64MiB) {
    const test::TempDir dir;
    const fs::path path = dir.Path() / "limit.wsdl";
    MakeSparseFile(path, k64MiB);
    std::string bytes;
    std::string message;
    ASSERT_TRUE(ReadDescriptionFile(path.string(), bytes, message)) << message;
    EXPECT_EQ(bytes.size(), k64MiB);
    EXPECT_EQ(bytes.front(), '<');
}

TEST(ServiceLoad, LoadsOverHttpWithTheNormalizedAddress) {
    test::TestHttpServer server;
    server.Routes().Get("/svc", [](const httplib::Request& request, httplib::Response& response) {
        if (request.target == "/svc?wsdl") {
            response.set_content(Description(), "text/xml");
        } else {
            response.status = 400;
        }
    });
    server.Routes().Get("/broken.wsdl", [](const httplib::Request&, httplib::Response& response) {
        response.set_content("<definitions>", "text/xml");
    });
    server.Start();
    const Load quoted = LoadFrom(" \"'" + server.Url("/svc") + "'\" ");
    ExpectLoaded(quoted, "http");
    // What was fetched is what the load reports, so the dialog shows the address that was loaded.
    EXPECT_EQ(quoted.address, server.Url("/svc") + "?wsdl");
    ExpectFailed(LoadFrom(server.Url("/missing.wsdl")), "HTTP 状态码 404。", "404");
    const Load broken = LoadFrom(server.Url("/broken.wsdl"));
    EXPECT_FALSE(broken.ok);
    EXPECT_TRUE(broken.message.starts_with("XML 解析失败：第 1 行，第 ")) << broken.message;
    EXPECT_TRUE(broken.model.empty());
}

} // namespace
} // namespace quorvel
