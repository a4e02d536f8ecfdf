#pragma once
// What a run leaves behind when the process ends right after it. The system takes a process's memory back
// at once, while freeing a parsed document takes it apart one allocation at a time.

#include <utility>

namespace quorvel {

// Keeps what object holds allocated until the process ends, instead of freeing it when object goes.
// Sanitizer builds free it as usual, so that their leak check still sees every allocation.
template <typename T> void LeaveToProcessEnd(T& object) {
#ifndef QUORVEL_SANITIZE
    static_cast<void>(new T(std::move(object)));
#else
    static_cast<void>(object);
#endif
}

} // namespace quorvel
