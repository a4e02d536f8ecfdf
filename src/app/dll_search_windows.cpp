// DLLs that are loaded while the program runs (by the window toolkit, the TLS layer, Windows' own
// libraries) come from the system folder only: never from the current folder or the program's own, where
// a planted DLL would run with the user's rights. Linked into the executable itself, so that this runs
// before main(), ahead of any such load.

#include <windows.h>

namespace {

const bool kSystemDllsOnly = [] {
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    // A search for a file by name (SearchPath) looks in the current folder last, not first.
    SetSearchPathMode(BASE_SEARCH_PATH_ENABLE_SAFE_SEARCHMODE | BASE_SEARCH_PATH_PERMANENT);
    return true;
}();

} // namespace
