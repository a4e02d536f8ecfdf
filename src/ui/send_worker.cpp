#include "ui/send_worker.h"

#include "load/unexpected_error.h"
#include "ui/utf8_text.h"

#include <memory>
#include <utility>

namespace quorvel::ui {

wxDEFINE_EVENT(EVT_SEND_FINISHED, wxThreadEvent);

namespace {

// The send's view for the window; whatever the send throws ends it as a failure with a message.
std::shared_ptr<ResponseView> Send(const SoapCall& call, const HttpOptions& options) {
    try {
        return std::make_shared<ResponseView>(ViewOfResult(SendSoapRequest(call, options)));
    } catch (...) {
        auto failed = std::make_shared<ResponseView>();
        failed->line = FromUtf8(UnexpectedErrorMessage());
        return failed;
    }
}

} // namespace

void SendWorker::Start(SoapCall call, HttpOptions options, int serial) {
    m_jobs.Start([this, call = std::move(call), options = std::move(options), serial](WorkerJob& job) mutable {
        options.cancel = &job.cancel;
        auto* finished = new wxThreadEvent(EVT_SEND_FINISHED);
        finished->SetInt(serial);
        finished->SetPayload(Send(call, options));
        wxQueueEvent(m_window, finished);
    });
}

} // namespace quorvel::ui
