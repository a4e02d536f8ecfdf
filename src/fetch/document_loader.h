#pragma once

#include "model/wsdl_model.h"

#include <string>

namespace quorvel {

// Reads a local description file whole (at most 64 MiB). False with the user's message on failure.
bool ReadDescriptionFile(const std::string& path, std::string& bytes, std::string& message);

// The one entry of the document path: address (URL or file path, raw as typed) to a filled model.
// The model is emptied first; on failure it stays empty and message says why.
bool LoadServiceDescription(WsdlModel& model, const std::string& address, std::string& message);

} // namespace quorvel
