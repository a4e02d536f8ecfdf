#include "gen/pattern_example.h"

#include <cstdlib>
#include <string>

namespace quorvel {
namespace {

// Candidates a negated class or escape is tried with, in order.
constexpr std::string_view kFallbackCharacters = "a0A_-x.1 ";

// Bytes of the UTF-8 character starting at text[at]; 1 for a byte that starts none.
size_t CharacterLength(std::string_view text, size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    return at + length <= text.size() ? length : 1;
}

// A character that a multi-character escape (\d, \w, \p{..} and the rest) stands for.
std::string EscapeExample(char escape, std::string_view property) {
    switch (escape) {
    case 'd':
    case 'I':
        return "0";
    case 's':
    case 'W':
    case 'C':
        return " ";
    case 'p':
        return property.starts_with("N") ? "0" : property == "Lu" ? "A" : "a";
    case 'P':
        return property.starts_with("N") ? "a" : "0";
    case 'n':
        return "\n";
    case 'r':
        return "\r";
    case 't':
        return "\t";
    case 'D':
    case 'w':
    case 'S':
    case 'i':
    case 'c':
        return "a";
    default:
        return std::string(1, escape);
    }
}

class PatternWalk {
public:
    PatternWalk(std::string_view pattern, bool atLeastOnce)
        : m_pattern(pattern), m_atLeastOnce(atLeastOnce) {}

    // Alternatives: the first branch is written, the others only read past.
    std::string Regex() {
        std::string text = Branch();
        while (More() && Peek() == '|') {
            ++m_at;
            Branch();
        }
        return text;
    }

private:
    bool More() const { return m_at < m_pattern.size(); }
    char Peek() const { return m_pattern[m_at]; }

    std::string Branch() {
        std::string text;
        while (More() && Peek() != '|' && Peek() != ')') {
            const std::string atom = Atom();
            const size_t times = Repetitions();
            for (size_t i = 0; i < times; ++i) {
                text += atom;
            }
        }
        return text;
    }

    // How often the atom just read is written: its quantifier's least count, at least once when asked.
    size_t Repetitions() {
        size_t least = 1;
        if (More() && (Peek() == '?' || Peek() == '*')) {
            least = 0;
            ++m_at;
        } else if (More() && Peek() == '+') {
            ++m_at;
        } else if (More() && Peek() == '{') {
            const size_t close = m_pattern.find('}', m_at);
            if (close == std::string_view::npos) {
                m_at = m_pattern.size();
                return 1;
            }
            least =
                std::strtoul(std::string(m_pattern.substr(m_at + 1, close - m_at - 1)).c_str(), nullptr, 10);
            m_at = close + 1;
        }
        return least == 0 && m_atLeastOnce ? 1 : std::min<size_t>(least, 4096);
    }

    std::string Atom() {
        const char c = Peek();
        if (c == '(') {
            ++m_at;
            std::string group = Regex();
            m_at += More() ? 1 : 0;
            return group;
        }
        if (c == '[') {
            return CharacterClass();
        }
        if (c == '\\') {
            return Escape();
        }
        if (c == '.') {
            ++m_at;
            return "a";
        }
        const size_t length = CharacterLength(m_pattern, m_at);
        std::string character(m_pattern.substr(m_at, length));
        m_at += length;
        return character;
    }

    // An escape after its backslash: a property name in braces for \p and \P.
    std::string Escape() {
        ++m_at;
        if (!More()) {
            return "\\";
        }
        const char escape = Peek();
        ++m_at;
        std::string_view property;
        if ((escape == 'p' || escape == 'P') && More() && Peek() == '{') {
            const size_t close = m_pattern.find('}', m_at);
            const size_t end = close == std::string_view::npos ? m_pattern.size() : close;
            property = m_pattern.substr(m_at + 1, end - m_at - 1);
            m_at = std::min(end + 1, m_pattern.size());
        }
        return EscapeExample(escape, property);
    }

    // A class: its first character or range start; for a negated class, a common character it leaves
    // out. Subtractions are read past.
    std::string CharacterClass() {
        ++m_at;
        const bool negated = More() && Peek() == '^';
        m_at += negated ? 1 : 0;
        std::string first;
        std::string members;
        int nesting = 1;
        while (More() && nesting > 0) {
            const char c = Peek();
            if (c == '[') {
                ++nesting;
                ++m_at;
            } else if (c == ']') {
                --nesting;
                ++m_at;
            } else if (c == '\\') {
                const std::string escaped = Escape();
                members += escaped;
                first = first.empty() && nesting == 1 ? escaped : first;
            } else {
                const size_t length = CharacterLength(m_pattern, m_at);
                const std::string character(m_pattern.substr(m_at, length));
                members += character;
                first = first.empty() && nesting == 1 && c != '-' ? character : first;
                m_at += length;
            }
        }
        if (!negated) {
            return first.empty() ? "a" : first;
        }
        for (char candidate : kFallbackCharacters) {
            if (members.find(candidate) == std::string::npos) {
                return std::string(1, candidate);
            }
        }
        return "a";
    }

    std::string_view m_pattern;
    bool m_atLeastOnce;
    size_t m_at = 0;
};

} // namespace

std::string PatternExample(std::string_view pattern, bool atLeastOnce) {
    return PatternWalk(pattern, atLeastOnce).Regex();
}

} // namespace quorvel
