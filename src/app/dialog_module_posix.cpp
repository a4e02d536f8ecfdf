// Loads the dialog module with dlopen from the directory of the running executable (not the current
// directory), both in the build tree and where the program is installed.

#include "app/dialog_module.h"

#include "app/messages.h"

#include <dlfcn.h>

#include <filesystem>
#include <iostream>

namespace quorvel {
namespace {

constexpr const char* kModuleFileName = "quorvel_dialog.so";

} // namespace

int RunDialog(int argc, char** argv) {
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    const std::string module = (executable.parent_path() / kModuleFileName).string();
    // The module stays loaded until the process ends: the toolkit registers exit handlers of its own.
    void* handle = error ? nullptr : dlopen(module.c_str(), RTLD_NOW | RTLD_LOCAL);
    auto entry = handle == nullptr ? nullptr : reinterpret_cast<DialogEntry>(dlsym(handle, kDialogEntryName));
    if (entry == nullptr) {
        std::cerr << app_msg::kDialogModuleFailed << (error ? error.message() : dlerror()) << '\n';
        return 1;
    }
    return entry(argc, argv);
}

} // namespace quorvel
