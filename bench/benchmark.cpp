#include "benchmark.h"

#include "peak_memory.h"

#include <algorithm>
#include <filesystem>
#include <vector>

namespace quorvel::bench {
namespace {

double Median(std::vector<double> values) {
    if (values.empty()) {
        return 0;
    }
    size_t middle = values.size() / 2;
    std::nth_element(values.begin(), values.begin() + middle, values.end());
    double upper = values[middle];
    if (values.size() % 2 == 1) {
        return upper;
    }
    return (upper + *std::max_element(values.begin(), values.begin() + middle)) / 2;
}

StageTimes MedianStages(const std::vector<StageTimes>& runs) {
    static constexpr double StageTimes::*fields[] = {&StageTimes::read,     &StageTimes::decode,
                                                     &StageTimes::parse,    &StageTimes::index,
                                                     &StageTimes::generate, &StageTimes::release};
    StageTimes medians;
    for (double StageTimes::*field : fields) {
        std::vector<double> values;
        for (const StageTimes& run : runs) {
            values.push_back(run.*field);
        }
        medians.*field = Median(values);
    }
    return medians;
}

// The warm-up: a whole load alone, so that its peak is the load's own and its model gives the output figures.
bool MeasureOneLoad(FileResult& result) {
    result.peakIsPerFile = ResetPeakMemory();
    WsdlModel model;
    double milliseconds = 0;
    if (!TimeWholeLoad(result.path, model, milliseconds, result.message)) {
        return false;
    }
    result.peakBytes = PeakMemoryBytes();
    result.requests = MeasureRequests(model);
    return true;
}

// The whole load; its model is released before the next measurement starts.
bool TimeWholeLoadAlone(const std::string& path, double& milliseconds, std::string& message) {
    WsdlModel model;
    return TimeWholeLoad(path, model, milliseconds, message);
}

// Runs the staged load, the whole load and the parse-only floor in turn, so that noise hits all three
// alike; each starts with nothing of the others left on the heap.
bool MeasureTimes(FileResult& result) {
    std::string text;
    if (!ReadDecodedText(result.path, text, result.message)) {
        return false;
    }
    std::vector<StageTimes> staged(result.runs);
    std::vector<double> floors(result.runs), totals(result.runs);
    for (int run = 0; run < result.runs; ++run) {
        if (!TimeStagedLoad(result.path, staged[run], result.message) ||
            !TimeWholeLoadAlone(result.path, totals[run], result.message)) {
            return false;
        }
        floors[run] = TimeParseOnly(text);
    }
    result.stages = MedianStages(staged);
    result.floor = Median(floors);
    result.total = Median(totals);
    return true;
}

} // namespace

FileResult BenchmarkFile(const std::string& path, int runs) {
    FileResult result;
    result.path = path;
    result.runs = runs;
    std::error_code error;
    result.inputBytes = std::filesystem::file_size(path, error);
    result.ok = MeasureOneLoad(result) && (runs == 0 || MeasureTimes(result));
    return result;
}

} // namespace quorvel::bench
