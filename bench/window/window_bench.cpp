// How long the window's thread is kept from its events on large descriptions: a load until the tree holds
// every item, an export of every request, an option that rebuilds every request, and selecting and
// leaving a very long request. Drives a real
// MainDialog (run it under a display, e.g. xvfb-run) and prints the longest single pass of the event loop
// for each step: while a pass runs, the window neither paints nor takes a key. Figures, not pass or fail.
//
//   quorvel-window-bench MANY_OPERATIONS.wsdl LONG_REQUEST.wsdl

#include "load/service_load.h"
#include "model/model_walk.h"
#include "ui/main_dialog.h"
#include "ui/ui_prompts.h"

#include <wx/app.h>
#include <wx/button.h>
#include <wx/init.h>
#include <wx/stc/stc.h>
#include <wx/textctrl.h>
#include <wx/treectrl.h>
#include <wx/utils.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::duration duration) {
    return std::chrono::duration<double, std::milli>(duration).count();
}

// The export's folder chooser answers with a fresh folder; message boxes are printed.
class BenchPrompts : public quorvel::ui::UiPrompts {
public:
    explicit BenchPrompts(std::string folder) : m_folder(std::move(folder)) {}
    void ShowMessage(wxWindow*, const wxString& text, long) override {
        std::printf("message: %s\n", text.utf8_string().c_str());
    }
    void ShowNotes(wxWindow* parent, const wxString& summary, const wxString&, long style) override {
        ShowMessage(parent, summary, style);
    }
    bool ChooseDescriptionFile(wxWindow*, wxString&) override { return false; }
    bool ChooseSaveFile(wxWindow*, const wxString&, wxString&) override { return false; }
    bool ChooseFolder(wxWindow*, const wxString&, wxString& path) override {
        path = wxString::FromUTF8(m_folder);
        return true;
    }
    bool Confirm(wxWindow*, const wxString&) override { return true; }
    bool EditConnectionSettings(wxWindow*, quorvel::ui::ConnectionSettings&) override { return false; }

private:
    std::string m_folder;
};

// Runs action, then the event loop until done holds; returns the longest of the action itself and each
// pass of the loop, in milliseconds, and the whole time.
struct Blocking {
    double longest = 0;
    double total = 0;
};

Blocking Measure(const std::function<void()>& action, const std::function<bool()>& done) {
    const Clock::time_point start = Clock::now();
    action();
    Blocking result;
    result.longest = Milliseconds(Clock::now() - start);
    const Clock::time_point deadline = Clock::now() + std::chrono::minutes(5);
    while (!done() && Clock::now() < deadline) {
        const Clock::time_point pass = Clock::now();
        wxTheApp->Yield(true);
        result.longest = std::max(result.longest, Milliseconds(Clock::now() - pass));
        wxMilliSleep(1);
    }
    result.total = Milliseconds(Clock::now() - start);
    return result;
}

void Print(const char* step, const Blocking& blocking) {
    std::printf("%-44s longest block %8.1f ms   whole step %8.1f ms\n", step, blocking.longest,
                blocking.total);
}

class Bench {
public:
    explicit Bench(quorvel::ui::MainDialog& dialog) : m_dialog(dialog) {}

    wxWindow* Control(int id) { return m_dialog.FindWindow(id); }
    wxTreeCtrl* Tree() { return static_cast<wxTreeCtrl*>(Control(quorvel::ui::kIdServiceTree)); }
    wxStyledTextCtrl* Pane() { return static_cast<wxStyledTextCtrl*>(Control(quorvel::ui::kIdMessagePane)); }
    bool Busy() { return Control(quorvel::ui::kIdParseButton)->GetLabel() != wxString::FromUTF8("解析"); }

    // The step ends when the tree holds every item: the tree fills a part at a time after the load.
    void Load(const std::string& file) {
        const std::string step = "load " + std::filesystem::path(file).filename().string();
        const unsigned items = TreeItems(quorvel::LoadServiceDescription(file).model);
        auto* address = static_cast<wxTextCtrl*>(Control(quorvel::ui::kIdAddressBox));
        const auto start = [&] {
            address->SetValue(wxString::FromUTF8(file));
            Command(wxEVT_BUTTON, quorvel::ui::kIdParseButton);
        };
        Print(step.c_str(), Measure(start, [&] { return !Busy() && Tree()->GetCount() == items; }));
    }

