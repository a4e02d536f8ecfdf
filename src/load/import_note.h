#pragma once

#include <string>

namespace quorvel {

// An imported document that was not read, or a limit that ended the reading of imports: the address
// concerned and why, in the user's language.
struct ImportNote {
    std::string address;
    std::string reason;
    bool operator==(const ImportNote&) const = default;
};

// "address：reason", one line for the user.
inline std::string ImportNoteText(const ImportNote& note) {
    return note.address + "：" + note.reason;
}

} // namespace quorvel
