#include "ui/tree_sort.h"

namespace quorvel::ui {

wxIMPLEMENT_DYNAMIC_CLASS(ServiceTreeCtrl, wxTreeCtrl);

ServiceTreeCtrl::ServiceTreeCtrl(wxWindow* parent, wxWindowID id, long style)
    : wxTreeCtrl(parent, id, wxDefaultPosition, wxDefaultSize, style) {}

int ServiceTreeCtrl::OnCompareItems(const wxTreeItemId& item1, const wxTreeItemId& item2) {
    return m_order.Compare(GetItemText(item1).utf8_string(), GetItemText(item2).utf8_string());
}

} // namespace quorvel::ui
