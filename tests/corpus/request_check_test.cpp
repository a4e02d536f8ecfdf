// The request check itself: it must refuse what a broken generator could write and accept what a
// sound one writes, or the corpus and hostile runs would prove nothing.
#include "request_check.h"

#include <gtest/gtest.h>

namespace quorvel::test {
namespace {

const std::string kOpen = "<soapenv:Envelope xmlns:soapenv=\"http://schemas.xmlsoap.org/soap/envelope/\"";

std::string Envelope(const std::string& declarations, const std::string& body) {
    return kOpen + declarations + ">\n   <soapenv:Header/>\n   <soapenv:Body>\n" + body +
           "\n   </soapenv:Body>\n</soapenv:Envelope>";
}

std::string Nested(int levels) {
    std::string text;
    for (int i = 0; i < levels; ++i) {
        text += "<urn:a>";
    }
    for (int i = 0; i < levels; ++i) {
        text += "</urn:a>";
    }
    return text;
}

struct CheckCase {
    const char* what;
    std::string request;
    std::string expected; // start of the problem; empty when the request is sound
};

TEST(RequestCheck, RefusesWhatABrokenGeneratorWritesAndAcceptsSoundRequests) {
    const CheckCase cases[] = {
        {"sound", Envelope(" xmlns:urn=\"urn:a\"", "      <urn:E>?</urn:E>\n      <plain/>"), ""},
        {"namespace name that is no URI", Envelope(" xmlns:urn=\"!urn:a b\"", "      <urn:E/>"), ""},
        {"deeper than the parser's default limit", Envelope(" xmlns:urn=\"urn:a\"", Nested(300)), ""},
        {"undeclared prefix", Envelope("", "      <urn:E/>"), "not well-formed or not namespace-well-formed"},
        {"unclosed element", Envelope(" xmlns:urn=\"urn:a\"", "      <urn:E>"), "not well-formed"},
        {"two roots", Envelope("", "") + "<x/>", "not well-formed"},
        {"declaration below the Envelope", Envelope("", "      <urn:E xmlns:urn=\"urn:a\"/>"),
         "element E declares a namespace of its own"},
        {"attribute", Envelope(" xmlns:urn=\"urn:a\"", "      <urn:E id=\"1\"/>"),
         "element E carries an attribute"},
        {"default namespace on the Envelope", Envelope(" xmlns=\"urn:a\"", "      <E/>"),
         "the Envelope declares a default namespace"},
        {"other root", "<Envelope/>", "the root element is not a SOAP Envelope"},
        {"foreign envelope namespace", "<e:Envelope xmlns:e=\"urn:e\"/>",
         "the Envelope is in the namespace urn:e"},
    };
    for (const CheckCase& check : cases) {
        std::string problem = CheckRequest(check.request);
        if (check.expected.empty()) {
            EXPECT_EQ(problem, "") << check.what;
        } else {
            EXPECT_TRUE(problem.starts_with(check.expected)) << check.what << ": " << problem;
        }
    }
}

} // namespace
} // namespace quorvel::test
