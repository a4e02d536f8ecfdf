// Arbitrary text through address classification and normalisation.
#include "fetch/address.h"
#include "fuzz_checks.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

using namespace quorvel;
using fuzz::Require;

std::string Lowered(std::string_view text) {
    std::string lowered(text);
    std::transform(lowered.begin(), lowered.end(), lowered.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lowered;
}

bool IsQuote(char c) {
    return c == '"' || c == '\'';
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view address(reinterpret_cast<const char*>(data), size);
    std::string normalized = NormalizeAddress(address);
    Require(normalized.size() <= address.size() + 5, "normalisation added more than the wsdl suffix");
    if (fuzz::IsValidUtf8(address)) {
        Require(fuzz::IsValidUtf8(normalized), "normalisation split a character");
    }
    if (!normalized.empty()) {
        Require(!IsQuote(normalized.front()) && !IsQuote(normalized.back()), "quote left at an end");
    }
    if (IsHttpAddress(normalized)) {
        Require(Lowered(normalized).find("wsdl") != std::string::npos, "web address without wsdl");
    }
    return 0;
}
