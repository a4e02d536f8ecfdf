#pragma once
// Order of the service tree's items: case-insensitive and locale-aware, the same on every platform.

#include <unicode/uversion.h>
#include <wx/treectrl.h>

#include <memory>
#include <string_view>

U_NAMESPACE_BEGIN
class Collator;
U_NAMESPACE_END

namespace quorvel::ui {

// Compares UTF-8 texts with a collator of the user's locale at secondary strength, so letter case is
// ignored while accents still count.
class TreeTextOrder {
public:
    TreeTextOrder();
    ~TreeTextOrder();
    TreeTextOrder(const TreeTextOrder&) = delete;
    TreeTextOrder& operator=(const TreeTextOrder&) = delete;

    // Negative, zero or positive as a sorts before, with or after b.
    int Compare(std::string_view a, std::string_view b) const;

private:
    std::unique_ptr<icu::Collator> m_collator;
};

} // namespace quorvel::ui

// The service tree: a tree control whose SortChildren uses TreeTextOrder instead of a byte comparison.
class CServiceTreeCtrl : public wxTreeCtrl {
public:
    CServiceTreeCtrl() = default;
    CServiceTreeCtrl(wxWindow* parent, wxWindowID id, long style);

protected:
    int OnCompareItems(const wxTreeItemId& item1, const wxTreeItemId& item2) override;

private:
    quorvel::ui::TreeTextOrder m_order;

    wxDECLARE_DYNAMIC_CLASS(CServiceTreeCtrl);
};
