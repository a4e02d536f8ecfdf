#include "model/binding_traits.h"
#include "model/wsdl_model.h"
#include "xml_fixture.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

struct BindingCase {
    const char* name;
    const char* children;
    int32_t version;
    const char* style;
};

TEST(BindingInspection, VersionAndStyleFromTheExtensionElements) {
    const BindingCase cases[] = {
        {"SOAP 1.2 binding element", "<s12:binding style='rpc'/>", SOAP_12, "rpc"},
        {"SOAP 1.1 binding element", "<s11:binding/>", SOAP_11, "document"},
        {"operations decide without a binding element", "<operation><s12:operation/></operation>", SOAP_12,
         "document"},
        {"HTTP operations only", "<operation><http:operation location='/x'/></operation>", SOAP_NONE,
         "document"},
        {"foreign binding element, SOAP 1.1 operations",
         "<http:binding verb='GET'/><operation><s11:operation/>"
         "</operation>",
         SOAP_11, "document"},
        {"binding element wins wherever it stands", "<operation><s11:operation/></operation><s12:binding/>",
         SOAP_12, "document"},
        {"first binding element without style, second with", "<s11:binding/><s12:binding style='rpc'/>",
         SOAP_11, "rpc"},
        {"style kept as written", "<s11:binding style='RPC'/>", SOAP_11, "RPC"},
        {"empty style counts as none", "<s11:binding style=''/>", SOAP_11, "document"},
        {"nothing at all", "", SOAP_NONE, "document"},
    };
    for (const BindingCase& c : cases) {
        XmlDocument document =
            test::ParseOrFail(std::string("<binding xmlns:s11='http://schemas.xmlsoap.org/wsdl/soap/' "
                                          "xmlns:s12='http://schemas.xmlsoap.org/wsdl/soap12/' "
                                          "xmlns:http='http://schemas.xmlsoap.org/wsdl/http/'>") +
                              c.children + "</binding>");
        const xmlNode* binding = xmlDocGetRootElement(document.get());
        EXPECT_EQ(DetectSoapVersion(binding), c.version) << c.name;
        EXPECT_EQ(GetBindingStyle(binding), c.style) << c.name;
    }
}

} // namespace
} // namespace quorvel
