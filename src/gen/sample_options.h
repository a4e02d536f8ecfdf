#pragma once
// What a request holds beyond the envelope and the body's elements. Every option is off by default, and
// with all of them off the requests are the plain samples.

namespace quorvel {

struct SampleOptions {
    // The binding operation's header parts inside the Header, built as body parts are.
    bool headerParts = false;
    // The attributes complex types declare, on the start tags.
    bool attributes = false;
    // Values the simple types allow instead of "?", the first branch of each choice only, and each
    // element as often as it must occur.
    bool exampleValues = false;
    // A security header with a username token and a timestamp.
    bool wsSecurity = false;

    bool operator==(const SampleOptions&) const = default;
};

} // namespace quorvel
