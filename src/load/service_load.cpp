#include "load/service_load.h"

#include "fetch/address.h"
#include "fetch/file_reading.h"
#include "fetch/http_get.h"
#include "fetch/text_decoding.h"
#include "gen/request_building.h"
#include "load/messages.h"
#include "model/wsdl_reader.h"
#include "xml/dom.h"
#include "xml/schema_index.h"

#include <utility>

namespace quorvel {
namespace {

bool IsCancelled(const LoadOptions& options) {
    return options.cancel != nullptr && options.cancel->load(std::memory_order_relaxed);
}

void Tell(const LoadOptions& options, const LoadProgress& progress) {
    if (options.onProgress) {
        options.onProgress(progress);
    }
}

// Tells the observers that a step begins; false when the load was cancelled and ends here.
bool Begin(const LoadOptions& options, LoadStage stage) {
    if (options.onStage) {
        options.onStage(stage);
    }
    LoadProgress progress;
    progress.stage = stage;
    Tell(options, progress);
    return !IsCancelled(options);
}

// A cancelled load ends without a model or a message, whatever it had come to.
LoadResult Finish(LoadResult result, const LoadOptions& options) {
    if (IsCancelled(options)) {
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
        download.onReceived = [&options, &address](uint64_t bytes) {
            LoadProgress progress;
            progress.document = address;
            progress.bytesReceived = bytes;
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

// Reads the description's model and builds every request while the document lives.
bool ReadAndBuild(const xmlDoc* document, LoadResult& result, const LoadOptions& options) {
    Begin(options, LoadStage::Index);
    BindingElements bindingElements;
    if (!WsdlReader(document, result.model, bindingElements, result.message)) {
        return Fail(result);
    }
    const xmlNode* definitions = xmlDocGetRootElement(document);
    SchemaIndex index;
    CollectSchemas(definitions, index);
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

// Takes the text over so that it is released once parsed, before the requests are built.
bool ParseAndRead(std::string text, LoadResult& result, const LoadOptions& options) {
    if (!Begin(options, LoadStage::Parse)) {
        return Fail(result);
    }
    ParseResult parsed = ParseXmlText(text);
    std::string().swap(text);
    if (!parsed.ok()) {
        return Fail(result, parsed.reason.empty()
                                ? std::string(load_msg::kXmlParseFailed)
                                : std::string(load_msg::kXmlParseFailedPrefix) + parsed.reason);
    }
    const bool read = ReadAndBuild(parsed.document.get(), result, options);
    Begin(options, LoadStage::Release);
    return read;
}

bool Decode(std::string_view bytes, std::string& text, LoadResult& result, const LoadOptions& options) {
    Begin(options, LoadStage::Decode);
    return DecodeDocumentText(bytes, text, result.message) || Fail(result);
}

bool LoadFile(LoadResult& result, const LoadOptions& options) {
    std::string bytes;
    if (!ReadDescriptionFile(result.address, bytes, result.message)) {
        return Fail(result);
    }
    std::string text;
    const bool decoded = Decode(bytes, text, result, options);
    // The raw bytes are not needed past decoding; the parser gets the memory instead.
    std::string().swap(bytes);
    return decoded && ParseAndRead(std::move(text), result, options);
}

bool LoadUrl(LoadResult& result, const LoadOptions& options) {
    std::string text;
    if (!HttpGet(result.address, text, result.message, DownloadOptions(result.address, options))) {
        return Fail(result);
    }
    return ParseAndRead(std::move(text), result, options);
}

} // namespace

LoadResult LoadServiceDescription(const std::string& address, const LoadOptions& options) {
    LoadResult result;
    result.address = NormalizeAddress(address);
    if (result.address.empty()) {
        Fail(result, load_msg::kEmptyAddress);
        return result;
    }
    Begin(options, LoadStage::Read);
    result.ok = IsHttpAddress(result.address) ? LoadUrl(result, options) : LoadFile(result, options);
    return Finish(std::move(result), options);
}

LoadResult LoadServiceDescriptionFromBytes(std::string_view bytes, const std::string& address,
                                           const LoadOptions& options) {
    LoadResult result;
    result.address = address;
    std::string text;
    result.ok = Decode(bytes, text, result, options) && ParseAndRead(std::move(text), result, options);
    return Finish(std::move(result), options);
}

} // namespace quorvel
