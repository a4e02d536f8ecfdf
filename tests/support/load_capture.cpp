#include "load_capture.h"

#include "temp_dir.h"

#include <chrono>
#include <utility>

namespace quorvel::test {

LoadOutcome LoadAddress(const std::string& address, const LoadOptions& options) {
    LoadOutcome outcome;
    const auto start = std::chrono::steady_clock::now();
    static_cast<LoadResult&>(outcome) = LoadServiceDescription(address, options);
    outcome.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return outcome;
}

LoadOutcome LoadDocumentBytes(const std::string& bytes, const LoadOptions& options) {
    const TempDir dir;
    return LoadAddress(dir.WriteFile("service.wsdl", bytes), options);
}

} // namespace quorvel::test
