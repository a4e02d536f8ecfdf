#pragma once
// XML text into a document: the parser's set-up, what it refuses to read, and its errors as one line.

#include <libxml/tree.h>

#include <memory>
#include <string>
#include <string_view>

namespace quorvel {

struct XmlDocFree {
    void operator()(xmlDoc* doc) const { xmlFreeDoc(doc); }
};
using XmlDocument = std::unique_ptr<xmlDoc, XmlDocFree>;

// Result of parsing: a document, or the parser's reason text (with line and column) when it failed.
struct ParseResult {
    XmlDocument document;
    std::string reason;
    // Where the reason was found (0 when not known), and the parser's message without the place.
    int line = 0;
    int column = 0;
    std::string message;
    bool ok() const { return document != nullptr; }
};

// Sets up the parser's global state. The first parse would do it too, but not safely when two threads
// begin at once: programs call this on their main thread before any other thread starts.
void PrepareXmlParser();

// What a parse keeps of whitespace-only text. Drop leaves out the whitespace that stands between
// elements (not that of an element holding nothing else, nor that in mixed content): a reader that only
// looks at elements and attributes gets a document about half the nodes smaller, built faster.
enum class BlankText { Keep, Drop };

// Parses UTF-8 text (whatever its declaration says) without validation, accepting an internal DTD and
// never loading anything external. Namespace errors are parse failures. The parser reads the text in
// place, so it is a string: its terminating zero byte ends the input.
ParseResult ParseXmlText(const std::string& text, BlankText blanks = BlankText::Keep);

// A message of libxml2 on one line: callers show it in a box or write it as one line of a file.
std::string OneLineMessage(const char* message);

} // namespace quorvel
