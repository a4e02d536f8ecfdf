#pragma once
// The dialog's message boxes and its file and folder choosers, behind one seam so that a test can read what
// would be shown (and answer the file dialog) without a nested modal loop.

#include "ui/connection_settings.h"

#include <wx/string.h>

class wxWindow;

namespace quorvel::ui {

class UiPrompts {
public:
    virtual ~UiPrompts() = default;
    // A message box with an OK button; style is wxICON_INFORMATION, wxICON_ERROR or the like.
    virtual void ShowMessage(wxWindow* parent, const wxString& text, long style) = 0;
    // A box that fits the screen: the summary over a list, one item a line, in a scrollable text that can
    // be selected and copied.
    virtual void ShowNotes(wxWindow* parent, const wxString& summary, const wxString& notes, long style) = 0;
    // Asks for an existing description file; false when the user cancels.
    virtual bool ChooseDescriptionFile(wxWindow* parent, wxString& path) = 0;
    // Asks where to save a file, offering suggestedName; false when the user cancels.
    virtual bool ChooseSaveFile(wxWindow* parent, const wxString& suggestedName, wxString& path) = 0;
    // Asks for a folder to write files into, starting in initialFolder (if not empty); false when the user
    // cancels.
    virtual bool ChooseFolder(wxWindow* parent, const wxString& initialFolder, wxString& path) = 0;
    // A warning with Yes and No; true for Yes.
    virtual bool Confirm(wxWindow* parent, const wxString& text) = 0;
    // The connection settings dialog, showing settings; false when the user cancels, else settings hold
    // what the user entered.
    virtual bool EditConnectionSettings(wxWindow* parent, ConnectionSettings& settings) = 0;
};

// The prompts in use: the real boxes unless another set was installed.
UiPrompts& CurrentPrompts();
// Installs prompts (nullptr restores the real ones) and returns the ones that were in use.
UiPrompts* InstallPrompts(UiPrompts* prompts);

// The open dialog's filter in wx's wildcard syntax. Under GTK the patterns are rewritten to match as
// they do on Windows (extensions in any letter case, "*.*" every file); the descriptions stay as they are.
wxString DescriptionFileWildcard();

} // namespace quorvel::ui
