#include "model/messages.h"
#include "model/wsdl_reader.h"
#include "xml_fixture.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

// The reader over one parsed document, or over none.
bool ReadDocument(const xmlDoc* document, WsdlModel& model, BindingElements& elements, std::string& message) {
    return ReadWsdlModel(DefinitionsList{document == nullptr ? nullptr : xmlDocGetRootElement(document)},
                         model, elements, message);
}

// Bindings used below: A and B are SOAP 1.1 and 1.2, Http is not SOAP. Each has its operations.
const char* const kBindings =
    "<portType name='P'><operation name='Op'><input message='M'/></operation></portType>"
    "<message name='M'/>"
    "<binding name='A' type='P'><s11:binding/><operation name='Op'/><operation name='Op'/></binding>"
    "<binding name='B' type='P'><s12:binding/><operation name='Op'/></binding>"
    "<binding name='Http' type='P'><http:binding verb='GET'/><operation name='Op'/></binding>"
    "<binding name='Empty' type='P'><s11:binding/></binding>";

std::string Description(const std::string& content) {
    return "<w:definitions xmlns:w='http://schemas.xmlsoap.org/wsdl/' "
           "xmlns='http://schemas.xmlsoap.org/wsdl/' "
           "xmlns:s11='http://schemas.xmlsoap.org/wsdl/soap/' "
           "xmlns:s12='http://schemas.xmlsoap.org/wsdl/soap12/' "
           "xmlns:http='http://schemas.xmlsoap.org/wsdl/http/' xmlns:x='urn:x' xmlns:y='urn:y'>" +
           std::string(kBindings) + content + "</w:definitions>";
}

// The model as text: "service[binding(version):operations...]" for every service.
std::string Shape(const WsdlModel& model) {
    std::string shape;
    for (const WsdlService& service : model) {
        shape += service.name + "[";
        for (const WsdlBinding& binding : service.bindings) {
            shape += binding.name + "(" + std::to_string(binding.soapVersion) +
                     "):" + std::to_string(binding.operations.size()) + " ";
        }
        shape += "]";
    }
    return shape;
}

size_t BindingRecords(const WsdlModel& model) {
    size_t records = 0;
    for (const WsdlService& service : model) {
        records += service.bindings.size();
    }
    return records;
}

struct ShapeCase {
    const char* name;
    const char* services;
    const char* shape;
};

TEST(ReadWsdlModel, ServicesReachTheirSoapBindingsOnce) {
    const ShapeCase cases[] = {
        {"no service: every SOAP binding in a made-up service", "", "WSDL[A(11):2 B(12):1 Empty(11):0 ]"},
        {"ports in document order, duplicates by local name dropped",
         "<service name='S'><port binding='y:B'/><port binding='x:A'/><port binding='y:A'/></service>",
         "S[B(12):1 A(11):2 ]"},
        {"two services share a binding",
         "<service name='S1'><port binding='A'/></service><service name='S2'><port binding='x:A'/></service>",
         "S1[A(11):2 ]S2[A(11):2 ]"},
        {"non-SOAP and unknown bindings skipped, empty service dropped",
         "<service name='Gone'><port binding='Http'/><port binding='Nowhere'/></service>"
         "<service name='Kept'><port binding='Http'/><port binding='Empty'/></service>",
         "Kept[Empty(11):0 ]"},
        {"same service name twice gives two services",
         "<service name='S'><port binding='A'/></service><service name='S'><port binding='B'/></service>",
         "S[A(11):2 ]S[B(12):1 ]"},
        {"nested service elements are not seen",
         "<types><service name='Hidden'><port binding='A'/></service>"
         "</types><service name='S'><port binding='B'/></service>",
         "S[B(12):1 ]"},
    };
    for (const ShapeCase& c : cases) {
        XmlDocument document = test::ParseOrFail(Description(c.services));
        WsdlModel model(2);
        BindingElements elements(1);
        std::string message = "untouched";
        EXPECT_TRUE(ReadDocument(document.get(), model, elements, message)) << c.name;
        EXPECT_EQ(Shape(model), c.shape) << c.name;
        EXPECT_EQ(elements.size(), BindingRecords(model)) << c.name;
        EXPECT_EQ(message, "untouched") << c.name;
    }
}

// The endpoint comes from the first port that names the binding, of either SOAP version's address
// element; each operation keeps its own soapAction.
TEST(WsdlReader, EndpointsAndActions) {
    const std::string text = Description(
        "<service name='S'><port binding='B'><s11:address location='http://h/one'/></port>"
        "<port binding='B'><s12:address location='http://h/two'/></port>"
        "<port binding='A'><http:address location='http://h/http'/></port></service>"
        "<service name='T'><port binding='B'><s12:address location='http://h/three'/></port></service>");
    std::string actions = text;
    actions.replace(actions.find("<operation name='Op'/>"), 22,
                    "<operation name='Op'><s11:operation soapAction='urn:op'/></operation>");
    XmlDocument document = test::ParseOrFail(actions);
    WsdlModel model;
    BindingElements elements;
    std::string message;
    ASSERT_TRUE(ReadDocument(document.get(), model, elements, message));
    ASSERT_EQ(Shape(model), "S[B(12):1 A(11):2 ]T[B(12):1 ]");
    EXPECT_EQ(model[0].bindings[0].endpoint, "http://h/one");
    EXPECT_EQ(model[0].bindings[1].endpoint, "");
    EXPECT_EQ(model[1].bindings[0].endpoint, "http://h/three");
    EXPECT_EQ(model[0].bindings[1].operations[0].soapAction, "urn:op");
    EXPECT_EQ(model[0].bindings[1].operations[1].soapAction, "");

    XmlDocument bindingsOnly = test::ParseOrFail(Description(""));
    ASSERT_TRUE(ReadDocument(bindingsOnly.get(), model, elements, message));
    EXPECT_EQ(model[0].name, "WSDL");
    EXPECT_EQ(model[0].bindings[0].endpoint, "");
}

struct FailureCase {
    const char* name;
    std::string text;
    std::string_view message;
};

TEST(ReadWsdlModel, FailuresEmptyTheModel) {
    const FailureCase cases[] = {
        {"WSDL 2.0 root", "<description xmlns='http://www.w3.org/ns/wsdl'/>", model_msg::kNotWsdl},
        {"services reach no SOAP binding", Description("<service name='S'><port binding='Http'/></service>"),
         model_msg::kNoSoapBinding},
        {"only an HTTP binding, no service",
         "<definitions xmlns:http='http://schemas.xmlsoap.org/wsdl/http/'><binding name='H'><http:binding/>"
         "</binding></definitions>",
         model_msg::kNoSoapBinding},
    };
    for (const FailureCase& c : cases) {
        XmlDocument document = test::ParseOrFail(c.text);
        WsdlModel model(1);
        BindingElements elements;
        std::string message;
        EXPECT_FALSE(ReadDocument(document.get(), model, elements, message)) << c.name;
        EXPECT_TRUE(model.empty()) << c.name;
        EXPECT_EQ(message, c.message) << c.name;
    }
    WsdlModel model(1);
    BindingElements elements;
    std::string message;
    EXPECT_FALSE(ReadDocument(nullptr, model, elements, message));
    EXPECT_EQ(message, "不是有效的 WSDL（缺少 definitions）。");
    EXPECT_EQ(model_msg::kNoSoapBinding, "未找到 SOAP binding。");
}

} // namespace
} // namespace quorvel
