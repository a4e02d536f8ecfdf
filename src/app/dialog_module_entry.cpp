// The dialog module's one exported function.

#include "app/dialog_module.h"
#include "app/quorvel_app.h"

extern "C" __attribute__((visibility("default"))) int QuorvelRunDialog(int argc, char** argv) {
    return quorvel::RunInteractive(argc, argv, quorvel::CommandLine(argv, argv + argc));
}
