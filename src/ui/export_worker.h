#pragma once
// Writing requests into a folder on a thread of its own, so that the window keeps answering. The thread
// never touches a window: it queues its progress and its end as events, as a load does.

#include "export/request_export.h"
#include "model/wsdl_model.h"

#include <wx/event.h>

#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace quorvel::ui {

// How an export ended: every file and the index written, stopped by a failure (message), or cancelled
// after `written` whole files.
struct ExportOutcome {
    bool ok = false;
    bool cancelled = false;
    std::string message;
    size_t written = 0;
    size_t total = 0;
    std::string folder;
};

// Queued when files have been written and the window has taken the last count: Written() tells how many.
wxDECLARE_EVENT(EVT_EXPORT_PROGRESS, wxThreadEvent);
// Queued once at the end: the payload is an ExportOutcome.
wxDECLARE_EVENT(EVT_EXPORT_FINISHED, wxThreadEvent);

class ExportWorker {
public:
    explicit ExportWorker(wxEvtHandler* window) : m_window(window) {}
    // Cancels and waits for the thread, so that nothing is queued to a window that is gone.
    ~ExportWorker();
    ExportWorker(const ExportWorker&) = delete;
    ExportWorker& operator=(const ExportWorker&) = delete;

    // Writes the records, which point into model, into folder; model is held until the export ends. The
    // export before, if any, must have finished.
    void Start(std::shared_ptr<const WsdlModel> model, std::vector<RequestRecord> records,
               std::string folder);
    // Stops the export before its next file; the file being written is finished or not written at all.
    void Cancel();
    // The files written so far, for the window on receipt of EVT_EXPORT_PROGRESS.
    size_t Written();

private:
    void Stop();

    wxEvtHandler* m_window;
    std::atomic<bool> m_cancel{false};
    std::atomic<size_t> m_written{0};
    std::atomic<bool> m_progressQueued{false};
    std::thread m_thread;
};

} // namespace quorvel::ui
