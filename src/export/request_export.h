#pragma once
// Writing requests of a load into a directory, one file each, with an index of what went where.

#include "model/wsdl_model.h"

#include <atomic>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

// One operation of a model and the records it stands in; borrowed from the model.
struct RequestRecord {
    const WsdlService* service;
    const WsdlBinding* binding;
    const WsdlOperation* operation;
};

// The index file that ExportRequests writes next to the requests.
inline constexpr std::string_view kRequestIndexFileName = "index.tsv";

// Appends every operation of one binding record of service, in order.
void AppendRequestRecords(const WsdlService& service, const WsdlBinding& binding,
                          std::vector<RequestRecord>& records);
// Every operation of the model, in model order.
std::vector<RequestRecord> ModelRequestRecords(const WsdlModel& model);

// Watches an export from another thread: a flag that stops it before the next file, and a report after
// each file written.
struct ExportWatch {
    const std::atomic<bool>* cancel = nullptr;
    std::function<void(size_t written, size_t total)> onWritten;
};

// Writes each record's request, followed by one line feed, into its own file under directory (created
// if missing; a file of the same name is replaced), each file whole or not at all, then the index: one
// line per record in the given order, service, binding, operation and file name separated by tabs. Only
// names that RequestFileNames hands out are written, so nothing lands outside directory. False with a
// message in the user's language at the first failure; false without a message when the watch's flag
// stopped it, with whole files only and no index written.
bool ExportRequests(const std::vector<RequestRecord>& records, const std::string& directory,
                    std::string& message, const ExportWatch& watch = {});

} // namespace quorvel
