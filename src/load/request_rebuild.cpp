#include "load/request_rebuild.h"

#include "gen/envelope_builder.h"
#include "gen/request_building.h"

namespace quorvel {

void RebuildRequests(const LoadedDocuments& loaded, WsdlModel& model, const SampleOptions& options) {
    const DescriptionLookup description(loaded.definitions);
    GenerationBudget budget;
    BuildRequests(loaded.index, description, RequestJobs(model, loaded.bindings), budget, 0, {}, options);
}

} // namespace quorvel
