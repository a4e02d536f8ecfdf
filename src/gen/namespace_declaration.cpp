#include "gen/namespace_declaration.h"

namespace quorvel {
namespace {

std::string_view Escape(char c) {
    switch (c) {
    case '&':
        return "&amp;";
    case '<':
        return "&lt;";
    case '"':
        return "&quot;";
    case '\t':
        return "&#9;";
    case '\n':
        return "&#10;";
    case '\r':
        return "&#13;";
    default:
        return std::string_view();
    }
}

constexpr std::string_view kOpen = "xmlns:";
constexpr std::string_view kEquals = "=\"";

} // namespace

void AppendEscaped(std::string& text, std::string_view value) {
    // The characters between two escaped ones go in as one run.
    size_t run = 0;
    for (size_t i = 0; i < value.size(); ++i) {
        if (const std::string_view escaped = Escape(value[i]); !escaped.empty()) {
            text.append(value.data() + run, i - run);
            text += escaped;
            run = i + 1;
        }
    }
    text.append(value.data() + run, value.size() - run);
}

void AppendDeclaration(std::string& text, std::string_view prefix, std::string_view namespaceName) {
    text += kOpen;
    text += prefix;
    text += kEquals;
    AppendEscaped(text, namespaceName);
    text += '"';
}

size_t DeclarationBytes(std::string_view prefix, std::string_view namespaceName) {
    size_t bytes = 1 + kOpen.size() + prefix.size() + kEquals.size() + 1;
    for (char c : namespaceName) {
        const std::string_view escaped = Escape(c);
        bytes += escaped.empty() ? 1 : escaped.size();
    }
    return bytes;
}

} // namespace quorvel
