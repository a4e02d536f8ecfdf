// Entry point: batch mode runs without any window system; everything else opens the dialog.

#include "app/batch_test.h"
#include "app/command_line.h"
#include "app/messages.h"

#if QUORVEL_WITH_UI
#include "app/quorvel_app.h"
#endif

#include <iostream>

int main(int argc, char** argv) {
    const quorvel::CommandLine args(argv, argv + argc);
    if (quorvel::IsBatchCommand(args)) {
        return quorvel::RunBatchTest(args[2], args[3], args[4]);
    }
#if QUORVEL_WITH_UI
    return quorvel::RunInteractive(argc, argv, args);
#else
    std::cerr << quorvel::app_msg::kBatchOnlyBuild << '\n';
    return 1;
#endif
}
