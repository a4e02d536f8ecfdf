#include "load/service_load.h"

#include "fetch/address.h"
#include "fetch/cancel_flag.h"
#include "fetch/http_get.h"
#include "fetch/text_decoding.h"
#include "fetch/utf8_path.h"
#include "gen/request_building.h"
#include "load/document_set.h"
#include "load/heap_reserve.h"
#include "load/loaded_documents.h"
#include "load/messages.h"
#include "load/process_end.h"
#include "model/wsdl_reader.h"
#include "xml/schema_index.h"

#include <filesystem>
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
        result.documents.reset();
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

// The download options of the document at address, a document of the load of the description at root:
// credentials and extra headers go only to the host and port of root.
HttpOptions DownloadOptions(const std::string& address, const std::string& root, const LoadOptions& options) {
    HttpOptions download = options.http;
    download.credentialsFor = root;
    download.cancel = options.cancel;
    const std::string origin = UrlOrigin(address);
    if (origin.empty() || origin != UrlOrigin(root)) {
        download.headers.clear();
        download.user.clear();
        download.password.clear();
    }
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
bool ReadAndBuild(LoadedDocuments& loaded, LoadResult& result, const LoadOptions& options) {
    Begin(options, LoadStage::Index);
    loaded.definitions = loaded.documents.Definitions();
    if (!ReadWsdlModel(loaded.definitions, result.model, loaded.bindings, result.message)) {
        return Fail(result);
    }
    loaded.documents.IndexSchemas(loaded.index);
    const DescriptionLookup description(loaded.definitions);
    if (!Begin(options, LoadStage::Generate)) {
        return Fail(result);
    }
    GenerationBudget budget;
    BuildRequests(
        loaded.index, description,
        RequestJobs(result.model, loaded.bindings, options.buildUpTo ? &*options.buildUpTo : nullptr), budget,
        options.buildThreads, WatchOf(options), options.sample);
    return true;
}

// Takes the text over so that it is released once parsed, before the requests are built. The document
// was read from address as bytes bytes, from this machine or a private network when privateNetwork.
bool ParseAndRead(std::string text, const std::string& address, size_t bytes, bool privateNetwork,
                  LoadResult& result, const LoadOptions& options) {
    if (!Begin(options, LoadStage::Parse)) {
        return Fail(result);
    }
    XmlDocument root;
    const bool parsed = ParseDescriptionText(text, root, result.message);
    std::string().swap(text);
    if (!parsed) {
        return Fail(result);
    }
    auto loaded =
        std::make_shared<LoadedDocuments>(DocumentSet(std::move(root), address, bytes, privateNetwork));
    if (options.followImports) {
        loaded->documents.FollowImports(
            [&options, &result](const std::string& import) {
                return DownloadOptions(import, result.address, options);
            },
            std::chrono::steady_clock::now() + options.importTimeLimit);
        result.notes = loaded->documents.Notes();
    }
    result.documentCount = loaded->documents.Size();
    const bool read = ReadAndBuild(*loaded, result, options);
    if (read && options.keepDocuments) {
        result.documents = std::move(loaded);
    }
    Begin(options, LoadStage::Release);
    if (options.endsProcess && loaded != nullptr) {
        LeaveToProcessEnd(loaded->documents);
    }
    return read;
}

// The bytes become the text where they are already well-formed UTF-8, and are released otherwise.
bool Decode(std::string&& bytes, std::string& text, LoadResult& result, const LoadOptions& options) {
    Begin(options, LoadStage::Decode);
    return DecodeDocumentText(std::move(bytes), text, result.message) || Fail(result);
}

// Bytes of the file at address; 0 when it is no file or cannot be read.
size_t FileBytes(const std::string& address) {
    std::error_code error;
    const uintmax_t bytes = std::filesystem::file_size(PathFromUtf8(address), error);
    return error ? 0 : static_cast<size_t>(bytes);
}

// A URL (one GET) or a file; a download's relative imports are read from where it was finally fetched.
// A run that ends with the load reserves its heap as soon as the size is known: before a file's bytes
// are read into it, else once they are in.
bool FetchAndRead(LoadResult& result, const LoadOptions& options) {
    if (options.endsProcess && !IsHttpAddress(result.address)) {
        ReserveHeapForLoad(FileBytes(result.address));
    }
    HttpResponse fetched =
        FetchDocumentBytes(result.address, DownloadOptions(result.address, result.address, options));
    if (!fetched.ok()) {
        return Fail(result, fetched.message);
    }
    if (options.endsProcess) {
        ReserveHeapForLoad(fetched.body.size());
    }
    // The raw bytes are not needed past decoding: they become the text, or make room for it.
    std::string text;
    const size_t size = fetched.body.size();
    return Decode(std::move(fetched.body), text, result, options) &&
           ParseAndRead(std::move(text), fetched.finalUrl, size, fetched.privateNetwork, result, options);
}

bool LoadAddress(LoadResult& result, const std::string& address, const LoadOptions& options) {
    result.address = NormalizeAddress(address);
    if (result.address.empty()) {
        return Fail(result, load_msg::kEmptyAddress);
    }
    Begin(options, LoadStage::Read);
    return FetchAndRead(result, options);
}

} // namespace

// Memory that runs out anywhere in the load fails it like any other cause: what was built is released
// first, then the message is set.
LoadResult LoadServiceDescription(const std::string& address, const LoadOptions& options) {
    LoadResult result;
    result.address = address;
    try {
        result.ok = LoadAddress(result, address, options);
    } catch (const std::bad_alloc&) {
        result.ok = false;
        result.model.clear();
        result.message = load_msg::kOutOfMemory;
    }
    return Finish(std::move(result), options);
}

} // namespace quorvel
