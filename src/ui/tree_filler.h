#pragma once
// Fills a tree from the outline a part at a time, so that a tree of many thousand items never keeps the
// window from its events for long. Items are made in display order, each after those already made, so
// that what the user sees and selects meanwhile stays where it is.

#include "ui/tree_outline.h"

#include <wx/treectrl.h>

#include <cstddef>
#include <optional>
#include <utility>
#include <vector>

namespace quorvel::ui {

// A node of the outline, and whether its "Request 1" item is meant rather than the node's own.
using NodeItem = std::pair<size_t, bool>;

class TreeFiller {
public:
    explicit TreeFiller(wxTreeCtrl& tree) : m_tree(tree) {}

    // Empties the tree and starts filling it with the nodes that visible lets through, and makes the
    // first part. The item *selection names is selected as it is made; outline and selection outlive
    // the fill.
    void Start(const TreeOutline& outline, std::vector<bool> visible,
               const std::optional<NodeItem>* selection);
    // Ends the fill where it is, and empties the tree.
    void Clear();
    bool Filling() const { return m_outline != nullptr && m_next < m_visible.size(); }
    // Makes items for a few milliseconds. Services and bindings are expanded once they have a child,
    // operations stay collapsed.
    void FillPart();
    // The item made for a node, or its "Request 1"; not ok while it is not made (yet).
    wxTreeItemId Item(const NodeItem& item) const;

private:
    void MakeItem(size_t node);

    wxTreeCtrl& m_tree;
    const TreeOutline* m_outline = nullptr;
    std::vector<bool> m_visible;
    const std::optional<NodeItem>* m_selection = nullptr;
    size_t m_next = 0;
    // The items made per node: its own and its "Request 1".
    std::vector<std::pair<wxTreeItemId, wxTreeItemId>> m_items;
    // The last service and binding item made: the parents of the items that follow.
    wxTreeItemId m_parents[2];
};

} // namespace quorvel::ui
