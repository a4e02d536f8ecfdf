#pragma once
// The service tree in display order, sorted once on the load's thread, so that the window fills the tree
// a part at a time and the filter shows any part of it in that same order without sorting again.

#include "model/wsdl_model.h"

#include <wx/string.h>
#include <wx/treectrl.h>

#include <atomic>
#include <cstddef>
#include <memory>
#include <utility>
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
};

// What a tree item stands for: its node of the outline, whose records it shows. An operation's
// "Request 1" item stands for the same node as the operation.
class ServiceTreeItem : public wxTreeItemData {
public:
    explicit ServiceTreeItem(bool requestItem, size_t node) : requestItem(requestItem), node(node) {}
    bool requestItem;
    size_t node;
};

class TreeOutline {
public:
    TreeOutline() = default;
    explicit TreeOutline(std::vector<OutlineNode> nodes) : m_nodes(std::move(nodes)) {}
    const std::vector<OutlineNode>& Nodes() const { return m_nodes; }
    // For each node whether it shows under the filter: operations whose lower-case name contains
    // lowerFilter, and the bindings and services above them. An empty filter shows every node.
    std::vector<bool> Visible(const wxString& lowerFilter) const;

private:
    std::vector<OutlineNode> m_nodes;
};

// What the service tree shows of a model: the copies of the request texts that its items point to, in
// model order, and the outline, whose records point into the model and the copies. Services, their
// bindings and their operations are each sorted by TreeTextOrder, equal names in model order.
struct TreeContent {
    std::vector<std::unique_ptr<wxString>> requestTexts;
    TreeOutline outline;
};

// Made on a thread of its own: for many thousand operations it takes longer than the window may wait.
// Once cancel is set, it stops within a request and returns no content.
TreeContent MakeTreeContent(const WsdlModel& model, const std::atomic<bool>* cancel = nullptr);

} // namespace quorvel::ui
