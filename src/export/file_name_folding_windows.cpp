#include "export/file_name_folding.h"

#include "fetch/wide_text_windows.h"

#include <windows.h>

namespace quorvel {
namespace {

// NFKC: compatibility forms and composed characters become one form.
std::wstring Normalized(const std::wstring& text) {
    const int length = static_cast<int>(text.size());
    const int size = NormalizeString(NormalizationKC, text.data(), length, nullptr, 0);
    if (size <= 0) {
        return text;
    }
    std::wstring normalized(static_cast<size_t>(size), L'\0');
    const int written = NormalizeString(NormalizationKC, text.data(), length, normalized.data(), size);
    if (written <= 0) {
        return text;
    }
    normalized.resize(static_cast<size_t>(written));
    return normalized;
}

// The invariant lower-case mapping, as the file system's comparison ignores case whatever the locale.
std::wstring Lowered(const std::wstring& text) {
    const int length = static_cast<int>(text.size());
    const int size = LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_LOWERCASE, text.data(), length, nullptr, 0,
                                   nullptr, nullptr, 0);
    if (size <= 0) {
        return text;
    }
    std::wstring lowered(static_cast<size_t>(size), L'\0');
    LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_LOWERCASE, text.data(), length, lowered.data(), size, nullptr,
                  nullptr, 0);
    return lowered;
}

} // namespace

std::string FoldedFileName(std::string_view name) {
    const std::wstring wide = WidenUtf8(name);
    return wide.empty() ? std::string(name) : NarrowToUtf8(Lowered(Normalized(wide)));
}

} // namespace quorvel
