#include "xml/memory_resources.h"

#include <libxml/parser.h>
#include <libxml/parserInternals.h>

#include <mutex>

namespace quorvel {
namespace {

thread_local const std::map<std::string, std::string>* t_resources = nullptr;

// Nothing outside the text itself is read: no DTD, no external entity, no file, no network; only what
// a scope on this thread serves from memory.
xmlParserInputPtr LoadResource(const char* url, const char*, xmlParserCtxtPtr context) {
    if (t_resources == nullptr || url == nullptr || context == nullptr) {
        return nullptr;
    }
    const auto found = t_resources->find(url);
    if (found == t_resources->end()) {
        return nullptr;
    }
    const std::string& text = found->second;
    xmlParserInputBufferPtr buffer =
        xmlParserInputBufferCreateMem(text.data(), static_cast<int>(text.size()), XML_CHAR_ENCODING_NONE);
    if (buffer == nullptr) {
        return nullptr;
    }
    xmlParserInputPtr input = xmlNewIOInputStream(context, buffer, XML_CHAR_ENCODING_NONE);
    if (input == nullptr) {
        xmlFreeParserInputBuffer(buffer);
        return nullptr;
    }
    // The address is the document's base: the addresses of its own imports are written absolute.
    input->filename = reinterpret_cast<const char*>(xmlStrdup(BAD_CAST url));
    return input;
}

} // namespace

void InstallEntityLoader() {
    static std::once_flag once;
    std::call_once(once, [] { xmlSetExternalEntityLoader(LoadResource); });
}

MemoryResourceScope::MemoryResourceScope(const std::map<std::string, std::string>& resources) {
    InstallEntityLoader();
    t_resources = &resources;
}

MemoryResourceScope::~MemoryResourceScope() {
    t_resources = nullptr;
}

} // namespace quorvel
