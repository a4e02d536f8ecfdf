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
#include <optional>
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
            builder =
                std::make_unique<EnvelopeBuilder>(index, description, job.binding, *job.record, options);
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
        // Each request numbers its prefixes afresh.
        PrefixRegistry registry;
        return Build(job, registry, nullptr);
    }
    // The same with a fresh registry of the caller's, which holds the request's namespaces afterwards;
    // content, when given, receives what Rewrap needs besides them.
    Spent Build(const RequestJob& job, PrefixRegistry& registry, RequestContent* content) {
        const GenerationBudget before = m_budget;
        *job.request = m_builders.at(job.binding)
                           ->BuildRequestEnvelope(registry, *job.operationName, m_budget, m_facts, content);
        return SpentSince(before);
    }

    // Gives the job the request Build gave source, with registry and content, in the job's own envelope,
    // when that is the request Build would give the job; returns what it took from the budget.
    std::optional<Spent> Rewrap(const RequestJob& job, const RequestJob& source,
                                const PrefixRegistry& registry, const RequestContent& content) {
        const GenerationBudget before = m_budget;
        std::optional<std::string> request =
            m_builders.at(job.binding)
                ->Rewrap(*job.operationName, content, registry, *source.request, m_budget);
        if (!request) {
            return std::nullopt;
        }
        *job.request = std::move(*request);
        return SpentSince(before);
    }

private:
    Spent SpentSince(const GenerationBudget& before) const {
        return {before.loadLinesLeft - m_budget.loadLinesLeft, before.loadBytesLeft - m_budget.loadBytesLeft};
    }

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

// Jobs of one port type and operation. Bindings of one port type mostly differ only in their envelopes,
// as the SOAP 1.1 and 1.2 bindings of a service do: the first job of each group is built, and right after
// it, on the same thread, the others take its lines over in their own envelopes wherever that gives the
// request that building it would.
class JobGroups {
public:
    JobGroups(const EnvelopeBuilders& builders, const std::vector<RequestJob>& jobs)
        : m_next(jobs.size(), kNone), m_follows(jobs.size(), 0) {
        // The last job of each group so far.
        std::map<std::pair<const xmlNode*, std::string_view>, size_t> last;
        for (size_t job = 0; job < jobs.size(); ++job) {
            const xmlNode* portType = builders.at(jobs[job].binding)->PortType();
            if (portType == nullptr) {
                continue;
            }
            const auto [found, added] = last.try_emplace({portType, *jobs[job].operationName}, job);
            if (!added) {
                m_next[found->second] = job;
                m_follows[job] = 1;
                found->second = job;
            }
        }
    }

    // Whether the job is built with the first of its group rather than on its own.
    bool Follows(size_t job) const { return m_follows[job] != 0; }
    // The job after this one in its group; kNone after the last.
    size_t Next(size_t job) const { return m_next[job]; }

    static constexpr size_t kNone = std::numeric_limits<size_t>::max();

private:
    std::vector<size_t> m_next;
    std::vector<char> m_follows;
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
    const JobGroups groups(builders, jobs);
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
            const auto done = [&](size_t job, Spent spent) {
                ahead.spent[job] = spent;
                ahead.built[job] = 1;
                linesBuilt += spent.lines;
                bytesBuilt += spent.bytes;
                const size_t built = ++jobsBuilt;
                if (tells && watch.onBuilt) {
                    watch.onBuilt(built, jobs.size());
                }
            };
            while (!failed && linesBuilt < kMaxLoadLines && bytesBuilt < kMaxLoadBytes &&
                   !IsCancelled(watch.cancel)) {
                const size_t job = nextJob++;
                if (job >= jobs.size()) {
                    return;
                }
                if (groups.Follows(job)) {
                    continue;
                }
                PrefixRegistry registry;
                RequestContent content;
                done(job, requests.Build(jobs[job], registry, &content));
                for (size_t next = groups.Next(job); next != JobGroups::kNone; next = groups.Next(next)) {
                    const std::optional<Spent> taken =
                        requests.Rewrap(jobs[next], jobs[job], registry, content);
                    done(next, taken ? *taken : requests.Build(jobs[next]));
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
