// Sending the request in the pane to the endpoint in the box: 发送 (or Ctrl+Enter) starts it on a worker
// thread and turns into 取消, Esc cancels it, and the response or the failure shows below the request.

#include "ui/main_dialog.h"

#include "ui/messages.h"
#include "ui/utf8_text.h"
#include "ui/request_pane.h"
#include "ui/response_pane.h"
#include "ui/ui_prompts.h"

#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/notebook.h>
#include <wx/statline.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <memory>
#include <string>
#include <utility>

namespace quorvel::ui {

// The options button on the address row; the endpoint box and the buttons for the request on the message
// row; the results below the request pane, hidden until there are any.
void MainDialog::CreateSendControls() {
    m_optionsButton = new wxButton(this, kIdOptionsButton, FromUtf8(ui_msg::kButtonOptions));
    m_endpointBox = new wxTextCtrl(this, kIdEndpointBox, wxEmptyString);
    m_endpointBox->SetHint(FromUtf8(ui_msg::kEndpointHint));
    m_endpointBox->SetToolTip(FromUtf8(ui_msg::kEndpointTip));
    m_resetEndpointButton =
        new wxButton(this, kIdResetEndpointButton, FromUtf8(ui_msg::kButtonResetEndpoint));
    m_resetEndpointButton->Disable();
    m_sendButton = new wxButton(this, kIdSendButton, FromUtf8(ui_msg::kButtonSend));
    m_validateButton = new wxButton(this, kIdValidateButton, FromUtf8(ui_msg::kButtonValidate));
    m_rowSplitter = new wxStaticLine(this, kIdRowSplitter, wxPoint(0, 0), wxSize(100, 4), wxLI_HORIZONTAL);
    m_resultsBook = new wxNotebook(this, kIdResultsBook);
    m_responsePane = new ResponsePane(m_resultsBook, kIdResponsePane);
    m_problemList = new wxListBox(m_resultsBook, kIdProblemList);
    m_resultsBook->AddPage(m_responsePane, FromUtf8(ui_msg::kPageResponse));
    m_resultsBook->AddPage(m_problemList, FromUtf8(ui_msg::kPageProblems));
    m_rowSplitter->Hide();
    m_resultsBook->Hide();
    ForwardSplitterEventsFrom(m_rowSplitter);
    ForwardSplitterEventsFrom(m_resultsBook);

    m_optionsButton->Bind(wxEVT_BUTTON, &MainDialog::OnOptionsButton, this);
    m_endpointBox->Bind(wxEVT_TEXT, &MainDialog::OnEndpointText, this);
    m_resetEndpointButton->Bind(wxEVT_BUTTON, &MainDialog::OnResetEndpoint, this);
    m_sendButton->Bind(wxEVT_BUTTON, &MainDialog::OnSendButton, this);
    Bind(EVT_SEND_FINISHED, &MainDialog::OnSendFinished, this);
    Bind(wxEVT_MENU, &MainDialog::OnConnectionSettings, this, kIdConnectionSettings);
    Bind(wxEVT_MENU, &MainDialog::OnSampleOption, this, kIdOptionHeaderParts, kIdOptionWsSecurity);
    m_validateButton->Bind(wxEVT_BUTTON, &MainDialog::OnValidateButton, this);
    m_problemList->Bind(wxEVT_LISTBOX, &MainDialog::OnProblemSelected, this);
}

// Ctrl+Enter sends, or cancels the send under way; Esc cancels it. True when the key was one of them.
bool MainDialog::HandleSendKeys(const wxKeyEvent& event) {
    const int key = event.GetKeyCode();
    if (key == WXK_ESCAPE && m_sending) {
        CancelSend();
        return true;
    }
    if ((key == WXK_RETURN || key == WXK_NUMPAD_ENTER) && event.GetModifiers() == wxMOD_CONTROL) {
        wxCommandEvent press;
        OnSendButton(press);
        return true;
    }
    return false;
}

// The endpoint of the selected item's binding: the one the user typed for it, else the description's.
void MainDialog::ShowEndpoint(const TreeRecord& record) {
    wxString endpoint;
    if (record.binding != nullptr) {
        const auto typed = m_endpointEdits.find(record.binding);
        endpoint = typed != m_endpointEdits.end() ? typed->second : FromUtf8(record.binding->endpoint);
    }
    m_endpointBox->ChangeValue(endpoint);
    m_resetEndpointButton->Enable(record.binding != nullptr &&
                                  endpoint != FromUtf8(record.binding->endpoint));
}

// What the user types is kept for the binding, so that its other operations go to the same place.
void MainDialog::OnEndpointText(wxCommandEvent&) {
    const WsdlBinding* binding = SelectedRecord().binding;
    if (binding == nullptr) {
        return;
    }
    const wxString endpoint = m_endpointBox->GetValue();
    const bool edited = endpoint != FromUtf8(binding->endpoint);
    if (edited) {
        m_endpointEdits[binding] = endpoint;
    } else {
        m_endpointEdits.erase(binding);
    }
    m_resetEndpointButton->Enable(edited);
}

// Back to the address the description gives.
void MainDialog::OnResetEndpoint(wxCommandEvent&) {
    const TreeRecord record = SelectedRecord();
    if (record.binding != nullptr) {
        m_endpointEdits.erase(record.binding);
    }
    ShowEndpoint(record);
}

void MainDialog::OnSendButton(wxCommandEvent&) {
    if (m_sending) {
        CancelSend();
    } else {
        StartSend();
    }
}

// Sends the pane's text as it stands, edits included, with the line ends the request was built with.
void MainDialog::StartSend() {
    const TreeRecord record = SelectedRecord();
    if (record.operation == nullptr) {
        CurrentPrompts().ShowMessage(this, FromUtf8(ui_msg::kNothingToSend), wxICON_INFORMATION);
        return;
    }
    SoapCall call;
    call.endpoint = m_endpointBox->GetValue().Strip(wxString::both).utf8_string();
    if (!MaySendCredentialsTo(call.endpoint)) {
        return;
    }
    call.soapVersion = record.binding->soapVersion;
    call.soapAction = record.operation->soapAction;
    wxString body = m_messagePane->FullText();
    body.Replace("\r\n", "\n");
    call.body = body.utf8_string();
    ShowResults(0);
    m_responsePane->ShowLine(wxString::Format(FromUtf8(ui_msg::kStatusSending), m_endpointBox->GetValue()));
    ShowSending(true);
    m_sender.Start(std::move(call), ConnectionOptions(), ++m_sendSerial);
}

// The previous response stays on show; the line says the send was cancelled.
void MainDialog::CancelSend() {
    m_sender.Cancel();
    ShowSending(false);
    m_responsePane->ShowLine(FromUtf8(ui_msg::kStatusSendCancelled));
}

void MainDialog::ShowSending(bool sending) {
    m_sending = sending;
    m_sendButton->SetLabel(FromUtf8(sending ? ui_msg::kButtonCancel : ui_msg::kButtonSend));
}

void MainDialog::OnSendFinished(wxThreadEvent& event) {
    const auto view = event.GetPayload<std::shared_ptr<ResponseView>>();
    if (!m_sending || event.GetInt() != m_sendSerial || view->outcome == ResponseView::Outcome::Cancelled) {
        return; // of a cancelled send
    }
    ShowSending(false);
    const bool failed = view->outcome == ResponseView::Outcome::Failed;
    m_responsePane->ShowResponse(std::move(*view));
    m_statusLine->SetLabel(FromUtf8(failed ? ui_msg::kStatusSendFailed : ui_msg::kStatusSent));
}

// The results below the request pane, at the given page (0 the response, 1 the problems found).
void MainDialog::ShowResults(int page) {
    if (!m_resultsBook->IsShown()) {
        m_resultsBook->Show();
        m_rowSplitter->Show();
        LayoutControls();
    }
    m_resultsBook->ChangeSelection(static_cast<size_t>(page));
}

bool MainDialog::MaySendCredentialsTo(const std::string& url) {
    if (m_plainHttpAccepted || !SendsCredentialsInClear(m_connection, url)) {
        return true;
    }
    const wxString warning =
        wxString::Format(FromUtf8(ui_msg::kPlainHttpCredentials), FromUtf8(url));
    m_plainHttpAccepted = CurrentPrompts().Confirm(this, warning);
    return m_plainHttpAccepted;
}

HttpOptions MainDialog::ConnectionOptions() const {
    HttpOptions options;
    options.user = m_connection.user;
    options.password = m_connection.password;
    options.headers = m_connection.headers;
    return options;
}

} // namespace quorvel::ui
