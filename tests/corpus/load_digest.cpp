#include "load_digest.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string_view>

namespace quorvel::test {
namespace {

class Fnv1a64 {
public:
    // Each field is followed by a zero byte so that ("ab", "c") and ("a", "bc") differ.
    void Add(std::string_view field) {
        for (unsigned char c : field) {
            Mix(c);
        }
        Mix(0);
    }
    std::string Hex() const {
        char text[17];
        std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash_));
        return text;
    }

private:
    void Mix(unsigned char c) {
        hash_ ^= c;
        hash_ *= 0x100000001b3ULL;
    }
    uint64_t hash_ = 0xcbf29ce484222325ULL;
};

} // namespace

std::string DigestLoad(bool loaded, const WsdlModel& model, const std::string& message) {
    Fnv1a64 digest;
    if (!loaded) {
        digest.Add("failed");
        digest.Add(message);
        return digest.Hex();
    }
    for (const WsdlService& service : model) {
        digest.Add("service");
        digest.Add(service.name);
        for (const WsdlBinding& binding : service.bindings) {
            digest.Add("binding");
            digest.Add(binding.name);
            digest.Add(std::to_string(binding.soapVersion));
            for (const WsdlOperation& operation : binding.operations) {
                digest.Add("operation");
                digest.Add(operation.name);
                digest.Add(operation.request);
            }
        }
    }
    return digest.Hex();
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
