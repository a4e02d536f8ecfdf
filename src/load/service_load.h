#pragma once
// One load: an address (or bytes already in memory) to a model with every request built.

#include "model/wsdl_model.h"

#include <functional>
#include <string>
#include <string_view>

namespace quorvel {

// The steps of one load, in the order they begin.
enum class LoadStage { Read, Decode, Parse, Index, Generate, Release };

struct LoadOptions {
    // Threads that build requests; 0 means one per core. The requests do not depend on it.
    unsigned buildThreads = 0;
    // Told on the loading thread as each step begins; a download decodes as it reads, without Decode.
    std::function<void(LoadStage)> onStage;
};

struct LoadResult {
    bool ok = false;
    // Every service, binding and operation with its request; empty when the load failed.
    WsdlModel model;
    // Why the load failed, in the user's language; empty on success.
    std::string message;
    // The address as loaded: trimmed of blanks and quotes, "?wsdl" added to a URL that lacks it.
    std::string address;
};

// Loads from a URL (one GET) or a file path, as typed by the user.
LoadResult LoadServiceDescription(const std::string& address, const LoadOptions& options = {});

// Loads document bytes that came from address (already as loaded), decoding them as a file's.
LoadResult LoadServiceDescriptionFromBytes(std::string_view bytes, const std::string& address,
                                           const LoadOptions& options = {});

} // namespace quorvel
