#pragma once
// The element children of one node with one local name, by their "name" attribute: the first of each
// name, as a walk in document order finds it, without walking again for every lookup.

#include "xml/dom.h"

#include <map>
#include <string>
#include <string_view>

namespace quorvel {

class NamedChildren {
public:
    NamedChildren(const xmlNode* parent, std::string_view localName);
    const xmlNode* Find(const std::string& name) const;

private:
    std::map<std::string, const xmlNode*, std::less<>> m_children;
};

} // namespace quorvel
