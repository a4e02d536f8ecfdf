#pragma once
// A fingerprint of a load's outcome, so that two builds can be shown to produce byte-identical output.

#include "model/wsdl_model.h"

#include <cstdint>
#include <string>

namespace quorvel {

// FNV-1a 64 over every service, binding and operation name, SOAP version and request text, in model order.
uint64_t DigestModel(const WsdlModel& model);
// The model's digest after a successful load, else the digest of the failure message.
uint64_t DigestLoad(bool loaded, const WsdlModel& model, const std::string& message);

} // namespace quorvel
