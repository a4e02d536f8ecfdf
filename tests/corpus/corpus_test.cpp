// Loads every real-world description of the shared corpus through the document path and checks the
// outcome: success or a known message, sound requests, and output identical to the recorded digests.
#include "corpus_manifest.h"
#include "load_capture.h"
#include "load_digest.h"
#include "model_walk.h"
#include "request_check.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <map>
#include <set>

namespace quorvel::test {
namespace {

const std::string kCorpusDir = QUORVEL_CORPUS_DIR;
const std::string kDigestFile = std::string(QUORVEL_TEST_DATA_DIR) + "/corpus/request_digests.tsv";
const std::string kParseFailurePrefix = "XML 解析失败：";

struct FileOutcome {
    bool loaded = false;
    std::string message;
    size_t services = 0;
    size_t bindings = 0;
    size_t operations = 0;
    size_t emptyRequests = 0;
    size_t lines = 0;
    std::vector<std::string> requestProblems; // "binding/operation: problem"
    std::string digest;
    double seconds = 0;
};

struct CorpusRun {
    std::string problem; // why the corpus could not be read at all
    std::vector<CorpusEntry> entries;
    std::vector<FileOutcome> outcomes; // one per entry, same order
};

FileOutcome LoadOne(const std::string& path) {
    FileOutcome outcome;
    const LoadOutcome load = LoadAddress(path);
    outcome.loaded = load.ok;
    outcome.message = load.message;
    outcome.seconds = load.seconds;
    outcome.digest = DigestLoadHex(load.ok, load.model, load.message);
    outcome.services = load.model.size();
    for (const WsdlService& service : load.model) {
        outcome.bindings += service.bindings.size();
    }
    ForEachOperation(load.model, [&](const WsdlBinding& binding, const WsdlOperation& operation) {
        ++outcome.operations;
        outcome.lines += CountLines(operation.request);
        if (operation.request.empty()) {
            ++outcome.emptyRequests;
            return;
        }
        std::string problem = CheckRequest(operation.request);
        if (!problem.empty()) {
            outcome.requestProblems.push_back(binding.name + "/" + operation.name + ": " + problem);
        }
    });
    return outcome;
}

// Parser failures differ in their detail; the summary groups them under the common prefix.
std::string MessageGroup(const std::string& message) {
    return message.starts_with(kParseFailurePrefix) ? kParseFailurePrefix + "…" : message;
}

void PrintSummary(const CorpusRun& run) {
    FileOutcome total;
    size_t failed = 0;
    std::map<std::string, size_t> failures;
    size_t slowest = 0;
    for (size_t i = 0; i < run.outcomes.size(); ++i) {
        const FileOutcome& outcome = run.outcomes[i];
        total.services += outcome.services;
        total.bindings += outcome.bindings;
        total.operations += outcome.operations;
        total.emptyRequests += outcome.emptyRequests;
        total.lines += outcome.lines;
        total.seconds += outcome.seconds;
        if (!outcome.loaded) {
            ++failed;
            ++failures[MessageGroup(outcome.message)];
        }
        if (outcome.seconds > run.outcomes[slowest].seconds) {
            slowest = i;
        }
    }
    std::cout << "corpus summary: " << run.outcomes.size() << " files (" << run.outcomes.size() - failed
              << " loaded, " << failed << " failed), " << total.services << " services, " << total.bindings
              << " bindings, " << total.operations << " operations (" << total.emptyRequests
              << " with an empty request), " << total.lines << " lines generated, " << total.seconds
              << " s in all\n";
    for (const auto& [message, count] : failures) {
        std::cout << "  failed " << count << " x " << message << "\n";
    }
    if (!run.outcomes.empty()) {
        std::cout << "  slowest: " << run.entries[slowest].localFile << " (" << run.outcomes[slowest].seconds
                  << " s)\n";
    }
}

// Loads the corpus once for all tests of this program.
const CorpusRun& RunCorpus() {
    static const CorpusRun run = [] {
        CorpusRun result;
        if (!std::filesystem::is_directory(kCorpusDir)) {
            result.problem = "the corpus folder " + kCorpusDir + " is missing";
            return result;
        }
        if (!ReadCorpusManifest(kCorpusDir, result.entries, result.problem)) {
            return result;
        }
        for (const CorpusEntry& entry : result.entries) {
            result.outcomes.push_back(LoadOne(kCorpusDir + "/" + entry.localFile));
        }
        PrintSummary(result);
        return result;
    }();
    return run;
}

bool IsKnownFailure(const std::string& message) {
    static const std::set<std::string> fixed = {
        "不是有效的 WSDL（缺少 definitions）。",
        "未找到 SOAP binding。",
        "文本编码转换失败。",
        "文件大小异常。",
        "读取文件失败。",
        "XML 解析失败。",
    };
    return fixed.count(message) > 0 || message.starts_with(kParseFailurePrefix);
}

TEST(Corpus, EveryListedFileIsThere) {
    const CorpusRun& run = RunCorpus();
    ASSERT_TRUE(run.problem.empty()) << run.problem;
    for (const CorpusEntry& entry : run.entries) {
        EXPECT_TRUE(std::filesystem::is_regular_file(kCorpusDir + "/" + entry.localFile)) << entry.localFile;
    }
}

TEST(Corpus, EveryFileLoadsOrFailsWithAKnownMessage) {
    const CorpusRun& run = RunCorpus();
    ASSERT_TRUE(run.problem.empty()) << run.problem;
    for (size_t i = 0; i < run.entries.size(); ++i) {
        const FileOutcome& outcome = run.outcomes[i];
        if (outcome.loaded) {
            EXPECT_GT(outcome.services, 0u) << run.entries[i].localFile;
            EXPECT_TRUE(outcome.message.empty()) << run.entries[i].localFile;
        } else {
            EXPECT_TRUE(IsKnownFailure(outcome.message))
                << run.entries[i].localFile << ": " << outcome.message;
            EXPECT_EQ(outcome.services, 0u) << run.entries[i].localFile;
        }
    }
}

// The manifest was made by an independent reader; where its findings decide the outcome, they must agree.
TEST(Corpus, OutcomesAgreeWithTheManifest) {
    const CorpusRun& run = RunCorpus();
    ASSERT_TRUE(run.problem.empty()) << run.problem;
    for (size_t i = 0; i < run.entries.size(); ++i) {
        const CorpusEntry& entry = run.entries[i];
        const FileOutcome& outcome = run.outcomes[i];
        if (entry.notes.find("NOT-WELL-FORMED") != std::string::npos) {
            EXPECT_TRUE(outcome.message.starts_with(kParseFailurePrefix))
                << entry.localFile << ": " << outcome.message;
        } else if (entry.notes.find("WSDL 2.0") != std::string::npos) {
            EXPECT_EQ(outcome.message, "不是有效的 WSDL（缺少 definitions）。") << entry.localFile;
        } else if (!entry.hasServiceElement && entry.soapBindings > 0) {
            // Without services every SOAP binding is read, each of its operations once.
            EXPECT_TRUE(outcome.loaded) << entry.localFile << ": " << outcome.message;
            EXPECT_EQ(static_cast<int>(outcome.operations), entry.soapBindingOperations) << entry.localFile;
        }
    }
}

TEST(Corpus, EveryRequestIsWellFormedWithItsPrefixesDeclaredOnTheEnvelope) {
    const CorpusRun& run = RunCorpus();
    ASSERT_TRUE(run.problem.empty()) << run.problem;
    for (size_t i = 0; i < run.entries.size(); ++i) {
        for (const std::string& problem : run.outcomes[i].requestProblems) {
            ADD_FAILURE() << run.entries[i].localFile << " " << problem;
        }
    }
}

// QUORVEL_UPDATE_DIGESTS=1 records the current output instead of comparing with it.
TEST(Corpus, OutputIsIdenticalToTheRecordedDigests) {
    const CorpusRun& run = RunCorpus();
    ASSERT_TRUE(run.problem.empty()) << run.problem;
    DigestTable current;
    for (size_t i = 0; i < run.entries.size(); ++i) {
        current[run.entries[i].localFile] = run.outcomes[i].digest;
    }
    const char* update = std::getenv("QUORVEL_UPDATE_DIGESTS");
    if (update != nullptr && std::string(update) == "1") {
        ASSERT_TRUE(WriteDigestTable(kDigestFile, current)) << kDigestFile;
        std::cout << "recorded " << current.size() << " digests in " << kDigestFile << "\n";
        return;
    }
    DigestTable recorded;
    ASSERT_TRUE(ReadDigestTable(kDigestFile, recorded))
        << kDigestFile << " is missing; record it with QUORVEL_UPDATE_DIGESTS=1";
    for (const auto& [file, digest] : current) {
        auto found = recorded.find(file);
        if (found == recorded.end()) {
            ADD_FAILURE() << file << " has no recorded digest";
        } else {
            EXPECT_EQ(found->second, digest) << file << ": output differs from the recorded one";
        }
    }
    for (const auto& [file, digest] : recorded) {
        EXPECT_TRUE(current.count(file)) << file << " is recorded but no longer in the corpus";
    }
}

} // namespace
} // namespace quorvel::test
