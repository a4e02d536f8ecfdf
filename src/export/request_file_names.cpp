#include "export/request_file_names.h"

#include "export/file_name_folding.h"
#include "fetch/address.h"
#include "xml/code_points.h"

#include <algorithm>
#include <array>

namespace quorvel {
namespace {

constexpr std::string_view kForbidden = "/\\:*?\"<>|";
constexpr std::string_view kExtension = ".xml";

bool IsControl(int32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

// Characters that show nothing or turn the text around them (right-to-left overrides, zero-width
// spaces and joiners): a name holding them can pose as another, such as "...gnp.exe" shown as "...exe.png".
bool IsInvisibleFormat(int32_t c) {
    return c == 0x061C || (c >= 0x200B && c <= 0x200F) || (c >= 0x202A && c <= 0x202E) ||
           (c >= 0x2060 && c <= 0x2064) || (c >= 0x2066 && c <= 0x2069) || c == 0xFEFF;
}

// Names that some systems give a device whatever extension follows (CON, CON.txt, "CON "), COM and LPT
// with any decimal or superscript digit.
bool IsReservedDeviceName(std::string_view name) {
    std::string_view stem = name.substr(0, name.find('.'));
    stem = stem.substr(0, stem.find_last_not_of(' ') + 1);
    static constexpr std::array<std::string_view, 6> kDevices = {"CON", "PRN",    "AUX",
                                                                 "NUL", "CONIN$", "CONOUT$"};
    if (std::any_of(kDevices.begin(), kDevices.end(),
                    [stem](std::string_view device) { return EqualsIgnoringCase(stem, device); })) {
        return true;
    }
    if (stem.size() < 4 || !(EqualsIgnoringCase(stem.substr(0, 3), "COM") ||
                             EqualsIgnoringCase(stem.substr(0, 3), "LPT"))) {
        return false;
    }
    const std::string_view digit = stem.substr(3);
    static constexpr std::array<std::string_view, 3> kSuperscripts = {"\xC2\xB9", "\xC2\xB2", "\xC2\xB3"};
    return (digit.size() == 1 && digit[0] >= '0' && digit[0] <= '9') ||
           std::find(kSuperscripts.begin(), kSuperscripts.end(), digit) != kSuperscripts.end();
}

} // namespace

std::string FileNamePart(std::string_view name) {
    std::string part;
    for (size_t i = 0; i < name.size();) {
        const size_t start = i;
        const int32_t c = NextCodePoint(name, i);
        const size_t bytes = i - start;
        const bool replaced = c < 0 || IsControl(c) || IsInvisibleFormat(c) ||
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
    const std::string folded = FoldedFileName(name);
    // Names that fold alike also fold alike with the same "~N" before ".xml", and a name once taken stays
    // taken: the search for a free number goes on where the last one for this folded name ended.
    const auto [next, first] = m_nextCopy.try_emplace(folded, 2);
    if (first && m_taken.insert(folded).second) {
        return name;
    }
    for (;; ++next->second) {
        name = stem + '~' + std::to_string(next->second) + std::string(kExtension);
        if (m_taken.insert(FoldedFileName(name)).second) {
            ++next->second;
            return name;
        }
    }
}

} // namespace quorvel
