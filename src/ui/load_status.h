#pragma once
// The status line's texts: what a load is doing, and what the last one brought.

#include "load/service_load.h"

#include <wx/string.h>

#include <cstdint>
#include <string>

namespace quorvel::ui {

// The step under way; a download names its document when it is not the address the user loads, and
// tells its share of the declared size when there is one. Empty when the step brings nothing to tell.
wxString ProgressStatus(const LoadProgress& progress, const std::string& loadedAddress);

// A size for people: "850 B", "1.2 MB", "60 MB" (units of 1024).
wxString SizeText(uint64_t bytes);

// The counts of services, bindings and operations of a loaded model, and of the documents it was read
// from when the load followed imports.
wxString LoadedStatus(const LoadResult& load, bool followedImports);

// Above the imports a load could not read: a heading and how many they are.
wxString ImportNotesSummary(const LoadResult& load);
// The imports a load could not read, one "address：reason" line each; empty without any.
wxString ImportNotesList(const LoadResult& load);

} // namespace quorvel::ui
