#include "load/document_set.h"

#include "fetch/address.h"
#include "fetch/cancel_flag.h"
#include "fetch/curl_library.h"
#include "fetch/file_reading.h"
#include "fetch/http_get.h"
#include "fetch/import_address.h"
#include "fetch/text_decoding.h"
#include "load/messages.h"
#include "xml/namespaces.h"

#include <utility>

namespace quorvel {
namespace {

constexpr size_t kMaxDocuments = 100;
constexpr size_t kMaxTotalBytes = 64u * 1024 * 1024;

bool IsSchemaReference(std::string_view localName) {
    return localName == "import" || localName == "include" || localName == "redefine";
}

// The import elements of a document in document order: import children of the root definitions element,
// and import, include and redefine children of every schema, wherever it stands.
void CollectImports(const xmlNode* node, const xmlNode* root, DomNodeList& imports) {
    for (xmlNode* child = node->children; child != nullptr; child = child->next) {
        if (child->type != XML_ELEMENT_NODE) {
            continue;
        }
        const std::string_view kind = LocalName(child);
        if ((node == root && LocalName(root) == "definitions" && kind == "import") ||
            (LocalName(node) == "schema" && IsSchemaReference(kind))) {
            imports.push_back(child);
        }
        CollectImports(child, root, imports);
    }
}

// The namespace a schema stands for: its own, else the one its includer gave it.
std::string SchemaNamespace(const std::map<const xmlNode*, std::string>& adopted, const xmlNode* schema) {
    auto found = adopted.find(schema);
    return found != adopted.end() ? found->second : GetAttributeText(schema, "targetNamespace");
}

} // namespace

bool FetchDocumentBytes(std::string& address, std::string& bytes, std::string& message,
                        const HttpOptions& download) {
    if (IsHttpAddress(address)) {
        if (!CurlLibraryAvailable(message)) {
            return false;
        }
        HttpResponse response = HttpGetBytes(address, download);
        address = std::move(response.finalUrl);
        bytes = std::move(response.body);
        if (response.ok()) {
            return true;
        }
        message = std::move(response.message);
        return false;
    }
    return ReadDescriptionFile(address, bytes, message);
}

bool ParseDescriptionText(const std::string& text, XmlDocument& document, std::string& message) {
    ParseResult parsed = ParseXmlText(text);
    if (!parsed.ok()) {
        message = parsed.reason.empty() ? std::string(load_msg::kXmlParseFailed)
                                        : std::string(load_msg::kXmlParseFailedPrefix) + parsed.reason;
        return false;
    }
    document = std::move(parsed.document);
    return true;
}

DocumentSet::DocumentSet(XmlDocument root, const std::string& address, size_t bytes) : m_bytes(bytes) {
    m_documents.push_back({std::move(root), address});
}

void DocumentSet::FollowImports(const DownloadOptionsFor& download) {
    m_keys.insert(DocumentKey(m_documents.front().address));
    FollowImportsOf(0, download);
}

void DocumentSet::FollowImportsOf(size_t document, const DownloadOptionsFor& download) {
    DomNodeList imports;
    const xmlNode* root = xmlDocGetRootElement(m_documents[document].xml.get());
    CollectImports(root, root, imports);
    // The address is copied: reading further documents may move the list's entries.
    const std::string address = m_documents[document].address;
    for (const xmlNode* import : imports) {
        if (m_stopped) {
            return;
        }
        Follow(import, address, download);
    }
}

void DocumentSet::Follow(const xmlNode* import, const std::string& holderAddress,
                         const DownloadOptionsFor& download) {
    const bool wsdlImport = LocalName(import->parent) != "schema";
    const std::string location = GetAttributeText(import, wsdlImport ? "location" : "schemaLocation");
    if (TrimWhiteSpace(location).empty() ||
        (LocalName(import) == "import" && IsKnownNamespace(GetAttributeText(import, "namespace")))) {
        return;
    }
    const std::optional<std::string> resolved = ResolveImportLocation(holderAddress, location);
    if (!resolved) {
        Note(location, load_msg::kImportInvalidLocation);
        return;
    }
    const std::string address = *resolved;
    if (!MayImport(holderAddress, address)) {
        Note(address, IsHttpsAddress(holderAddress) ? load_msg::kImportHttpsOnly : load_msg::kImportWebOnly);
        return;
    }
    if (!MarkTried(address)) {
        return;
    }
    XmlDocument document;
    std::string readFrom;
    if (!Read(address, readFrom, document, download)) {
        return;
    }
    const xmlNode* root = xmlDocGetRootElement(document.get());
    if (LocalName(root) != "definitions" && LocalName(root) != "schema") {
        Note(address, load_msg::kImportNotDescription);
        return;
    }
    // A schema without a namespace of its own that an include or redefine reaches takes its includer's.
    if (!wsdlImport && LocalName(import) != "import" && LocalName(root) == "schema" &&
        GetAttributeText(root, "targetNamespace").empty()) {
        if (std::string includer = SchemaNamespace(m_adopted, import->parent); !includer.empty()) {
            m_adopted.emplace(root, std::move(includer));
        }
    }
    m_documents.push_back({std::move(document), std::move(readFrom)});
    FollowImportsOf(m_documents.size() - 1, download);
}

// Fetches, decodes and parses one imported document; address is the one it was finally read from.
bool DocumentSet::Read(const std::string& asked, std::string& address, XmlDocument& document,
                       const DownloadOptionsFor& download) {
    const HttpOptions http = download(asked);
    if (IsCancelled(http.cancel)) {
        m_stopped = true;
        return false;
    }
    if (m_fetches == kMaxDocuments) {
        Note(asked, load_msg::kImportTooManyDocuments);
        m_stopped = true;
        return false;
    }
    ++m_fetches;
    address = asked;
    std::string bytes, text, message;
    if (!FetchDocumentBytes(address, bytes, message, http)) {
        Note(asked, message);
        return false;
    }
    // Reached again through a redirect: already read under its final address.
    if (address != asked && !MarkTried(address)) {
        return false;
    }
    if (m_bytes + bytes.size() > kMaxTotalBytes) {
        Note(asked, load_msg::kImportTooManyBytes);
        m_stopped = true;
        return false;
    }
    m_bytes += bytes.size();
    if (!DecodeDocumentText(std::move(bytes), text, message) ||
        !ParseDescriptionText(text, document, message)) {
        Note(asked, message);
        return false;
    }
    return true;
}

void DocumentSet::Note(const std::string& address, std::string_view reason) {
    m_notes.push_back({address, std::string(reason)});
}

// Marks the document at address as tried; false when it was read or tried before.
bool DocumentSet::MarkTried(const std::string& address) {
    return m_keys.insert(DocumentKey(address)).second;
}

DefinitionsList DocumentSet::Definitions() const {
    DefinitionsList definitions;
    for (const Document& document : m_documents) {
        const xmlNode* root = xmlDocGetRootElement(document.xml.get());
        if (definitions.empty() || LocalName(root) == "definitions") {
            definitions.push_back(root);
        }
    }
    return definitions;
}

void DocumentSet::IndexSchemas(SchemaIndex& index) const {
    for (const auto& [schema, namespaceName] : m_adopted) {
        index.AdoptNamespace(schema, namespaceName);
    }
    for (const Document& document : m_documents) {
        CollectSchemas(xmlDocGetRootElement(document.xml.get()), index);
    }
}

} // namespace quorvel
