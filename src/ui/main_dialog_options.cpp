// The options menu beside 跟随导入: what the requests hold beyond the plain samples, and the connection
// settings for sending and loading. Both are kept while the window is open.

#include "ui/main_dialog.h"

#include "ui/messages.h"
#include "ui/utf8_text.h"
#include "ui/request_pane.h"
#include "ui/ui_prompts.h"

#include <wx/button.h>
#include <wx/menu.h>

#include <optional>
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
        menu.AppendCheckItem(item.id, FromUtf8(item.label))->Check(m_sampleOptions.*item.option);
    }
    menu.AppendSeparator();
    menu.Append(kIdConnectionSettings, FromUtf8(ui_msg::kMenuConnectionSettings));
    PopupMenu(&menu, m_optionsButton->GetRect().GetBottomLeft());
}

// Turns the option over and builds the requests again from the documents already loaded, in the
// background. Edits in the pane are replaced only when the user agrees; otherwise the option stays as it
// was. An option turned while a rebuild runs starts it again with every option as the menu shows them.
void MainDialog::OnSampleOption(wxCommandEvent& event) {
    for (const SampleOptionItem& item : kSampleOptionItems) {
        if (item.id != event.GetId()) {
            continue;
        }
        const bool edited = m_messagePane->IsModified();
        if (edited && !CurrentPrompts().Confirm(this, FromUtf8(ui_msg::kEditsWillBeReplaced))) {
            return;
        }
        m_sampleOptions.*item.option = !(m_sampleOptions.*item.option);
        m_agreedPaneText = edited ? std::optional(m_messagePane->FullText()) : std::nullopt;
        StartRebuild();
    }
}

// Kept while the window is open; they take effect with the next load and the next send.
void MainDialog::OnConnectionSettings(wxCommandEvent&) {
    ConnectionSettings settings = m_connection;
    if (CurrentPrompts().EditConnectionSettings(this, settings)) {
        m_connection = std::move(settings);
    }
}

} // namespace quorvel::ui
