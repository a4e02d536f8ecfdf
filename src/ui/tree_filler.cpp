#include "ui/tree_filler.h"

#include "ui/messages.h"
#include "ui/utf8_text.h"

namespace quorvel::ui {

namespace {

// Items made per part. The tree measures each new item's text when it lays itself out once the part is
// made, which costs far more than making the item; so a part is bounded by its count, not by a clock.
constexpr size_t kNodesPerPart = 150;

} // namespace

void TreeFiller::Start(const TreeOutline& outline, std::vector<bool> visible,
                       const std::optional<NodeItem>* selection) {
    Clear();
    m_outline = &outline;
    m_visible = std::move(visible);
    m_selection = selection;
    m_items.assign(m_visible.size(), {});
    FillPart();
}

void TreeFiller::Clear() {
    m_outline = nullptr;
    m_visible.clear();
    m_items.clear();
    m_next = 0;
    m_tree.DeleteChildren(m_tree.GetRootItem());
}

void TreeFiller::FillPart() {
    for (size_t made = 0; made < kNodesPerPart && Filling(); ++m_next) {
        if (m_visible[m_next]) {
            MakeItem(m_next);
            ++made;
        }
    }
}

void TreeFiller::MakeItem(size_t node) {
    const OutlineNode& outlineNode = m_outline->Nodes()[node];
    const int depth = static_cast<int>(outlineNode.level);
    const int image = kImageService + depth;
    const wxTreeItemId parent = depth == 0 ? m_tree.GetRootItem() : m_parents[depth - 1];
    const wxTreeItemId item = m_tree.AppendItem(parent, outlineNode.text, image, image,
                                                new ServiceTreeItem(false, node));
    m_items[node].first = item;
    if (depth > 0 && !m_tree.IsExpanded(parent)) {
        m_tree.Expand(parent);
    }
    if (outlineNode.level == OutlineLevel::Operation) {
        m_items[node].second =
            m_tree.AppendItem(item, FromUtf8(ui_msg::kRequestItem), kImageRequest, kImageRequest,
                              new ServiceTreeItem(true, node));
    } else {
        m_parents[depth] = item;
    }
    if (*m_selection && (*m_selection)->first == node) {
        const wxTreeItemId selected = Item(**m_selection);
        m_tree.SelectItem(selected);
        m_tree.EnsureVisible(selected);
    }
}

wxTreeItemId TreeFiller::Item(const NodeItem& item) const {
    if (item.first >= m_items.size()) {
        return {};
    }
    return item.second ? m_items[item.first].second : m_items[item.first].first;
}

} // namespace quorvel::ui
