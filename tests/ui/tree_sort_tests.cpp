// The tree's text order: letter case ignored, accents and the alphabet respected.

#include "ui/tree_sort.h"

#include <gtest/gtest.h>

namespace quorvel::ui {
namespace {

int Sign(int value) {
    return (value > 0) - (value < 0);
}

TEST(TreeTextOrder, IgnoresCaseButNotAccents) {
    const struct {
        const char* a;
        const char* b;
        int order;
    } cases[] = {
        {"alpha", "Beta", -1}, // a byte comparison would put "Beta" first
        {"Beta", "alpha", 1},   {"aOp", "Mop", -1}, {"Mop", "zOp", -1}, {"GetOrder", "getorder", 0},
        {"ORDER", "order", 0},  {"e", "é", -1}, // an accent still counts
        {"é", "f", -1},                         // and sorts with its letter, not after "z"
        {"item2", "item10", 1},                 // digits compare as text
        {"", "a", -1},
    };
    const TreeTextOrder order;
    for (const auto& c : cases) {
        EXPECT_EQ(c.order, Sign(order.Compare(c.a, c.b))) << c.a << " vs " << c.b;
    }
}

} // namespace
} // namespace quorvel::ui
