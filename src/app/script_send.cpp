#include "app/script_send.h"

#include "app/messages.h"
#include "app/script_run.h"
#include "fetch/file_reading.h"
#include "fetch/messages.h"
#include "fetch/text_decoding.h"

#include <cstdio>

namespace quorvel {
namespace {

constexpr size_t kMaxBodyBytes = 64u * 1024 * 1024;

bool ReadStandardInput(std::string& bytes, std::string& message) {
    char buffer[65536];
    size_t read = 0;
    while ((read = std::fread(buffer, 1, sizeof buffer, stdin)) > 0) {
        if (bytes.size() + read > kMaxBodyBytes) {
            message = fetch_msg::kAbnormalFileSize;
            return false;
        }
        bytes.append(buffer, read);
    }
    if (std::ferror(stdin)) {
        message = app_msg::kCannotReadStandardInput;
        return false;
    }
    return true;
}

} // namespace

bool ReadRequestBody(const std::string& file, std::string& text, std::string& message) {
    std::string bytes;
    const bool read =
        file == "-" ? ReadStandardInput(bytes, message) : ReadDescriptionFile(file, bytes, message);
    return read && DecodeDocumentText(bytes, text, message);
}

std::string ScriptResponseLine(const SoapResponse& response) {
    return StatusText(response.http) + ", " + std::to_string(ElapsedMs(response.http)) + " ms, " +
           std::to_string(response.http.body.size()) + " bytes";
}

int SendExitStatus(const SoapResponse& response) {
    if (!response.fault.empty()) {
        return SCRIPT_FAULT;
    }
    return response.http.status >= 200 && response.http.status < 300 ? SCRIPT_DONE : SCRIPT_HTTP_STATUS;
}

} // namespace quorvel
