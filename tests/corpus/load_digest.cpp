#include "load_digest.h"

#include "model/model_digest.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace quorvel::test {

std::string DigestLoadHex(bool loaded, const WsdlModel& model, const std::string& message) {
    char text[17];
    std::snprintf(text, sizeof text, "%016llx",
                  static_cast<unsigned long long>(DigestLoad(loaded, model, message)));
    return text;
}

bool ReadDigestTable(const std::string& path, DigestTable& table) {
    table.clear();
    std::ifstream in(path);
    if (!in) {
        return false;
    }
    std::string line;
    while (std::getline(in, line)) {
        size_t tab = line.find('\t');
        if (!line.empty() && line[0] != '#' && tab != std::string::npos) {
            table[line.substr(0, tab)] = line.substr(tab + 1);
        }
    }
    return true;
}

bool WriteDigestTable(const std::string& path, const DigestTable& table) {
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ignored);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << "# corpus file\tFNV-1a 64 of its load (regenerate with QUORVEL_UPDATE_DIGESTS=1)\n";
    for (const auto& [file, digest] : table) {
        out << file << '\t' << digest << '\n';
    }
    return static_cast<bool>(out);
}

} // namespace quorvel::test
