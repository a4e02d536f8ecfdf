// The requests built again with other sample options, on their worker thread: the window keeps showing
// the model it has, the status line follows the rebuild, and the new model takes its place in one step.

#include "ui/main_dialog.h"

#include "model/model_walk.h"
#include "ui/load_status.h"
#include "ui/messages.h"
#include "ui/request_pane.h"
#include "ui/ui_prompts.h"
#include "ui/utf8_text.h"

#include <memory>
#include <utility>
#include <vector>

namespace quorvel::ui {

namespace {

std::vector<const WsdlBinding*> BindingsOf(const WsdlModel& model) {
    std::vector<const WsdlBinding*> bindings;
    WalkModel(model, [&](const WsdlService&, const WsdlBinding& binding) { bindings.push_back(&binding); });
    return bindings;
}

// The endpoints typed for bindings of from, for the same bindings of to, a copy of from.
std::map<const WsdlBinding*, wxString> MovedEndpointEdits(const std::map<const WsdlBinding*, wxString>& edits,
                                                          const WsdlModel& from, const WsdlModel& to) {
    if (edits.empty()) {
        return {};
    }
    const std::vector<const WsdlBinding*> before = BindingsOf(from);
    const std::vector<const WsdlBinding*> after = BindingsOf(to);
    std::map<const WsdlBinding*, wxString> moved;
    for (size_t binding = 0; binding < before.size(); ++binding) {
        if (const auto typed = edits.find(before[binding]); typed != edits.end()) {
            moved.emplace(after[binding], typed->second);
        }
    }
    return moved;
}

} // namespace

// Builds every request of the model again with m_sampleOptions from the documents it was read from. A
// rebuild under way is superseded; the model on show stays until the new one is handed over.
void MainDialog::StartRebuild() {
    if (!m_documents || !m_model || m_model->empty()) {
        return;
    }
    ShowRebuilding(true);
    LoadProgress start;
    start.stage = LoadStage::Generate;
    start.requestsTotal = m_requestTexts.size();
    SetStatus(ProgressStatus(start, {}));
    m_rebuilder.Start(m_model, m_documents, m_sampleOptions, ++m_rebuildSerial);
}

// 取消 or Esc: the requests stay as they are, and so do the options they were built with.
void MainDialog::CancelRebuild() {
    DropRebuild();
    m_sampleOptions = m_requestOptions;
    SetStatus(FromUtf8(ui_msg::kStatusRebuildCancelled));
}

// Ends the rebuild under way, if any, without taking its result: it is cancelled, or a new model
// supersedes it.
void MainDialog::DropRebuild() {
    if (m_rebuilding) {
        m_rebuilder.Cancel();
        ShowRebuilding(false);
    }
    m_agreedPaneText.reset();
}

void MainDialog::ShowRebuilding(bool rebuilding) {
    m_rebuilding = rebuilding;
    ShowBusy();
}

void MainDialog::OnRebuildProgress(wxThreadEvent& event) {
    if (m_rebuilding && event.GetInt() == m_rebuildSerial) {
        SetStatus(ProgressStatus(m_rebuilder.TakeProgress(), {}));
    }
}

// A failed rebuild leaves everything as it was and says why; a good one takes the model's place.
void MainDialog::OnRebuildFinished(wxThreadEvent& event) {
    const auto rebuilt = event.GetPayload<std::shared_ptr<RebuiltModel>>();
    if (!m_rebuilding || event.GetInt() != m_rebuildSerial) {
        // Of a cancelled rebuild; many thousand requests are freed aside.
        ReleaseAside(m_releaser, std::move(*rebuilt));
        return;
    }
    ShowRebuilding(false);
    if (!rebuilt->failure.empty()) {
        m_agreedPaneText.reset();
        m_sampleOptions = m_requestOptions;
        SetStatus(FromUtf8(ui_msg::kStatusRebuildFailed));
        CurrentPrompts().ShowMessage(this, FromUtf8(rebuilt->failure), wxICON_ERROR);
        return;
    }
    TakeRebuiltModel(std::move(*rebuilt));
}

// The new model, its request copies and its outline replace the old ones, which are freed aside. The
// outline lists the nodes in the same order, so the trees' items, which know their node, stay as they
// are, and so do the selection and the endpoints typed. The pane shows the selected request anew unless
// it holds edits the user did not agree to lose.
void MainDialog::TakeRebuiltModel(RebuiltModel rebuilt) {
    const bool keepPane = PaneHasNewEdits();
    m_agreedPaneText.reset();
    auto model = std::make_shared<WsdlModel>(std::move(rebuilt.model));
    m_endpointEdits = MovedEndpointEdits(m_endpointEdits, *m_model, *model);
    ReleaseAside(m_releaser, std::exchange(m_model, std::move(model)),
                 std::exchange(m_requestTexts, std::move(rebuilt.content.requestTexts)),
                 std::exchange(m_outline, std::move(rebuilt.content.outline)));
    m_requestOptions = m_sampleOptions;
    const wxString count = wxString::Format("%zu", m_requestTexts.size());
    SetStatus(wxString::Format(FromUtf8(ui_msg::kStatusRebuilt), count));
    if (!keepPane) {
        const TreeRecord record = SelectedRecord();
        m_messagePane->ShowRequest(record.request ? *record.request : wxString());
    }
}

// Edits in the pane that were made while the requests were rebuilt, or that the user was not asked about.
bool MainDialog::PaneHasNewEdits() const {
    return m_messagePane->IsModified() &&
           (!m_agreedPaneText || *m_agreedPaneText != m_messagePane->FullText());
}

} // namespace quorvel::ui
