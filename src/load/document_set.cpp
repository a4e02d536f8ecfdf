#include "load/document_set.h"

#include "fetch/address.h"
#include "fetch/cancel_flag.h"
#include "fetch/curl_library.h"
#include "fetch/file_reading.h"
#include "fetch/http_get.h"
#include "fetch/import_address.h"
#include "fetch/messages.h"
#include "fetch/text_decoding.h"
#include "load/messages.h"
#include "xml/namespaces.h"

#include <algorithm>
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

// Why an import could not be fetched: a redirect refused for where it led says so.
std::string_view FailureNote(const HttpResponse& fetched) {
    if (!fetched.redirectRefused) {
        return fetched.message;
    }
    const std::string* target = fetched.Header("Location");
    return target != nullptr && IsHttpAddress(*target) ? load_msg::kImportRedirectToHttp
                                                        : load_msg::kImportRedirectScheme;
}

// The namespace a schema stands for: its own, else the one its includer gave it.
std::string SchemaNamespace(const std::map<const xmlNode*, std::string>& adopted, const xmlNode* schema) {
    auto found = adopted.find(schema);
    return found != adopted.end() ? found->second : GetAttributeText(schema, "targetNamespace");
}

} // namespace

HttpResponse FetchDocumentBytes(const std::string& address, const HttpOptions& download) {
    if (IsHttpAddress(address)) {
        return HttpGetBytes(address, download);
    }
    HttpResponse file;
    file.finalUrl = address;
    ReadDescriptionFile(address, file.body, file.message);
    return file;
}

bool ParseDescriptionText(const std::string& text, XmlDocument& document, std::string& message) {
    // Nothing reads the text between a description's elements.
    ParseResult parsed = ParseXmlText(text, BlankText::Drop);
    if (!parsed.ok()) {
        message = parsed.reason.empty() ? std::string(load_msg::kXmlParseFailed)
                                        : std::string(load_msg::kXmlParseFailedPrefix) + parsed.reason;
        return false;
    }
    document = std::move(parsed.document);
    return true;
}

DocumentSet::DocumentSet(XmlDocument root, const std::string& address, size_t bytes, bool privateNetwork)
    : m_bytes(bytes) {
    m_documents.push_back({std::move(root), address, privateNetwork});
}

void DocumentSet::FollowImports(const DownloadOptionsFor& download,
                                std::chrono::steady_clock::time_point deadline) {
    m_deadline = deadline;
    m_keys.insert(DocumentKey(m_documents.front().address));
    FollowImportsOf(0, download);
}

void DocumentSet::FollowImportsOf(size_t document, const DownloadOptionsFor& download) {
    DomNodeList imports;
    const xmlNode* root = xmlDocGetRootElement(m_documents[document].xml.get());
    CollectImports(root, root, imports);
    // Copied: reading further documents may move the list's entries.
    const Document& holding = m_documents[document];
    const Holder holder{holding.address, IsHttpAddress(holding.address) && !holding.privateNetwork};
    for (const xmlNode* import : imports) {
        if (m_stopped) {
            return;
        }
        Follow(import, holder, download);
    }
}

void DocumentSet::Follow(const xmlNode* import, const Holder& holder, const DownloadOptionsFor& download) {
    const std::string& holderAddress = holder.address;
    const bool wsdlImport = LocalName(import->parent) != "schema";
    const std::string location = GetAttributeText(import, wsdlImport ? "location" : "schemaLocation");
    if (TrimWhiteSpace(location).empty() ||
        (LocalName(import) == "import" && IsKnownNamespace(GetAttributeText(import, "namespace")))) {
        return;
    }
    const ResolvedImport resolved = ResolveImportLocation(holderAddress, location);
    if (!resolved.ok()) {
        Note(location, resolved.location == ImportLocation::NetworkShare ? load_msg::kImportNetworkShare
                                                                         : load_msg::kImportInvalidLocation);
        return;
    }
    const std::string& address = resolved.address;
    if (!MayImport(holderAddress, address)) {
        Note(address, IsHttpsAddress(holderAddress) ? load_msg::kImportHttpsOnly : load_msg::kImportWebOnly);
        return;
    }
    if (!MarkTried(address)) {
        return;
    }
    Document read;
    if (!Read(address, holder, read, download)) {
        return;
    }
    const xmlNode* root = xmlDocGetRootElement(read.xml.get());
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
    m_documents.push_back(std::move(read));
    FollowImportsOf(m_documents.size() - 1, download);
}

// Fetches, decodes and parses one imported document into read, with the address it was finally read from.
bool DocumentSet::Read(const std::string& asked, const Holder& holder, Document& read,
                       const DownloadOptionsFor& download) {
    HttpOptions http = download(asked);
    http.publicAddressesOnly = holder.publicWeb;
    if (IsCancelled(http.cancel)) {
        m_stopped = true;
        return false;
    }
    // The earlier of the walk's deadline and the run's bounds the download.
    http.deadline = std::min(http.deadline.value_or(m_deadline), m_deadline);
    if (std::chrono::steady_clock::now() >= *http.deadline) {
        StopForTime(asked, http);
        return false;
    }
    if (m_fetches == kMaxDocuments) {
        Note(asked, load_msg::kImportTooManyDocuments);
        m_stopped = true;
        return false;
    }
    ++m_fetches;
    // The download stops as soon as it is known to go past what is left of the total.
    http.maxBodyBytes = kMaxTotalBytes - m_bytes;
    HttpResponse fetched = FetchDocumentBytes(asked, http);
    if (fetched.limit == HttpLimit::TimeLimit) {
        StopForTime(asked, http);
        return false;
    }
    if (fetched.limit == HttpLimit::PrivateAddress) {
        Note(asked, load_msg::kImportPrivateAddress);
        return false;
    }
    if (fetched.limit != HttpLimit::BodySize && !fetched.ok()) {
        Note(asked, FailureNote(fetched));
        return false;
    }
    read.address = std::move(fetched.finalUrl);
    read.privateNetwork = fetched.privateNetwork;
    // Reached again through a redirect: already read under its final address.
    if (fetched.ok() && read.address != asked && !MarkTried(read.address)) {
        return false;
    }
    if (!fetched.ok() || m_bytes + fetched.body.size() > kMaxTotalBytes) {
        Note(asked, load_msg::kImportTooManyBytes);
        m_stopped = true;
        return false;
    }
    m_bytes += fetched.body.size();
    std::string text, message;
    if (!DecodeDocumentText(std::move(fetched.body), text, message) ||
        !ParseDescriptionText(text, read.xml, message)) {
        Note(asked, message);
        return false;
    }
    return true;
}

void DocumentSet::Note(const std::string& address, std::string_view reason) {
    m_notes.push_back(MakeImportNote(address, reason));
}

// Ends the walk at a document that time ran out for: the walk's own limit, or the time the whole run
// was given (http's deadline, when it came before the walk's).
void DocumentSet::StopForTime(const std::string& address, const HttpOptions& http) {
    Note(address, *http.deadline < m_deadline ? fetch_msg::kTimeLimitReached : load_msg::kImportTimeLimit);
    m_stopped = true;
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
