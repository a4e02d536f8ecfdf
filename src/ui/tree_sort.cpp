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

// The user's locale; ICU falls back to the root collation by itself for a locale without rules. The C
// and POSIX locales become "en_US_POSIX", whose rules order ASCII by code point, case included: they
// get the root collation instead, as a program run without any language settings should.
icu::Locale UserLocale() {
    const icu::Locale locale = icu::Locale::getDefault();
    return std::string_view(locale.getVariant()) == "POSIX" ? icu::Locale::getRoot() : locale;
}

} // namespace

TreeTextOrder::TreeTextOrder() : m_collator(OpenCollator(UserLocale())) {}

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
    return m_order.Compare(GetItemText(item1).utf8_string(), GetItemText(item2).utf8_string());
}
