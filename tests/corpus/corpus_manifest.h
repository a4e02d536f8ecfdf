#pragma once
// The list of real-world descriptions in the shared corpus folder and what is known about each.

#include <string>
#include <vector>

namespace quorvel::test {

struct CorpusEntry {
    std::string localFile; // path below the corpus folder
    int soapBindings = 0;  // SOAP 1.1 and 1.2 bindings in the WSDL namespace
    bool hasServiceElement = false;
    int soapBindingOperations = -1; // operations of SOAP bindings, -1 when the notes do not say
    std::string notes;
};

// Reads MANIFEST.tsv of the corpus folder; false with the reason when it is missing or unreadable.
bool ReadCorpusManifest(const std::string& corpusDir, std::vector<CorpusEntry>& entries,
                        std::string& problem);

} // namespace quorvel::test
