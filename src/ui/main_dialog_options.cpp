// The options menu beside 跟随导入: what the requests hold beyond the plain samples, and the connection
// settings for sending and loading. Both are kept while the window is open.

#include "ui/main_dialog.h"

#include "load/request_rebuild.h"
#include "model/model_walk.h"
#include "ui/messages.h"
#include "ui/utf8_text.h"
#include "ui/request_pane.h"
#include "ui/ui_prompts.h"

#include <wx/button.h>
#include <wx/menu.h>
#include <wx/utils.h>

#include <utility>

namespace quorvel::ui {

namespace {

struct SampleOptionItem {
    int id;
    std::string_view label;
    bool SampleOptions::* option;
};

const SampleOptionItem kSampleOptionItems[] = {
    {kIdOptionHeaderParts, ui_msg::kOptionHeaderParts, &SampleOptions::headerParts},
    {kIdOptionAttributes, ui_msg::kOptionAttributes, &SampleOptions::attributes},
    {kIdOptionExampleValues, ui_msg::kOptionExampleValues, &SampleOptions::exampleValues},
    {kIdOptionWsSecurity, ui_msg::kOptionWsSecurity, &SampleOptions::wsSecurity},
};

} // namespace

// The menu drops down below the button; the chosen command reaches the dialog's menu handlers.
void MainDialog::OnOptionsButton(wxCommandEvent&) {
    wxMenu menu;
    for (const SampleOptionItem& item : kSampleOptionItems) {
        wxMenuItem* check = menu.AppendCheckItem(item.id, FromUtf8(item.label));
        check->Check(m_sampleOptions.*item.option);
        // An export under way reads the requests: they are not rebuilt under it.
        check->Enable(!m_exporting);
    }
    menu.AppendSeparator();
    menu.Append(kIdConnectionSettings, FromUtf8(ui_msg::kMenuConnectionSettings));
    PopupMenu(&menu, m_optionsButton->GetRect().GetBottomLeft());
}

// Turns the option over and builds the requests again from the documents already loaded. Edits in the
// pane are replaced only when the user agrees; otherwise the option stays as it was.
void MainDialog::OnSampleOption(wxCommandEvent& event) {
    for (const SampleOptionItem& item : kSampleOptionItems) {
        if (item.id != event.GetId()) {
            continue;
        }
        if (m_messagePane->IsModified() &&
            !CurrentPrompts().Confirm(this, FromUtf8(ui_msg::kEditsWillBeReplaced))) {
            return;
        }
        m_sampleOptions.*item.option = !(m_sampleOptions.*item.option);
        RebuildRequests();
    }
}

// The model keeps its records, so the tree and the endpoints typed stay as they are; the request copies
// and the request shown change. No export shares the model meanwhile: the options are off while one runs.
void MainDialog::RebuildRequests() {
    if (!m_documents || !m_model || m_model->empty() || m_exporting) {
        return;
    }
    const wxBusyCursor wait;
    quorvel::RebuildRequests(*m_documents, *m_model, m_sampleOptions);
    size_t next = 0;
    WalkModel(*m_model, [&](const WsdlService&, const WsdlBinding&, const WsdlOperation& operation) {
        *m_requestTexts[next++] = wxString::FromUTF8(operation.request);
    });
    const TreeRecord record = SelectedRecord();
    m_messagePane->ShowRequest(record.request ? *record.request : wxString());
}

// Kept while the window is open; they take effect with the next load and the next send.
void MainDialog::OnConnectionSettings(wxCommandEvent&) {
    ConnectionSettings settings = m_connection;
    if (CurrentPrompts().EditConnectionSettings(this, settings)) {
        m_connection = std::move(settings);
    }
}

} // namespace quorvel::ui
