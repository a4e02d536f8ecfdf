#pragma once
// The status line's texts: what a load is doing, and what the last one brought.

#include "load/service_load.h"

#include <wx/string.h>

#include <string>

namespace quorvel::ui {

// The step under way; a download names its document when it is not the address the user loads.
wxString ProgressStatus(const LoadProgress& progress, const std::string& loadedAddress);

// The counts of services, bindings and operations of a loaded model, and of the documents it was read
// from when the load followed imports.
wxString LoadedStatus(const LoadResult& load, bool followedImports);

// The imports a load could not read: a heading and one "address：reason" line each; empty without any.
wxString ImportNotesText(const LoadResult& load);

} // namespace quorvel::ui
