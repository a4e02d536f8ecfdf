// Sending and loading against the local test server: nothing is posted unless --send asks, a response in
// GBK, and credentials and headers that reach the description's imports on its own host only.

#include "run_program.h"
#include "temp_dir.h"
#include "test_http_server.h"

#include <gtest/gtest.h>

#include <atomic>

namespace quorvel {
namespace {

// One SOAP 1.1 operation whose endpoint is path on the server at origin; the schema may come from an import.
std::string Description(const std::string& origin, const std::string& path, const std::string& types = "") {
    return "<definitions xmlns='http://schemas.xmlsoap.org/wsdl/'"
           " xmlns:s='http://schemas.xmlsoap.org/wsdl/soap/' xmlns:t='urn:t' targetNamespace='urn:t'>" +
           types +
           "<message name='M'/><portType name='P'><operation name='Op'><input message='t:M'/></operation>"
           "</portType><binding name='B' type='t:P'><s:binding style='document'/><operation name='Op'>"
           "<s:operation soapAction='urn:t#Op'/></operation></binding><service name='S'><port name='p'"
           " binding='t:B'><s:address location='" +
           origin + path + "'/></port></service></definitions>";
}

class LocalServerTest : public ::testing::Test {
protected:
    test::ProgramRun Run(const std::vector<std::string>& arguments) const {
        test::RunSettings settings;
        settings.workingDirectory = m_dir.Path();
        return test::RunQuorvel(arguments, settings);
    }

