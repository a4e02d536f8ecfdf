#pragma once
// Memory set up for one large load in a process that ends right after it.

#include <cstddef>

namespace quorvel {

// Makes room on the heap, at once, for what loading a description of bytes bytes takes, in huge pages
// where the system grants them on request: loading allocates tens of megabytes in small pieces, and
// touching them page by page costs one fault for every 4 KiB. Memory is then never given back to the
// system before the process ends. Only the first call that reserves anything counts; does nothing for
// small descriptions or where the C library or the system offers no such control.
void ReserveHeapForLoad(size_t bytes);

} // namespace quorvel
