#pragma once
// The element children of one node (or of several) with one local name, by their "name" attribute: the first
// of each name, as a walk in document order finds it, without walking again for every lookup.

#include "xml/dom.h"

#include <unordered_map>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

class NamedChildren {
public:
    NamedChildren(const xmlNode* parent, std::string_view localName);
    // The children of several parents, the first parent's first: the first of each name wins.
    NamedChildren(const std::vector<const xmlNode*>& parents, std::string_view localName);
    const xmlNode* Find(const std::string& name) const;

private:
    std::unordered_map<std::string, const xmlNode*> m_children;
};

} // namespace quorvel
