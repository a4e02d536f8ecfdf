#pragma once
// One load of a description file, timed as a whole and stage by stage.

#include "model/wsdl_model.h"

#include <string>

namespace quorvel::bench {

// Milliseconds of one staged load. Generate is the reader's time less a separate index pass.
struct StageTimes {
    double read = 0;
    double decode = 0;
    double parse = 0;
    double index = 0;
    double generate = 0;
    double release = 0; // freeing the document after the model is built
};

// Runs read, decode, parse, a separate schema index pass, the reader and the document release one after
// another. False with message when a step fails.
bool TimeStagedLoad(const std::string& path, StageTimes& times, std::string& message);

// The whole document path as the program runs it; model is left filled.
bool TimeWholeLoad(const std::string& path, WsdlModel& model, double& milliseconds, std::string& message);

// The floor: parsing the decoded text with the program's parser settings, nothing else.
double TimeParseOnly(const std::string& decodedText);

// The decoded text of a file, as the loader would hand it to the parser.
bool ReadDecodedText(const std::string& path, std::string& text, std::string& message);

} // namespace quorvel::bench
