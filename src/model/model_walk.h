#pragma once
// The one walk of a model: services, their bindings, their operations, in model order.

#include "model/wsdl_model.h"

#include <concepts>
#include <type_traits>

namespace quorvel {

// Several lambdas as one visitor, each for the level its parameters name.
template <typename... Visit> struct ModelVisitor : Visit... { using Visit::operator()...; };
// Spelled out for compilers that do not yet deduce an aggregate's template arguments.
template <typename... Visit> ModelVisitor(Visit...) -> ModelVisitor<Visit...>;

namespace model_walk {

// Calls visit with the records when it takes them; true when it returned true, which ends the walk.
template <typename Visit, typename... Record> bool Call(Visit& visit, Record&... records) {
    if constexpr (!std::invocable<Visit&, Record&...>) {
        return false;
    } else if constexpr (std::same_as<std::invoke_result_t<Visit&, Record&...>, bool>) {
        return visit(records...);
    } else {
        visit(records...);
        return false;
    }
}

} // namespace model_walk

// Walks model (const or not) and calls visit(service), visit(service, binding) and
// visit(service, binding, operation) for the levels visit takes. A call that returns true ends the walk,
// and WalkModel returns true.
template <typename Model, typename Visit> bool WalkModel(Model& model, Visit&& visit) {
    for (auto& service : model) {
        if (model_walk::Call(visit, service)) {
            return true;
        }
        for (auto& binding : service.bindings) {
            if (model_walk::Call(visit, service, binding)) {
                return true;
            }
            for (auto& operation : binding.operations) {
                if (model_walk::Call(visit, service, binding, operation)) {
                    return true;
                }
            }
        }
    }
    return false;
}

} // namespace quorvel
