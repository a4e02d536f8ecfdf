#include "ui/export_worker.h"

#include <utility>

namespace quorvel::ui {

wxDEFINE_EVENT(EVT_EXPORT_PROGRESS, wxThreadEvent);
wxDEFINE_EVENT(EVT_EXPORT_FINISHED, wxThreadEvent);

ExportWorker::~ExportWorker() {
    Stop();
}

void ExportWorker::Start(std::shared_ptr<const WsdlModel> model, std::vector<RequestRecord> records,
                         std::string folder) {
    Stop();
    m_cancel = false;
    m_written = 0;
    m_progressQueued = false;
    m_thread = std::thread([this, model = std::move(model), records = std::move(records),
                            folder = std::move(folder)] {
        ExportWatch watch;
        watch.cancel = &m_cancel;
        watch.onWritten = [this](size_t written, size_t) {
            m_written = written;
            if (!m_progressQueued.exchange(true)) {
                wxQueueEvent(m_window, new wxThreadEvent(EVT_EXPORT_PROGRESS));
            }
        };
        ExportOutcome outcome;
        outcome.ok = ExportRequests(records, folder, outcome.message, watch);
        outcome.cancelled = !outcome.ok && outcome.message.empty();
        outcome.written = m_written;
        outcome.total = records.size();
        outcome.folder = folder;
        auto* finished = new wxThreadEvent(EVT_EXPORT_FINISHED);
        finished->SetPayload(outcome);
        wxQueueEvent(m_window, finished);
    });
}

void ExportWorker::Cancel() {
    m_cancel = true;
}

size_t ExportWorker::Written() {
    m_progressQueued = false;
    return m_written;
}

void ExportWorker::Stop() {
    Cancel();
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

} // namespace quorvel::ui
