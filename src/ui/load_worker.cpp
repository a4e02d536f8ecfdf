#include "ui/load_worker.h"

#include "load/unexpected_error.h"
#include "xml/parsing.h"

#include <chrono>
#include <utility>

namespace quorvel::ui {

wxDEFINE_EVENT(EVT_LOAD_PROGRESS, wxThreadEvent);
wxDEFINE_EVENT(EVT_LOAD_FINISHED, wxThreadEvent);

namespace {

wxThreadEvent* LoadEvent(wxEventType type, int serial) {
    auto* event = new wxThreadEvent(type);
    event->SetInt(serial);
    return event;
}

} // namespace

LoadWorker::LoadWorker(wxEvtHandler* window, LoadFunction load) : m_window(window), m_load(std::move(load)) {
    PrepareXmlParser();
}

void LoadWorker::Start(const std::string& address, int serial, LoadOptions options) {
    m_jobs.Start([this, address, serial, options = std::move(options)](Job& job) mutable {
        Run(job, address, serial, std::move(options));
    });
}

void LoadWorker::Cancel() {
    m_jobs.Cancel();
}

void LoadWorker::Stop() {
    m_jobs.Stop();
}

LoadProgress LoadWorker::TakeProgress() {
    Job* job = m_jobs.Current();
    if (!job) {
        return {};
    }
    const std::lock_guard<std::mutex> lock(job->progressLock);
    job->progressQueued = false;
    return job->progress;
}

void LoadWorker::Tell(Job& job, const LoadProgress& progress, int serial) {
    const std::lock_guard<std::mutex> lock(job.progressLock);
    job.progress = progress;
    if (!job.progressQueued) {
        job.progressQueued = true;
        wxQueueEvent(m_window, LoadEvent(EVT_LOAD_PROGRESS, serial));
    }
}

bool LoadWorker::EnterRunning(const Job& job) {
    std::unique_lock<std::mutex> lock(m_runningLock);
    // The cancel flag is set without a notification: it is looked at every 20 ms, as a download does.
    while (!m_runningChanged.wait_for(lock, std::chrono::milliseconds(20),
                                      [this] { return m_running < kMaxRunningLoads; })) {
        if (job.cancel) {
            return false;
        }
    }
    ++m_running;
    return true;
}

void LoadWorker::LeaveRunning() {
    {
        const std::lock_guard<std::mutex> lock(m_runningLock);
        --m_running;
    }
    m_runningChanged.notify_all();
}

LoadResult LoadWorker::Load(Job& job, const std::string& address, int serial, LoadOptions options) {
    bool running = false;
    try {
        LoadResult result;
        result.address = address;
        result.cancelled = true;
        running = EnterRunning(job);
        if (running) {
            options.cancel = &job.cancel;
            options.onProgress = [this, &job, serial](const LoadProgress& progress) {
                Tell(job, progress, serial);
            };
            result = m_load(address, options);
            running = false;
            LeaveRunning();
        }
        return result;
    } catch (...) {
        if (running) {
            LeaveRunning();
        }
        LoadResult failed;
        failed.address = address;
        failed.message = UnexpectedErrorMessage();
        return failed;
    }
}

void LoadWorker::Run(Job& job, const std::string& address, int serial, LoadOptions options) {
    wxThreadEvent* finished = LoadEvent(EVT_LOAD_FINISHED, serial);
    finished->SetPayload(std::make_shared<LoadResult>(Load(job, address, serial, std::move(options))));
    wxQueueEvent(m_window, finished);
}

} // namespace quorvel::ui
