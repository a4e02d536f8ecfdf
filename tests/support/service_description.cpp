#include "service_description.h"

namespace quorvel::test {

std::string DescribeService(const std::string& schemaBody, const std::vector<OperationSpec>& operations,
                            const std::string& doctype) {
    std::string messages;
    std::string portTypeOperations;
    std::string bindingOperations;
    for (const auto& [operation, element] : operations) {
        messages += "  <message name=\"" + operation +
                    "Request\"><part name=\"body\" element=\"tns:" + element + "\"/></message>\n";
        portTypeOperations += "    <operation name=\"" + operation + "\"><input message=\"tns:" + operation +
                              "Request\"/></operation>\n";
        bindingOperations += "    <operation name=\"" + operation + "\"/>\n";
    }
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n" + doctype +
           "<definitions xmlns=\"http://schemas.xmlsoap.org/wsdl/\""
           " xmlns:soap=\"http://schemas.xmlsoap.org/wsdl/soap/\""
           " xmlns:xs=\"http://www.w3.org/2001/XMLSchema\" xmlns:tns=\"urn:hostile\""
           " targetNamespace=\"urn:hostile\">\n"
           "  <types>\n"
           "    <xs:schema targetNamespace=\"urn:hostile\" elementFormDefault=\"qualified\">\n" +
           schemaBody +
           "    </xs:schema>\n"
           "  </types>\n" +
           messages + "  <portType name=\"Port\">\n" + portTypeOperations +
           "  </portType>\n"
           "  <binding name=\"Binding\" type=\"tns:Port\">\n"
           "    <soap:binding style=\"document\"/>\n" +
           bindingOperations +
           "  </binding>\n"
           "  <service name=\"Service\"><port name=\"Port\" binding=\"tns:Binding\"/></service>\n"
           "</definitions>\n";
}

} // namespace quorvel::test
