#include "load/request_rebuild.h"

#include "gen/envelope_builder.h"

namespace quorvel {

void RebuildRequests(const LoadedDocuments& loaded, WsdlModel& model, const SampleOptions& options,
                     const BuildWatch& watch) {
    const DescriptionLookup description(loaded.definitions);
    GenerationBudget budget;
    BuildRequests(loaded.index, description, RequestJobs(model, loaded.bindings), budget, 0, watch, options);
}

} // namespace quorvel
