#pragma once
// The dialog lives in a module of its own, so that runs without it never load the window toolkit.

namespace quorvel {

// The module's entry, which opens the dialog with the command line and returns the exit status.
inline constexpr const char* kDialogEntryName = "QuorvelRunDialog";
using DialogEntry = int (*)(int argc, char** argv);

// Loads the dialog module from the executable's directory and runs its entry; 1 with one line on
// standard error when the module cannot be loaded.
int RunDialog(int argc, char** argv);

} // namespace quorvel
