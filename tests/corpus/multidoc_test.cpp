// Loads every root of the multi-document corpus with its imports followed: sound requests, every root whose
// documents are all there and hold a SOAP binding loads, and no part element that a document of the root's
// closure declares comes out as an empty element. Prints how many requests hold no value at all, with
// imports followed and without.
#include "corpus_manifest.h"
#include "load_capture.h"
#include "model_walk.h"
#include "request_check.h"
#include "temp_dir.h"
#include "test_http_server.h"

#include "xml/dom.h"
#include "xml/parsing.h"
#include "xml/namespaces.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>
#include <map>
#include <set>

namespace quorvel::test {
namespace {

const std::string kMultidocDir = QUORVEL_CORPUS_MULTIDOC_DIR;

// Absolute web imports must not reach the network during the tests: every download goes to a proxy
// that does not exist and fails at once.
void CutOffTheNetwork() {
    const std::string nowhere = "http://127.0.0.1:" + std::to_string(UnusedLoopbackPort());
    for (const char* name : {"http_proxy", "https_proxy", "HTTPS_PROXY", "all_proxy", "ALL_PROXY"}) {
        setenv(name, nowhere.c_str(), 1);
    }
    setenv("no_proxy", "", 1);
    setenv("NO_PROXY", "", 1);
}

// The global elements and types that the schemas of a root's closure declare.
struct Declarations {
    std::map<QualifiedName, const xmlNode*> elements;
    std::map<QualifiedName, const xmlNode*> types;

    void Collect(const xmlNode* node) {
        for (const xmlNode* child = node == nullptr ? nullptr : node->children; child != nullptr;
             child = child->next) {
            if (child->type != XML_ELEMENT_NODE) {
                continue;
            }
            if (LocalName(node) == "schema") {
                const QualifiedName name(GetAttributeText(node, "targetNamespace"),
                                         GetAttributeText(child, "name"));
                if (LocalName(child) == "element") {
                    elements.emplace(name, child);
                } else if (LocalName(child) == "complexType" || LocalName(child) == "simpleType") {
                    types.emplace(name, child);
                }
            }
            Collect(child);
        }
    }

    // Whether a sample of the type holds a value or an element: a simple type, or a complex type without
    // simple content that declares an element, itself or through the base it extends.
    bool HasContent(const xmlNode* type, int depth = 0) const {
        if (type == nullptr || depth > 32 || LocalName(type) == "simpleType") {
            return type != nullptr;
        }
        for (const xmlNode* child = type->children; child != nullptr; child = child->next) {
            if (child->type != XML_ELEMENT_NODE || LocalName(child) == "simpleContent") {
                continue;
            }
            if (LocalName(child) == "element" || HasContent(child, depth + 1)) {
                return true;
            }
            if (LocalName(child) == "extension") {
                std::string namespaceName, localName;
                ResolveQName(child, GetAttributeText(child, "base"), namespaceName, localName);
                auto base = types.find({namespaceName, localName});
                if (base != types.end() && HasContent(base->second, depth + 1)) {
                    return true;
                }
            }
        }
        return false;
    }

