#include "validate/schema_set.h"

#include "fetch/import_address.h"
#include "xml/dom.h"
#include "xml/memory_resources.h"
#include "xml/namespaces.h"

#include <map>
#include <vector>

namespace quorvel {
namespace {

// Addresses the parts of the schema are served under, from memory only.
constexpr std::string_view kAddressPrefix = "quorvel-schema:/";
constexpr const char* kMainNamespace = "urn:quorvel:validation";
const std::string kXmlSchemaAddress = std::string(kAddressPrefix) + "xml.xsd";

// The attributes of the namespace bound to the prefix xml, which every document may use.
constexpr std::string_view kXmlSchema =
    "<xs:schema xmlns:xs=\"http://www.w3.org/2001/XMLSchema\" "
    "targetNamespace=\"http://www.w3.org/XML/1998/namespace\">"
    "<xs:attribute name=\"lang\"><xs:simpleType><xs:union memberTypes=\"xs:language\"><xs:simpleType>"
    "<xs:restriction base=\"xs:string\"><xs:enumeration value=\"\"/></xs:restriction></xs:simpleType>"
    "</xs:union></xs:simpleType></xs:attribute>"
    "<xs:attribute name=\"space\"><xs:simpleType><xs:restriction base=\"xs:NCName\">"
    "<xs:enumeration value=\"default\"/><xs:enumeration value=\"preserve\"/></xs:restriction>"
    "</xs:simpleType></xs:attribute>"
    "<xs:attribute name=\"base\" type=\"xs:anyURI\"/><xs:attribute name=\"id\" type=\"xs:ID\"/>"
    "<xs:attributeGroup name=\"specialAttrs\"><xs:attribute ref=\"xml:base\"/>"
    "<xs:attribute ref=\"xml:lang\"/><xs:attribute ref=\"xml:space\"/><xs:attribute ref=\"xml:id\"/>"
    "</xs:attributeGroup></xs:schema>";

// A schema element of a loaded document: inside a description, or a schema document itself.
struct Piece {
    const xmlNode* schema;
    size_t document;
    std::string targetNamespace;
    std::string address;
    bool included = false;
};

void CollectPieces(const xmlNode* node, size_t document, std::vector<Piece>& pieces) {
    if (LocalName(node) == "schema" && NamespaceName(node) == NS_XSD) {
        pieces.push_back({node, document, GetAttributeText(node, "targetNamespace"),
                          std::string(kAddressPrefix) + "piece" + std::to_string(pieces.size()) + ".xsd"});
        return;
    }
    for (const xmlNode* child = node->children; child != nullptr; child = child->next) {
        if (child->type == XML_ELEMENT_NODE) {
            CollectPieces(child, document, pieces);
        }
    }
}

bool IsInclusion(std::string_view kind) {
    return kind == "include" || kind == "redefine";
}

std::string Serialize(xmlDoc* document) {
    xmlChar* text = nullptr;
    int size = 0;
    xmlDocDumpMemory(document, &text, &size);
    std::string serialized(reinterpret_cast<const char*>(text),
                           text == nullptr ? 0 : static_cast<size_t>(size));
    xmlFree(text);
    return serialized;
}

XmlDocument NewSchemaDocument(const std::string& targetNamespace, xmlNode*& root) {
    XmlDocument document(xmlNewDoc(BAD_CAST "1.0"));
    root = xmlNewDocNode(document.get(), nullptr, BAD_CAST "schema", nullptr);
    xmlSetNs(root, xmlNewNs(root, BAD_CAST NS_XSD, BAD_CAST "xs"));
    if (!targetNamespace.empty()) {
        xmlNewProp(root, BAD_CAST "targetNamespace", BAD_CAST targetNamespace.c_str());
    }
    xmlDocSetRootElement(document.get(), root);
    return document;
}

void AddReference(xmlNode* root, const char* kind, const std::string* namespaceName,
                  const std::string& address) {
    xmlNode* reference = xmlNewChild(root, root->ns, BAD_CAST kind, nullptr);
    if (namespaceName != nullptr && !namespaceName->empty()) {
        xmlNewProp(reference, BAD_CAST "namespace", BAD_CAST namespaceName->c_str());
    }
    xmlNewProp(reference, BAD_CAST "schemaLocation", BAD_CAST address.c_str());
}

// Gathers the pieces, works out which are included by others, and serves every part from memory.
class SchemaSources {
public:
    explicit SchemaSources(const DocumentSet& documents) : m_documents(documents) {
        for (size_t document = 0; document < documents.Size(); ++document) {
            m_byKey.emplace(DocumentKey(documents.AddressAt(document)), document);
            CollectPieces(xmlDocGetRootElement(documents.DocumentAt(document)), document, m_pieces);
        }
        for (const Piece& piece : m_pieces) {
            for (const xmlNode* child = piece.schema->children; child != nullptr; child = child->next) {
                Piece* included = IsInclusion(LocalName(child)) ? Included(piece, child) : nullptr;
                if (included != nullptr) {
                    included->included = true;
                }
            }
        }
        AddNamespaces();
        for (const Piece& piece : m_pieces) {
            m_resources[piece.address] = CopyPiece(piece);
        }
        m_resources[kXmlSchemaAddress] = std::string(kXmlSchema);
    }

    // The schema that imports every namespace.
    std::string Main() const {
        xmlNode* root = nullptr;
        XmlDocument document = NewSchemaDocument(kMainNamespace, root);
        for (const auto& [namespaceName, address] : m_namespaces) {
            AddReference(root, "import", &namespaceName, address);
        }
        return Serialize(document.get());
    }

