#pragma once
// One load of a description file, timed as a whole and stage by stage.

#include "model/wsdl_model.h"

#include <string>

namespace quorvel::bench {

// Milliseconds of each step of one load, as the load reports its steps.
struct StageTimes {
    double read = 0;
    double decode = 0;
    double parse = 0;
    double index = 0; // reading services and bindings, and indexing the schemas
    double generate = 0;
    double release = 0; // freeing the document after the model is built
};

// Loads the file once, timing each step between the load's reports. False with message on failure.
bool TimeStagedLoad(const std::string& path, StageTimes& times, std::string& message);

// The whole document path as the program runs it; model is left filled.
bool TimeWholeLoad(const std::string& path, WsdlModel& model, double& milliseconds, std::string& message);

// The floor: parsing the decoded text with the program's parser settings, nothing else.
double TimeParseOnly(const std::string& decodedText);

// The decoded text of a file, as the loader would hand it to the parser.
bool ReadDecodedText(const std::string& path, std::string& text, std::string& message);

} // namespace quorvel::bench
