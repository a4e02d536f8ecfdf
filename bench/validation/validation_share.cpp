// Share of the document/literal requests of real descriptions that their own schemas accept, as
// --validate judges them: without sample options and with header parts, attributes and example values.
// Prints figures, never fails.
//
//   quorvel-validation-share CORPUS_DIR [--problems]
//
// Reads CORPUS_DIR/MANIFEST.tsv (first column: the file below CORPUS_DIR). A request is checkable when
// nothing of it is left unchecked (the schemas compile, every part names a declared element).

#include "gen/envelope_builder.h"
#include "load/loaded_documents.h"
#include "load/service_load.h"
#include "validate/request_validation.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <string>
#include <vector>

namespace quorvel {
namespace {

struct Tally {
    size_t operations = 0;
    size_t documentLiteral = 0;
    size_t checkable = 0;
    size_t accepted = 0;
    std::map<std::string, size_t> firstProblems;
};

// The validator's message without the element it names, so that like problems count together.
std::string ProblemKind(const std::string& message) {
    const size_t colon = message.find("': ");
    return colon == std::string::npos ? message.substr(0, 80) : message.substr(colon + 3, 80);
}

void Measure(const std::string& path, const SampleOptions& sample, Tally& tally) {
    LoadOptions options;
    options.sample = sample;
    options.keepDocuments = true;
    const LoadResult load = LoadServiceDescription(path, options);
    if (!load.ok) {
        return;
    }
    const RequestValidator validator(load.documents);
    const DescriptionLookup description(load.documents->definitions);
    size_t record = 0;
    for (const WsdlService& service : load.model) {
        for (const WsdlBinding& binding : service.bindings) {
            const xmlNode* element = load.documents->bindings.at(record++);
            const EnvelopeBuilder builder(load.documents->index, description, element, binding);
            for (const WsdlOperation& operation : binding.operations) {
                ++tally.operations;
                const OperationInput input = builder.DescribeInput(operation.name);
                if (input.message == nullptr || input.rpc || input.encoded) {
                    continue;
                }
                ++tally.documentLiteral;
                const ValidationReport report =
                    validator.Validate({element, &binding}, operation.name, operation.request);
                if (report.Incomplete()) {
                    continue;
                }
                ++tally.checkable;
                if (!report.Invalid()) {
                    ++tally.accepted;
                } else {
                    ++tally.firstProblems[ProblemKind(report.problems.front().message)];
                }
            }
        }
    }
}

void Print(const char* title, const Tally& tally, bool problems) {
    std::printf("%-48s operations %zu, document/literal %zu, checkable %zu, accepted %zu (%.1f %%)\n", title,
                tally.operations, tally.documentLiteral, tally.checkable, tally.accepted,
                tally.checkable == 0 ? 0.0 : 100.0 * static_cast<double>(tally.accepted) / tally.checkable);
    if (problems) {
        std::multimap<size_t, std::string, std::greater<>> byCount;
        for (const auto& [kind, count] : tally.firstProblems) {
            byCount.emplace(count, kind);
        }
        for (const auto& [count, kind] : byCount) {
            std::printf("    %5zu  %s\n", count, kind.c_str());
        }
    }
}

} // namespace
} // namespace quorvel

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: quorvel-validation-share CORPUS_DIR [--problems]\n";
        return 64;
    }
    const std::string corpus = argv[1];
    const bool problems = argc > 2 && std::string(argv[2]) == "--problems";
    std::ifstream manifest(corpus + "/MANIFEST.tsv");
    std::vector<std::string> files;
    std::string line;
    std::getline(manifest, line);
    while (std::getline(manifest, line)) {
        files.push_back(corpus + "/" + line.substr(0, line.find('\t')));
    }
    quorvel::Tally plain, withOptions;
    quorvel::SampleOptions options;
    options.headerParts = options.attributes = options.exampleValues = true;
    for (const std::string& file : files) {
        quorvel::Measure(file, {}, plain);
        quorvel::Measure(file, options, withOptions);
    }
    std::printf("%zu descriptions\n", files.size());
    quorvel::Print("without options:", plain, false);
    quorvel::Print("--header-parts --attributes --example-values:", withOptions, problems);
    return 0;
}
