// 校验: the pane's request, edits included, checked against the schemas of the description it was built
// from. The lines with problems are tinted in the pane and the messages listed below it; choosing one
// puts the cursor where it lies.

#include "ui/main_dialog.h"

#include "ui/messages.h"
#include "ui/utf8_text.h"
#include "ui/request_pane.h"
#include "ui/ui_prompts.h"
#include "validate/request_validation.h"

#include <wx/listbox.h>
#include <wx/stattext.h>
#include <wx/utils.h>

#include <string>
#include <vector>

namespace quorvel::ui {

namespace {

// "第 3 行，第 5 列：message", or the message alone where the check could not say where.
wxString ProblemText(const ValidationProblem& problem) {
    const wxString message = FromUtf8(problem.message);
    if (problem.line <= 0) {
        return message;
    }
    return wxString::Format(FromUtf8(ui_msg::kProblemAt), wxString::Format("%d", problem.line),
                            wxString::Format("%d", problem.column), message);
}

wxString CheckStatus(const ValidationReport& report) {
    if (report.Invalid()) {
        size_t faults = 0;
        for (const ValidationProblem& problem : report.problems) {
            faults += problem.unchecked ? 0 : 1;
        }
        return wxString::Format(FromUtf8(ui_msg::kStatusInvalid), wxString::Format("%zu", faults));
    }
    return FromUtf8(report.Incomplete() ? ui_msg::kStatusUnchecked : ui_msg::kStatusValid);
}

} // namespace

void MainDialog::OnValidateButton(wxCommandEvent&) {
    const TreeRecord record = SelectedRecord();
    BindingOfOperation binding;
    if (record.operation != nullptr && m_documents && m_model) {
        binding = BindingElementOf(*m_model, *m_documents, *record.binding);
    }
    if (binding.element == nullptr) {
        CurrentPrompts().ShowMessage(this, FromUtf8(ui_msg::kNothingToValidate), wxICON_INFORMATION);
        return;
    }
    const wxBusyCursor wait;
    if (!m_validator) {
        m_validator = std::make_unique<RequestValidator>(m_documents);
    }
    // The pane's CR LF line ends become the request's own; lines and columns stay the same.
    wxString text = m_messagePane->FullText();
    text.Replace("\r\n", "\n");
    const ValidationReport report = m_validator->Validate(binding, record.operation->name, text.utf8_string());

    std::vector<int> lines;
    wxArrayString messages;
    m_problemPlaces.clear();
    for (const ValidationProblem& problem : report.problems) {
        if (problem.line > 0) {
            lines.push_back(problem.line);
        }
        messages.push_back(ProblemText(problem));
        m_problemPlaces.emplace_back(problem.line, problem.column);
    }
    m_messagePane->MarkProblemLines(lines);
    m_problemList->Set(messages);
    m_statusLine->SetLabel(CheckStatus(report));
    ShowResults(1);
}

void MainDialog::OnProblemSelected(wxCommandEvent& event) {
    const int chosen = event.GetSelection();
    if (chosen < 0 || static_cast<size_t>(chosen) >= m_problemPlaces.size()) {
        return;
    }
    const auto [line, column] = m_problemPlaces[static_cast<size_t>(chosen)];
    if (line <= 0) {
        return;
    }
    const int position = m_messagePane->FindColumn(line - 1, std::max(column - 1, 0));
    m_messagePane->GotoPos(position);
    m_messagePane->EnsureCaretVisible();
}

} // namespace quorvel::ui