    // Whether the global element of that name is declared with a type that holds a value or an element.
    bool DeclaresWithContent(const QualifiedName& name) const {
        auto element = elements.find(name);
        if (element == elements.end()) {
            return false;
        }
        const xmlNode* declaration = element->second;
        const std::string typeName = GetAttributeText(declaration, "type");
        if (typeName.empty()) {
            return HasContent(FindChildElement(declaration, "simpleType")) ||
                   HasContent(FindChildElement(declaration, "complexType"));
        }
        std::string namespaceName, localName;
        ResolveQName(declaration, typeName, namespaceName, localName);
        auto type = types.find({namespaceName, localName});
        return namespaceName == NS_XSD || (type != types.end() && HasContent(type->second));
    }
};

// Body children of a request that are empty elements although the closure declares them with content.
std::vector<std::string> PartsLeftEmpty(const std::string& request, const Declarations& declared) {
    std::vector<std::string> empty;
    const ParseResult parsed = ParseXmlText(request);
    const xmlNode* body = FindChildElement(xmlDocGetRootElement(parsed.document.get()), "Body");
    for (const xmlNode* part = body == nullptr ? nullptr : body->children; part; part = part->next) {
        const std::string namespaceName(NamespaceName(part));
        const std::string localName(LocalName(part));
        if (part->type == XML_ELEMENT_NODE && part->children == nullptr &&
            declared.DeclaresWithContent({namespaceName, localName})) {
            empty.push_back("{" + namespaceName + "}" + localName);
        }
    }
    return empty;
}

// Requests that hold no value anywhere: empty text, or elements without a single "?".
struct Figures {
    size_t roots = 0;
    size_t loaded = 0;
    size_t requests = 0;
    size_t withoutValue = 0;

    void Add(const LoadResult& load) {
        ++roots;
        loaded += load.ok ? 1 : 0;
        ForEachOperation(load.model, [this](const WsdlBinding&, const WsdlOperation& operation) {
            ++requests;
            withoutValue += operation.request.find(">?<") == std::string::npos ? 1 : 0;
        });
    }
    std::string Text() const {
        return std::to_string(loaded) + " of " + std::to_string(roots) + " roots load; " +
               std::to_string(withoutValue) + " of " + std::to_string(requests) + " requests (" +
               std::to_string(requests == 0 ? 0 : 100 * withoutValue / requests) + " %) hold no value";
    }
};

TEST(MultidocCorpus, EveryRootLoadsWithItsImportsIntoSoundRequests) {
    std::vector<TsvRow> roots, references;
    std::string problem;
    ASSERT_TRUE(ReadTsvTable(kMultidocDir + "/MANIFEST.tsv",
                             {"root", "closure", "root_has_soap_binding", "binding_only_in_imported"}, roots,
                             problem))
        << problem;
    ASSERT_TRUE(ReadTsvTable(kMultidocDir + "/REFS.tsv", {"root", "status", "resolved"}, references, problem))
        << problem;
    CutOffTheNetwork();
    LoadOptions following;
    following.followImports = true;
    Figures before, after;
    for (const TsvRow& row : roots) {
        const std::string root = row.at("root");
        SCOPED_TRACE(root);
        const bool qualifies =
            row.at("closure") == "complete" &&
            (row.at("root_has_soap_binding") == "yes" || row.at("binding_only_in_imported") == "yes");
        const LoadResult single = LoadAddress(kMultidocDir + "/" + root);
        const LoadResult load = LoadAddress(kMultidocDir + "/" + root, following);
        if (qualifies) {
            before.Add(single);
            after.Add(load);
            EXPECT_TRUE(load.ok) << load.message;
        }
        std::set<std::string> files = {root};
        for (const TsvRow& reference : references) {
            if (reference.at("root") == root && reference.at("status") == "resolved") {
                files.insert(reference.at("resolved"));
            }
        }
        Declarations declared;
        std::vector<ParseResult> closure;
        for (const std::string& file : files) {
            closure.push_back(ParseXmlText(ReadFileBytes(kMultidocDir + "/" + file)));
            declared.Collect(xmlDocGetRootElement(closure.back().document.get()));
        }
        ForEachOperation(load.model, [&](const WsdlBinding& binding, const WsdlOperation& operation) {
            if (operation.request.empty()) {
                return;
            }
            EXPECT_EQ(CheckRequest(operation.request), "") << binding.name << "/" << operation.name;
            for (const std::string& part : PartsLeftEmpty(operation.request, declared)) {
                ADD_FAILURE() << binding.name << "/" << operation.name << ": " << part << " left empty";
            }
        });
    }
    std::cout << "roots with every document and a SOAP binding, imports not followed: " << before.Text()
              << "\n                                               imports followed: " << after.Text()
              << std::endl;
}

} // namespace
} // namespace quorvel::test
