#pragma once
// One XML Schema made from every schema of a load's documents, for libxml2's validator: the schemas
// inside the descriptions and the schema documents read, each namespace gathered into one. Imports and
// includes among them are resolved within the loaded documents; nothing is fetched.

#include "load/document_set.h"

#include <libxml/xmlschemas.h>

#include <memory>
#include <string>

namespace quorvel {

class SchemaSet {
public:
    explicit SchemaSet(const DocumentSet& documents);
    ~SchemaSet();
    SchemaSet(const SchemaSet&) = delete;
    SchemaSet& operator=(const SchemaSet&) = delete;

    // The compiled schema, read only from then on; null when the schemas do not compile.
    xmlSchema* Schema() const { return m_schema; }
    // Why they do not compile: libxml2's first error.
    const std::string& Failure() const { return m_failure; }

private:
    xmlSchema* m_schema = nullptr;
    std::string m_failure;
};

} // namespace quorvel
