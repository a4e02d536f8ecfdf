#include "xml/parsing.h"

#include "xml/memory_resources.h"
#include "xml/messages.h"

#include <libxml/SAX2.h>
#include <libxml/parser.h>
#include <libxml/parserInternals.h>
#include <libxml/xmlerror.h>

#include <climits>
#include <cstring>
#include <new>

namespace quorvel {
namespace {

struct ParserContextFree {
    void operator()(xmlParserCtxt* context) const { xmlFreeParserCtxt(context); }
};

// What one parse keeps beside the document: the parser's first error (later ones are usually
// consequences of it) and the text, read again where the parser keeps too little.
struct ParseState {
    std::string_view text;
    bool seen = false;
    std::string reason;
    int line = 0;
    int column = 0;
    std::string message;
    bool outOfMemory = false;
};

std::string FormatReason(int line, int column, std::string_view message) {
    return std::string(xml_msg::kLine) + std::to_string(line) + std::string(xml_msg::kColumn) +
           std::to_string(column) + std::string(xml_msg::kPositionEnd) + std::string(message);
}

void RecordError(void* userData, xmlErrorPtr error) {
    auto* context = static_cast<xmlParserCtxt*>(userData);
    auto* state = context == nullptr ? nullptr : static_cast<ParseState*>(context->_private);
    // A namespace name that is not a valid URI is still a namespace name: it is compared as a string.
    if (state == nullptr || error == nullptr) {
        return;
    }
    // Memory that runs out fails the parse as it fails the program elsewhere. Some limits of the parser
    // report a memory error after their own one, which stays the reason.
    if (error->code == XML_ERR_NO_MEMORY && !state->seen) {
        state->outOfMemory = true;
    }
    if (state->seen || error->level < XML_ERR_ERROR || error->code == XML_WAR_NS_URI) {
        return;
    }
    state->seen = true;
    state->line = error->line;
    state->column = error->int2;
    state->message = OneLineMessage(error->message);
    state->reason = FormatReason(error->line, error->int2, state->message);
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// True when the start tag (from its "<" up to its end) carries an attribute named exactly
// "xmlns:xml". The parser has checked the tag, so names, "=" and quoted values are well formed.
bool DeclaresXmlPrefix(std::string_view tag) {
    size_t at = 1;
    while (at < tag.size() && !IsBlank(tag[at])) {
        ++at;
    }
    for (;;) {
        while (at < tag.size() && IsBlank(tag[at])) {
            ++at;
        }
        const size_t nameStart = at;
        while (at < tag.size() && tag[at] != '=' && !IsBlank(tag[at]) && tag[at] != '/' && tag[at] != '>') {
            ++at;
        }
        if (at == nameStart) {
            return false;
        }
        const bool match = tag.substr(nameStart, at - nameStart) == "xmlns:xml";
        const size_t open = tag.find_first_of("\"'", at);
        const size_t close = open == std::string_view::npos ? open : tag.find(tag[open], open + 1);
        if (match || close == std::string_view::npos) {
            return match;
        }
        at = close + 1;
    }
}

// The parser keeps no declaration of the xml prefix among an element's declarations. Where the
// document declares it, the declaration is put back on that element, so that the prefix resolves
// exactly in the declaration's scope, like any other prefix.
// The start tag just read, which ends where the parser stands: in the document itself (read from the
// whole text, as the parser may have let go of what it read), or in an entity's replacement text.
std::string_view CurrentStartTag(const xmlParserCtxt* context, std::string_view text) {
    const xmlParserInput* input = context->input;
    const size_t read = static_cast<size_t>(input->cur - input->base);
    std::string_view before =
        context->inputNr == 1
            ? text.substr(0, std::min(text.size(), static_cast<size_t>(input->consumed) + read))
            : std::string_view(reinterpret_cast<const char*>(input->base), read);
    const size_t open = before.rfind('<'); // a start tag holds no other "<", not even in its values
    return open == std::string_view::npos ? std::string_view() : before.substr(open);
}

bool AddXmlPrefixDeclaration(xmlNode* element) {
    auto* declaration = static_cast<xmlNs*>(xmlMalloc(sizeof(xmlNs)));
    if (declaration == nullptr) {
        return false;
    }
    std::memset(declaration, 0, sizeof(xmlNs));
    declaration->type = XML_NAMESPACE_DECL;
    declaration->href = xmlStrdup(XML_XML_NAMESPACE);
    declaration->prefix = xmlStrdup(BAD_CAST "xml");
    xmlNs** last = &element->nsDef;
    while (*last != nullptr) {
        last = &(*last)->next;
    }
    *last = declaration; // freed with the element's other declarations
    return declaration->href != nullptr && declaration->prefix != nullptr;
}

void StartElementSeeingXmlPrefix(void* userData, const xmlChar* localName, const xmlChar* prefix,
                                 const xmlChar* uri, int namespaceCount, const xmlChar** namespaces,
                                 int attributeCount, int defaultedCount, const xmlChar** attributes) {
    xmlSAX2StartElementNs(userData, localName, prefix, uri, namespaceCount, namespaces, attributeCount,
                          defaultedCount, attributes);
    auto* context = static_cast<xmlParserCtxt*>(userData);
    auto* state = static_cast<ParseState*>(context->_private);
    if (context->node == nullptr || !DeclaresXmlPrefix(CurrentStartTag(context, state->text))) {
        return;
    }
    if (!AddXmlPrefixDeclaration(context->node)) {
        state->outOfMemory = true;
        xmlStopParser(context);
    }
}

// Parses the text as UTF-8, whatever its declaration says. The parser reads the text where it stands,
// as it reads an entity's replacement text, up to the zero byte that follows it: a copy would double the
// memory the text takes while the document grows. No encoding converter copies it either, and a piece that
// finds no memory would leave the parser reading through a null pointer. Told the encoding, the parser
// does not guess it from the first bytes.
XmlDocument ParseUtf8(xmlParserCtxt* context, std::string_view text, BlankText blanks) {
    xmlParserInput* input = xmlNewInputStream(context);
    if (input == nullptr) {
        throw std::bad_alloc();
    }
    input->base = reinterpret_cast<const xmlChar*>(text.data());
    input->cur = input->base;
    input->length = static_cast<int>(text.size());
    input->end = input->base + text.size();
    if (inputPush(context, input) < 0) { // the input is freed then
        throw std::bad_alloc();
    }
    // Short texts are kept inside their nodes, which saves an allocation each; nothing here changes a text.
    xmlCtxtUseOptions(context, XML_PARSE_NONET | XML_PARSE_NOENT | XML_PARSE_IGNORE_ENC | XML_PARSE_COMPACT |
                                   XML_PARSE_BIG_LINES |
                                   (blanks == BlankText::Drop ? XML_PARSE_NOBLANKS : 0));
    context->encoding = xmlStrdup(BAD_CAST "UTF-8");
    xmlParseDocument(context);
    XmlDocument document(context->myDoc);
    context->myDoc = nullptr;
    return document;
}

} // namespace

void PrepareXmlParser() {
    xmlInitParser();
    InstallEntityLoader();
}

std::string OneLineMessage(const char* message) {
    std::string text = message == nullptr ? std::string() : std::string(message);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) {
        text.pop_back();
    }
    for (char& c : text) {
        if (c == '\n' || c == '\r') {
            c = ' ';
        }
    }
    return text;
}

ParseResult ParseXmlText(const std::string& text, BlankText blanks) {
    std::string_view utf8Text = text;
    ParseResult result;
    if (utf8Text.size() > static_cast<size_t>(INT_MAX)) {
        result.reason = xml_msg::kDocumentTooLarge;
        return result;
    }
    InstallEntityLoader();
    std::unique_ptr<xmlParserCtxt, ParserContextFree> context(xmlNewParserCtxt());
    if (context == nullptr) {
        result.reason = xml_msg::kNoParser;
        return result;
    }
    // A byte-order mark at the start is no part of the document.
    if (utf8Text.starts_with("\xEF\xBB\xBF")) {
        utf8Text.remove_prefix(3);
    }
    ParseState state;
    state.text = utf8Text;
    context->_private = &state;
    context->userData = context.get();
    context->sax->serror = RecordError;
    // Only a document that mentions the declaration pays for looking at its start tags.
    if (utf8Text.find("xmlns:xml") != std::string_view::npos) {
        context->sax->startElementNs = StartElementSeeingXmlPrefix;
    }
    XmlDocument document = ParseUtf8(context.get(), utf8Text, blanks);
    if (state.outOfMemory) {
        throw std::bad_alloc();
    }
    // An undeclared prefix leaves a document behind; the error it raised makes the parse fail.
    bool sound = document != nullptr && context->wellFormed && !state.seen;
    if (sound) {
        result.document = std::move(document);
        return result;
    }
    result.line = state.seen ? state.line : context->input ? context->input->line : 0;
    result.column = state.column;
    result.message = state.seen ? state.message : std::string(xml_msg::kNotWellFormed);
    result.reason = state.seen ? state.reason : FormatReason(result.line, 0, result.message);
    return result;
}

} // namespace quorvel
