#pragma once
// Each load on a thread of its own. The thread never touches a window: it queues its progress and its
// result as events to the window, which handles them on its own thread and owns the result from then on.

#include "load/service_load.h"
#include "ui/worker_threads.h"

#include <wx/event.h>

#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>

namespace quorvel::ui {

// Queued to the window when the load has news and the window has taken the last: GetInt() is the
// load's serial number, TakeProgress() what the load does now.
wxDECLARE_EVENT(EVT_LOAD_PROGRESS, wxThreadEvent);
// Queued to the window once per load: the payload is a std::shared_ptr<LoadResult>, GetInt() the serial.
wxDECLARE_EVENT(EVT_LOAD_FINISHED, wxThreadEvent);

class LoadWorker {
public:
    // How a load runs: LoadServiceDescription, or a stand-in.
    using LoadFunction = std::function<LoadResult(const std::string& address, const LoadOptions& options)>;
    // At most this many loads work at once: the one under way and one cancelled load that still ends a
    // step it cannot leave half-way (a parse). A newer load waits for room, so that loading and cancelling
    // again and again never holds more than two descriptions in memory; a load cancelled before it had
    // room ends at once.
    static constexpr unsigned kMaxRunningLoads = 2;

    // Sets up the XML parser on this, the window's, thread, before any load thread starts.
    explicit LoadWorker(wxEvtHandler* window, LoadFunction load = LoadServiceDescription);

    // Loads address as typed, with options (whose cancel flag and progress callback are the worker's
    // own). A previous load is cancelled and left to end on its own thread; nothing waits for it here.
    void Start(const std::string& address, int serial, LoadOptions options);
    // Asks the load under way to stop and returns at once; it ends within milliseconds while it
    // downloads or builds requests, and after the step under way otherwise, and then releases what
    // it read.
    void Cancel();
    // Cancels and waits until every load thread has ended; so does the worker's destruction, so that
    // nothing is queued to a window that is gone.
    void Stop();
    // The latest progress of the load under way, for the window on receipt of EVT_LOAD_PROGRESS.
    LoadProgress TakeProgress();

private:
    // One load's own state, shared with its thread.
    struct Job : WorkerJob {
        std::mutex progressLock;
        LoadProgress progress;
        bool progressQueued = false;
    };

    void Run(Job& job, const std::string& address, int serial, LoadOptions options);
    // The load's result; whatever it throws ends it as a failure with a message.
    LoadResult Load(Job& job, const std::string& address, int serial, LoadOptions options);
    // Waits until fewer than kMaxRunningLoads loads work, then counts this one; false when the job is
    // cancelled first.
    bool EnterRunning(const Job& job);
    void LeaveRunning();
    // Keeps the latest progress; one event at a time is queued for it, however fast the load goes.
    void Tell(Job& job, const LoadProgress& progress, int serial);

    wxEvtHandler* m_window;
    LoadFunction m_load;
    std::mutex m_runningLock;
    std::condition_variable m_runningChanged;
    unsigned m_running = 0; // loads that have entered and not yet left
    // Last, so that its threads end before what they use goes.
    WorkerThreads<Job> m_jobs;
};

} // namespace quorvel::ui
