#pragma once
// Helpers of the hostile-document tests: write a document to a real file, load it through the whole
// document path, and judge the requests with an independent parser.

#include "model/wsdl_model.h"

#include <string>
#include <utility>
#include <vector>

namespace quorvel::test {

struct LoadOutcome {
    bool loaded = false;
    WsdlModel model;
    std::string message;
    double seconds = 0;
};

// Writes bytes to a file in a fresh temporary directory and loads it with LoadServiceDescription.
LoadOutcome LoadDocumentBytes(const std::string& bytes);
// Loads a file as it stands.
LoadOutcome LoadDocumentFile(const std::string& path);

// Every request of the model, in model order.
std::vector<const WsdlOperation*> AllOperations(const WsdlModel& model);

// Lines of a request (joined by single line feeds).
std::vector<std::string> RequestLines(const std::string& request);
// Number of lines of a request.
size_t CountLines(const std::string& request);
// Deepest element nesting of a request, the Envelope counting as level 1.
int ElementNesting(const std::string& request);

// Adds a test failure for every request that is not sound XML with its prefixes on the Envelope.
void ExpectSoundRequests(const WsdlModel& model);

// A SOAP 1.1 document/literal description in the namespace "urn:hostile" (prefix tns) whose schema
// body is given; each operation (name, global element) sends that element.
using OperationSpec = std::pair<std::string, std::string>;
std::string DescribeService(const std::string& schemaBody, const std::vector<OperationSpec>& operations,
                            const std::string& doctype = "");

} // namespace quorvel::test
