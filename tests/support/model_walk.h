#pragma once
// Walks over a loaded model and measures its request texts.

#include "model/wsdl_model.h"

#include <functional>
#include <string_view>
#include <vector>

namespace quorvel::test {

// Calls visit for every operation of the model, in model order, with the binding that holds it.
void ForEachOperation(const WsdlModel& model,
                      const std::function<void(const WsdlBinding&, const WsdlOperation&)>& visit);

// Every operation of the model, in model order.
std::vector<const WsdlOperation*> AllOperations(const WsdlModel& model);

// Lines of a text whose lines are joined by single line feeds; 0 for an empty text.
size_t CountLines(std::string_view text);

} // namespace quorvel::test
