#pragma once
// Each send on a thread of its own, as loads run: the thread never touches a window, it queues its
// result as an event to the window, which owns the result from then on.

#include "fetch/http_exchange.h"
#include "send/soap_call.h"
#include "ui/response_view.h"
#include "ui/worker_threads.h"

#include <wx/event.h>

namespace quorvel::ui {

// Queued to the window once per send: the payload is a std::shared_ptr<ResponseView>, GetInt() the
// send's serial number.
wxDECLARE_EVENT(EVT_SEND_FINISHED, wxThreadEvent);

class SendWorker {
public:
    explicit SendWorker(wxEvtHandler* window) : m_window(window) {}

    // Sends call with options (whose cancel flag is the worker's own). A send under way is cancelled and
    // left to end on its own thread.
    void Start(SoapCall call, HttpOptions options, int serial);
    // Asks the send under way to stop and returns at once; the transfer ends within 200 ms.
    void Cancel() { m_jobs.Cancel(); }
    // Cancels and waits until every send thread has ended; so does the worker's destruction.
    void Stop() { m_jobs.Stop(); }

private:
    wxEvtHandler* m_window;
    WorkerThreads<WorkerJob> m_jobs;
};

} // namespace quorvel::ui
