#include "ui/load_worker.h"

#include "ui/messages.h"

#include <new>

namespace quorvel::ui {

wxDEFINE_EVENT(EVT_LOAD_PROGRESS, wxThreadEvent);
wxDEFINE_EVENT(EVT_LOAD_FINISHED, wxThreadEvent);

namespace {

// A description too large for the memory left fails like any other load instead of ending the program.
LoadResult LoadWithinMemory(const std::string& address, const LoadOptions& options) {
    try {
        return LoadServiceDescription(address, options);
    } catch (const std::bad_alloc&) {
        LoadResult failed;
        failed.address = address;
        failed.message = kOutOfMemory;
        return failed;
    }
}

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
    Stop();
    m_cancel = false;
    m_progressQueued = false;
    m_thread = std::thread(&LoadWorker::Run, this, address, serial, followImports);
}

void LoadWorker::Cancel() {
    m_cancel = true;
}

void LoadWorker::Stop() {
    Cancel();
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

LoadProgress LoadWorker::TakeProgress() {
    const std::lock_guard<std::mutex> lock(m_progressLock);
    m_progressQueued = false;
    return m_progress;
}

void LoadWorker::Tell(const LoadProgress& progress, int serial) {
    const std::lock_guard<std::mutex> lock(m_progressLock);
    m_progress = progress;
    if (!m_progressQueued) {
        m_progressQueued = true;
        wxQueueEvent(m_window, LoadEvent(EVT_LOAD_PROGRESS, serial));
    }
}

void LoadWorker::Run(const std::string& address, int serial, bool followImports) {
    LoadOptions options;
    options.followImports = followImports;
    options.cancel = &m_cancel;
    options.onProgress = [this, serial](const LoadProgress& progress) { Tell(progress, serial); };
    wxThreadEvent* finished = LoadEvent(EVT_LOAD_FINISHED, serial);
    finished->SetPayload(std::make_shared<LoadResult>(LoadWithinMemory(address, options)));
    wxQueueEvent(m_window, finished);
}

} // namespace quorvel::ui
