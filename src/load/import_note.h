#pragma once

#include <string>
#include <string_view>

namespace quorvel {

// An imported document that was not read, or a limit that ended the reading of imports: the address
// concerned and why, in the user's language.
struct ImportNote {
    std::string address;
    std::string reason;
    bool operator==(const ImportNote&) const = default;
};

// A note as the user may safely see it: no user name or password of a URL in the address, and both texts
// on one line of valid UTF-8, control characters written as \u and four hex digits, so that a document
// cannot make a note that looks like more than one or that drives a terminal.
ImportNote MakeImportNote(std::string_view address, std::string_view reason);

// "address：reason", one line for the user.
inline std::string ImportNoteText(const ImportNote& note) {
    return note.address + "：" + note.reason;
}

} // namespace quorvel
