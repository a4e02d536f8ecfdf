#include "fetch/code_page_conversion.h"

#include <unicode/ucnv.h>
#include <unicode/unistr.h>

#include <memory>
#include <new>

namespace quorvel {
namespace {

struct ConverterClose {
    void operator()(UConverter* converter) const { ucnv_close(converter); }
};
using Converter = std::unique_ptr<UConverter, ConverterClose>;

// ICU reports memory that ran out as a status; it ends the load as a failed allocation does elsewhere.
void ThrowIfOutOfMemory(UErrorCode status) {
    if (status == U_MEMORY_ALLOCATION_ERROR) {
        throw std::bad_alloc();
    }
}

// ICU names of the Windows code-page tables (the plain "cp950" is an IBM table that differs).
const char* ConverterName(int codePage) {
    switch (codePage) {
    case 936:
        return "windows-936-2000";
    case 950:
        return "windows-950-2000";
    default:
        return "UTF-8";
    }
}

} // namespace

std::string Utf16ToUtf8(std::u16string_view units) {
    const icu::UnicodeString text(units.data(), static_cast<int32_t>(units.size()));
    std::string utf8;
    text.toUTF8String(utf8);
    return utf8;
}

bool CodePageToUtf8(std::string_view bytes, int codePage, std::string& utf8) {
    UErrorCode status = U_ZERO_ERROR;
    const Converter converter(ucnv_open(ConverterName(codePage), &status));
    ThrowIfOutOfMemory(status);
    if (U_FAILURE(status)) {
        return false;
    }
    // The default callback substitutes U+FFFD for invalid sequences instead of failing.
    const icu::UnicodeString decoded(bytes.data(), static_cast<int32_t>(bytes.size()), converter.get(),
                                     status);
    ThrowIfOutOfMemory(status);
    if (U_FAILURE(status)) {
        return false;
    }
    utf8.clear();
    decoded.toUTF8String(utf8);
    return true;
}

} // namespace quorvel
