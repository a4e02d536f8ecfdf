#pragma once
// The documents of one load: the root, and, when imports are followed, every document it reaches, each
// read once. The set owns the parsed documents for the whole load.

#include "fetch/http_get.h"
#include "load/import_note.h"
#include "model/wsdl_reader.h"
#include "xml/dom.h"
#include "xml/parsing.h"
#include "xml/schema_index.h"

#include <chrono>
#include <cstddef>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

// The bytes of a URL (one GET with the given options, redirects followed) or of a file, as the body of a
// response whose finalUrl is where they came from (for a file, its path).
HttpResponse FetchDocumentBytes(const std::string& address, const HttpOptions& download = {});

// The download options for the document at an address.
using DownloadOptionsFor = std::function<HttpOptions(const std::string& address)>;

// Parses decoded text; false with the load's parse message when it is not well-formed.
bool ParseDescriptionText(const std::string& text, XmlDocument& document, std::string& message);

class DocumentSet {
public:
    // The root document, read from address (after redirects) as bytes bytes; privateNetwork when it came
    // from this machine or a private network.
    DocumentSet(XmlDocument root, const std::string& address, size_t bytes, bool privateNetwork);

    // Reads the documents the root imports, depth first: each import element in document order, the
    // document it reaches followed at once by those that one reaches. Web documents read only web
    // addresses (https ones only https) and, when they came from a public address, no address of this
    // machine or a private network; at most 100 documents and 64 MiB are read, imports of the
    // namespaces the program knows by heart are not fetched, and what is not read becomes a note.
    // Stops when the download options' cancel flag is set, and with a note at the walk's deadline (or the
    // download options' own, whichever comes first): no download goes on past it.
    void FollowImports(const DownloadOptionsFor& download, std::chrono::steady_clock::time_point deadline);

    // The root element of the root document, then the definitions elements of the other WSDL documents.
    DefinitionsList Definitions() const;
    // Indexes the schemas of every document in set order; included schemas without a namespace of their
    // own take their includer's.
    void IndexSchemas(SchemaIndex& index) const;

    size_t Size() const { return m_documents.size(); }
    // The parsed document at a position of the set (the root first), and the address it was read from.
    const xmlDoc* DocumentAt(size_t position) const { return m_documents[position].xml.get(); }
    const std::string& AddressAt(size_t position) const { return m_documents[position].address; }
    const std::vector<ImportNote>& Notes() const { return m_notes; }

private:
    struct Document {
        XmlDocument xml;
        std::string address;
        bool privateNetwork = false; // a web document from this machine or a private network
    };
    // What the imports of a document depend on: its address, and whether it came from a public one.
    struct Holder {
        std::string address;
        bool publicWeb = false;
    };

    void FollowImportsOf(size_t document, const DownloadOptionsFor& download);
    void Follow(const xmlNode* import, const Holder& holder, const DownloadOptionsFor& download);
    bool Read(const std::string& asked, const Holder& holder, Document& read,
              const DownloadOptionsFor& download);
    void Note(const std::string& address, std::string_view reason);
    void StopForTime(const std::string& address, const HttpOptions& http);
    bool MarkTried(const std::string& address);

    std::vector<Document> m_documents;
    std::vector<ImportNote> m_notes;
    std::set<std::string> m_keys;
    // Included schemas without a namespace of their own, with the one their includer gave them.
    std::map<const xmlNode*, std::string> m_adopted;
    size_t m_fetches = 1;
    size_t m_bytes;
    std::chrono::steady_clock::time_point m_deadline;
    bool m_stopped = false;
};

} // namespace quorvel
