#include "gen/request_building.h"

#include "fetch/cancel_flag.h"
#include "model/model_walk.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <limits>
#include <map>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>

namespace quorvel {
namespace {

// At most this many threads build requests, however many cores there are.
constexpr unsigned kMaxThreads = 8;

// What building one request took from the load's budget.
struct Spent {
    size_t lines = 0;
    size_t bytes = 0;
};

using EnvelopeBuilders = std::map<const xmlNode*, std::unique_ptr<EnvelopeBuilder>>;

// One builder for each binding of the jobs, made before any request is built and then only read.
EnvelopeBuilders MakeEnvelopeBuilders(const SchemaIndex& index, const DescriptionLookup& description,
                                      const std::vector<RequestJob>& jobs, const SampleOptions& options) {
    EnvelopeBuilders builders;
    for (const RequestJob& job : jobs) {
        std::unique_ptr<EnvelopeBuilder>& builder = builders[job.binding];
        if (builder == nullptr) {
            builder = std::make_unique<EnvelopeBuilder>(index, description, job.binding, *job.record, options);
        }
    }
    return builders;
}

// What one thread builds requests with: the shared envelope builders, a budget, and what its requests
// read from declarations; the bindings of one description mostly use the same messages and types.
class RequestBuilder {
public:
    RequestBuilder(const SchemaIndex& index, const EnvelopeBuilders& builders, GenerationBudget& budget)
        : m_builders(builders), m_budget(budget), m_facts(index) {}

    // Builds the job's request and returns the lines and bytes it took from the budget.
    Spent Build(const RequestJob& job) {
        const GenerationBudget before = m_budget;
        // Each request numbers its prefixes afresh.
        PrefixRegistry registry;
        *job.request =
            m_builders.at(job.binding)->BuildRequestEnvelope(registry, *job.operationName, m_budget, m_facts);
        return {before.loadLinesLeft - m_budget.loadLinesLeft, before.loadBytesLeft - m_budget.loadBytesLeft};
    }

private:
    const EnvelopeBuilders& m_builders;
    GenerationBudget& m_budget;
    DeclarationFacts m_facts;
};

// Requests built ahead of the budget: for each job whether it was built, and the lines and bytes it took.
struct BuiltAhead {
    explicit BuiltAhead(size_t jobs) : built(jobs, 0), spent(jobs) {}
    std::vector<char> built;
    std::vector<Spent> spent;
};

// Builds jobs in order of claim on every thread, each thread with a budget that never binds, so that
// each request comes out as while the load still has lines and bytes to spare. Stops claiming once the
// requests built hold the load's lines or bytes, so that a description far over the budget costs no more
// than one within it.
void BuildAhead(const SchemaIndex& index, const EnvelopeBuilders& builders,
                const std::vector<RequestJob>& jobs, BuiltAhead& ahead, unsigned threads,
                const BuildWatch& watch) {
    if (jobs.empty()) {
        return;
    }
    std::atomic<size_t> nextJob{0};
    std::atomic<size_t> linesBuilt{0};
    std::atomic<size_t> bytesBuilt{0};
    std::atomic<size_t> jobsBuilt{0};
    std::atomic<bool> failed{false};
    std::exception_ptr failure;
    std::mutex failureLock;
    // Only the calling thread tells the watch.
    auto work = [&](bool tells) {
        try {
            GenerationBudget unbounded{std::numeric_limits<size_t>::max(),
                                       std::numeric_limits<size_t>::max()};
            RequestBuilder requests(index, builders, unbounded);
            while (!failed && linesBuilt < kMaxLoadLines && bytesBuilt < kMaxLoadBytes &&
                   !IsCancelled(watch.cancel)) {
                const size_t job = nextJob++;
                if (job >= jobs.size()) {
                    return;
                }
                ahead.spent[job] = requests.Build(jobs[job]);
                ahead.built[job] = 1;
                linesBuilt += ahead.spent[job].lines;
                bytesBuilt += ahead.spent[job].bytes;
                const size_t built = ++jobsBuilt;
                if (tells && watch.onBuilt) {
                    watch.onBuilt(built, jobs.size());
                }
            }
        } catch (...) {
            const std::lock_guard<std::mutex> lock(failureLock);
            failure = failure ? failure : std::current_exception();
            failed = true;
        }
    };
    const size_t helpers = std::min<size_t>(threads, jobs.size()) - 1;
    {
        // Joined when the block ends, whatever happens; the work is shared by as many as could start.
        std::vector<std::jthread> running;
        try {
            for (size_t i = 0; i < helpers; ++i) {
                running.emplace_back(work, false);
            }
        } catch (const std::system_error&) {
        }
        work(true);
    }
    if (failure) {
        std::rethrow_exception(failure);
    }
}

} // namespace

std::vector<RequestJob> RequestJobs(WsdlModel& model, const BindingElements& bindingElements,
                                    const RequestTarget* upTo) {
    std::vector<RequestJob> jobs;
    // The binding records are numbered as bindingElements holds their elements.
    size_t record = 0;
    const bool reached =
        WalkModel(model, ModelVisitor{
                             [&](WsdlService&, WsdlBinding&) { ++record; },
                             [&](WsdlService&, WsdlBinding& binding, WsdlOperation& operation) {
                                 jobs.push_back({bindingElements.at(record - 1), &operation.name,
                                                 &operation.request, &binding});
                                 return upTo != nullptr && IsRequestTarget(*upTo, binding, operation);
                             },
                         });
    if (upTo != nullptr && !reached) {
        jobs.clear();
    }
    return jobs;
}

void BuildRequests(const SchemaIndex& index, const DescriptionLookup& description,
                   const std::vector<RequestJob>& jobs, GenerationBudget& budget, unsigned threads,
                   const BuildWatch& watch, const SampleOptions& options) {
    const EnvelopeBuilders builders = MakeEnvelopeBuilders(index, description, jobs, options);
    BuiltAhead ahead(jobs.size());
    const unsigned cores = threads != 0 ? threads : std::thread::hardware_concurrency();
    BuildAhead(index, builders, jobs, ahead, std::clamp(cores, 1u, kMaxThreads), watch);
    // A request built ahead is the one building in order gives while the budget holds more lines and
    // bytes than any request may take. From the first job where that fails, the rest is built in order.
    RequestBuilder inOrder(index, builders, budget);
    // Requests done so far: those built ahead, and each one built in order that was not. Building one
    // again in order does not count twice, so the figure told never goes back.
    size_t done = static_cast<size_t>(std::count(ahead.built.begin(), ahead.built.end(), 1));
    bool ordered = false;
    for (size_t job = 0; job < jobs.size() && !IsCancelled(watch.cancel); ++job) {
        ordered = ordered || !ahead.built[job] || budget.loadLinesLeft <= kMaxRequestLines ||
                  budget.loadBytesLeft <= kMaxRequestBytes;
        if (ordered) {
            inOrder.Build(jobs[job]);
            done += ahead.built[job] ? 0 : 1;
            if (watch.onBuilt) {
                watch.onBuilt(done, jobs.size());
            }
        } else {
            budget.loadLinesLeft -= std::min(budget.loadLinesLeft, ahead.spent[job].lines);
            budget.loadBytesLeft -= std::min(budget.loadBytesLeft, ahead.spent[job].bytes);
        }
    }
    // The last requests built ahead may have been another thread's.
    if (watch.onBuilt && !IsCancelled(watch.cancel)) {
        watch.onBuilt(jobs.size(), jobs.size());
    }
}

} // namespace quorvel
