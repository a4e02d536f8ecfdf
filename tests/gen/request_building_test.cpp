#include "gen/request_building.h"
#include "model_walk.h"
#include "one_request.h"
#include "xml/namespaces.h"
#include "xml_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace quorvel {
namespace {

// A description read as a load reads it, before its requests are built.
struct ReadDescription {
    explicit ReadDescription(const std::string& text) : document(test::ParseOrFail(text)) {
        std::string message;
        EXPECT_TRUE(ReadWsdlModel(DefinitionsList{Definitions()}, model, bindings, message)) << message;
        CollectSchemas(Definitions(), index);
    }
    const xmlNode* Definitions() const { return xmlDocGetRootElement(document.get()); }
    void Build(GenerationBudget& budget, unsigned threads, const BuildWatch& watch = {}) {
        BuildRequests(index, DescriptionLookup({Definitions()}), RequestJobs(model, bindings), budget,
                      threads, watch);
    }

    XmlDocument document;
    WsdlModel model;
    BindingElements bindings;
    SchemaIndex index;
};

// A budget too small to take the requests built ahead: they are built again in order, and the count of
// requests done that the watch is told still only grows, up to all of them.
TEST(RequestBuilding, ProgressNeverGoesBack) {
    std::string operations;
    std::string bindingOperations;
    for (int i = 0; i < 40; ++i) {
        operations += "<operation name='Op" + std::to_string(i) + "'><input message='t:M'/></operation>";
        bindingOperations += "<operation name='Op" + std::to_string(i) + "'/>";
    }
    ReadDescription description(
        "<definitions xmlns='http://schemas.xmlsoap.org/wsdl/' "
        "xmlns:soap='http://schemas.xmlsoap.org/wsdl/soap/' xmlns:xs='http://www.w3.org/2001/XMLSchema' "
        "xmlns:t='urn:t' targetNamespace='urn:t'><types>"
        "<xs:schema targetNamespace='urn:t'><xs:element name='Root' type='xs:string'/></xs:schema></types>"
        "<message name='M'><part name='p' element='t:Root'/></message><portType name='P'>" +
        operations + "</portType><binding name='B' type='t:P'><soap:binding style='document'/>" +
        bindingOperations +
        "</binding><service name='S'><port name='X' binding='t:B'><soap:address location='http://x/'/>"
        "</port></service></definitions>");
    GenerationBudget budget{kMaxRequestLines + 1, kMaxLoadBytes};
    std::vector<size_t> told;
    BuildWatch watch;
    watch.onBuilt = [&told](size_t built, size_t total) {
        EXPECT_EQ(total, 40u);
        told.push_back(built);
    };
    description.Build(budget, 4, watch);
    ASSERT_FALSE(told.empty());
    EXPECT_TRUE(std::is_sorted(told.begin(), told.end()));
    EXPECT_EQ(told.back(), 40u);
    EXPECT_NE(description.model.front().bindings.front().operations.back().request, "");
}

// The SOAP 1.1 and 1.2 bindings of one port type: built together, each request is the one its binding
// gives alone, also where a body namespace would take the other envelope's prefix or is its namespace.
TEST(RequestBuilding, BindingsOfOnePortTypeGiveTheRequestsEachWouldAlone) {
    const std::string bodyNamespaces[] = {"urn:x", "http://example.com/soap/", NS_SOAP12_ENV, NS_SOAP11_ENV};
    std::string messages, operations, bindingOperations;
    for (size_t i = 0; i < std::size(bodyNamespaces); ++i) {
        const std::string n = std::to_string(i);
        messages += "<message name='M" + n + "'><part name='p' element='b" + n + ":E' xmlns:b" + n + "='" +
                    bodyNamespaces[i] + "'/></message>";
        operations += "<operation name='Op" + n + "'><input message='t:M" + n + "'/></operation>";
        bindingOperations += "<operation name='Op" + n + "'/>";
    }
    ReadDescription description(
        "<definitions xmlns='http://schemas.xmlsoap.org/wsdl/' "
        "xmlns:soap='http://schemas.xmlsoap.org/wsdl/soap/' "
        "xmlns:soap12='http://schemas.xmlsoap.org/wsdl/soap12/' "
        "xmlns:t='urn:t' targetNamespace='urn:t'>" +
        messages + "<portType name='P'>" + operations +
        "</portType><binding name='B11' type='t:P'><soap:binding style='document'/>" + bindingOperations +
        "</binding><binding name='B12' type='t:P'><soap12:binding style='document'/>" + bindingOperations +
        "</binding><service name='S'><port name='X' binding='t:B11'><soap:address "
        "location='http://x/'/></port>"
        "<port name='Y' binding='t:B12'><soap12:address "
        "location='http://x/'/></port></service></definitions>");
    GenerationBudget budget;
    description.Build(budget, 1);
    const xmlNode* definitions = description.Definitions();
    size_t compared = 0;
    test::ForEachOperation(
        description.model, [&](const WsdlBinding& binding, const WsdlOperation& operation) {
            PrefixRegistry registry;
            GenerationBudget alone;
            EXPECT_EQ(operation.request,
                      test::BuildRequestEnvelope(description.index, registry, definitions,
                                                 NamedChildren(definitions, "binding").Find(binding.name),
                                                 operation.name, alone))
                << binding.name << " " << operation.name;
            ++compared;
        });
    EXPECT_EQ(compared, 2 * std::size(bodyNamespaces));
}

} // namespace
} // namespace quorvel
