#include "load/service_load.h"

#include "fetch/address.h"
#include "fetch/cancel_flag.h"
#include "fetch/http_get.h"
#include "fetch/text_decoding.h"
#include "gen/request_building.h"
#include "load/document_set.h"
#include "load/messages.h"
#include "model/wsdl_reader.h"
#include "xml/schema_index.h"

#include <new>
#include <utility>

namespace quorvel {
namespace {

void Tell(const LoadOptions& options, const LoadProgress& progress) {
    if (options.onProgress) {
        options.onProgress(progress);
    }
}

// Tells the observers that a step begins; false when the load was cancelled and ends here.
bool Begin(const LoadOptions& options, LoadStage stage) {
    LoadProgress progress;
    progress.stage = stage;
    Tell(options, progress);
    return !IsCancelled(options.cancel);
}

// A cancelled load ends without a model or a message, whatever it had come to.
LoadResult Finish(LoadResult result, const LoadOptions& options) {
    if (IsCancelled(options.cancel)) {
        result.ok = false;
        result.cancelled = true;
        result.model.clear();
        result.message.clear();
    }
    return result;
}

BuildWatch WatchOf(const LoadOptions& options) {
    BuildWatch watch;
    watch.cancel = options.cancel;
    if (options.onProgress) {
        watch.onBuilt = [&options](size_t built, size_t total) {
            LoadProgress progress;
            progress.stage = LoadStage::Generate;
            progress.requestsBuilt = built;
            progress.requestsTotal = total;
            Tell(options, progress);
        };
    }
    return watch;
}

HttpOptions DownloadOptions(const std::string& address, const LoadOptions& options) {
    HttpOptions download;
    download.cancel = options.cancel;
    if (options.onProgress) {
        download.onReceived = [&options, &address](uint64_t bytes, uint64_t declared) {
            LoadProgress progress;
            progress.document = address;
            progress.bytesReceived = bytes;
            progress.bytesExpected = declared;
            Tell(options, progress);
        };
    }
    return download;
}

// Ends a failed load: no model, and the message already set.
bool Fail(LoadResult& result) {
    result.model.clear();
    return false;
}

bool Fail(LoadResult& result, std::string_view message) {
    result.message = message;
    return Fail(result);
}

// Reads the description's model and builds every request while the documents live.
bool ReadAndBuild(const DocumentSet& documents, LoadResult& result, const LoadOptions& options) {
    Begin(options, LoadStage::Index);
    BindingElements bindingElements;
    const DefinitionsList definitions = documents.Definitions();
    if (!ReadWsdlModel(definitions, result.model, bindingElements, result.message)) {
        return Fail(result);
    }
    SchemaIndex index;
    documents.IndexSchemas(index);
    const DescriptionLookup description(definitions);
    if (!Begin(options, LoadStage::Generate)) {
        return Fail(result);
    }
    GenerationBudget budget;
    BuildRequests(
        index, description,
        RequestJobs(result.model, bindingElements, options.buildUpTo ? &*options.buildUpTo : nullptr), budget,
        options.buildThreads, WatchOf(options));
    return true;
}

// Takes the text over so that it is released once parsed, before the requests are built. The document
// was read from address as bytes bytes.
bool ParseAndRead(std::string text, const std::string& address, size_t bytes, LoadResult& result,
                  const LoadOptions& options) {
    if (!Begin(options, LoadStage::Parse)) {
        return Fail(result);
    }
    XmlDocument root;
    const bool parsed = ParseDescriptionText(text, root, result.message);
    std::string().swap(text);
    if (!parsed) {
        return Fail(result);
    }
    DocumentSet documents(std::move(root), address, bytes);
    if (options.followImports) {
        documents.FollowImports(
            [&options](const std::string& import) { return DownloadOptions(import, options); });
        result.notes = documents.Notes();
    }
    result.documentCount = documents.Size();
    const bool read = ReadAndBuild(documents, result, options);
    Begin(options, LoadStage::Release);
    return read;
}

bool Decode(std::string_view bytes, std::string& text, LoadResult& result, const LoadOptions& options) {
    Begin(options, LoadStage::Decode);
    return DecodeDocumentText(bytes, text, result.message) || Fail(result);
}

// A URL (one GET) or a file; a download's relative imports are read from where it was finally fetched.
bool FetchAndRead(LoadResult& result, const LoadOptions& options) {
    std::string address = result.address, bytes, text;
    if (!FetchDocumentBytes(address, bytes, result.message, DownloadOptions(result.address, options)) ||
        !Decode(bytes, text, result, options)) {
        return Fail(result);
    }
    // The raw bytes are not needed past decoding; the parser gets the memory instead.
    const size_t size = bytes.size();
    std::string().swap(bytes);
    return ParseAndRead(std::move(text), address, size, result, options);
}

bool LoadAddress(LoadResult& result, const std::string& address, const LoadOptions& options) {
    result.address = NormalizeAddress(address);
    if (result.address.empty()) {
        return Fail(result, load_msg::kEmptyAddress);
    }
    Begin(options, LoadStage::Read);
    return FetchAndRead(result, options);
}

bool LoadBytes(LoadResult& result, std::string_view bytes, const std::string& address,
               const LoadOptions& options) {
    std::string text;
    return Decode(bytes, text, result, options) &&
           ParseAndRead(std::move(text), address, bytes.size(), result, options);
}

// Runs one load. Memory that runs out anywhere in it fails the load like any other cause: what was
// built is released first, then the message is set.
template <typename Load>
LoadResult RunLoad(const std::string& address, const LoadOptions& options, Load load) {
    LoadResult result;
    result.address = address;
    try {
        result.ok = load(result);
    } catch (const std::bad_alloc&) {
        result.ok = false;
        result.model.clear();
        result.message = load_msg::kOutOfMemory;
    }
    return Finish(std::move(result), options);
}

} // namespace

LoadResult LoadServiceDescription(const std::string& address, const LoadOptions& options) {
    return RunLoad(address, options,
                   [&](LoadResult& result) { return LoadAddress(result, address, options); });
}

LoadResult LoadServiceDescriptionFromBytes(std::string_view bytes, const std::string& address,
                                           const LoadOptions& options) {
    return RunLoad(address, options,
                   [&](LoadResult& result) { return LoadBytes(result, bytes, address, options); });
}

} // namespace quorvel
