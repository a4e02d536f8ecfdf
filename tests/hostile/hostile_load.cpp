#include "hostile_load.h"

#include "fetch/document_loader.h"
#include "request_check.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <sstream>

namespace quorvel::test {

LoadOutcome LoadDocumentFile(const std::string& path) {
    LoadOutcome outcome;
    auto start = std::chrono::steady_clock::now();
    outcome.loaded = LoadServiceDescription(outcome.model, path, outcome.message);
    outcome.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return outcome;
}

LoadOutcome LoadDocumentBytes(const std::string& bytes) {
    TempDir dir;
    return LoadDocumentFile(dir.WriteFile("service.wsdl", bytes));
}

std::vector<const WsdlOperation*> AllOperations(const WsdlModel& model) {
    std::vector<const WsdlOperation*> operations;
    for (const WsdlService& service : model) {
        for (const WsdlBinding& binding : service.bindings) {
            for (const WsdlOperation& operation : binding.operations) {
                operations.push_back(&operation);
            }
        }
    }
    return operations;
}

std::vector<std::string> RequestLines(const std::string& request) {
    std::vector<std::string> lines;
    std::istringstream in(request);
    std::string line;
    while (std::getline(in, line)) {
        lines.push_back(line);
    }
    return lines;
}

int ElementNesting(const std::string& request) {
    int depth = 0;
    int deepest = 0;
    for (size_t at = request.find('<'); at != std::string::npos; at = request.find('<', at + 1)) {
        size_t close = request.find('>', at);
        if (close == std::string::npos || request.compare(at, 4, "<!--") == 0) {
            continue;
        }
        if (request[at + 1] == '/') {
            --depth;
        } else if (request[close - 1] != '/') {
            deepest = std::max(deepest, ++depth);
        } else {
            deepest = std::max(deepest, depth + 1);
        }
    }
    return deepest;
}

void ExpectSoundRequests(const WsdlModel& model) {
    const std::string* previous = nullptr;
    for (const WsdlOperation* operation : AllOperations(model)) {
        // Runs of identical requests (the same element sent by many operations) are judged once.
        if (previous == nullptr || *previous != operation->request) {
            EXPECT_EQ(CheckRequest(operation->request), "") << "operation " << operation->name;
        }
        previous = &operation->request;
    }
}

size_t CountLines(const std::string& request) {
    return request.empty() ? 0 : 1 + static_cast<size_t>(std::count(request.begin(), request.end(), '\n'));
}

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
