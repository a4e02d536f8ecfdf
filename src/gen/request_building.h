#pragma once
// Builds the requests of a whole load. Requests of different operations only read the document and the
// schema index, so they are built on several threads ahead, and then taken in operation order as long as
// the load's line budget leaves room for any request; from the first one that it does not, they are
// built in that order against the budget. Bindings of one port type share the lines of each operation's
// request where that gives the same request. The requests are the same as one thread building them in
// order would produce.

#include "gen/envelope_builder.h"
#include "model/find_operation.h"
#include "model/wsdl_model.h"
#include "model/wsdl_reader.h"

#include <atomic>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace quorvel {

// One request to build: an operation of a binding, and the text to fill.
struct RequestJob {
    const xmlNode* binding;
    const std::string* operationName;
    std::string* request;
    const WsdlBinding* record; // the binding's record, with its SOAP version and style
};

// Lets the caller follow a build and end it early.
struct BuildWatch {
    // Set by another thread: no further request is begun, and the ones not yet built stay empty.
    const std::atomic<bool>* cancel = nullptr;
    // Told on the calling thread as requests are done: how many so far, of how many.
    std::function<void(size_t built, size_t total)> onBuilt;
};

// Every operation of the model, in model order, with the binding element its record was read from. With
// upTo, they end with the first operation that FindOperation finds for it; none when it finds none.
std::vector<RequestJob> RequestJobs(WsdlModel& model, const BindingElements& bindingElements,
                                    const RequestTarget* upTo = nullptr);

// Fills every job's request, as options asks; jobs are in operation order. At most threads threads build
// (0: one per core); fewer when the system cannot start more. Rethrows what a building thread threw.
void BuildRequests(const SchemaIndex& index, const DescriptionLookup& description,
                   const std::vector<RequestJob>& jobs, GenerationBudget& budget, unsigned threads = 0,
                   const BuildWatch& watch = {}, const SampleOptions& options = {});

} // namespace quorvel
