#include "ui/tree_outline.h"

namespace quorvel::ui {

void TreeOutline::Capture(wxTreeCtrl& tree) {
    m_nodes.clear();
    const auto walk = [&](const wxTreeItemId& parent, OutlineLevel level, auto& self) -> void {
        wxTreeItemIdValue cookie;
        for (wxTreeItemId item = tree.GetFirstChild(parent, cookie); item.IsOk();
             item = tree.GetNextChild(parent, cookie)) {
            auto* data = static_cast<ServiceTreeItem*>(tree.GetItemData(item));
            data->node = m_nodes.size();
            OutlineNode& node = m_nodes.emplace_back();
            node.level = level;
            node.text = tree.GetItemText(item);
            node.record = data->record;
            node.item = item;
            if (level == OutlineLevel::Operation) {
                node.lowerText = node.text.Lower();
                // The request item below shares its operation's node.
                wxTreeItemIdValue childCookie;
                const wxTreeItemId requestItem = tree.GetFirstChild(item, childCookie);
                if (requestItem.IsOk()) {
                    static_cast<ServiceTreeItem*>(tree.GetItemData(requestItem))->node = data->node;
                    node.requestItem = requestItem;
                }
                continue;
            }
            self(item, static_cast<OutlineLevel>(static_cast<int>(level) + 1), self);
        }
    };
    walk(tree.GetRootItem(), OutlineLevel::Service, walk);
}

std::vector<bool> TreeOutline::Visible(const wxString& lowerFilter) const {
    std::vector<bool> visible(m_nodes.size(), lowerFilter.empty());
    if (lowerFilter.empty()) {
        return visible;
    }
    size_t service = 0;
    size_t binding = 0;
    for (size_t i = 0; i < m_nodes.size(); ++i) {
        switch (m_nodes[i].level) {
        case OutlineLevel::Service:
            service = i;
            break;
        case OutlineLevel::Binding:
            binding = i;
            break;
        case OutlineLevel::Operation:
            if (m_nodes[i].lowerText.Contains(lowerFilter)) {
                visible[i] = visible[binding] = visible[service] = true;
            }
            break;
        }
    }
    return visible;
}

} // namespace quorvel::ui
