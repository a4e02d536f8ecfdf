#pragma once
// File names for requests, made from service, binding and operation names so that a person finds them,
// and safe on every file system whatever the description calls things.

#include <set>
#include <string>
#include <string_view>
#include <unordered_map>

namespace quorvel {

// One name as a part of a file name: no path separators, no characters that some file system refuses,
// no control characters, no invisible characters that reorder or join the text, no leading dot, at most
// kMaxNamePartBytes bytes, never empty.
std::string FileNamePart(std::string_view name);

inline constexpr size_t kMaxNamePartBytes = 64;

// Hands out "SERVICE.BINDING.OPERATION.xml" names that differ from every name handed out before even
// where letter case or Unicode forms do not count; a name already taken gets "~2", "~3"... before
// ".xml". No name is a reserved device name of some system (CON, NUL, COM1, CONIN$...).
class RequestFileNames {
public:
    std::string Next(std::string_view service, std::string_view binding, std::string_view operation);

private:
    std::set<std::string> m_taken; // folded forms of the names handed out
    // For the folded form of each "SERVICE.BINDING.OPERATION.xml" seen: the first copy number not yet
    // known to be taken.
    std::unordered_map<std::string, unsigned> m_nextCopy;
};

} // namespace quorvel
