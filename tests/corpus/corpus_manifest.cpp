#include "corpus_manifest.h"

#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

namespace quorvel::test {
namespace {

std::vector<std::string> SplitTabs(const std::string& line) {
    std::vector<std::string> fields;
    std::istringstream in(line);
    std::string field;
    while (std::getline(in, field, '\t')) {
        fields.push_back(field);
    }
    return fields;
}

// "soap_binding_ops=N" among the notes, -1 without it.
int SoapBindingOperations(const std::string& notes) {
    const std::string key = "soap_binding_ops=";
    size_t at = notes.find(key);
    return at == std::string::npos ? -1 : std::atoi(notes.c_str() + at + key.size());
}

} // namespace

bool ReadCorpusManifest(const std::string& corpusDir, std::vector<CorpusEntry>& entries,
                        std::string& problem) {
    entries.clear();
    std::ifstream in(corpusDir + "/MANIFEST.tsv");
    std::string line;
    if (!in || !std::getline(in, line)) {
        problem = "the corpus manifest " + corpusDir + "/MANIFEST.tsv is missing or empty";
        return false;
    }
    std::map<std::string, size_t> column;
    std::vector<std::string> header = SplitTabs(line);
    for (size_t i = 0; i < header.size(); ++i) {
        column[header[i]] = i;
    }
    for (const char* name :
         {"local_file", "soap11_bindings", "soap12_bindings", "has_service_element", "notes"}) {
        if (!column.count(name)) {
            problem = std::string("the corpus manifest has no column ") + name;
            return false;
        }
    }
    while (std::getline(in, line)) {
        std::vector<std::string> fields = SplitTabs(line);
        fields.resize(header.size());
        CorpusEntry entry;
        entry.localFile = fields[column["local_file"]];
        entry.soapBindings = std::atoi(fields[column["soap11_bindings"]].c_str()) +
                             std::atoi(fields[column["soap12_bindings"]].c_str());
        entry.hasServiceElement = fields[column["has_service_element"]] == "yes";
        entry.notes = fields[column["notes"]];
        entry.soapBindingOperations = SoapBindingOperations(entry.notes);
        if (!entry.localFile.empty()) {
            entries.push_back(entry);
        }
    }
    if (entries.empty()) {
        problem = "the corpus manifest lists no file";
        return false;
    }
    return true;
}

} // namespace quorvel::test
