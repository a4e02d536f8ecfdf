#pragma once
// One load on a thread of its own. The thread never touches a window: it queues its progress and its
// result as events to the window, which handles them on its own thread and owns the result from then on.

#include "load/service_load.h"

#include <wx/event.h>

#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

namespace quorvel::ui {

// Queued to the window when the load has news and the window has taken the last: GetInt() is the
// load's serial number, TakeProgress() what the load does now.
wxDECLARE_EVENT(EVT_LOAD_PROGRESS, wxThreadEvent);
// Queued to the window once per load: the payload is a std::shared_ptr<LoadResult>, GetInt() the serial.
wxDECLARE_EVENT(EVT_LOAD_FINISHED, wxThreadEvent);

class LoadWorker {
public:
    explicit LoadWorker(wxEvtHandler* window) : m_window(window) {}
    // Stops and waits for a load still under way, so that nothing is queued to a window that is gone.
    ~LoadWorker();
    LoadWorker(const LoadWorker&) = delete;
    LoadWorker& operator=(const LoadWorker&) = delete;

    // Loads address as typed, with its imports when followImports; waits first for the previous load,
    // which has ended or was cancelled.
    void Start(const std::string& address, int serial, bool followImports);
    // Asks the load under way to stop and returns at once; it ends within milliseconds while it
    // downloads or builds requests, and after the step under way otherwise.
    void Cancel();
    // Cancels and waits until the thread has ended.
    void Stop();
    // The load's latest progress, for the window on receipt of EVT_LOAD_PROGRESS.
    LoadProgress TakeProgress();

private:
    void Run(const std::string& address, int serial, bool followImports);
    // Keeps the latest progress; one event at a time is queued for it, however fast the load goes.
    void Tell(const LoadProgress& progress, int serial);

    wxEvtHandler* m_window;
    std::atomic<bool> m_cancel{false};
    std::thread m_thread;
    std::mutex m_progressLock;
    LoadProgress m_progress;
    bool m_progressQueued = false;
};

} // namespace quorvel::ui
