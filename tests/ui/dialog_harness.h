#pragma once
// Drives a real MainDialog on the display: opening it, pumping its events, reading its controls,
// pressing keys and dragging with the system's own input events.

#include "ui/main_dialog.h"
#include "ui/response_pane.h"
#include "ui/ui_prompts.h"

#include <wx/checkbox.h>
#include <wx/image.h>
#include <wx/srchctrl.h>
#include <wx/stc/stc.h>
#include <wx/textctrl.h>
#include <wx/treectrl.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace quorvel::test {

// Runs the event loop for about the given time.
void PumpEvents(int milliseconds);
// Runs the event loop until the condition holds or the time is up; returns the condition.
bool PumpUntil(const std::function<bool()>& condition, int timeoutMilliseconds = 5000);

// Message boxes and the file dialog as the dialog asks for them, answered at once.
class RecordingPrompts : public ui::UiPrompts {
public:
    struct Message {
        wxString text;
        long style;
    };

    void ShowMessage(wxWindow* parent, const wxString& text, long style) override;
    // Recorded as a message: the summary and the notes, a line feed between them.
    void ShowNotes(wxWindow* parent, const wxString& summary, const wxString& notes, long style) override;
    bool ChooseDescriptionFile(wxWindow* parent, wxString& path) override;
    bool ChooseSaveFile(wxWindow* parent, const wxString& suggestedName, wxString& path) override;
    bool ChooseFolder(wxWindow* parent, const wxString& initialFolder, wxString& path) override;
    bool Confirm(wxWindow* parent, const wxString& text) override;
    bool EditConnectionSettings(wxWindow* parent, ui::ConnectionSettings& settings) override;

    std::vector<Message> messages;
    // Runs while a message is "on screen", to look at the dialog at that moment.
    std::function<void()> whileShown;
    // The file dialog's answer: this path, or a cancel when it is empty.
    wxString chosenFile;
    int fileDialogs = 0;
    // The save dialog's answer, as chosenFile; the name it offered.
    wxString chosenSaveFile;
    wxString suggestedName;
    // The folder dialog's answer, as chosenFile; the folder it opened in.
    wxString chosenFolder;
    wxString initialFolder;
    // Runs while a save or folder dialog is "on screen", as the user takes their time.
    std::function<void()> whileChoosing;
    // The warnings asked about, and the answer given to each.
    std::vector<wxString> confirmations;
    bool confirmAnswer = true;
    // The connection settings dialog's answer: these settings, or a cancel when not set.
    std::optional<ui::ConnectionSettings> connectionSettings;

private:
    // Counts a file or folder dialog and answers it: the path, or a cancel when it is empty.
    bool Answer(const wxString& answer, wxString& path);
};

// A dialog shown near the screen's top-left corner with the given client size, its prompts recorded.
class ShownDialog {
public:
    explicit ShownDialog(wxSize clientSize = wxSize(1000, 700), const wxString& initialAddress = {});
    ~ShownDialog();
    ShownDialog(const ShownDialog&) = delete;
    ShownDialog& operator=(const ShownDialog&) = delete;

    ui::MainDialog& Dialog() { return *m_dialog; }
    wxWindow* Control(int id) { return m_dialog->FindWindow(id); }
    wxTextCtrl* Address() { return static_cast<wxTextCtrl*>(Control(ui::kIdAddressBox)); }
    wxStyledTextCtrl* Message() { return static_cast<wxStyledTextCtrl*>(Control(ui::kIdMessagePane)); }
    wxSearchCtrl* Filter() { return static_cast<wxSearchCtrl*>(Control(ui::kIdFilterBox)); }
    wxString Status() { return Control(ui::kIdStatusLine)->GetLabel(); }
    // The tree on show: the service tree, or the filtered tree in its place while the filter is on.
    wxTreeCtrl* Tree() {
        wxWindow* filtered = Control(ui::kIdFilteredTree);
        return static_cast<wxTreeCtrl*>(filtered->IsShown() ? filtered : Control(ui::kIdServiceTree));
    }
    wxCheckBox* FollowImports() { return static_cast<wxCheckBox*>(Control(ui::kIdFollowImportsBox)); }
    wxTextCtrl* Endpoint() { return static_cast<wxTextCtrl*>(Control(ui::kIdEndpointBox)); }
    ui::ResponsePane* Response() { return static_cast<ui::ResponsePane*>(Control(ui::kIdResponsePane)); }
    // Presses a button of the dialog as a click would.
    void Press(int buttonId);
    // Chooses a command of the dialog's menus as a click on it would, and waits until the work it started
    // in the background (a rebuild of the requests) is over.
    void ChooseMenuCommand(int commandId);
    // The same, but returns at once, before any work in the background has come back.
    void StartMenuCommand(int commandId);
    // Centre of the splitter bar, in client pixels.
    int SplitPos() { return Control(ui::kIdSplitter)->GetRect().x + 2; }
    void ResizeClient(wxSize clientSize);

    // Puts the address into the box and presses the parse button; the load is over when it returns.
    void Load(const std::string& address);
    // The same, but returns as soon as the load has started.
    void StartLoad(const std::string& address);
    // Presses the parse button, which reads 取消 while a load or an export runs.
    void PressParseButton();
    // A load, an export or a rebuild of the requests runs.
    bool IsLoading();
    // Every item below the root as "text" lines indented by two spaces per level, in display order.
    std::vector<std::string> TreeLines();
    // The first item with this text, depth first.
    wxTreeItemId FindItem(const wxString& text);
    // Selects an item as a click would and returns the message pane's text.
    wxString SelectAndRead(const wxTreeItemId& item);

    // Real input events at client points of the dialog.
    void MovePointerTo(wxPoint client);
    void ClickAt(wxPoint client);
    void DragFromTo(wxPoint fromClient, wxPoint toClient);
    void PressEnterIn(wxWindow* control);
    // Presses a key with modifiers while control has the focus.
    void PressKeyIn(wxWindow* control, int key, int modifiers = wxMOD_NONE);
    // Hands a key without modifiers to the dialog's own key handling at once, before any other event.
    void HandleKeyNow(int key);

    // Saves what the screen shows of the dialog as a PNG file in the working directory and returns it.
    wxImage SaveScreenshot(const wxString& fileName);

    RecordingPrompts prompts;

private:
    ui::MainDialog* m_dialog;
    ui::UiPrompts* m_previousPrompts;
};

// Saves what the screen shows of a window as a PNG file in the working directory and returns it.
wxImage SaveScreenshotOf(wxWindow* window, const wxString& fileName);

// The text on the clipboard.
wxString ClipboardText();

// Full path of a fixture below tests/data/ui.
std::string UiFixture(const std::string& name);

// The request of one operation as the loader builds it, line ends as generated.
std::string RequestOf(const std::string& address, const std::string& binding, const std::string& operation);

// Milliseconds since a moment of the steady clock, for the figures the tests print.
double MillisecondsSince(std::chrono::steady_clock::time_point start);

} // namespace quorvel::test
