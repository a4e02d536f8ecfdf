// Requests checked against the schemas of their description: the faults found with their places, and what
// cannot be checked said as such.

#include "load/loaded_documents.h"
#include "load/service_load.h"
#include "service_description.h"
#include "temp_dir.h"
#include "validate/messages.h"
#include "validate/request_validation.h"
#include "xml_fixture.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

const std::string kOrder =
    "<xs:element name=\"Order\"><xs:complexType><xs:sequence>"
    "<xs:element name=\"id\" type=\"xs:int\"/><xs:element name=\"name\" type=\"xs:string\"/>"
    "</xs:sequence></xs:complexType></xs:element>";

std::string Envelope(const std::string& body,
                     const char* envelopeNamespace = "http://schemas.xmlsoap.org/soap/envelope/") {
    return std::string("<e:Envelope xmlns:e=\"") + envelopeNamespace +
           "\" xmlns:h=\"urn:hostile\">\n <e:Body>\n" + body + "\n </e:Body>\n</e:Envelope>";
}

LoadResult Load(const std::string& address, const SampleOptions& sample = {}, bool followImports = false) {
    LoadOptions options;
    options.sample = sample;
    options.keepDocuments = true;
    options.followImports = followImports;
    LoadResult load = LoadServiceDescription(address, options);
    EXPECT_TRUE(load.ok) << load.message;
    return load;
}

ValidationReport Check(const LoadResult& load, const std::string& binding, const std::string& operation,
                       const std::string& text) {
    const BindingOfOperation found = FindBindingElement(load.model, *load.documents, {binding, operation});
    EXPECT_NE(found.element, nullptr);
    return RequestValidator(load.documents).Validate(found, operation, text);
}

std::string Lines(const ValidationReport& report) {
    std::string lines;
    for (const ValidationProblem& problem : report.problems) {
        lines += std::to_string(problem.line) + ":" + std::to_string(problem.column) +
                 (problem.unchecked ? " ~ " : " ! ") + problem.message + "\n";
    }
    return lines;
}

class RequestValidation : public ::testing::Test {
protected:
    std::string Write(const std::string& name, const std::string& text) const {
        return m_dir.WriteFile(name, text);
    }
    test::TempDir m_dir;
};

TEST_F(RequestValidation, FaultsAreFoundWhereTheyStand) {
    const LoadResult load = Load(Write("order.wsdl", test::DescribeService(kOrder, {{"Send", "Order"}})));
    const auto check = [&](const std::string& text) { return Lines(Check(load, "Binding", "Send", text)); };
    EXPECT_EQ(check(Envelope("  <h:Order><h:id>7</h:id><h:name>?</h:name></h:Order>")), "");
    EXPECT_EQ(check(Envelope("  <h:Order>\n   <h:id>seven</h:id>\n   <h:name>?</h:name></h:Order>")),
              "4:4 ! Element '{urn:hostile}id': 'seven' is not a valid value of the atomic type 'xs:int'.\n");
    EXPECT_EQ(check(Envelope("  <h:Order><h:id>7</h:id></h:Order>")).substr(0, 10), "3:3 ! Elem");
    EXPECT_EQ(check(Envelope("  <h:Order><h:id>7</h:idx></h:Order>")).substr(0, 7), "3:27 ! ");
    EXPECT_EQ(check(Envelope("")),
              "2:2 ! " + std::string(validate_msg::kMissingPart) + "{urn:hostile}Order\n");
    EXPECT_EQ(check(Envelope("  <h:Order><h:id>7</h:id><h:name/></h:Order><h:More/>")),
              "3:45 ! " + std::string(validate_msg::kExtraElement) + "{urn:hostile}More\n");
    EXPECT_EQ(check(Envelope("  <h:Order><h:id>7</h:id><h:name/></h:Order>",
                             "http://www.w3.org/2003/05/soap-envelope")),
              "1:1 ! " + std::string(validate_msg::kWrongEnvelopeNamespace) +
                  "http://schemas.xmlsoap.org/soap/envelope/。\n");
}

