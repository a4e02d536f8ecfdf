#include "ui/ui_prompts.h"

#include "ui/connection_settings_dialog.h"
#include "ui/messages.h"
#include "ui/utf8_text.h"
#include "ui/notes_box.h"

#include <wx/dirdlg.h>
#include <wx/filedlg.h>
#include <wx/msgdlg.h>

namespace quorvel::ui {

namespace {

// A file dialog of the given title and style; false when the user cancels.
bool RunFileDialog(wxWindow* parent, std::string_view title, const wxString& suggestedName, long style,
                   wxString& path) {
    wxFileDialog dialog(parent, FromUtf8(title), wxEmptyString, suggestedName,
                        DescriptionFileWildcard(), style);
    if (dialog.ShowModal() != wxID_OK) {
        return false;
    }
    path = dialog.GetPath();
    return true;
}

class NativePrompts : public UiPrompts {
public:
    void ShowMessage(wxWindow* parent, const wxString& text, long style) override {
        wxMessageBox(text, FromUtf8(ui_msg::kCaption), wxOK | style, parent);
    }

    void ShowNotes(wxWindow* parent, const wxString& summary, const wxString& notes, long style) override {
        NotesBox box(parent, summary, notes, style, ScreenAreaOf(parent));
        box.ShowModal();
    }

    bool ChooseDescriptionFile(wxWindow* parent, wxString& path) override {
        return RunFileDialog(parent, ui_msg::kTitleOpenFile, wxEmptyString, wxFD_OPEN | wxFD_FILE_MUST_EXIST,
                             path);
    }

    bool ChooseSaveFile(wxWindow* parent, const wxString& suggestedName, wxString& path) override {
        return RunFileDialog(parent, ui_msg::kTitleSaveRequest, suggestedName,
                             wxFD_SAVE | wxFD_OVERWRITE_PROMPT, path);
    }

    // A folder that does not exist yet may be typed: the export makes it.
    bool ChooseFolder(wxWindow* parent, const wxString& initialFolder, wxString& path) override {
        wxDirDialog dialog(parent, FromUtf8(ui_msg::kTitleExportFolder), initialFolder,
                           wxDD_DEFAULT_STYLE | wxDD_NEW_DIR_BUTTON);
        if (dialog.ShowModal() != wxID_OK) {
            return false;
        }
        path = dialog.GetPath();
        return true;
    }

    bool Confirm(wxWindow* parent, const wxString& text) override {
        return wxMessageBox(text, FromUtf8(ui_msg::kCaption), wxYES_NO | wxNO_DEFAULT | wxICON_WARNING,
                            parent) == wxYES;
    }

    bool EditConnectionSettings(wxWindow* parent, ConnectionSettings& settings) override {
        ConnectionSettingsDialog dialog(parent, settings);
        if (dialog.ShowModal() != wxID_OK) {
            return false;
        }
        settings = dialog.Settings();
        return true;
    }
};

NativePrompts g_nativePrompts;
UiPrompts* g_prompts = &g_nativePrompts;

// GTK matches patterns as shell globs, case-sensitively: "*.wsdl" becomes "*.[wW][sS][dD][lL]", and
// "*.*", which on Windows means every file, becomes "*" so that names without a dot are listed too.
wxString PlatformPatterns(const wxString& patterns) {
#ifdef __WXGTK__
    if (patterns == "*.*") {
        return "*";
    }
    wxString result;
    for (const wxUniChar c : patterns) {
        const wxString lower = wxString(c).Lower();
        const wxString upper = wxString(c).Upper();
        result += lower == upper ? lower : "[" + lower + upper + "]";
    }
    return result;
#else
    return patterns;
#endif
}

} // namespace

UiPrompts& CurrentPrompts() {
    return *g_prompts;
}

UiPrompts* InstallPrompts(UiPrompts* prompts) {
    UiPrompts* previous = g_prompts;
    g_prompts = prompts ? prompts : &g_nativePrompts;
    return previous;
}

wxString DescriptionFileWildcard() {
    return FromUtf8(ui_msg::kFilterDescriptionFiles) + "|" +
           PlatformPatterns(FromUtf8(ui_msg::kPatternDescriptionFiles)) + "|" +
           FromUtf8(ui_msg::kFilterAllFiles) + "|" + PlatformPatterns(FromUtf8(ui_msg::kPatternAllFiles));
}

} // namespace quorvel::ui
