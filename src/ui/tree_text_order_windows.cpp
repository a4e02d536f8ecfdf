#include "ui/tree_sort.h"

#include "fetch/wide_text_windows.h"

#include <windows.h>

namespace quorvel::ui {

// lstrcmpiW is the comparison of the native tree control's own text sort; it keeps no state.
struct TreeTextOrder::Collation {};

TreeTextOrder::TreeTextOrder() : m_collation(new Collation) {}

TreeTextOrder::~TreeTextOrder() = default;

int TreeTextOrder::Compare(std::string_view a, std::string_view b) const {
    return lstrcmpiW(WidenUtf8(a).c_str(), WidenUtf8(b).c_str());
}

} // namespace quorvel::ui