TEST_F(RequestValidation, WhatCannotBeCheckedIsSaid) {
    // A generated request with every option: the type header part is not checked, the pattern that could
    // not be met is a fault; rpc wrappers and type parts are not checked.
    SampleOptions every;
    every.headerParts = every.attributes = every.exampleValues = every.wsSecurity = true;
    const std::string fixture = std::string(QUORVEL_TEST_DATA_DIR) + "/gen/sample_options.wsdl";
    const LoadResult load = Load(fixture, every);
    const auto& bindings = load.model.at(0).bindings;
    const ValidationReport document =
        Check(load, "OptionsSoap", "PlaceOrder", bindings.at(0).operations.at(0).request);
    EXPECT_EQ(Lines(document).substr(0, 60), "16:7 ~ " + std::string(validate_msg::kTypePart).substr(0, 53));
    ASSERT_EQ(document.problems.size(), 3u) << Lines(document);
    EXPECT_EQ(document.problems[1].line, 32);
    EXPECT_EQ(document.problems[1].column, 16);
    EXPECT_TRUE(document.Invalid() && document.Incomplete());
    const ValidationReport rpc = Check(load, "OptionsRpc", "Add", bindings.at(1).operations.at(0).request);
    EXPECT_TRUE(rpc.Incomplete() && !rpc.Invalid()) << Lines(rpc);

    // Schemas that do not compile.
    const LoadResult broken =
        Load(Write("broken.wsdl", test::DescribeService("<xs:element name=\"Order\" type=\"tns:Nowhere\"/>",
                                                        {{"Send", "Order"}})));
    const ValidationReport unchecked = Check(broken, "Binding", "Send", Envelope("  <h:Order/>"));
    ASSERT_EQ(unchecked.problems.size(), 1u);
    EXPECT_TRUE(unchecked.problems[0].unchecked);
    EXPECT_TRUE(unchecked.problems[0].message.starts_with(validate_msg::kSchemasDoNotCompile));
}

TEST_F(RequestValidation, ImportsAndIncludesResolveAmongTheLoadedDocuments) {
    Write("line.xsd",
          "<xs:schema xmlns:xs=\"http://www.w3.org/2001/XMLSchema\">"
          "<xs:simpleType name=\"Qty\"><xs:restriction base=\"xs:int\"><xs:minInclusive value=\"1\"/>"
          "</xs:restriction></xs:simpleType></xs:schema>");
    Write("order.xsd", "<xs:schema xmlns:xs=\"http://www.w3.org/2001/XMLSchema\" xmlns:o=\"urn:order\" "
                       "targetNamespace=\"urn:order\" elementFormDefault=\"qualified\">"
                       "<xs:include schemaLocation=\"line.xsd\"/>"
                       "<xs:element name=\"Order\"><xs:complexType><xs:sequence>"
                       "<xs:element name=\"qty\" type=\"o:Qty\"/></xs:sequence></xs:complexType></xs:element>"
                       "</xs:schema>");
    const std::string schema =
        "<xs:import namespace=\"urn:order\" schemaLocation=\"order.xsd\"/>"
        "<xs:element name=\"Send\"><xs:complexType><xs:sequence>"
        "<xs:element xmlns:o=\"urn:order\" ref=\"o:Order\"/></xs:sequence></xs:complexType>"
        "</xs:element>";
    SampleOptions examples;
    examples.exampleValues = true;
    const LoadResult load =
        Load(Write("send.wsdl", test::DescribeService(schema, {{"Send", "Send"}})), examples, true);
    const std::string& request = load.model.at(0).bindings.at(0).operations.at(0).request;
    EXPECT_EQ(Lines(Check(load, "Binding", "Send", request)), "") << request;
    std::string zero = request;
    zero.replace(zero.find(">1<"), 3, ">0<");
    EXPECT_NE(Lines(Check(load, "Binding", "Send", zero)).find("minInclusive"), std::string::npos);
}

} // namespace
} // namespace quorvel
