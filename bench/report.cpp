#include "report.h"

#include <cstdio>
#include <filesystem>
#include <string>

namespace quorvel::bench {
namespace {

std::string Format(const char* format, double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

std::string Mebibytes(uint64_t bytes) {
    return Format("%.1f", static_cast<double>(bytes) / (1 << 20));
}

std::string Hex(uint64_t value) {
    char buffer[17];
    std::snprintf(buffer, sizeof buffer, "%016llx", static_cast<unsigned long long>(value));
    return buffer;
}

std::string Pad(const std::string& cell, size_t width, bool alignLeft) {
    std::string fill(cell.size() < width ? width - cell.size() : 1, ' ');
    return alignLeft ? cell + fill : fill + cell;
}

// The file name is left-aligned, the figures right-aligned.
void PrintRow(std::ostream& out, const std::vector<std::string>& cells) {
    static const size_t widths[] = {28, 8, 7, 7, 8, 7, 9, 7, 9, 8, 7, 7, 7, 9, 8, 8, 8, 18};
    for (size_t column = 0; column < cells.size(); ++column) {
        out << Pad(cells[column], widths[column], column == 0);
    }
    out << '\n';
}

std::string JsonString(const std::string& text) {
    std::string quoted = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += static_cast<char>(c);
        } else if (c < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", c);
            quoted += escape;
        } else {
            quoted += static_cast<char>(c);
        }
    }
    return quoted + "\"";
}

} // namespace

void PrintTable(std::ostream& out, const std::vector<FileResult>& results) {
    PrintRow(out, {"file", "in MiB", "read", "decode", "parse", "index", "generate", "free", "total", "floor",
                   "ratio", "ops", "reqs", "lines", "out MiB", "peak", "limit", "digest"});
    for (const FileResult& r : results) {
        std::string name = std::filesystem::path(r.path).filename().string();
        if (!r.ok) {
            out << name << ": " << r.message << '\n';
            continue;
        }
        const StageTimes& s = r.stages;
        PrintRow(out, {name, Mebibytes(r.inputBytes), Format("%.1f", s.read), Format("%.1f", s.decode),
                       Format("%.1f", s.parse), Format("%.1f", s.index), Format("%.1f", s.generate),
                       Format("%.1f", s.release), Format("%.1f", r.total), Format("%.1f", r.floor),
                       Format("%.2f", r.TotalOverFloor()), std::to_string(r.requests.operations),
                       std::to_string(r.requests.requests), std::to_string(r.requests.lines),
                       Mebibytes(r.requests.bytes), Mebibytes(r.peakBytes) + (r.peakIsPerFile ? "" : "*"),
                       Mebibytes(r.MemoryLimitBytes()), Hex(r.requests.digest)});
    }
    out << "times in ms, medians of " << (results.empty() ? 0 : results.front().runs)
        << " runs; ratio = total / floor; peak and limit in MiB";
    bool shared = false;
    for (const FileResult& r : results) {
        shared = shared || !r.peakIsPerFile;
    }
    out << (shared ? "; * peak covers earlier files too\n" : "\n");
}

void PrintJson(std::ostream& out, const std::vector<FileResult>& results) {
    out << "[";
    const char* separator = "\n";
    for (const FileResult& r : results) {
        out << separator << "  {\"file\": " << JsonString(r.path)
            << ", \"ok\": " << (r.ok ? "true" : "false");
        separator = ",\n";
        if (!r.ok) {
            out << ", \"message\": " << JsonString(r.message) << "}";
            continue;
        }
        const StageTimes& s = r.stages;
        out << ", \"input_bytes\": " << r.inputBytes << ", \"runs\": " << r.runs << ",\n   \"median_ms\": {"
            << "\"read\": " << s.read << ", \"decode\": " << s.decode << ", \"parse\": " << s.parse
            << ", \"index\": " << s.index << ", \"generate\": " << s.generate << ", \"free\": " << s.release
            << ", \"total\": " << r.total << ", \"floor\": " << r.floor
            << "},\n   \"total_over_floor\": " << r.TotalOverFloor()
            << ", \"operations\": " << r.requests.operations << ", \"requests\": " << r.requests.requests
            << ", \"request_lines\": " << r.requests.lines << ", \"request_bytes\": " << r.requests.bytes
            << ",\n   \"peak_rss_bytes\": " << r.peakBytes
            << ", \"peak_is_per_file\": " << (r.peakIsPerFile ? "true" : "false")
            << ", \"memory_limit_bytes\": " << r.MemoryLimitBytes() << ", \"request_digest\": \""
            << Hex(r.requests.digest) << "\"}";
    }
    out << "\n]\n";
}

} // namespace quorvel::bench
