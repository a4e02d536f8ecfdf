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

} // namespace

std::string FileNamePart(std::string_view name) {
    std::string part;
    for (size_t i = 0; i < name.size();) {
        const size_t start = i;
        const int32_t c = NextCodePoint(name, i);
        const size_t bytes = i - start;
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
        if (m_taken.insert(FoldedFileName(name)).second) {
            return name;
        }
        name = stem + '~' + std::to_string(copy) + std::string(kExtension);
    }
}

} // namespace quorvel
