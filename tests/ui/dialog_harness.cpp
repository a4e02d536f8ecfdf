#include "dialog_harness.h"

#include "load/service_load.h"
#include "model/find_operation.h"

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/button.h>
#include <wx/clipbrd.h>

#include <wx/uiaction.h>
#include <wx/utils.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <memory>
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

void RecordingPrompts::ShowNotes(wxWindow* parent, const wxString& summary, const wxString& notes,
                                 long style) {
    ShowMessage(parent, summary + "\n" + notes, style);
}

bool RecordingPrompts::Answer(const wxString& answer, wxString& path) {
    ++fileDialogs;
    if (whileChoosing) {
        whileChoosing();
    }
    if (answer.empty()) {
        return false;
    }
    path = answer;
    return true;
}

bool RecordingPrompts::ChooseDescriptionFile(wxWindow*, wxString& path) {
    return Answer(chosenFile, path);
}

bool RecordingPrompts::ChooseSaveFile(wxWindow*, const wxString& offered, wxString& path) {
    suggestedName = offered;
    return Answer(chosenSaveFile, path);
}

bool RecordingPrompts::ChooseFolder(wxWindow*, const wxString& initial, wxString& path) {
    initialFolder = initial;
    return Answer(chosenFolder, path);
}

bool RecordingPrompts::Confirm(wxWindow*, const wxString& text) {
    confirmations.push_back(text);
    return confirmAnswer;
}

bool RecordingPrompts::EditConnectionSettings(wxWindow*, ui::ConnectionSettings& settings) {
    if (!connectionSettings) {
        return false;
    }
    settings = *connectionSettings;
    return true;
}

ShownDialog::ShownDialog(wxSize clientSize, const wxString& initialAddress)
    : m_dialog(new ui::MainDialog), m_previousPrompts(ui::InstallPrompts(&prompts)) {
    m_dialog->SetClientSize(clientSize);
    // Room on the left, so that drags can go beyond the client's left edge.
    m_dialog->Move(100, 40);
    m_dialog->SetInitialAddress(initialAddress);
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
    StartLoad(address);
    EXPECT_TRUE(PumpUntil([this] { return !IsLoading(); }, 60000)) << "load of " << address;
    // The tree fills a part at a time whenever the window is idle.
    EXPECT_TRUE(PumpUntil([] { return !wxTheApp->ProcessIdle(); }, 60000)) << "tree of " << address;
    PumpEvents(20);
}

void ShownDialog::StartLoad(const std::string& address) {
    Address()->SetValue(wxString::FromUTF8(address));
    PressParseButton();
}

void ShownDialog::PressParseButton() {
    Press(ui::kIdParseButton);
}

void ShownDialog::Press(int buttonId) {
    wxCommandEvent click(wxEVT_BUTTON, buttonId);
    click.SetEventObject(Control(buttonId));
    static_cast<wxButton*>(Control(buttonId))->Command(click);
}

void ShownDialog::ChooseMenuCommand(int commandId) {
    StartMenuCommand(commandId);
    EXPECT_TRUE(PumpUntil([this] { return !IsLoading(); }, 60000)) << "menu command " << commandId;
    PumpEvents(20);
}

void ShownDialog::StartMenuCommand(int commandId) {
    wxCommandEvent choice(wxEVT_MENU, commandId);
    choice.SetEventObject(m_dialog);
    m_dialog->ProcessWindowEvent(choice);
}

bool ShownDialog::IsLoading() {
    return Control(ui::kIdParseButton)->GetLabel() == wxString::FromUTF8("取消");
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
    PressKeyIn(control, WXK_RETURN);
}

void ShownDialog::PressKeyIn(wxWindow* control, int key, int modifiers) {
    control->SetFocus();
    PumpUntil([&] { return wxWindow::FindFocus() == control; }, 1000);
    wxUIActionSimulator input;
    input.Char(key, modifiers);
    PumpEvents(50);
}

void ShownDialog::HandleKeyNow(int key) {
    wxKeyEvent event(wxEVT_CHAR_HOOK);
    event.m_keyCode = key;
    event.SetEventObject(m_dialog);
    m_dialog->ProcessWindowEvent(event);
}

namespace {

// What the X server shows in rect (clipped to the screen). Read from the server itself: a screen DC of
// the toolkit keeps showing what it read the first time.
wxImage CaptureScreen(wxRect rect) {
    const std::unique_ptr<Display, int (*)(Display*)> display(XOpenDisplay(nullptr), XCloseDisplay);
    if (!display) {
        ADD_FAILURE() << "no X display";
        return {};
    }
    const int screen = DefaultScreen(display.get());
    rect.Intersect(wxRect(0, 0, DisplayWidth(display.get(), screen), DisplayHeight(display.get(), screen)));
    const auto destroy = [](XImage* image) { XDestroyImage(image); };
    const std::unique_ptr<XImage, decltype(destroy)> shot(
        XGetImage(display.get(), DefaultRootWindow(display.get()), rect.x, rect.y, rect.width, rect.height,
                  AllPlanes, ZPixmap),
        destroy);
    wxImage image(rect.width, rect.height);
    for (int y = 0; y < rect.height; ++y) {
        for (int x = 0; x < rect.width; ++x) {
            const unsigned long pixel = XGetPixel(shot.get(), x, y);
            image.SetRGB(x, y, (pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
        }
    }
    return image;
}

} // namespace

wxImage ShownDialog::SaveScreenshot(const wxString& fileName) {
    return SaveScreenshotOf(m_dialog, fileName);
}

wxImage SaveScreenshotOf(wxWindow* window, const wxString& fileName) {
    window->Refresh();
    PumpEvents(300);
    const wxImage image = CaptureScreen(window->GetScreenRect());
    if (wxImage::FindHandler(wxBITMAP_TYPE_PNG) == nullptr) {
        wxImage::AddHandler(new wxPNGHandler);
    }
    EXPECT_TRUE(image.SaveFile(fileName, wxBITMAP_TYPE_PNG)) << fileName;
    return image;
}

wxString ClipboardText() {
    wxTextDataObject text;
    if (wxTheClipboard->Open()) {
        wxTheClipboard->GetData(text);
        wxTheClipboard->Close();
    }
    return text.GetText();
}

std::string UiFixture(const std::string& name) {
    return std::string(QUORVEL_TEST_DATA_DIR) + "/ui/" + name;
}

std::string RequestOf(const std::string& address, const std::string& binding, const std::string& operation) {
    const LoadResult load = LoadServiceDescription(address);
    EXPECT_TRUE(load.ok) << load.message;
    if (const WsdlOperation* found = FindOperation(load.model, binding, operation)) {
        return found->request;
    }
    ADD_FAILURE() << "no " << binding << "." << operation;
    return {};
}

double MillisecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

} // namespace quorvel::test
