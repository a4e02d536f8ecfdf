#pragma once
// The application object of the interactive program: it opens the main dialog once and ends.

#include "app/command_line.h"

#include <wx/app.h>

namespace quorvel::ui {

class QuorvelApp : public wxApp {
public:
    explicit QuorvelApp(CommandLine args) : m_args(std::move(args)) {}

    // Shows the dialog modally with the address the command line names; always false, so the program
    // ends when the dialog closes.
    bool OnInit() override;

private:
    CommandLine m_args; // as main() received them, bytes untouched
};

} // namespace quorvel::ui

namespace quorvel {

// Starts the window system and runs the dialog; non-zero with one line on stderr when it cannot start.
int RunInteractive(int argc, char** argv, CommandLine args);

} // namespace quorvel
