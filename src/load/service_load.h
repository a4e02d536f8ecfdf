#pragma once
// One load: an address to a model with every request built.

#include "fetch/http_exchange.h"
#include "gen/sample_options.h"
#include "load/import_note.h"
#include "model/find_operation.h"
#include "model/wsdl_model.h"

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace quorvel {

struct LoadedDocuments;

// The steps of one load, in the order they begin.
enum class LoadStage { Read, Decode, Parse, Index, Generate, Release };

// How far a load has come: the step under way and, where the step has them, its counts.
struct LoadProgress {
    LoadStage stage = LoadStage::Read;
    // The address of the document being read.
    std::string document;
    // Bytes downloaded so far (Read of a URL), and of how many when the server declared the length (else 0).
    uint64_t bytesReceived = 0;
    uint64_t bytesExpected = 0;
    // Requests built so far, of all the load has to build (Generate).
    size_t requestsBuilt = 0;
    size_t requestsTotal = 0;
};

struct LoadOptions {
    // Threads that build requests; 0 means one per core. The requests do not depend on it.
    unsigned buildThreads = 0;
    // Set by another thread to end the load early: the download stops within a few milliseconds and
    // request building after the request under way; the result is then a cancelled one.
    const std::atomic<bool>* cancel = nullptr;
    // Told on the loading thread as each step begins, as bytes arrive and as requests are built.
    std::function<void(const LoadProgress&)> onProgress;
    // When set, requests are built in load order only up to the operation that FindOperation finds for
    // it, which gets exactly the request of a full load; the requests after it (all of them when there is
    // none) stay empty.
    std::optional<RequestTarget> buildUpTo;
    // The settings of every download of the load: time-outs, trust, the deadline. Its cancel and progress
    // are the load's own (above). Its extra request headers ("Name: value") and HTTP credentials are sent
    // only to the host and port of the description's own address: with its download and with the imports
    // read from there.
    HttpOptions http;
    // Also read every document the description imports (WSDL and schema imports, includes and
    // redefines), and read the description from all of them together.
    bool followImports = false;
    // How long reading the imports may take in all; the imports not read by then become a note.
    std::chrono::milliseconds importTimeLimit = std::chrono::minutes(5);
    // What the requests hold beyond the plain samples.
    SampleOptions sample;
    // Keep the parsed documents in the result (to check requests against their schemas later).
    bool keepDocuments = false;
    // The process ends right after this load (batch mode, the command line for scripts): the documents
    // read are left to the system instead of being freed node by node.
    bool endsProcess = false;
};

struct LoadResult {
    bool ok = false;
    // Every service, binding and operation with its request; empty when the load failed.
    WsdlModel model;
    // Why the load failed, in the user's language; empty on success.
    std::string message;
    // The address as loaded: trimmed of blanks and quotes, "?wsdl" added to a URL that lacks it.
    std::string address;
    // The load was cancelled: not ok, no model and no message.
    bool cancelled = false;
    // When imports were followed: the imports that were not read and the limits reached, in the order met.
    std::vector<ImportNote> notes;
    // Documents the description was read from: the root and every import read.
    size_t documentCount = 0;
    // With LoadOptions::keepDocuments, the documents of a load that succeeded; they are only read.
    std::shared_ptr<const LoadedDocuments> documents;
};

// Loads from a URL (one GET) or a file path, as typed by the user.
LoadResult LoadServiceDescription(const std::string& address, const LoadOptions& options = {});

} // namespace quorvel
