#include "dialog_harness.h"

#include <wx/app.h>
#include <wx/button.h>
#include <wx/uiaction.h>
#include <wx/utils.h>

#include <chrono>
#include <thread>

namespace quorvel::test {

void PumpEvents(int milliseconds) {
    PumpUntil([] { return false; }, milliseconds);
}

bool PumpUntil(const std::function<bool()>& condition, int timeoutMilliseconds) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMilliseconds);
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        wxTheApp->Yield(true);
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

void RecordingPrompts::ShowMessage(wxWindow*, const wxString& text, long style) {
    messages.push_back({text, style});
    if (whileShown) {
        whileShown();
    }
}

bool RecordingPrompts::ChooseDescriptionFile(wxWindow*, wxString& path) {
    ++fileDialogs;
    if (chosenFile.empty()) {
        return false;
    }
    path = chosenFile;
    return true;
}

ShownDialog::ShownDialog(wxSize clientSize, const wxString& initialAddress)
    : m_dialog(new CQuorvelDlg), m_previousPrompts(ui::InstallPrompts(&prompts)) {
    m_dialog->SetClientSize(clientSize);
    // Room on the left, so that drags can go beyond the client's left edge.
    m_dialog->Move(100, 40);
    m_dialog->m_strInitialAddress = initialAddress;
    m_dialog->Show();
    m_dialog->Raise();
    PumpUntil([this] { return m_dialog->IsShownOnScreen(); }, 1000);
    PumpEvents(100);
}

ShownDialog::~ShownDialog() {
    m_dialog->Destroy();
    wxTheApp->ProcessIdle();
    ui::InstallPrompts(m_previousPrompts);
}

void ShownDialog::ResizeClient(wxSize clientSize) {
    m_dialog->SetClientSize(clientSize);
    PumpUntil([&] { return m_dialog->GetClientSize() == clientSize; }, 1000);
    PumpEvents(50);
}

void ShownDialog::Load(const std::string& address) {
    Address()->SetValue(wxString::FromUTF8(address));
    wxCommandEvent click(wxEVT_BUTTON, IDC_BTN_PARSE);
    click.SetEventObject(Control(IDC_BTN_PARSE));
    static_cast<wxButton*>(Control(IDC_BTN_PARSE))->Command(click);
    PumpEvents(20);
}

std::vector<std::string> ShownDialog::TreeLines() {
    std::vector<std::string> lines;
    std::function<void(const wxTreeItemId&, int)> walk = [&](const wxTreeItemId& parent, int depth) {
        wxTreeItemIdValue cookie;
        for (wxTreeItemId item = Tree()->GetFirstChild(parent, cookie); item.IsOk();
             item = Tree()->GetNextChild(parent, cookie)) {
            lines.push_back(std::string(2 * depth, ' ') + Tree()->GetItemText(item).utf8_string());
            walk(item, depth + 1);
        }
    };
    walk(Tree()->GetRootItem(), 0);
    return lines;
}

wxTreeItemId ShownDialog::FindItem(const wxString& text) {
    std::function<wxTreeItemId(const wxTreeItemId&)> find = [&](const wxTreeItemId& parent) -> wxTreeItemId {
        wxTreeItemIdValue cookie;
        for (wxTreeItemId item = Tree()->GetFirstChild(parent, cookie); item.IsOk();
             item = Tree()->GetNextChild(parent, cookie)) {
            if (Tree()->GetItemText(item) == text) {
                return item;
            }
            if (const wxTreeItemId found = find(item); found.IsOk()) {
                return found;
            }
        }
        return {};
    };
    return find(Tree()->GetRootItem());
}

wxString ShownDialog::SelectAndRead(const wxTreeItemId& item) {
    Tree()->SelectItem(item);
    PumpEvents(10);
    return Message()->GetValue();
}

void ShownDialog::MovePointerTo(wxPoint client) {
    wxUIActionSimulator input;
    input.MouseMove(m_dialog->ClientToScreen(client));
    PumpUntil([&] { return wxGetMousePosition() == m_dialog->ClientToScreen(client); }, 1000);
    PumpEvents(20);
}

namespace {

// Waits until the display has the button in the given state, then lets the dialog see the event.
void PressButton(bool down) {
    wxUIActionSimulator input;
    down ? input.MouseDown() : input.MouseUp();
    PumpUntil([down] { return wxGetMouseState().LeftIsDown() == down; }, 1000);
    PumpEvents(20);
}

} // namespace

void ShownDialog::ClickAt(wxPoint client) {
    MovePointerTo(client);
    PressButton(true);
    PressButton(false);
}

void ShownDialog::DragFromTo(wxPoint fromClient, wxPoint toClient) {
    MovePointerTo(fromClient);
    PressButton(true);
    // Two steps, as a hand would move, so the drag sees an intermediate position as well.
    MovePointerTo((fromClient + toClient) / 2);
    MovePointerTo(toClient);
    PressButton(false);
}

void ShownDialog::PressEnterIn(wxWindow* control) {
    control->SetFocus();
    PumpUntil([&] { return wxWindow::FindFocus() == control; }, 1000);
    wxUIActionSimulator input;
    input.Char(WXK_RETURN);
    PumpEvents(50);
}

std::string UiFixture(const std::string& name) {
    return std::string(QUORVEL_TEST_DATA_DIR) + "/ui/" + name;
}

} // namespace quorvel::test
