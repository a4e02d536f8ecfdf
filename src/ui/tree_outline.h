#pragma once
// The service tree in display order, read once after it was filled and sorted, so that the filter can
// show any part of it in that same order in a tree of its own without sorting again.

#include "model/wsdl_model.h"

#include <wx/string.h>
#include <wx/treectrl.h>

#include <cstddef>
#include <vector>

namespace quorvel::ui {

// Image indices of the tree's four levels.
enum TreeImage : int { kImageService = 0, kImageBinding = 1, kImageOperation = 2, kImageRequest = 3 };

// A node's depth in the tree, which is also the index of its image.
enum class OutlineLevel { Service = 0, Binding = 1, Operation = 2 };

// The records of the dialog's model that a tree item stands for; what lies below its level is null.
struct TreeRecord {
    const WsdlService* service = nullptr;
    const WsdlBinding* binding = nullptr;
    const WsdlOperation* operation = nullptr;
    // The copy of the operation's request that the dialog owns and shows.
    const wxString* request = nullptr;
};

struct OutlineNode {
    OutlineLevel level = OutlineLevel::Service;
    wxString text;
    TreeRecord record;
    // Operations only: the name in lower case, for the filter.
    wxString lowerText;
    // The node's item in the tree that was read, and for operations their "Request 1" item.
    wxTreeItemId item;
    wxTreeItemId requestItem;
};

// What a tree item stands for: its records, and its node of the outline once the outline is read.
// An operation's "Request 1" item stands for the same records and node as the operation.
class ServiceTreeItem : public wxTreeItemData {
public:
    explicit ServiceTreeItem(const TreeRecord& record, bool requestItem = false, size_t node = 0)
        : record(record), requestItem(requestItem), node(node) {}
    TreeRecord record;
    bool requestItem;
    size_t node;
};

class TreeOutline {
public:
    // Reads services, bindings and operations in display order and numbers each item with its node.
    void Capture(wxTreeCtrl& tree);
    const std::vector<OutlineNode>& Nodes() const { return m_nodes; }
    // For each node whether it shows under the filter: operations whose lower-case name contains
    // lowerFilter, and the bindings and services above them. An empty filter shows every node.
    std::vector<bool> Visible(const wxString& lowerFilter) const;

private:
    std::vector<OutlineNode> m_nodes;
};

} // namespace quorvel::ui
