#pragma once
// Order of the service tree's items: case-insensitive and locale-aware, the same on every platform.

#include <wx/treectrl.h>

#include <memory>
#include <string_view>

namespace quorvel::ui {

// Compares UTF-8 texts in the user's locale, letter case ignored while accents still count: an ICU
// collator at secondary strength on Linux, the comparison of the native tree control's own text sort on
// Windows.
class TreeTextOrder {
public:
    TreeTextOrder();
    ~TreeTextOrder();
    TreeTextOrder(const TreeTextOrder&) = delete;
    TreeTextOrder& operator=(const TreeTextOrder&) = delete;

    // Negative, zero or positive as a sorts before, with or after b.
    int Compare(std::string_view a, std::string_view b) const;

private:
    struct Collation; // the platform's comparison state
    std::unique_ptr<Collation> m_collation;
};

// The service tree, filled in TreeTextOrder (tree_outline.h) rather than sorted by the control.
class ServiceTreeCtrl : public wxTreeCtrl {
public:
    ServiceTreeCtrl() = default;
    ServiceTreeCtrl(wxWindow* parent, wxWindowID id, long style);

private:
    wxDECLARE_DYNAMIC_CLASS(ServiceTreeCtrl);
};

} // namespace quorvel::ui
