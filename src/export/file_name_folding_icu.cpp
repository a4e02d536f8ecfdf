#include "export/file_name_folding.h"

#include <unicode/normalizer2.h>
#include <unicode/unistr.h>

namespace quorvel {

std::string FoldedFileName(std::string_view name) {
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* folding = icu::Normalizer2::getNFKCCasefoldInstance(status);
    const icu::UnicodeString text = icu::UnicodeString::fromUTF8(icu::StringPiece(name.data(), name.size()));
    std::string folded;
    if (U_SUCCESS(status)) {
        folding->normalize(text, status).toUTF8String(folded);
    }
    return U_SUCCESS(status) ? folded : std::string(name);
}

} // namespace quorvel
