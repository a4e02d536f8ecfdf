#include "gen/request_building.h"
#include "xml_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace quorvel {
namespace {

// A budget too small to take the requests built ahead: they are built again in order, and the count of
// requests done that the watch is told still only grows, up to all of them.
TEST(RequestBuilding, ProgressNeverGoesBack) {
    std::string operations;
    std::string bindingOperations;
    for (int i = 0; i < 40; ++i) {
        operations += "<operation name='Op" + std::to_string(i) + "'><input message='t:M'/></operation>";
        bindingOperations += "<operation name='Op" + std::to_string(i) + "'/>";
    }
    const XmlDocument document = test::ParseOrFail(
        "<definitions xmlns='http://schemas.xmlsoap.org/wsdl/' "
        "xmlns:soap='http://schemas.xmlsoap.org/wsdl/soap/' xmlns:xs='http://www.w3.org/2001/XMLSchema' "
        "xmlns:t='urn:t' targetNamespace='urn:t'><types>"
        "<xs:schema targetNamespace='urn:t'><xs:element name='Root' type='xs:string'/></xs:schema></types>"
        "<message name='M'><part name='p' element='t:Root'/></message><portType name='P'>" +
        operations + "</portType><binding name='B' type='t:P'><soap:binding style='document'/>" +
        bindingOperations +
        "</binding><service name='S'><port name='X' binding='t:B'><soap:address location='http://x/'/>"
        "</port></service></definitions>");
    const xmlNode* definitions = xmlDocGetRootElement(document.get());
    WsdlModel model;
    BindingElements bindings;
    std::string message;
    ASSERT_TRUE(ReadWsdlModel(DefinitionsList{definitions}, model, bindings, message)) << message;
    SchemaIndex index;
    CollectSchemas(definitions, index);
    GenerationBudget budget{kMaxRequestLines + 1, kMaxLoadBytes};
    std::vector<size_t> told;
    BuildWatch watch;
    watch.onBuilt = [&told](size_t built, size_t total) {
        EXPECT_EQ(total, 40u);
        told.push_back(built);
    };
    BuildRequests(index, DescriptionLookup({definitions}), RequestJobs(model, bindings), budget, 4, watch);
    ASSERT_FALSE(told.empty());
    EXPECT_TRUE(std::is_sorted(told.begin(), told.end()));
    EXPECT_EQ(told.back(), 40u);
    EXPECT_NE(model.front().bindings.front().operations.back().request, "");
}

} // namespace
} // namespace quorvel
