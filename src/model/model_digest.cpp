#include "model/model_digest.h"

#include "model/model_walk.h"

#include <string_view>

namespace quorvel {
namespace {

// Each field is followed by a zero byte so that ("ab", "c") and ("a", "bc") differ.
class Fnv1a64 {
public:
    void Add(std::string_view field);
    uint64_t Value() const { return m_hash; }

private:
    uint64_t m_hash = 0xcbf29ce484222325ULL;
};

void Fnv1a64::Add(std::string_view field) {
    for (unsigned char c : field) {
        m_hash = (m_hash ^ c) * 0x100000001b3ULL;
    }
    m_hash *= 0x100000001b3ULL; // the zero byte after the field
}

} // namespace

uint64_t DigestModel(const WsdlModel& model) {
    Fnv1a64 digest;
    WalkModel(model, ModelVisitor{
                         [&](const WsdlService& service) {
                             digest.Add("service");
                             digest.Add(service.name);
                         },
                         [&](const WsdlService&, const WsdlBinding& binding) {
                             digest.Add("binding");
                             digest.Add(binding.name);
                             digest.Add(std::to_string(binding.soapVersion));
                         },
                         [&](const WsdlService&, const WsdlBinding&, const WsdlOperation& operation) {
                             digest.Add("operation");
                             digest.Add(operation.name);
                             digest.Add(operation.request);
                         },
                     });
    return digest.Value();
}

uint64_t DigestLoad(bool loaded, const WsdlModel& model, const std::string& message) {
    if (loaded) {
        return DigestModel(model);
    }
    Fnv1a64 digest;
    digest.Add("failed");
    digest.Add(message);
    return digest.Value();
}

} // namespace quorvel
