// Arbitrary bytes, as a description file, through the whole document path: reading the file, decoding,
// parsing, reading and the generation of every request. Besides crashes, leaks and undefined behaviour it aborts when a
// result breaks what the rest of the program relies on.
#include "fetch/text_decoding.h"
#include "fuzz_checks.h"
#include "gen/generation_limits.h"
#include "load_capture.h"
#include "request_check.h"
#include "xml/dom.h"
#include "xml/parsing.h"

#include <libxml/tree.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace {

using namespace quorvel;
using fuzz::IsValidUtf8;
using fuzz::Require;

// Lines of a request and the deepest indentation among them, in levels of three spaces.
struct RequestShape {
    size_t lines = 0;
    size_t deepestLevel = 0;
};

RequestShape Measure(std::string_view request) {
    RequestShape shape;
    size_t start = 0;
    while (start < request.size()) {
        size_t end = std::min(request.find('\n', start), request.size());
        std::string_view line = request.substr(start, end - start);
        shape.deepestLevel =
            std::max(shape.deepestLevel, std::min(line.find_first_not_of(' '), line.size()) / 3);
        ++shape.lines;
        start = end + 1;
    }
    return shape;
}

// Names reach the requests as they are written, so a request can only be well-formed when they are
// XML names: element, part and operation names, and the qualified names of refs and part elements.
bool NamesAreXmlNames(const xmlNode* node) {
    for (; node != nullptr; node = node->next) {
        if (node->type != XML_ELEMENT_NODE) {
            continue;
        }
        // A declaration, part or operation without a name is written with an empty one.
        std::string_view kind(reinterpret_cast<const char*>(node->name));
        if ((kind == "element" || kind == "part" || kind == "operation") &&
            !xmlHasProp(node, BAD_CAST "name") && !xmlHasProp(node, BAD_CAST "ref")) {
            return false;
        }
        for (const xmlAttr* attribute = node->properties; attribute != nullptr; attribute = attribute->next) {
            std::string_view name(reinterpret_cast<const char*>(attribute->name));
            const xmlChar* value = attribute->children != nullptr ? attribute->children->content : nullptr;
            bool qualified = name == "ref" || name == "element";
            if ((qualified || name == "name") && attribute->children != nullptr &&
                attribute->children->next != nullptr) {
                return false;
            }
            if ((name == "name" && (value == nullptr || xmlValidateNCName(value, 0) != 0)) ||
                (qualified && (value == nullptr || xmlValidateQName(value, 0) != 0))) {
                return false;
            }
        }
        if (!NamesAreXmlNames(node->children)) {
            return false;
        }
    }
    return true;
}

// Envelope start, Header, Body start, Body end, Envelope end.
constexpr size_t kEnvelopeLines = 5;

// Checks one request text and returns its shape.
RequestShape CheckRequestText(const std::string& request, bool namesAreXmlNames) {
    Require(IsValidUtf8(request), "request is not UTF-8");
    if (namesAreXmlNames && !request.empty()) {
        std::string problem = test::CheckRequest(request);
        if (!problem.empty()) {
            std::fprintf(stderr, "%s\n", problem.c_str());
        }
        Require(problem.empty(), "request is not sound XML");
    }
    RequestShape shape = Measure(request);
    Require(shape.lines <= kMaxRequestLines, "request longer than its bound");
    // The Envelope is the first level, written without indentation.
    Require(shape.deepestLevel < static_cast<size_t>(kMaxNestingDepth), "request nested too deep");
    return shape;
}

void CheckModel(bool loaded, const WsdlModel& model, const std::string& message, bool namesAreXmlNames) {
    Require(loaded == !model.empty(), "result disagrees with the model");
    Require(loaded == message.empty(), "message set on success or missing on failure");
    size_t generatedLines = 0;
    size_t requests = 0;
    const std::string* previous = nullptr;
    RequestShape shape;
    for (const WsdlService& service : model) {
        Require(!service.bindings.empty(), "service without binding");
        for (const WsdlBinding& binding : service.bindings) {
            Require(binding.soapVersion == SOAP_11 || binding.soapVersion == SOAP_12, "binding is not SOAP");
            for (const WsdlOperation& operation : binding.operations) {
                // Runs of identical requests (many operations sending one element) are checked once.
                if (previous == nullptr || *previous != operation.request) {
                    shape = CheckRequestText(operation.request, namesAreXmlNames);
                }
                previous = &operation.request;
                generatedLines += shape.lines > kEnvelopeLines ? shape.lines - kEnvelopeLines : 0;
                ++requests;
            }
        }
    }
    // A request cut by the load's bound may carry one note line beyond it.
    Require(generatedLines <= kMaxLoadLines + requests, "load generated more lines than its bound");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::string text;
    std::string message;
    const bool decoded = DecodeDocumentText(bytes, text, message);
    Require(decoded ? IsValidUtf8(text) : text.empty() && !message.empty(),
            "decoded text is not UTF-8, or failed decoding without message");
    const LoadResult load = test::LoadDocumentBytes(std::string(bytes));
    Require(decoded || !load.ok, "load succeeded where decoding failed");
    // The names are judged on the document as the load parsed it.
    const ParseResult parsed = load.ok ? ParseXmlText(text) : ParseResult{};
    CheckModel(load.ok, load.model, load.message,
               load.ok && NamesAreXmlNames(xmlDocGetRootElement(parsed.document.get())));
    return 0;
}
