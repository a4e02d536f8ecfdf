#include "xml/named_children.h"

namespace quorvel {

NamedChildren::NamedChildren(const xmlNode* parent, std::string_view localName)
    : NamedChildren(std::vector<const xmlNode*>{parent}, localName) {}

NamedChildren::NamedChildren(const std::vector<const xmlNode*>& parents, std::string_view localName) {
    DomNodeList children;
    for (const xmlNode* parent : parents) {
        FindChildElements(parent, localName, children);
        m_children.reserve(m_children.size() + children.size());
        for (const xmlNode* child : children) {
            m_children.emplace(GetAttributeText(child, "name"), child);
        }
    }
}

const xmlNode* NamedChildren::Find(const std::string& name) const {
    auto found = m_children.find(name);
    return found == m_children.end() ? nullptr : found->second;
}

} // namespace quorvel
