#include "ui/tree_outline.h"

#include "fetch/cancel_flag.h"
#include "model/model_walk.h"
#include "ui/tree_sort.h"
#include "ui/utf8_text.h"

#include <algorithm>
#include <numeric>
#include <string>

namespace quorvel::ui {

namespace {

// The positions of records in the order of their names, equal names in the records' own order.
template <typename Record>
std::vector<size_t> SortedByName(const std::vector<Record>& records, const TreeTextOrder& order) {
    std::vector<size_t> positions(records.size());
    std::iota(positions.begin(), positions.end(), size_t{0});
    std::stable_sort(positions.begin(), positions.end(), [&](size_t a, size_t b) {
        return order.Compare(records[a].name, records[b].name) < 0;
    });
    return positions;
}

OutlineNode MakeNode(OutlineLevel level, const std::string& name, const TreeRecord& record) {
    OutlineNode node;
    node.level = level;
    node.text = FromUtf8(name);
    node.record = record;
    if (level == OutlineLevel::Operation) {
        node.lowerText = node.text.Lower();
    }
    return node;
}

} // namespace

TreeContent MakeTreeContent(const WsdlModel& model, const std::atomic<bool>* cancel) {
    const TreeTextOrder order;
    TreeContent content;
    std::vector<OutlineNode> nodes;
    // Where each binding's request copies begin, in model order.
    std::vector<std::vector<size_t>> firstRequest;
    const bool cancelled = WalkModel(
        model, ModelVisitor{
                   [&](const WsdlService&) { firstRequest.emplace_back(); },
                   [&](const WsdlService&, const WsdlBinding&) {
                       firstRequest.back().push_back(content.requestTexts.size());
                   },
                   [&](const WsdlService&, const WsdlBinding&, const WsdlOperation& operation) {
                       if (IsCancelled(cancel)) {
                           return true;
                       }
                       content.requestTexts.push_back(
                           std::make_unique<wxString>(FromUtf8(operation.request)));
                       return false;
                   },
               });
    if (cancelled) {
        return {};
    }
    for (const size_t s : SortedByName(model, order)) {
        const WsdlService& service = model[s];
        nodes.push_back(MakeNode(OutlineLevel::Service, service.name, TreeRecord{&service}));
        for (const size_t b : SortedByName(service.bindings, order)) {
            const WsdlBinding& binding = service.bindings[b];
            nodes.push_back(MakeNode(OutlineLevel::Binding, binding.name, TreeRecord{&service, &binding}));
            for (const size_t o : SortedByName(binding.operations, order)) {
                const WsdlOperation& operation = binding.operations[o];
                const wxString* request = content.requestTexts[firstRequest[s][b] + o].get();
                nodes.push_back(MakeNode(OutlineLevel::Operation, operation.name,
                                         TreeRecord{&service, &binding, &operation, request}));
            }
        }
    }
    content.outline = TreeOutline(std::move(nodes));
    return content;
}

std::vector<bool> TreeOutline::Visible(const wxString& lowerFilter) const {
    std::vector<bool> visible(m_nodes.size(), lowerFilter.empty());
    if (lowerFilter.empty()) {
        return visible;
    }
    size_t service = 0;
    size_t binding = 0;
    for (size_t i = 0; i < m_nodes.size(); ++i) {
        switch (m_nodes[i].level) {
        case OutlineLevel::Service:
            service = i;
            break;
        case OutlineLevel::Binding:
            binding = i;
            break;
        case OutlineLevel::Operation:
            if (m_nodes[i].lowerText.Contains(lowerFilter)) {
                visible[i] = visible[binding] = visible[service] = true;
            }
            break;
        }
    }
    return visible;
}

} // namespace quorvel::ui
