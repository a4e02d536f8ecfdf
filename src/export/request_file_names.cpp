#include "export/request_file_names.h"

#include <unicode/normalizer2.h>
#include <unicode/unistr.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <array>
#include <cctype>

namespace quorvel {
namespace {

constexpr std::string_view kForbidden = "/\\:*?\"<>|";
constexpr std::string_view kExtension = ".xml";

bool IsControl(UChar32 c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return std::toupper(x) == std::toupper(y); });
}

// Names that some systems give a device whatever extension follows (CON, CON.txt, "CON ").
bool IsReservedDeviceName(std::string_view name) {
    std::string_view stem = name.substr(0, name.find('.'));
    stem = stem.substr(0, stem.find_last_not_of(' ') + 1);
    static constexpr std::array<std::string_view, 4> kDevices = {"CON", "PRN", "AUX", "NUL"};
    if (std::any_of(kDevices.begin(), kDevices.end(),
                    [stem](std::string_view device) { return EqualsIgnoringCase(stem, device); })) {
        return true;
    }
    return stem.size() == 4 &&
           (EqualsIgnoringCase(stem.substr(0, 3), "COM") || EqualsIgnoringCase(stem.substr(0, 3), "LPT")) &&
           stem[3] >= '1' && stem[3] <= '9';
}

// The form under which two names are the same file on a system that ignores case or Unicode forms.
std::string Folded(std::string_view name) {
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* folding = icu::Normalizer2::getNFKCCasefoldInstance(status);
    const icu::UnicodeString text = icu::UnicodeString::fromUTF8(icu::StringPiece(name.data(), name.size()));
    std::string folded;
    if (U_SUCCESS(status)) {
        folding->normalize(text, status).toUTF8String(folded);
    }
    return U_SUCCESS(status) ? folded : std::string(name);
}

} // namespace

std::string FileNamePart(std::string_view name) {
    std::string part;
    const auto length = static_cast<int32_t>(name.size());
    for (int32_t i = 0; i < length;) {
        const int32_t start = i;
        UChar32 c = 0;
        U8_NEXT(name.data(), i, length, c);
        const size_t bytes = static_cast<size_t>(i - start);
        const bool replaced = c < 0 || IsControl(c) ||
                              (c < 0x80 && kForbidden.find(char(c)) != kForbidden.npos) ||
                              (part.empty() && c == '.');
        if (part.size() + (replaced ? 1 : bytes) > kMaxNamePartBytes) {
            break;
        }
        if (replaced) {
            part += '_';
        } else {
            part.append(name.data() + start, bytes);
        }
    }
    return part.empty() ? "_" : part;
}

std::string RequestFileNames::Next(std::string_view service, std::string_view binding,
                                   std::string_view operation) {
    std::string stem = FileNamePart(service) + '.' + FileNamePart(binding) + '.' + FileNamePart(operation);
    if (IsReservedDeviceName(stem)) {
        stem.insert(0, 1, '_');
    }
    std::string name = stem + std::string(kExtension);
    for (unsigned copy = 2;; ++copy) {
        if (m_taken.insert(Folded(name)).second) {
            return name;
        }
        name = stem + '~' + std::to_string(copy) + std::string(kExtension);
    }
}

} // namespace quorvel
