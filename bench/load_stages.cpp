#include "load_stages.h"

#include "fetch/file_reading.h"
#include "fetch/text_decoding.h"
#include "load/service_load.h"
#include "stopwatch.h"
#include "xml/dom.h"
#include "xml/parsing.h"

#include <utility>

namespace quorvel::bench {
namespace {

// Where each step's milliseconds go.
double& StageField(StageTimes& times, LoadStage stage) {
    switch (stage) {
    case LoadStage::Read:
        return times.read;
    case LoadStage::Decode:
        return times.decode;
    case LoadStage::Parse:
        return times.parse;
    case LoadStage::Index:
        return times.index;
    case LoadStage::Generate:
        return times.generate;
    case LoadStage::Release:
        break;
    }
    return times.release;
}

} // namespace

bool ReadDecodedText(const std::string& path, std::string& text, std::string& message) {
    std::string bytes;
    return ReadDescriptionFile(path, bytes, message) && DecodeDocumentText(bytes, text, message);
}

bool TimeStagedLoad(const std::string& path, StageTimes& times, std::string& message) {
    Stopwatch clock;
    double* running = nullptr;
    LoadOptions options;
    // A step's clock runs from the first report of its stage to the first report of the next one.
    options.onProgress = [&](const LoadProgress& progress) {
        double* field = &StageField(times, progress.stage);
        if (field == running) {
            return;
        }
        const double lap = clock.Lap();
        if (running != nullptr) {
            *running += lap;
        }
        running = field;
    };
    LoadResult load = LoadServiceDescription(path, options);
    if (running != nullptr) {
        *running += clock.Lap();
    }
    message = std::move(load.message);
    return load.ok;
}

bool TimeWholeLoad(const std::string& path, WsdlModel& model, double& milliseconds, std::string& message) {
    Stopwatch clock;
    LoadResult load = LoadServiceDescription(path);
    milliseconds = clock.Lap();
    model = std::move(load.model);
    message = std::move(load.message);
    return load.ok;
}

double TimeParseOnly(const std::string& decodedText) {
    Stopwatch clock;
    ParseResult parsed = ParseXmlText(decodedText, BlankText::Drop);
    double milliseconds = clock.Lap();
    return milliseconds;
}

} // namespace quorvel::bench
