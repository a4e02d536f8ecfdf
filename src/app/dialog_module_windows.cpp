// On Windows the dialog is linked into the executable, so the program stays one file that loads only
// system DLLs; the dialog receives the arguments in UTF-8 like every other part of the program.

#include "app/dialog_module.h"

#include "app/quorvel_app.h"

namespace quorvel {

int RunDialog(int argc, char** argv) {
    return RunInteractive(argc, argv, ProgramArguments(argc, argv));
}

} // namespace quorvel
