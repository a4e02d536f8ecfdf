#include "ui/load_worker.h"

#include "load/unexpected_error.h"
#include "xml/parsing.h"

#include <chrono>
#include <functional>

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

LoadWorker::~LoadWorker() {
    Stop();
}

void LoadWorker::Start(const std::string& address, int serial, bool followImports) {
    Cancel();
    if (m_current) {
        m_cancelled.push_back(std::move(m_current));
    }
    std::erase_if(m_cancelled, [](const std::unique_ptr<Job>& job) {
        if (!job->ended) {
            return false;
        }
        job->thread.join();
        return true;
    });
    m_current = std::make_unique<Job>();
    m_current->thread =
        std::thread(&LoadWorker::Run, this, std::ref(*m_current), address, serial, followImports);
}

void LoadWorker::Cancel() {
    if (m_current) {
        m_current->cancel = true;
    }
}

void LoadWorker::Stop() {
    Cancel();
    if (m_current) {
        m_cancelled.push_back(std::move(m_current));
    }
    for (const std::unique_ptr<Job>& job : m_cancelled) {
        job->thread.join();
    }
    m_cancelled.clear();
}

LoadProgress LoadWorker::TakeProgress() {
    if (!m_current) {
        return {};
    }
    const std::lock_guard<std::mutex> lock(m_current->progressLock);
    m_current->progressQueued = false;
    return m_current->progress;
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

LoadResult LoadWorker::Load(Job& job, const std::string& address, int serial, bool followImports) {
    bool running = false;
    try {
        LoadResult result;
        result.address = address;
        result.cancelled = true;
        running = EnterRunning(job);
        if (running) {
            LoadOptions options;
            options.followImports = followImports;
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

void LoadWorker::Run(Job& job, const std::string& address, int serial, bool followImports) {
    wxThreadEvent* finished = LoadEvent(EVT_LOAD_FINISHED, serial);
    finished->SetPayload(std::make_shared<LoadResult>(Load(job, address, serial, followImports)));
    wxQueueEvent(m_window, finished);
    job.ended = true;
}

} // namespace quorvel::ui
