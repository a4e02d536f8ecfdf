#include "export/tsv_field.h"

namespace quorvel {

std::string TsvField(std::string_view text) {
    std::string field;
    field.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '\\':
            field += "\\\\";
            break;
        case '\t':
            field += "\\t";
            break;
        case '\n':
            field += "\\n";
            break;
        case '\r':
            field += "\\r";
            break;
        default:
            field += c;
        }
    }
    return field;
}

} // namespace quorvel
