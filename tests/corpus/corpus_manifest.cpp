#include "corpus_manifest.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
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

bool ReadTsvTable(const std::string& path, const std::vector<std::string>& required,
                  std::vector<TsvRow>& rows, std::string& problem) {
    rows.clear();
    std::ifstream in(path);
    std::string line;
    if (!in || !std::getline(in, line)) {
        problem = "the table " + path + " is missing or empty";
        return false;
    }
    const std::vector<std::string> header = SplitTabs(line);
    for (const std::string& name : required) {
        if (std::find(header.begin(), header.end(), name) == header.end()) {
            problem = "the table " + path + " has no column " + name;
            return false;
        }
    }
    while (std::getline(in, line)) {
        std::vector<std::string> fields = SplitTabs(line);
        fields.resize(header.size());
        TsvRow row;
        for (size_t i = 0; i < header.size(); ++i) {
            row[header[i]] = fields[i];
        }
        rows.push_back(std::move(row));
    }
    if (rows.empty()) {
        problem = "the table " + path + " lists nothing";
        return false;
    }
    return true;
}

bool ReadCorpusManifest(const std::string& corpusDir, std::vector<CorpusEntry>& entries,
                        std::string& problem) {
    entries.clear();
    std::vector<TsvRow> rows;
    if (!ReadTsvTable(corpusDir + "/MANIFEST.tsv",
                      {"local_file", "soap11_bindings", "soap12_bindings", "has_service_element", "notes"},
                      rows, problem)) {
        return false;
    }
    for (TsvRow& row : rows) {
        CorpusEntry entry;
        entry.localFile = row["local_file"];
        entry.soapBindings =
            std::atoi(row["soap11_bindings"].c_str()) + std::atoi(row["soap12_bindings"].c_str());
        entry.hasServiceElement = row["has_service_element"] == "yes";
        entry.notes = row["notes"];
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
