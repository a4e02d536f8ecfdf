#include "load_stages.h"

#include "fetch/document_loader.h"
#include "fetch/text_decoding.h"
#include "model/wsdl_reader.h"
#include "stopwatch.h"
#include "xml/dom.h"
#include "xml/schema_index.h"

namespace quorvel::bench {
namespace {

// Builds the index the reader builds, to tell index time from generation time.
double TimeIndexPass(const xmlDoc* document) {
    Stopwatch clock;
    {
        SchemaIndex index;
        CollectSchemas(xmlDocGetRootElement(document), index);
    }
    return clock.Lap();
}

} // namespace

bool ReadDecodedText(const std::string& path, std::string& text, std::string& message) {
    std::string bytes;
    return ReadDescriptionFile(path, bytes, message) && DecodeDocumentText(bytes, text, message);
}

bool TimeStagedLoad(const std::string& path, StageTimes& times, std::string& message) {
    Stopwatch clock;
    std::string bytes;
    if (!ReadDescriptionFile(path, bytes, message)) {
        return false;
    }
    times.read = clock.Lap();
    std::string text;
    bool decoded = DecodeDocumentText(bytes, text, message);
    std::string().swap(bytes);
    if (!decoded) {
        return false;
    }
    times.decode = clock.Lap();
    ParseResult parsed = ParseXmlText(text);
    std::string().swap(text);
    if (!parsed.ok()) {
        message = parsed.reason;
        return false;
    }
    times.parse = clock.Lap();
    times.index = TimeIndexPass(parsed.document.get());
    clock.Lap();
    WsdlModel model;
    bool read = WsdlReader(parsed.document.get(), model, message);
    times.generate = clock.Lap() - times.index;
    parsed.document.reset();
    times.release = clock.Lap();
    return read;
}

bool TimeWholeLoad(const std::string& path, WsdlModel& model, double& milliseconds, std::string& message) {
    Stopwatch clock;
    bool loaded = LoadServiceDescription(model, path, message);
    milliseconds = clock.Lap();
    return loaded;
}

double TimeParseOnly(const std::string& decodedText) {
    Stopwatch clock;
    ParseResult parsed = ParseXmlText(decodedText);
    double milliseconds = clock.Lap();
    return milliseconds;
}

} // namespace quorvel::bench