    test::TempDir m_dir;
    test::TestHttpServer m_server;
};

TEST_F(LocalServerTest, NothingIsPostedUnlessSendAsks) {
    std::atomic<int> posts = 0;
    m_server.Routes().Get("/svc", [this](const httplib::Request&, httplib::Response& response) {
        response.set_content(Description(m_server.Url(""), "/svc"), "text/xml");
    });
    m_server.Routes().Post("/svc", [&posts](const httplib::Request&, httplib::Response& response) {
        ++posts;
        // "你好" in GBK, declared only by the content type.
        response.set_content("<r>\xC4\xE3\xBA\xC3</r>", "text/xml; charset=GBK");
    });
    m_server.Start();
    const std::string wsdl = m_server.Url("/svc?wsdl");

    EXPECT_EQ(Run({"--list", wsdl}).exitStatus, 0);
    EXPECT_EQ(Run({"--list", "--json", wsdl}).exitStatus, 0);
    EXPECT_EQ(Run({"--request", wsdl, "B", "Op"}).exitStatus, 0);
    EXPECT_EQ(Run({"--all", wsdl, (m_dir.Path() / "all").string()}).exitStatus, 0);
    EXPECT_EQ(Run({"/test", wsdl, "B", "Op"}).exitStatus, 0);
    EXPECT_EQ(posts, 0);

    const test::ProgramRun sent = Run({"--send", "--pretty", wsdl, "B", "Op"});
    EXPECT_EQ(sent.exitStatus, 0) << sent.standardError;
    EXPECT_EQ(posts, 1);
    EXPECT_EQ(sent.standardOutput, "<r>你好</r>\n");
    const test::ProgramRun raw = Run({"--send", "--endpoint", m_server.Url("/svc"), wsdl, "B", "Op"});
    EXPECT_EQ(raw.standardOutput, "<r>\xC4\xE3\xBA\xC3</r>");
    EXPECT_EQ(posts, 2);
}

TEST_F(LocalServerTest, StatusesAndFailuresGiveTheirExitStatus) {
    m_server.Routes().Get("/svc", [this](const httplib::Request&, httplib::Response& response) {
        response.set_content(Description(m_server.Url(""), "/missing"), "text/xml");
    });
    m_server.Start();
    const std::string wsdl = m_server.Url("/svc?wsdl");
    const test::ProgramRun missing = Run({"--send", wsdl, "B", "Op"});
    EXPECT_EQ(missing.exitStatus, 4);
    EXPECT_TRUE(missing.standardError.starts_with("HTTP 404")) << missing.standardError;

    const std::string nowhere = "http://127.0.0.1:" + std::to_string(test::UnusedLoopbackPort());
    const test::ProgramRun refused = Run({"--send", "--endpoint", nowhere, wsdl, "B", "Op"});
    EXPECT_EQ(refused.exitStatus, 1);
    EXPECT_FALSE(refused.standardError.empty());
    EXPECT_EQ(Run({"--send", wsdl, "B", "Nope"}).standardError, "operation not found\n");
    EXPECT_EQ(Run({"--send", "--endpoint", "ftp://x/", wsdl, "B", "Op"}).exitStatus, 1);
}

// --max-time bounds the network time of the whole run: an import still arriving then becomes a note, a send
// still waiting for its answer fails.
TEST_F(LocalServerTest, MaxTimeEndsWhateverIsStillWaiting) {
    m_server.Routes().Get("/svc", [this](const httplib::Request&, httplib::Response& response) {
        const std::string types = "<types><xs:schema xmlns:xs='http://www.w3.org/2001/XMLSchema'>"
                                  "<xs:import namespace='urn:a' schemaLocation='/slow.xsd'/></xs:schema></types>";
        response.set_content(Description(m_server.Url(""), "/svc", types), "text/xml");
    });
    m_server.Routes().Get("/slow.xsd", [this](const httplib::Request&, httplib::Response& response) {
        m_server.StallInBody(response);
    });
    m_server.Routes().Post("/svc", [this](const httplib::Request&, httplib::Response& response) {
        m_server.StallInBody(response);
    });
    m_server.Start();
    const std::string wsdl = m_server.Url("/svc?wsdl");
    const test::ProgramRun listed = Run({"--follow-imports", "--max-time", "0.5", "--list", wsdl});
    EXPECT_EQ(listed.exitStatus, 0);
    EXPECT_EQ(listed.standardError, m_server.Url("/slow.xsd") + "：网络操作超过了限定的总时间，已停止。\n");
    const test::ProgramRun sent = Run({"--max-time", "0.5", "--send", wsdl, "B", "Op"});
    EXPECT_EQ(sent.exitStatus, 1);
    EXPECT_EQ(sent.standardError, "网络操作超过了限定的总时间，已停止。\n");
}

// The description and the schema it imports from its own host need the credentials and a header; an
// import from another host (localhost instead of 127.0.0.1) never gets them.
TEST_F(LocalServerTest, CredentialsReachImportsOnTheDescriptionsHostOnly) {
    const auto guarded = [](const httplib::Request& request, httplib::Response& response,
                            const std::string& body) {
        // "u:p" in Base64.
        if (request.get_header_value("Authorization") != "Basic dTpw" ||
            request.get_header_value("X-Tenant") != "7") {
            response.status = 401;
            response.set_header("WWW-Authenticate", "Basic realm=\"t\"");
            return;
        }
        response.set_content(body, "text/xml");
    };
    const std::string schema =
        "<xs:schema xmlns:xs='http://www.w3.org/2001/XMLSchema' targetNamespace='urn:t'/>";
    m_server.Routes().Get("/svc", [&](const httplib::Request& request, httplib::Response& response) {
        const std::string local = m_server.Url("/a.xsd");
        const std::string other = "http://localhost:" + std::to_string(m_server.Port()) + "/b.xsd";
        const std::string types = "<types><xs:schema xmlns:xs='http://www.w3.org/2001/XMLSchema'>"
                                  "<xs:import namespace='urn:a' schemaLocation='" +
                                  local + "'/><xs:import namespace='urn:b' schemaLocation='" + other +
                                  "'/></xs:schema></types>";
        guarded(request, response, Description(m_server.Url(""), "/svc", types));
    });
    m_server.Routes().Get("/a.xsd", [&](const httplib::Request& request, httplib::Response& response) {
        guarded(request, response, schema);
    });
    m_server.Routes().Get("/b.xsd", [&](const httplib::Request& request, httplib::Response& response) {
        guarded(request, response, schema);
    });
    m_server.Start();
    const std::string wsdl = m_server.Url("/svc?wsdl");

    EXPECT_EQ(Run({"--list", wsdl}).exitStatus, 1);
    const test::ProgramRun listed =
        Run({"--follow-imports", "--user", "u:p", "--header", "X-Tenant: 7", "--list", wsdl});
    EXPECT_EQ(listed.exitStatus, 0);
    EXPECT_EQ(listed.standardError.find("a.xsd"), std::string::npos) << listed.standardError;
    EXPECT_NE(listed.standardError.find("b.xsd"), std::string::npos) << listed.standardError;
}

} // namespace
} // namespace quorvel
