#include "ui/load_worker.h"

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

void LoadWorker::Run(Job& job, const std::string& address, int serial, bool followImports) {
    LoadOptions options;
    options.followImports = followImports;
    options.cancel = &job.cancel;
    options.onProgress = [this, &job, serial](const LoadProgress& progress) { Tell(job, progress, serial); };
    wxThreadEvent* finished = LoadEvent(EVT_LOAD_FINISHED, serial);
    finished->SetPayload(std::make_shared<LoadResult>(LoadServiceDescription(address, options)));
    wxQueueEvent(m_window, finished);
    job.ended = true;
}

} // namespace quorvel::ui
