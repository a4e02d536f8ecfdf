#include "export/request_export.h"

#include "export/messages.h"
#include "export/request_file_names.h"
#include "export/tsv_field.h"
#include "fetch/file_writing.h"
#include "fetch/utf8_path.h"
#include "model/model_walk.h"

#include <filesystem>
#include <system_error>

namespace quorvel {
namespace {

namespace fs = std::filesystem;

// Each file replaces its earlier self at once; they are not flushed to disk one by one, which would take
// seconds for a description of thousands of operations.
bool Write(const fs::path& path, std::string_view bytes, std::string& message) {
    std::string reason;
    if (WriteFileAtomically(PathToUtf8(path), bytes, reason, false)) {
        return true;
    }
    message = std::string(export_msg::kCannotWriteFile) + PathToUtf8(path) +
              std::string(export_msg::kReasonSeparator) + reason;
    return false;
}

bool MakeDirectory(const fs::path& directory, std::string& message) {
    std::error_code error;
    fs::create_directories(directory, error);
    if (!error && !fs::is_directory(directory, error)) {
        error = std::make_error_code(std::errc::not_a_directory);
    }
    if (!error) {
        return true;
    }
    message = std::string(export_msg::kCannotCreateDirectory) + PathToUtf8(directory) +
              std::string(export_msg::kReasonSeparator) + error.message();
    return false;
}

} // namespace

void AppendRequestRecords(const WsdlService& service, const WsdlBinding& binding,
                          std::vector<RequestRecord>& records) {
    for (const WsdlOperation& operation : binding.operations) {
        records.push_back({&service, &binding, &operation});
    }
}

std::vector<RequestRecord> ModelRequestRecords(const WsdlModel& model) {
    std::vector<RequestRecord> records;
    WalkModel(model,
              [&](const WsdlService& service, const WsdlBinding& binding, const WsdlOperation& operation) {
                  records.push_back({&service, &binding, &operation});
              });
    return records;
}

bool ExportRequests(const std::vector<RequestRecord>& records, const std::string& directory,
                    std::string& message, const ExportWatch& watch) {
    const fs::path root = PathFromUtf8(directory);
    if (!MakeDirectory(root, message)) {
        return false;
    }
    RequestFileNames names;
    std::string index;
    size_t written = 0;
    for (const RequestRecord& record : records) {
        if (watch.cancel != nullptr && watch.cancel->load(std::memory_order_relaxed)) {
            return false;
        }
        const std::string name =
            names.Next(record.service->name, record.binding->name, record.operation->name);
        if (!Write(root / PathFromUtf8(name), record.operation->request + '\n', message)) {
            return false;
        }
        index += TsvField(record.service->name) + '\t' + TsvField(record.binding->name) + '\t' +
                 TsvField(record.operation->name) + '\t' + name + '\n';
        if (watch.onWritten) {
            watch.onWritten(++written, records.size());
        }
    }
    return Write(root / PathFromUtf8(kRequestIndexFileName), index, message);
}

} // namespace quorvel
