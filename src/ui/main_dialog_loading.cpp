// The load on its worker thread as the window sees it: the button turns into 取消, the status line
// follows the load, and the result or the error box comes when the worker hands the result over.

#include "ui/main_dialog.h"

#include "fetch/address.h"
#include "load/messages.h"
#include "ui/load_status.h"
#include "ui/messages.h"
#include "ui/utf8_text.h"
#include "ui/request_pane.h"
#include "ui/tree_sort.h"
#include "ui/ui_prompts.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/filename.h>
#include <wx/srchctrl.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/utils.h>

#include <memory>
#include <new>
#include <string>
#include <utility>

namespace quorvel::ui {

// The user's credentials and headers go with the download of the description and of its imports.
void MainDialog::StartWorker(const wxString& address) {
    // The user sees the address that is loaded, e.g. with "?wsdl" added or quotes removed.
    m_loadingAddress = NormalizeAddress(address.utf8_string());
    m_addressBox->ChangeValue(FromUtf8(m_loadingAddress));
    if (!MaySendCredentialsTo(m_loadingAddress)) {
        return;
    }
    ShowLoading(true);
    m_loadFollowsImports = m_followImportsBox->GetValue();
    LoadOptions options;
    options.followImports = m_loadFollowsImports;
    options.http.user = m_connection.user;
    options.http.password = m_connection.password;
    options.http.headers = m_connection.headers;
    options.sample = m_loadOptions = m_sampleOptions;
    options.keepDocuments = true;
    m_loader.Start(address.utf8_string(), ++m_loadSerial, std::move(options));
}

// The previous tree and request stay as they are, as after a failed load, but without an error box.
void MainDialog::CancelLoad() {
    m_loader.Cancel();
    ShowLoading(false);
    SetStatus(FromUtf8(ui_msg::kStatusCancelled));
}

void MainDialog::ShowLoading(bool loading) {
    m_loading = loading;
    ShowBusy();
}

// While a load, an export or a rebuild of the requests runs: the wait cursor over the tree and the pane,
// and the parse button as the cancel button.
void MainDialog::ShowBusy() {
    const bool busy = m_loading || m_exporting || m_rebuilding;
    m_parseButton->SetLabel(FromUtf8(busy ? ui_msg::kButtonCancel : ui_msg::kButtonParse));
    for (ServiceTreeCtrl* tree : {m_serviceTree, m_filteredTree}) {
        tree->SetCursor(busy ? wxCursor(wxCURSOR_WAIT) : wxNullCursor);
    }
    m_messagePane->SetSTCCursor(busy ? wxSTC_CURSORWAIT : wxSTC_CURSORNORMAL);
}

void MainDialog::OnLoadProgress(wxThreadEvent& event) {
    if (!m_loading || event.GetInt() != m_loadSerial) {
        return; // of a cancelled load
    }
    const wxString status = ProgressStatus(m_loader.TakeProgress(), m_loadingAddress);
    if (!status.empty()) {
        SetStatus(status);
    }
}

wxDEFINE_EVENT(EVT_TREE_CONTENT, wxThreadEvent);

// The window takes the worker's result over: a failed load shows its error box; a good one has its tree's
// content made on a thread of its own first. The load counts as under way until then.
void MainDialog::OnLoadFinished(wxThreadEvent& event) {
    const auto load = event.GetPayload<std::shared_ptr<LoadResult>>();
    if (!m_loading || event.GetInt() != m_loadSerial || load->cancelled) {
        return; // of a cancelled load
    }
    if (load->ok) {
        StartTreeContent(load);
    } else {
        ShowLoadFailure(*load, load->message);
    }
}

void MainDialog::StartTreeContent(std::shared_ptr<LoadResult> load) {
    m_treeContentMaker.Start([this, load = std::move(load), serial = m_loadSerial](WorkerJob&) {
        LoadMade made{load, nullptr};
        try {
            made.content = std::make_shared<TreeContent>(MakeTreeContent(load->model));
        } catch (const std::bad_alloc&) {
            made.content.reset();
        }
        auto* event = new wxThreadEvent(EVT_TREE_CONTENT);
        event->SetInt(serial);
        event->SetPayload(std::move(made));
        wxQueueEvent(this, event);
    });
}

// A good load fills the tree and empties the pane.
void MainDialog::OnTreeContent(wxThreadEvent& event) {
    const auto made = event.GetPayload<LoadMade>();
    if (!m_loading || event.GetInt() != m_loadSerial) {
        return; // of a cancelled load
    }
    if (!made.content) {
        ShowLoadFailure(*made.load, load_msg::kOutOfMemory);
        return;
    }
    // Told from the whole result, before its model moves into the window.
    const wxString loaded = LoadedStatus(*made.load, m_loadFollowsImports);
    // The documents go with the model they were read from, and only with it.
    ShowModel(std::move(made.load->model), std::move(*made.content));
    m_documents = std::move(made.load->documents);
    m_statusBeforeNoMatch.reset();
    SetStatus(loaded);
    if (!IsHttpAddress(made.load->address)) {
        m_descriptionFolder = wxFileName(FromUtf8(made.load->address)).GetPath();
    }
    ClearFilter();
    ClearPane();
    ShowEndpoint(TreeRecord{});
    ShowLoading(false);
    // An option turned while the load ran applies to its requests as well.
    m_requestOptions = m_loadOptions;
    if (m_sampleOptions != m_requestOptions) {
        StartRebuild();
    }
    if (!made.load->notes.empty()) {
        CurrentPrompts().ShowNotes(this, ImportNotesSummary(*made.load), ImportNotesList(*made.load),
                                   wxICON_WARNING);
    }
}

// The error box, with the wait cursor until it is closed; the previous tree and request stay.
void MainDialog::ShowLoadFailure(const LoadResult& load, std::string_view failure) {
    SetStatus(FromUtf8(ui_msg::kStatusFailed));
    {
        const wxBusyCursor wait;
        // Imports that were not read may be the reason.
        if (load.notes.empty()) {
            CurrentPrompts().ShowMessage(this, FromUtf8(failure), wxICON_ERROR);
        } else {
            const wxString summary = FromUtf8(failure) + "\n\n" + ImportNotesSummary(load);
            CurrentPrompts().ShowNotes(this, summary, ImportNotesList(load), wxICON_ERROR);
        }
    }
    ShowLoading(false);
}

// Closing the window ends a load or a rebuild under way; the window goes at once, and its destruction
// waits for their threads, so that nothing is left to reach the window once it is gone.
void MainDialog::OnClose(wxCloseEvent& event) {
    if (m_loading) {
        CancelLoad();
    }
    DropRebuild();
    event.Skip();
}

} // namespace quorvel::ui
