// Requests with the sample options: every option on against golden requests, the placeholders kept
// without example values, and the generation bounds with every option on.

#include "gen/generation_limits.h"
#include "load_capture.h"
#include "model_walk.h"
#include "service_description.h"
#include "xml_fixture.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

SampleOptions EveryOption() {
    SampleOptions options;
    options.headerParts = options.attributes = options.exampleValues = options.wsSecurity = true;
    return options;
}

test::LoadOutcome LoadWith(const std::string& description, const SampleOptions& sample) {
    LoadOptions options;
    options.sample = sample;
    return test::LoadDocumentBytes(description, options);
}

// Inherited and grouped attributes, a qualified one, xml:lang, fixed and default values, header parts by
// element and by type, headers naming what does not exist, enumerations, ranges, lengths, a list, a union,
// a pattern made and one that cannot be met, simple content, a choice and a repeated element.
TEST(SampleOptions, EveryOptionOnGivesTheGoldenRequests) {
    const LoadResult load = LoadWith(test::ReadTestData("gen/sample_options.wsdl"), EveryOption());
    ASSERT_TRUE(load.ok) << load.message;
    size_t compared = 0;
    test::ForEachOperation(load.model, [&](const WsdlBinding& binding, const WsdlOperation& operation) {
        const std::string golden = "gen/sample_options." + binding.name + "." + operation.name + ".xml";
        EXPECT_EQ(operation.request, test::ReadTestData(golden)) << golden;
        ++compared;
    });
    EXPECT_EQ(compared, 2u);
}

TEST(SampleOptions, WithoutExampleValuesEveryValueIsThePlaceholderAndEveryChoiceIsWritten) {
    SampleOptions options;
    options.attributes = options.headerParts = true;
    const LoadResult load = LoadWith(test::ReadTestData("gen/sample_options.wsdl"), options);
    ASSERT_TRUE(load.ok) << load.message;
    const std::string& request = load.model.at(0).bindings.at(0).operations.at(0).request;
    EXPECT_NE(request.find("<urn:order version=\"?\" xml:lang=\"?\" createdBy=\"?\" at=\"?\" com:trace=\"?\" "
                           "kind=\"standard\" priority=\"3\" urn:ref=\"?\">"),
              std::string::npos)
        << request;
    EXPECT_NE(request.find("<urn:restricted version=\"?\">"), std::string::npos);
    EXPECT_NE(
        request.find(
            "   <soapenv:Header>\n      <urn:Session expires=\"?\">\n         <urn:token>?</urn:token>\n"
            "      </urn:Session>\n      <ticket>?</ticket>\n   </soapenv:Header>"),
        std::string::npos);
    EXPECT_NE(request.find("<urn:byPhone>?</urn:byPhone>"), std::string::npos);
    EXPECT_NE(request.find("<urn:price currency=\"?\"/>"), std::string::npos);
}

TEST(SampleOptions, TheLineAndByteBoundsHoldWithEveryOption) {
    const std::string schema =
        "<xs:element name=\"Many\"><xs:complexType><xs:sequence>"
        "<xs:element name=\"item\" minOccurs=\"300000\" maxOccurs=\"unbounded\"><xs:complexType>"
        "<xs:simpleContent><xs:extension base=\"xs:int\"><xs:attribute name=\"a\" type=\"xs:int\"/>"
        "</xs:extension></xs:simpleContent></xs:complexType></xs:element>"
        "</xs:sequence></xs:complexType></xs:element>"
        "<xs:element name=\"Wide\"><xs:complexType><xs:sequence>"
        "<xs:element name=\"w\" minOccurs=\"90000\" maxOccurs=\"90000\"><xs:complexType>"
        "<xs:attribute name=\"a\" type=\"xs:string\" default=\"" +
        std::string(300, 'x') +
        "\"/>"
        "</xs:complexType></xs:element></xs:sequence></xs:complexType></xs:element>";
    const LoadResult load =
        LoadWith(test::DescribeService(schema, {{"Many", "Many"}, {"Wide", "Wide"}}), EveryOption());
    ASSERT_TRUE(load.ok) << load.message;
    const auto& operations = load.model.at(0).bindings.at(0).operations;
    const std::string& many = operations.at(0).request;
    EXPECT_LE(test::CountLines(many), kMaxRequestLines);
    EXPECT_NE(many.find(RequestTruncatedNote()), std::string::npos);
    EXPECT_TRUE(ParseXmlText(many).ok());
    const std::string& wide = operations.at(1).request;
    EXPECT_LE(wide.size(), kMaxRequestBytes);
    EXPECT_NE(wide.find(RequestBytesTruncatedNote()), std::string::npos);
    EXPECT_TRUE(ParseXmlText(wide).ok());
}

} // namespace
} // namespace quorvel
