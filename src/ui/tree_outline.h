#pragma once
// The service tree in display order, read once after it was filled and sorted, so that the filter can
// show any part of it in that same order without sorting again.

#include <wx/string.h>
#include <wx/treectrl.h>

#include <cstddef>
#include <vector>

namespace quorvel::ui {

// Image indices of the tree's four levels.
enum TreeImage : int { kImageService = 0, kImageBinding = 1, kImageOperation = 2, kImageRequest = 3 };

enum class OutlineLevel { Service, Binding, Operation };

struct OutlineNode {
    OutlineLevel level = OutlineLevel::Service;
    wxString text;
    // Operations only: the request copy that the dialog owns, and the name in lower case for the filter.
    const wxString* request = nullptr;
    wxString lowerText;
};

// What a tree item stands for: a node of the outline, and for operations and their "Request 1" items
// the request to show.
class ServiceTreeItem : public wxTreeItemData {
public:
    explicit ServiceTreeItem(const wxString* request, size_t node = 0, bool requestItem = false)
        : request(request), node(node), requestItem(requestItem) {}
    const wxString* request;
    size_t node;
    bool requestItem;
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
