// Sending to SOAP services of other stacks, run on 127.0.0.1: spyne (SOAP 1.1, validating what it gets)
// and node's soap module (SOAP 1.2 and 1.1). The program loads their descriptions, a request is edited as
// a user would, and the services' own answers, the headers they received and their faults are checked.

#include "run_program.h"
#include "service_process.h"
#include "temp_dir.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <fstream>
#include <regex>

namespace quorvel {
namespace {

namespace fs = std::filesystem;

class SoapServiceTest : public ::testing::Test {
protected:
    test::ProgramRun Run(const std::vector<std::string>& arguments, const fs::path& input = {}) const {
        test::RunSettings settings;
        settings.workingDirectory = m_dir.Path();
        settings.standardInput = input;
        return test::RunQuorvel(arguments, settings);
    }

    // The operation's request with its "?" placeholders filled in with values, in order, as a user edits it.
    fs::path EditedRequest(const std::string& wsdl, const std::string& binding, const std::string& operation,
                           const std::vector<std::string>& values) const {
        const test::ProgramRun request = Run({"--request", wsdl, binding, operation});
        EXPECT_EQ(request.exitStatus, 0) << request.standardError;
        std::string text = request.standardOutput;
        size_t at = 0;
        for (const std::string& value : values) {
            at = text.find(">?<", at);
            EXPECT_NE(at, std::string::npos) << text;
            if (at == std::string::npos) {
                break;
            }
            text.replace(at + 1, 1, value);
        }
        const fs::path file = m_dir.Path() / (binding + "." + operation + ".xml");
        std::ofstream(file, std::ios::binary) << text;
        return file;
    }

    // Sends the edited request and checks the status line and the answer the service gave.
    test::ProgramRun Send(const std::string& wsdl, const std::string& binding, const std::string& operation,
                          const std::vector<std::string>& values, int exitStatus) const {
        const fs::path body = EditedRequest(wsdl, binding, operation, values);
        const test::ProgramRun sent = Run({"--send", "--body", body.string(), wsdl, binding, operation});
        EXPECT_EQ(sent.exitStatus, exitStatus) << sent.standardError << sent.standardOutput;
        const std::regex line("HTTP (200 OK|500 Internal Server Error), [0-9]+ ms, " +
                              std::to_string(sent.standardOutput.size()) + " bytes\n");
        EXPECT_TRUE(std::regex_match(sent.standardError, line)) << sent.standardError;
        return sent;
    }

    static void ExpectReceived(const test::ServiceProcess& service, const nlohmann::json& soapAction,
                               const std::string& contentType) {
        const nlohmann::json last = nlohmann::json::parse(service.LastRequest());
        EXPECT_EQ(last["soapAction"], soapAction);
        EXPECT_EQ(last["contentType"], contentType);
    }

    test::TempDir m_dir;
};

TEST_F(SoapServiceTest, SpyneAnswersEachOperationAndRefusesWhatItsSchemaDoesNot) {
    if (const std::string missing = test::SpyneMissing(); !missing.empty()) {
        GTEST_SKIP() << missing;
    }
    test::ServiceProcess service({"/usr/bin/python3", "calc_service.py"},
                                 test::ServicesDirectory() + "/spyne");
    ASSERT_TRUE(service.Started()) << service.Failure();
    const std::string wsdl = service.Url("/?wsdl");

    const test::ProgramRun listed = Run({"--list", "--json", wsdl});
    ASSERT_EQ(listed.exitStatus, 0) << listed.standardError;
    const nlohmann::json binding = nlohmann::json::parse(listed.standardOutput)["services"][0]["bindings"][0];
    EXPECT_EQ(binding["name"], "SpyneCalc");
    EXPECT_EQ(binding["endpoint"], service.Url("/"));
    EXPECT_EQ(binding["operations"][0]["soapAction"], "Add");

    EXPECT_NE(Send(wsdl, "SpyneCalc", "Add", {"2", "40"}, 0).standardOutput.find(">42</"), std::string::npos);
    ExpectReceived(service, "\"Add\"", "text/xml; charset=utf-8");
    EXPECT_NE(Send(wsdl, "SpyneCalc", "Greet", {"世界"}, 0).standardOutput.find(">你好，世界</"),
              std::string::npos);
    ExpectReceived(service, "\"Greet\"", "text/xml; charset=utf-8");

    const test::ProgramRun fault = Send(wsdl, "SpyneCalc", "Add", {"2", "forty"}, 3);
    EXPECT_NE(fault.standardOutput.find("SchemaValidationError"), std::string::npos) << fault.standardOutput;
}

TEST_F(SoapServiceTest, NodeSoapAnswersBothVersionsAndFaultsInEach) {
    if (const std::string missing = test::NodeSoapMissing(); !missing.empty()) {
        GTEST_SKIP() << missing;
    }
    test::ServiceProcess service({"node", "server.js"}, test::ServicesDirectory() + "/node");
    ASSERT_TRUE(service.Started()) << service.Failure();
    const std::string wsdl = service.Url("/soap12?wsdl");

    const test::ProgramRun listed = Run({"--list", "--json", wsdl});
    ASSERT_EQ(listed.exitStatus, 0) << listed.standardError;
    const nlohmann::json bindings = nlohmann::json::parse(listed.standardOutput)["services"][0]["bindings"];
    EXPECT_EQ(bindings[0]["endpoint"], service.Url("/soap12"));
    EXPECT_EQ(bindings[1]["endpoint"], service.Url("/soap11"));

    const std::string product = "<product>42</product>";
    EXPECT_NE(Send(wsdl, "CalcSoap12", "Multiply", {"6", "7"}, 0).standardOutput.find(product),
              std::string::npos);
    ExpectReceived(service, nullptr,
                   "application/soap+xml; charset=utf-8; action=\"urn:quorvel:node#Multiply\"");
    EXPECT_NE(Send(wsdl, "CalcSoap11", "Echo", {"你好"}, 0).standardOutput.find("<text>echo: 你好</text>"),
              std::string::npos);
    ExpectReceived(service, "\"\"", "text/xml; charset=utf-8");
    EXPECT_NE(Send(wsdl, "CalcSoap12", "Echo", {"a&amp;b"}, 0).standardOutput.find("echo: a&amp;b"),
              std::string::npos);
    EXPECT_NE(Send(wsdl, "CalcSoap11", "Multiply", {"6", "7"}, 0).standardOutput.find(product),
              std::string::npos);
    ExpectReceived(service, "\"urn:quorvel:node#Multiply\"", "text/xml; charset=utf-8");

    Send(wsdl, "CalcSoap11", "Multiply", {"six", "7"}, 3);
    // The SOAP 1.2 fault, read from standard input and shown indented.
    const fs::path body = EditedRequest(wsdl, "CalcSoap12", "Multiply", {"six", "7"});
    const test::ProgramRun fault =
        Run({"--send", "--pretty", "--body", "-", wsdl, "CalcSoap12", "Multiply"}, body);
    EXPECT_EQ(fault.exitStatus, 3) << fault.standardError;
    const std::string indented = "\n        <soap:Value>soap:Sender</soap:Value>\n";
    EXPECT_NE(fault.standardOutput.find(indented), std::string::npos) << fault.standardOutput;
}

} // namespace
} // namespace quorvel
