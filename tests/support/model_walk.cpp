#include "model_walk.h"

#include "model/model_walk.h"

#include <algorithm>

namespace quorvel::test {

void ForEachOperation(const WsdlModel& model,
                      const std::function<void(const WsdlBinding&, const WsdlOperation&)>& visit) {
    WalkModel(model, [&](const WsdlService&, const WsdlBinding& binding, const WsdlOperation& operation) {
        visit(binding, operation);
    });
}

std::vector<const WsdlOperation*> AllOperations(const WsdlModel& model) {
    std::vector<const WsdlOperation*> operations;
    ForEachOperation(
        model, [&](const WsdlBinding&, const WsdlOperation& operation) { operations.push_back(&operation); });
    return operations;
}

size_t CountLines(std::string_view text) {
    return text.empty() ? 0 : 1 + static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
}

} // namespace quorvel::test
