#include "service_process.h"

#include <httplib.h>

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace quorvel::test {
namespace {

constexpr int kStartTimeoutMs = 60000;

// Reads one line from fd within the time limit; false when the child closed it or took too long.
bool ReadLine(int fd, std::string& line) {
    pollfd waiting{fd, POLLIN, 0};
    for (char c = 0; c != '\n';) {
        if (poll(&waiting, 1, kStartTimeoutMs) <= 0 || read(fd, &c, 1) != 1) {
            return false;
        }
        line += c;
    }
    return true;
}

std::string ReadAll(int fd) {
    std::string text;
    char buffer[4096];
    for (ssize_t count; (count = read(fd, buffer, sizeof buffer)) > 0;) {
        text.append(buffer, static_cast<size_t>(count));
    }
    return text;
}

} // namespace

ServiceProcess::ServiceProcess(const std::vector<std::string>& command, const std::string& directory) {
    // The program the tests run talks to the service directly, whatever proxy the environment names.
    setenv("no_proxy", "127.0.0.1,localhost", 1);
    setenv("NO_PROXY", "127.0.0.1,localhost", 1);
    int output[2];
    int errors[2];
    if (pipe(output) != 0 || pipe(errors) != 0) {
        m_failure = "pipe failed";
        return;
    }
    m_pid = fork();
    if (m_pid == 0) {
        dup2(output[1], STDOUT_FILENO);
        dup2(errors[1], STDERR_FILENO);
        close(output[0]);
        close(errors[0]);
        std::vector<char*> argv;
        for (const std::string& argument : command) {
            argv.push_back(const_cast<char*>(argument.c_str()));
        }
        argv.push_back(nullptr);
        if (chdir(directory.c_str()) == 0) {
            execvp(argv[0], argv.data());
        }
        _exit(127);
    }
    close(output[1]);
    close(errors[1]);
    std::string line;
    if (m_pid > 0 && ReadLine(output[0], line)) {
        m_port = std::atoi(line.c_str());
    }
    close(output[0]);
    if (m_port <= 0) {
        kill(m_pid, SIGKILL);
        m_failure = command[0] + " did not start: " + ReadAll(errors[0]);
    }
    close(errors[0]);
}

ServiceProcess::~ServiceProcess() {
    if (m_pid > 0) {
        kill(m_pid, SIGTERM);
        waitpid(m_pid, nullptr, 0);
    }
}

std::string ServiceProcess::Url(const std::string& pathAndQuery) const {
    return "http://127.0.0.1:" + std::to_string(m_port) + pathAndQuery;
}

std::string ServiceProcess::LastRequest() const {
    httplib::Client client("127.0.0.1", m_port);
    const httplib::Result result = client.Get("/last-request");
    return result ? result->body : std::string();
}

std::string ServicesDirectory() {
    return QUORVEL_SERVICES_DIR;
}

std::string SpyneMissing() {
    if (std::system("/usr/bin/python3 -c 'import spyne, lxml' >/dev/null 2>&1") != 0) {
        return "spyne is not installed (Debian's python3-spyne, for /usr/bin/python3): run scripts/setup";
    }
    return std::string();
}

std::string NodeSoapMissing() {
    if (std::system("node --version >/dev/null 2>&1") != 0) {
        return "node is not installed: run scripts/setup";
    }
    if (!std::filesystem::exists(ServicesDirectory() + "/node/node_modules/soap/package.json")) {
        return "node's soap module is not installed beside tests/services/node: run scripts/setup";
    }
    return std::string();
}

} // namespace quorvel::test
