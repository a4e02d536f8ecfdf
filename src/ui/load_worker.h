#pragma once
// Each load on a thread of its own. The thread never touches a window: it queues its progress and its
// result as events to the window, which handles them on its own thread and owns the result from then on.

#include "load/service_load.h"

#include <wx/event.h>

#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace quorvel::ui {

// Queued to the window when the load has news and the window has taken the last: GetInt() is the
// load's serial number, TakeProgress() what the load does now.
wxDECLARE_EVENT(EVT_LOAD_PROGRESS, wxThreadEvent);
// Queued to the window once per load: the payload is a std::shared_ptr<LoadResult>, GetInt() the serial.
wxDECLARE_EVENT(EVT_LOAD_FINISHED, wxThreadEvent);

class LoadWorker {
public:
    explicit LoadWorker(wxEvtHandler* window) : m_window(window) {}
    // Stops and waits for every load thread, so that nothing is queued to a window that is gone.
    ~LoadWorker();
    LoadWorker(const LoadWorker&) = delete;
    LoadWorker& operator=(const LoadWorker&) = delete;

    // Loads address as typed, with its imports when followImports. A previous load is cancelled and
    // left to end on its own thread; nothing waits for it here.
    void Start(const std::string& address, int serial, bool followImports);
    // Asks the load under way to stop and returns at once; it ends within milliseconds while it
    // downloads or builds requests, and after the step under way otherwise, and then releases what
    // it read.
    void Cancel();
    // Cancels and waits until every load thread has ended.
    void Stop();
    // The latest progress of the load under way, for the window on receipt of EVT_LOAD_PROGRESS.
    LoadProgress TakeProgress();

private:
    // One load's own state, shared with its thread.
    struct Job {
        std::atomic<bool> cancel{false};
        std::atomic<bool> ended{false};
        std::mutex progressLock;
        LoadProgress progress;
        bool progressQueued = false;
        std::thread thread;
    };

    void Run(Job& job, const std::string& address, int serial, bool followImports);
    // Keeps the latest progress; one event at a time is queued for it, however fast the load goes.
    void Tell(Job& job, const LoadProgress& progress, int serial);

    wxEvtHandler* m_window;
    std::unique_ptr<Job> m_current;
    // Cancelled loads whose threads may still be ending; joined once they have.
    std::vector<std::unique_ptr<Job>> m_cancelled;
};

} // namespace quorvel::ui
