#include "request_stats.h"

#include <algorithm>
#include <string_view>

namespace quorvel::bench {
namespace {

class Fnv1a {
public:
    // Each field is followed by a zero byte so that moving text between fields changes the digest.
    void Add(std::string_view text) {
        for (unsigned char c : text) {
            Mix(c);
        }
        Mix(0);
    }
    uint64_t Value() const { return m_hash; }

private:
    void Mix(unsigned char c) {
        m_hash ^= c;
        m_hash *= 0x100000001b3ULL;
    }
    uint64_t m_hash = 0xcbf29ce484222325ULL;
};

} // namespace

RequestStats MeasureRequests(const WsdlModel& model) {
    RequestStats stats;
    Fnv1a digest;
    for (const WsdlService& service : model) {
        digest.Add(service.name);
        for (const WsdlBinding& binding : service.bindings) {
            digest.Add(binding.name);
            for (const WsdlOperation& operation : binding.operations) {
                digest.Add(operation.name);
                digest.Add(operation.request);
                ++stats.operations;
                if (operation.request.empty()) {
                    continue;
                }
                ++stats.requests;
                stats.lines += 1 + std::count(operation.request.begin(), operation.request.end(), '\n');
                stats.bytes += operation.request.size();
            }
        }
    }
    stats.digest = digest.Value();
    return stats;
}

} // namespace quorvel::bench
