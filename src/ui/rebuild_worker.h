#pragma once
// The requests of a loaded model built again with other sample options, on a thread of their own and into
// a copy of the model: the model the window shows, and an export that holds it, are only read. The thread
// never touches a window: it queues its progress and its result as events, as a load does.

#include "gen/sample_options.h"
#include "load/loaded_documents.h"
#include "load/service_load.h"
#include "model/wsdl_model.h"
#include "ui/tree_outline.h"
#include "ui/worker_threads.h"

#include <wx/event.h>

#include <atomic>
#include <cstddef>
#include <memory>
#include <string>

namespace quorvel::ui {

// What a rebuild hands over: the model with its new requests and the tree's content made from it, whose
// outline lists the nodes in the order of the model's own outline; or why there is none.
struct RebuiltModel {
    WsdlModel model;
    TreeContent content;
    std::string failure;
};

// Queued when requests have been built and the window has taken the last count: GetInt() is the
// rebuild's serial number, TakeProgress() the count.
wxDECLARE_EVENT(EVT_REBUILD_PROGRESS, wxThreadEvent);
// Queued once per rebuild that was not cancelled: the payload is a std::shared_ptr<RebuiltModel>, GetInt()
// the serial.
wxDECLARE_EVENT(EVT_REBUILD_FINISHED, wxThreadEvent);

class RebuildWorker {
public:
    explicit RebuildWorker(wxEvtHandler* window) : m_window(window) {}

    // Builds every request of a copy of model, which was read from documents, as options asks. A rebuild
    // under way is cancelled and left to end on its own thread; nothing waits for it here.
    void Start(std::shared_ptr<const WsdlModel> model, std::shared_ptr<const LoadedDocuments> documents,
               const SampleOptions& options, int serial);
    // Asks the rebuild under way to stop and returns at once; it ends with the request it builds.
    void Cancel();
    // Cancels and waits until every rebuild thread has ended, so that nothing is queued to a window that
    // is gone.
    void Stop();
    // The requests built so far by the rebuild under way, of how many, as a load tells them; for the
    // window on receipt of EVT_REBUILD_PROGRESS.
    LoadProgress TakeProgress();

private:
    struct Job : WorkerJob {
        std::atomic<size_t> built{0};
        std::atomic<size_t> total{0};
        std::atomic<bool> progressQueued{false};
    };

    // The new model and its tree's content; whatever the build throws ends it as a failure with a message.
    void Rebuild(Job& job, const WsdlModel& model, const LoadedDocuments& documents,
                 const SampleOptions& options, int serial, RebuiltModel& rebuilt);

    wxEvtHandler* m_window;
    // Last, so that its threads end before what they use goes.
    WorkerThreads<Job> m_jobs;
};

} // namespace quorvel::ui
