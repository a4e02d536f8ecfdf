#include "send/pretty_xml.h"

#include <vector>

namespace quorvel {
namespace {

enum class Piece { Text, StartTag, EndTag, Markup };

struct Token {
    Piece kind;
    std::string_view text;
};

// The end of a piece of markup at begin that closes with terminator; the text's end when it never does.
size_t EndAfter(std::string_view text, size_t begin, std::string_view terminator) {
    const size_t end = text.find(terminator, begin);
    return end == std::string_view::npos ? text.size() : end + terminator.size();
}

// The end of a tag or a document type declaration: its '>' outside quotes and outside an internal subset.
size_t EndOfTag(std::string_view text, size_t begin) {
    char quote = 0;
    int brackets = 0;
    for (size_t i = begin + 1; i < text.size(); ++i) {
        const char c = text[i];
        if (quote != 0) {
            quote = c == quote ? 0 : quote;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '[') {
            ++brackets;
        } else if (c == ']') {
            --brackets;
        } else if (c == '>' && brackets <= 0) {
            return i + 1;
        }
    }
    return text.size();
}

// One piece of markup at begin (a '<'): its kind and where it ends. CDATA is content, as text is.
Token MarkupAt(std::string_view text, size_t begin, size_t& end) {
    const std::string_view rest = text.substr(begin);
    Piece kind = Piece::Markup;
    if (rest.starts_with("<!--")) {
        end = EndAfter(text, begin + 4, "-->");
    } else if (rest.starts_with("<![CDATA[")) {
        end = EndAfter(text, begin + 9, "]]>");
        kind = Piece::Text;
    } else if (rest.starts_with("<?")) {
        end = EndAfter(text, begin + 2, "?>");
    } else {
        end = EndOfTag(text, begin);
        if (rest.starts_with("</")) {
            kind = Piece::EndTag;
        } else if (!rest.starts_with("<!") && text[end - 2] != '/') {
            kind = Piece::StartTag;
        }
    }
    return {kind, text.substr(begin, end - begin)};
}

std::vector<Token> Tokenize(std::string_view text) {
    std::vector<Token> tokens;
    for (size_t begin = 0; begin < text.size();) {
        size_t end = text.find('<', begin);
        if (end == begin) {
            tokens.push_back(MarkupAt(text, begin, end));
        } else {
            end = end == std::string_view::npos ? text.size() : end;
            tokens.push_back({Piece::Text, text.substr(begin, end - begin)});
        }
        begin = end;
    }
    return tokens;
}

bool IsBlank(std::string_view text) {
    return text.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

// White space between two pieces of markup is indentation, unless it is an element's whole content.
bool IsIndentation(const std::vector<Token>& tokens, size_t i) {
    if (tokens[i].kind != Piece::Text || !IsBlank(tokens[i].text) || tokens[i].text.starts_with("<")) {
        return false;
    }
    const bool wholeContent = i > 0 && i + 1 < tokens.size() && tokens[i - 1].kind == Piece::StartTag &&
                              tokens[i + 1].kind == Piece::EndTag;
    return !wholeContent;
}

} // namespace

std::string IndentXml(std::string_view text) {
    const std::vector<Token> tokens = Tokenize(text);
    std::string out;
    out.reserve(text.size() + text.size() / 4);
    size_t depth = 0;
    // The kind of the last piece written; text never gets a line break before or after it.
    Piece last = Piece::Text;
    for (size_t i = 0; i < tokens.size(); ++i) {
        const Token& token = tokens[i];
        if (IsIndentation(tokens, i)) {
            continue;
        }
        if (token.kind == Piece::EndTag && depth > 0) {
            --depth;
        }
        const bool closesEmpty = token.kind == Piece::EndTag && last == Piece::StartTag;
        if (token.kind != Piece::Text && last != Piece::Text && !closesEmpty) {
            out += '\n';
            out.append(2 * depth, ' ');
        }
        out += token.text;
        if (token.kind == Piece::StartTag) {
            ++depth;
        }
        last = token.kind;
    }
    if (!out.empty() && out.back() != '\n') {
        out += '\n';
    }
    return out;
}

} // namespace quorvel
