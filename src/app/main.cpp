// Entry point: batch mode and the command line for scripts run without the window toolkit; everything
// else opens the dialog, whose module is loaded only then.

#include "app/batch_mode.h"
#include "app/command_line.h"
#include "app/dialog_module.h"
#include "app/messages.h"
#include "app/script_command.h"
#include "app/script_run.h"
#include "xml/parsing.h"

#include <iostream>

int main(int argc, char** argv) {
    quorvel::PrepareXmlParser();
    const quorvel::CommandLine args = quorvel::ProgramArguments(argc, argv);
    if (quorvel::IsBatchCommand(args)) {
        return quorvel::RunBatchMode(args[2], args[3], args[4]);
    }
    if (quorvel::IsScriptCommand(args)) {
        return quorvel::RunScriptCommand(args);
    }
#if QUORVEL_WITH_UI
    return quorvel::RunDialog(argc, argv);
#else
    std::cerr << quorvel::app_msg::kBatchOnlyBuild << '\n';
    return 1;
#endif
}
