#include "ui/send_worker.h"

#include <memory>
#include <utility>

namespace quorvel::ui {

wxDEFINE_EVENT(EVT_SEND_FINISHED, wxThreadEvent);

void SendWorker::Start(SoapCall call, HttpOptions options, int serial) {
    m_jobs.Start([this, call = std::move(call), options = std::move(options), serial](WorkerJob& job) mutable {
        options.cancel = &job.cancel;
        auto* finished = new wxThreadEvent(EVT_SEND_FINISHED);
        finished->SetInt(serial);
        finished->SetPayload(std::make_shared<SoapCallResult>(SendSoapRequest(call, options)));
        wxQueueEvent(m_window, finished);
    });
}

} // namespace quorvel::ui
