#pragma once
// Sample XML instances from schema declarations: "?" where a value belongs, an empty element where a
// type has no element content, and comments for optional, repeated and alternative items.

#include "gen/declaration_facts.h"
#include "gen/declared_attributes.h"
#include "gen/example_values.h"
#include "gen/generation_limits.h"
#include "gen/sample_options.h"
#include "xml/dom.h"
#include "xml/prefix_registry.h"
#include "xml/schema_index.h"

#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

// Generated lines, each stored behind its own line feed so that callers can splice them as they are.
struct LineList {
    std::string text;
    size_t count = 0;
};

// The built-in type names taken as such when a type name carries no namespace.
bool IsBuiltinTypeName(std::string_view localName);

// An element the caller spells out: its qualified name, its attributes (` name="value"` each, escaped),
// and either its value (escaped) or its children.
struct FixedElement {
    std::string name;
    std::string attributes;
    std::string value;
    std::vector<FixedElement> children;
};

// Writes into one growing LineList. Stops adding element lines when the line bound or the byte bound
// would be passed, leaving that bound's note where it stopped and still closing every element it opened.
// The bytes are those of the lines together with the namespace declarations the registry holds.
class SampleWriter {
public:
    // sharedFacts, when given, keeps what was read from declarations for the writers of later requests;
    // without it the writer reads into facts of its own.
    // options: the attributes and example values choices; the others belong to the envelope.
    SampleWriter(const SchemaIndex& schemaIndex, PrefixRegistry& prefixRegistry, WriteBound lineBound,
                 WriteBound byteBound, DeclarationFacts* sharedFacts = nullptr,
                 const SampleOptions& options = {});

    void WriteElement(std::string_view localName, const std::string& namespaceName, const xmlNode* context,
                      std::string_view typeName, const xmlNode* typeNode, int minOccurs, int maxOccurs,
                      int depth);
    void WriteGlobalElement(const xmlNode* element, int depth, int minOccurs, int maxOccurs);
    void WriteParticleElement(const xmlNode* element, int depth);
    void WriteModelGroup(const xmlNode* group, int depth, bool isChoice);
    void WriteTypeContent(const xmlNode* type, int depth);
    void WriteComplexContent(const xmlNode* complexContent, int depth);
    void WriteFixedElement(const FixedElement& element, int depth);

    const LineList& Lines() const { return m_lines; }
    bool Truncated() const { return m_truncated; }
    // True when the writer stopped at its byte bound.
    bool StoppedByBytes() const { return m_stoppedByBytes; }
    // The fewest bytes any line written so far left below the byte bound, room for the note included:
    // a writer whose registry's declarations take that many bytes more writes the same lines.
    size_t ByteHeadroom() const { return m_byteHeadroom; }
    // What the writing cost, in lines: those written, those written and dropped again, and the steps
    // that wrote nothing (expansions of bases and groups without elements), kStepsPerLine to a line.
    size_t LinesSpent() const { return std::max(m_lines.count + m_droppedLines, m_steps / kStepsPerLine); }

private:
    // closes: the name of the element the line opens, if it opens one.
    bool Emit(int depth, std::initializer_list<std::string_view> parts, std::string_view closes = {});
    void Close(int depth, std::string_view name);
    void WriteTruncationNote(int depth, const std::string& note);
    // Bytes of the lines and of the registry's declarations so far.
    size_t BytesSpent();
    bool CanRecurse() const { return m_recursion < kMaxWriterRecursion; }
    void WriteModelGroupsOf(const xmlNode* node, int depth);
    void WriteElementOnce(const std::string& name, const xmlNode* context, std::string_view typeName,
                          const xmlNode* typeNode, bool builtin, int depth);
    // The text of a leaf: "?", or with example values one the type allows.
    std::string LeafValue(const xmlNode* context, std::string_view typeName, const xmlNode* typeNode);
    // A model group reference's group, with example values; null otherwise, when it is not known, or when
    // it is being expanded on the current path.
    const xmlNode* ReferencedGroup(const xmlNode* reference);
    void WriteParticle(const xmlNode* particle, int depth);

    const SchemaIndex& m_index;
    std::unique_ptr<DeclarationFacts> m_ownFacts;
    DeclarationFacts& m_facts;
    PrefixRegistry& m_prefixRegistry;
    SampleOptions m_options;
    std::unique_ptr<ExampleValues> m_examples;
    std::unique_ptr<DeclaredAttributes> m_attributes;
    // The types being expanded on the current path, outermost element to current one. A type is
    // never entered while it is here, so each is held once and a set serves as the stack. Types are
    // held by their node: a named type is the one node the index holds under its qualified name, and
    // an inline type is no child of a schema and so never indexed, so nodes tell apart exactly what
    // (namespace, name) and ("anon", node identity) keys would.
    std::set<const xmlNode*> m_typeStack;
    LineList m_lines;
    WriteBound m_lineBound;
    WriteBound m_byteBound;
    // Room kept for the note at any depth, so that a note always fits where the writer stops.
    size_t m_noteReserve;
    size_t m_pendingCloses = 0;
    size_t m_pendingCloseBytes = 0;
    size_t m_droppedLines = 0;
    size_t m_steps = 0;
    size_t m_declarationsCounted = 0;
    size_t m_declarationBytes = 0;
    size_t m_byteHeadroom;
    bool m_truncated = false;
    bool m_stoppedByBytes = false;
    int m_recursion = 0;
};

} // namespace quorvel