    const std::map<std::string, std::string>& Resources() const { return m_resources; }

private:
    // The piece an include or redefine names, when it is one of the loaded documents.
    Piece* Included(const Piece& holder, const xmlNode* reference) {
        const ResolvedImport resolved = ResolveImportLocation(m_documents.AddressAt(holder.document),
                                                             GetAttributeText(reference, "schemaLocation"));
        if (!resolved.ok()) {
            return nullptr;
        }
        const auto document = m_byKey.find(DocumentKey(resolved.address));
        if (document == m_byKey.end()) {
            return nullptr;
        }
        const xmlNode* root = xmlDocGetRootElement(m_documents.DocumentAt(document->second));
        for (Piece& piece : m_pieces) {
            if (piece.schema == root) {
                return &piece;
            }
        }
        return nullptr;
    }

    // One address per namespace: its piece, or a schema including all its pieces.
    void AddNamespaces() {
        std::map<std::string, std::vector<const Piece*>> byNamespace;
        for (const Piece& piece : m_pieces) {
            if (!piece.included) {
                byNamespace[piece.targetNamespace].push_back(&piece);
            }
        }
        for (const auto& [namespaceName, pieces] : byNamespace) {
            if (pieces.size() == 1) {
                m_namespaces[namespaceName] = pieces.front()->address;
                continue;
            }
            xmlNode* root = nullptr;
            XmlDocument hub = NewSchemaDocument(namespaceName, root);
            for (const Piece* piece : pieces) {
                AddReference(root, "include", nullptr, piece->address);
            }
            const std::string address =
                std::string(kAddressPrefix) + "namespace" + std::to_string(m_namespaces.size()) + ".xsd";
            m_namespaces[namespaceName] = address;
            m_resources[address] = Serialize(hub.get());
        }
    }

    // A piece as a document of its own: the declarations in scope where it stood go along (type names
    // use them), and its imports and includes name the memory addresses of the loaded documents.
    std::string CopyPiece(const Piece& piece) {
        XmlDocument document(xmlNewDoc(BAD_CAST "1.0"));
        xmlNode* copy = xmlDocCopyNode(const_cast<xmlNode*>(piece.schema), document.get(), 1);
        xmlDocSetRootElement(document.get(), copy);
        if (xmlNs** inScope = xmlGetNsList(piece.schema->doc, piece.schema)) {
            for (xmlNs** ns = inScope; *ns != nullptr; ++ns) {
                if (xmlSearchNs(document.get(), copy, (*ns)->prefix) == nullptr) {
                    xmlNewNs(copy, (*ns)->href, (*ns)->prefix);
                }
            }
            xmlFree(inScope);
        }
        xmlNode* original = piece.schema->children;
        for (xmlNode* child = copy->children; child != nullptr;
             child = child->next, original = original->next) {
            const std::string_view kind = LocalName(child);
            if (kind == "import") {
                const std::string namespaceName = GetAttributeText(child, "namespace");
                const auto found = m_namespaces.find(namespaceName);
                if (found != m_namespaces.end() && namespaceName != piece.targetNamespace) {
                    xmlSetProp(child, BAD_CAST "schemaLocation", BAD_CAST found->second.c_str());
                } else if (namespaceName == NS_XML) {
                    xmlSetProp(child, BAD_CAST "schemaLocation", BAD_CAST kXmlSchemaAddress.c_str());
                } else {
                    xmlUnsetProp(child, BAD_CAST "schemaLocation");
                }
            } else if (IsInclusion(kind)) {
                // One not loaded keeps its location, which nothing serves: the schemas then do not compile.
                if (const Piece* included = Included(piece, original)) {
                    xmlSetProp(child, BAD_CAST "schemaLocation", BAD_CAST included->address.c_str());
                }
            }
        }
        return Serialize(document.get());
    }

    const DocumentSet& m_documents;
    std::map<std::string, size_t> m_byKey;
    std::vector<Piece> m_pieces;
    std::map<std::string, std::string> m_namespaces;
    std::map<std::string, std::string> m_resources;
};

struct ParserContextFree {
    void operator()(xmlSchemaParserCtxt* context) const { xmlSchemaFreeParserCtxt(context); }
};

void KeepFirstError(void* failure, xmlErrorPtr error) {
    auto* text = static_cast<std::string*>(failure);
    if (error != nullptr && error->level >= XML_ERR_ERROR && text->empty()) {
        *text = OneLineMessage(error->message);
    }
}

} // namespace

SchemaSet::SchemaSet(const DocumentSet& documents) {
    const SchemaSources sources(documents);
    const std::string main = sources.Main();
    const MemoryResourceScope scope(sources.Resources());
    std::unique_ptr<xmlSchemaParserCtxt, ParserContextFree> parser(
        xmlSchemaNewMemParserCtxt(main.data(), static_cast<int>(main.size())));
    if (parser == nullptr) {
        throw std::bad_alloc();
    }
    xmlSchemaSetParserStructuredErrors(parser.get(), KeepFirstError, &m_failure);
    m_schema = xmlSchemaParse(parser.get());
    if (m_schema == nullptr && m_failure.empty()) {
        m_failure = "?";
    }
}

SchemaSet::~SchemaSet() {
    if (m_schema != nullptr) {
        xmlSchemaFree(m_schema);
    }
}

} // namespace quorvel
