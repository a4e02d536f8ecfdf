#pragma once
// The list of real-world descriptions in the shared corpus folder and what is known about each.

#include <map>
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

// One line of a tab-separated table: column name to value.
using TsvRow = std::map<std::string, std::string>;

// Reads a tab-separated table whose first line names the columns; false with the reason when the file is
// missing, lists nothing, or lacks one of the required columns.
bool ReadTsvTable(const std::string& path, const std::vector<std::string>& required,
                  std::vector<TsvRow>& rows, std::string& problem);

// Reads MANIFEST.tsv of the corpus folder; false with the reason when it is missing or unreadable.
bool ReadCorpusManifest(const std::string& corpusDir, std::vector<CorpusEntry>& entries,
                        std::string& problem);

} // namespace quorvel::test
