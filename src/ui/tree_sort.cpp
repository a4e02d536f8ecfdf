#include "ui/tree_sort.h"

wxIMPLEMENT_DYNAMIC_CLASS(CServiceTreeCtrl, wxTreeCtrl);

CServiceTreeCtrl::CServiceTreeCtrl(wxWindow* parent, wxWindowID id, long style)
    : wxTreeCtrl(parent, id, wxDefaultPosition, wxDefaultSize, style) {}

int CServiceTreeCtrl::OnCompareItems(const wxTreeItemId& item1, const wxTreeItemId& item2) {
    return m_order.Compare(GetItemText(item1).utf8_string(), GetItemText(item2).utf8_string());
}