    // Services, bindings, operations and their "Request 1" items.
    static unsigned TreeItems(const quorvel::WsdlModel& model) {
        using namespace quorvel;
        unsigned items = 0;
        WalkModel(model, ModelVisitor{
                             [&](const WsdlService&) { ++items; },
                             [&](const WsdlService&, const WsdlBinding&) { ++items; },
                             [&](const WsdlService&, const WsdlBinding&, const WsdlOperation&) {
                                 items += 2;
                             },
                         });
        return items;
    }

    // Lets the window finish what a step left for idle time, such as laying out the tree.
    void Settle() {
        const Clock::time_point end = Clock::now() + std::chrono::milliseconds(500);
        Measure([] {}, [&] { return Clock::now() >= end; });
    }

    // The first item at this depth below the root.
    wxTreeItemId Item(int depth) {
        wxTreeItemId item = Tree()->GetRootItem();
        for (int level = 0; level < depth; ++level) {
            wxTreeItemIdValue cookie;
            item = Tree()->GetFirstChild(item, cookie);
        }
        return item;
    }

    void Command(wxEventType type, int id) {
        wxCommandEvent command(type, id);
        command.SetEventObject(Control(id) != nullptr ? Control(id) : &m_dialog);
        m_dialog.ProcessWindowEvent(command);
    }

private:
    quorvel::ui::MainDialog& m_dialog;
};

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: quorvel-window-bench MANY_OPERATIONS.wsdl LONG_REQUEST.wsdl\n");
        return 64;
    }
    const std::string many = argv[1];
    const std::string longRequest = argv[2];
    wxApp::SetInstance(new wxApp);
    int toolkitArgc = 1; // the files are the bench's own arguments, not the toolkit's
    if (!wxEntryStart(toolkitArgc, argv)) {
        std::fprintf(stderr, "no display\n");
        return 1;
    }
    wxTheApp->OnInit();
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("quorvel-window-bench-" + std::to_string(wxGetProcessId()));
    BenchPrompts prompts(folder.string());
    quorvel::ui::InstallPrompts(&prompts);
    {
        auto* dialog = new quorvel::ui::MainDialog;
        dialog->SetClientSize(wxSize(1000, 700));
        dialog->Show();
        Bench bench(*dialog);
        bench.Settle();

        bench.Load(many);
        bench.Tree()->SelectItem(bench.Item(2)); // the first binding
        bench.Settle();
        size_t files = 0;
        const auto exportAll = [&] { bench.Command(wxEVT_MENU, quorvel::ui::kIdExportAll); };
        Print("export every request of the first binding", Measure(exportAll, [&] { return !bench.Busy(); }));
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            files += entry.is_regular_file();
        }
        std::printf("  (%zu files written)\n", files);
        bench.Tree()->SelectItem(bench.Item(3)); // the first operation: its request is shown again
        bench.Settle();
        const auto switchOption = [&] { bench.Command(wxEVT_MENU, quorvel::ui::kIdOptionHeaderParts); };
        Print("switch an option: every request rebuilt",
              Measure(switchOption, [&] { return !bench.Busy(); }));

        bench.Load(longRequest);
        const wxTreeItemId operation = bench.Item(3);
        bench.Settle();
        Print("select the long request", Measure([&] { bench.Tree()->SelectItem(operation); },
                                                 [&] { return !bench.Pane()->GetReadOnly(); }));
        std::printf("  (%d lines in the pane)\n", bench.Pane()->GetLineCount());
        const auto toEnd = [&] {
            bench.Pane()->DocumentEnd();
            bench.Pane()->Update();
        };
        Print("scroll to its last line", Measure(toEnd, [] { return true; }));
        Print("leave it for its binding", Measure([&] { bench.Tree()->SelectItem(bench.Item(2)); },
                                                  [] { return true; }));
        dialog->Destroy();
        wxTheApp->ProcessIdle();
    }
    quorvel::ui::InstallPrompts(nullptr);
    std::filesystem::remove_all(folder);
    wxTheApp->OnExit();
    wxEntryCleanup();
    return 0;
}
