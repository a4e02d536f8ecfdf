#pragma once
// Helpers of the hostile-document tests: the shape of requests, and their judgement by an independent
// parser.

#include "load_capture.h"
#include "model/wsdl_model.h"
#include "model_walk.h"
#include "service_description.h"

#include <string>
#include <utility>
#include <vector>

namespace quorvel::test {

// Lines of a request (joined by single line feeds).
std::vector<std::string> RequestLines(const std::string& request);
// Deepest element nesting of a request, the Envelope counting as level 1.
int ElementNesting(const std::string& request);

// Adds a test failure for every request that is not sound XML with its prefixes on the Envelope.
void ExpectSoundRequests(const WsdlModel& model);

} // namespace quorvel::test
