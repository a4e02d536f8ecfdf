#pragma once
// The requests of a loaded model built again with other sample options, from the documents the model was
// read from: nothing is read or parsed again.

#include "gen/request_building.h"
#include "gen/sample_options.h"
#include "load/loaded_documents.h"
#include "model/wsdl_model.h"

namespace quorvel {

// Replaces the request of every operation of model, which must be the model read from loaded (or a copy
// of it), with the one options asks for; the load's line and byte bounds apply as they do to a load. A
// build that watch cancels leaves the requests not yet built empty.
void RebuildRequests(const LoadedDocuments& loaded, WsdlModel& model, const SampleOptions& options,
                     const BuildWatch& watch = {});

} // namespace quorvel
