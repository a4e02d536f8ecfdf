#include "ui/tree_sort.h"

namespace quorvel::ui {

wxIMPLEMENT_DYNAMIC_CLASS(ServiceTreeCtrl, wxTreeCtrl);

ServiceTreeCtrl::ServiceTreeCtrl(wxWindow* parent, wxWindowID id, long style)
    : wxTreeCtrl(parent, id, wxDefaultPosition, wxDefaultSize, style) {}

} // namespace quorvel::ui
