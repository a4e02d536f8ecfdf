#pragma once
// Where the location of an import leads, seen from the document that holds it, and which documents may
// read which addresses.

#include <string>
#include <string_view>

namespace quorvel {

// What the location of an import comes to.
enum class ImportLocation {
    Resolved,     // an address to read
    Invalid,      // no address at all
    NetworkShare, // a path on another machine (UNC, //host, a file: URL naming a host): never read
};

// A location resolved: the address to read when it came to one.
struct ResolvedImport {
    ImportLocation location = ImportLocation::Invalid;
    std::string address; // empty unless location is Resolved
    bool ok() const { return location == ImportLocation::Resolved; }
};

// Resolves location against the address of the document holding it: against a URL (the one the document
// was finally fetched from) by the rules of relative references; against a file path as a path relative to
// the file's folder, unless it is a web address. A "file:" URL is a path. A fragment is no part of the
// address: a location that is only a fragment is the holder itself.
ResolvedImport ResolveImportLocation(const std::string& holderAddress, std::string_view location);

// A document fetched over http or https reads only http and https addresses, one fetched over https only
// https ones; a local file reads anything.
bool MayImport(std::string_view holderAddress, std::string_view address);

// What a document is known by, so that it is read once: a URL as the URL parser writes it, without its
// fragment; a file path made absolute and normal.
std::string DocumentKey(const std::string& address);

} // namespace quorvel
