#pragma once
// The parsed documents of one load and what was read from them, kept past the load when asked for: the
// requests of the model can then be checked against the very schemas they were built from.

#include "load/document_set.h"
#include "model/wsdl_reader.h"
#include "xml/schema_index.h"

#include <utility>

namespace quorvel {

struct LoadedDocuments {
    explicit LoadedDocuments(DocumentSet set) : documents(std::move(set)) {}

    DocumentSet documents;
    // The definitions elements the description was read from, and the binding element of each binding
    // record of the model, in model order.
    DefinitionsList definitions;
    BindingElements bindings;
    SchemaIndex index;
};

} // namespace quorvel
