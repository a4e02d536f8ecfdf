#include "ui/rebuild_worker.h"

#include "load/request_rebuild.h"
#include "load/unexpected_error.h"

#include <utility>

namespace quorvel::ui {

wxDEFINE_EVENT(EVT_REBUILD_PROGRESS, wxThreadEvent);
wxDEFINE_EVENT(EVT_REBUILD_FINISHED, wxThreadEvent);

void RebuildWorker::Start(std::shared_ptr<const WsdlModel> model,
                          std::shared_ptr<const LoadedDocuments> documents, const SampleOptions& options,
                          int serial) {
    m_jobs.Start([this, model = std::move(model), documents = std::move(documents), options,
                  serial](Job& job) {
        auto rebuilt = std::make_shared<RebuiltModel>();
        Rebuild(job, *model, *documents, options, serial, *rebuilt);
        // A cancelled rebuild's result is freed here, on its own thread.
        if (job.cancel) {
            return;
        }
        auto* finished = new wxThreadEvent(EVT_REBUILD_FINISHED);
        finished->SetInt(serial);
        finished->SetPayload(std::move(rebuilt));
        wxQueueEvent(m_window, finished);
    });
}

void RebuildWorker::Cancel() {
    m_jobs.Cancel();
}

void RebuildWorker::Stop() {
    m_jobs.Stop();
}

LoadProgress RebuildWorker::TakeProgress() {
    LoadProgress progress;
    progress.stage = LoadStage::Generate;
    if (Job* job = m_jobs.Current()) {
        job->progressQueued = false;
        progress.requestsBuilt = job->built;
        progress.requestsTotal = job->total;
    }
    return progress;
}

void RebuildWorker::Rebuild(Job& job, const WsdlModel& model, const LoadedDocuments& documents,
                            const SampleOptions& options, int serial, RebuiltModel& rebuilt) {
    try {
        rebuilt.model = model;
        BuildWatch watch;
        watch.cancel = &job.cancel;
        watch.onBuilt = [this, &job, serial](size_t built, size_t total) {
            job.built = built;
            job.total = total;
            if (!job.progressQueued.exchange(true)) {
                auto* progress = new wxThreadEvent(EVT_REBUILD_PROGRESS);
                progress->SetInt(serial);
                wxQueueEvent(m_window, progress);
            }
        };
        RebuildRequests(documents, rebuilt.model, options, watch);
        rebuilt.content = MakeTreeContent(rebuilt.model, &job.cancel);
    } catch (...) {
        rebuilt = RebuiltModel();
        rebuilt.failure = UnexpectedErrorMessage();
    }
}

} // namespace quorvel::ui
