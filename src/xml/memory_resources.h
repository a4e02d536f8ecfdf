#pragma once
// What the XML parser may read beside the text it is given: nothing at all, except documents that code on
// the same thread hands it from memory by address for a while (the schemas a validator is built from).
// Neither the network nor a file is ever read.

#include <map>
#include <string>

namespace quorvel {

// Installs the process's one loader of external resources; safe to call from any thread, any time.
void InstallEntityLoader();

// While it lives, the parser on this thread reads the documents of resources (address to text) when it
// asks for their addresses; it reads nothing else. Scopes do not nest.
class MemoryResourceScope {
public:
    explicit MemoryResourceScope(const std::map<std::string, std::string>& resources);
    ~MemoryResourceScope();
    MemoryResourceScope(const MemoryResourceScope&) = delete;
    MemoryResourceScope& operator=(const MemoryResourceScope&) = delete;
};

} // namespace quorvel
