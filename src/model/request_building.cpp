#include "model/request_building.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <limits>
#include <map>
#include <memory>
#include <mutex>
#include <thread>

namespace quorvel {
namespace {

// At most this many threads build requests, however many cores there are.
constexpr unsigned kMaxThreads = 8;

// The envelope builders of one thread, one per binding, all drawing on one budget and sharing what they
// read from declarations: the bindings of one description mostly use the same messages and types.
class Builders {
public:
    Builders(const SchemaIndex& index, const DescriptionLookup& description, GenerationBudget& budget)
        : m_index(index), m_description(description), m_budget(budget), m_facts(index) {}

    // Builds the job's request and returns the lines it took from the budget.
    size_t Build(const RequestJob& job) {
        std::unique_ptr<EnvelopeBuilder>& builder = m_builders[job.binding];
        if (builder == nullptr) {
            builder =
                std::make_unique<EnvelopeBuilder>(m_index, m_description, job.binding, m_budget, m_facts);
        }
        const size_t before = m_budget.loadLinesLeft;
        // Each request numbers its prefixes afresh.
        PrefixRegistry registry;
        *job.request = builder->BuildRequestEnvelope(registry, *job.operationName);
        return before - m_budget.loadLinesLeft;
    }

private:
    const SchemaIndex& m_index;
    const DescriptionLookup& m_description;
    GenerationBudget& m_budget;
    DeclarationFacts m_facts;
    std::map<const xmlNode*, std::unique_ptr<EnvelopeBuilder>> m_builders;
};

// Requests built ahead of the budget: for each job whether it was built, and the lines it took.
struct BuiltAhead {
    explicit BuiltAhead(size_t jobs) : built(jobs, 0), linesSpent(jobs, 0) {}
    std::vector<char> built;
    std::vector<size_t> linesSpent;
};

// Builds jobs in order of claim on every thread, each thread with a budget that never binds, so that
// each request comes out as while the load still has lines to spare. Stops claiming once the requests
// built hold the load's lines, so that a description far over the budget costs no more than one within it.
void BuildAhead(const SchemaIndex& index, const DescriptionLookup& description,
                const std::vector<RequestJob>& jobs, BuiltAhead& ahead) {
    if (jobs.empty()) {
        return;
    }
    std::atomic<size_t> nextJob{0};
    std::atomic<size_t> linesBuilt{0};
    std::atomic<bool> failed{false};
    std::exception_ptr failure;
    std::mutex failureLock;
    auto work = [&] {
        try {
            GenerationBudget unbounded{std::numeric_limits<size_t>::max()};
            Builders builders(index, description, unbounded);
            while (!failed && linesBuilt < kMaxLoadLines) {
                const size_t job = nextJob++;
                if (job >= jobs.size()) {
                    return;
                }
                ahead.linesSpent[job] = builders.Build(jobs[job]);
                ahead.built[job] = 1;
                linesBuilt += ahead.linesSpent[job];
            }
        } catch (...) {
            const std::lock_guard<std::mutex> lock(failureLock);
            failure = failure ? failure : std::current_exception();
            failed = true;
        }
    };
    const unsigned cores = std::max(1u, std::min(std::thread::hardware_concurrency(), kMaxThreads));
    const size_t helpers = std::min<size_t>(cores, jobs.size()) - 1;
    std::vector<std::thread> threads;
    for (size_t i = 0; i < helpers; ++i) {
        threads.emplace_back(work);
    }
    work();
    for (std::thread& thread : threads) {
        thread.join();
    }
    if (failure) {
        std::rethrow_exception(failure);
    }
}

} // namespace

void BuildRequests(const SchemaIndex& index, const DescriptionLookup& description,
                   const std::vector<RequestJob>& jobs, GenerationBudget& budget) {
    BuiltAhead ahead(jobs.size());
    BuildAhead(index, description, jobs, ahead);
    // A request built ahead is the one building in order gives while the budget holds more lines than
    // any request may take. From the first job where that fails, the rest is built in order.
    Builders inOrder(index, description, budget);
    bool ordered = false;
    for (size_t job = 0; job < jobs.size(); ++job) {
        ordered = ordered || !ahead.built[job] || budget.loadLinesLeft <= kMaxRequestLines;
        if (ordered) {
            inOrder.Build(jobs[job]);
        } else {
            budget.loadLinesLeft -= std::min(budget.loadLinesLeft, ahead.linesSpent[job]);
        }
    }
}

} // namespace quorvel
