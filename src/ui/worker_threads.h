#pragma once
// The threads of one kind of background work: the job under way, and cancelled jobs whose threads may
// still be ending. A new job cancels the one under way rather than waiting for it.

#include <atomic>
#include <memory>
#include <thread>
#include <tuple>
#include <utility>
#include <vector>

namespace quorvel::ui {

// What every job has; a worker's own job type adds its state to it.
struct WorkerJob {
    std::atomic<bool> cancel{false};
    std::atomic<bool> ended{false};
    std::thread thread;
};

template <class Job>
class WorkerThreads {
public:
    WorkerThreads() = default;
    // Stops and waits for every thread, so that no job outlives its worker.
    ~WorkerThreads() { Stop(); }
    WorkerThreads(const WorkerThreads&) = delete;
    WorkerThreads& operator=(const WorkerThreads&) = delete;

    // Cancels the job under way, joins the threads that have ended, and runs work(job) for a new job on a
    // thread of its own.
    template <class Work>
    void Start(Work work) {
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
        Job& job = *m_current;
        job.thread = std::thread([&job, work = std::move(work)]() mutable {
            work(job);
            job.ended = true;
        });
    }

    // Asks the job under way to stop and returns at once.
    void Cancel() {
        if (m_current) {
            m_current->cancel = true;
        }
    }

    // Cancels and waits until every thread has ended.
    void Stop() {
        Cancel();
        if (m_current) {
            m_cancelled.push_back(std::move(m_current));
        }
        for (const std::unique_ptr<Job>& job : m_cancelled) {
            job->thread.join();
        }
        m_cancelled.clear();
    }

    // The job under way, or the last one; null before the first.
    Job* Current() { return m_current.get(); }

private:
    std::unique_ptr<Job> m_current;
    std::vector<std::unique_ptr<Job>> m_cancelled;
};

// Destroys what it is given on a thread of threads: freeing a model of many thousand requests takes
// longer than the window may wait.
template <class... Held>
void ReleaseAside(WorkerThreads<WorkerJob>& threads, Held... held) {
    threads.Start([held = std::make_unique<std::tuple<Held...>>(std::move(held)...)](WorkerJob&) mutable {
        held.reset();
    });
}

} // namespace quorvel::ui
