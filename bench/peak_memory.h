#pragma once
// Peak resident memory of this process, resettable so that each description gets its own figure.

#include <cstdint>

namespace quorvel::bench {

// Returns freed heap to the system and restarts the peak from the current resident size.
// False when the kernel does not allow the reset; the peak then covers the whole process life.
bool ResetPeakMemory();
// Peak resident bytes since the last reset (or since start).
uint64_t PeakMemoryBytes();

} // namespace quorvel::bench
