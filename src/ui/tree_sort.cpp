#include "ui/tree_sort.h"

#include <unicode/coll.h>
#include <unicode/locid.h>
#include <unicode/stringpiece.h>

namespace quorvel::ui {

namespace {

std::unique_ptr<icu::Collator> OpenCollator(const icu::Locale& locale) {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Collator> collator(icu::Collator::createInstance(locale, status));
    if (U_FAILURE(status)) {
        return nullptr;
    }
    collator->setStrength(icu::Collator::SECONDARY);
    return collator;
}

} // namespace

// ICU falls back to the root collation by itself when the locale has no rules of its own.
TreeTextOrder::TreeTextOrder() : m_collator(OpenCollator(icu::Locale::getDefault())) {}

TreeTextOrder::~TreeTextOrder() = default;

int TreeTextOrder::Compare(std::string_view a, std::string_view b) const {
    if (!m_collator) {
        return a.compare(b); // ICU data missing: plain byte order rather than no order
    }
    UErrorCode status = U_ZERO_ERROR;
    const UCollationResult result =
        m_collator->compareUTF8(icu::StringPiece(a.data(), static_cast<int32_t>(a.size())),
                                icu::StringPiece(b.data(), static_cast<int32_t>(b.size())), status);
    return U_FAILURE(status) ? a.compare(b) : static_cast<int>(result);
}

} // namespace quorvel::ui

wxIMPLEMENT_DYNAMIC_CLASS(CServiceTreeCtrl, wxTreeCtrl);

CServiceTreeCtrl::CServiceTreeCtrl(wxWindow* parent, wxWindowID id, long style)
    : wxTreeCtrl(parent, id, wxDefaultPosition, wxDefaultSize, style) {}

int CServiceTreeCtrl::OnCompareItems(const wxTreeItemId& item1, const wxTreeItemId& item2) {
    const wxScopedCharBuffer a = GetItemText(item1).utf8_str();
    const wxScopedCharBuffer b = GetItemText(item2).utf8_str();
    return m_order.Compare(std::string_view(a.data(), a.length()), std::string_view(b.data(), b.length()));
}
