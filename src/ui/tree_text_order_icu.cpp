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

struct TreeTextOrder::Collation {
    std::unique_ptr<icu::Collator> collator;
};

TreeTextOrder::TreeTextOrder() : m_collation(new Collation{OpenCollator(UserLocale())}) {}

TreeTextOrder::~TreeTextOrder() = default;

int TreeTextOrder::Compare(std::string_view a, std::string_view b) const {
    const icu::Collator* collator = m_collation->collator.get();
    if (!collator) {
        return a.compare(b); // ICU data missing: plain byte order rather than no order
    }
    UErrorCode status = U_ZERO_ERROR;
    const UCollationResult result =
        collator->compareUTF8(icu::StringPiece(a.data(), static_cast<int32_t>(a.size())),
                              icu::StringPiece(b.data(), static_cast<int32_t>(b.size())), status);
    return U_FAILURE(status) ? a.compare(b) : static_cast<int>(result);
}

} // namespace quorvel::ui
