#pragma once
// A text that an XML Schema pattern probably matches, made by walking the pattern once: the first branch
// of each alternation, the least repetitions a quantifier allows (or one more), and a character each
// class or escape allows. Callers check the result against the pattern itself.

#include <string>
#include <string_view>

namespace quorvel {

// atLeastOnce: quantifiers that allow none take one instead, for patterns whose shortest text is
// refused by another facet (a minimum length).
std::string PatternExample(std::string_view pattern, bool atLeastOnce);

} // namespace quorvel
