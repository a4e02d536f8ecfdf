#include "run_program.h"

#include <fcntl.h>
#include <linux/capability.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <stdexcept>

namespace quorvel::test {
namespace {

constexpr uid_t kNobody = 65534;

// Root ignores permission bits; without the override capability (or else as user nobody) they bind.
bool GiveUpPermissionOverride() {
    if (geteuid() != 0) {
        return true;
    }
    return prctl(PR_CAPBSET_DROP, CAP_DAC_OVERRIDE, 0, 0, 0) == 0 ||
           (setgid(kNobody) == 0 && setuid(kNobody) == 0);
}

[[noreturn]] void ExecInChild(const std::vector<std::string>& arguments, const RunSettings& settings,
                              int outputPipe, int errorPipe) {
    dup2(outputPipe, STDOUT_FILENO);
    dup2(errorPipe, STDERR_FILENO);
    std::signal(SIGPIPE, SIG_DFL); // as a shell starts a program, whatever this process does
    if (!settings.standardInput.empty()) {
        const int input = open(settings.standardInput.c_str(), O_RDONLY);
        if (input < 0 || dup2(input, STDIN_FILENO) < 0) {
            _exit(126);
        }
    }
    if (chdir(settings.workingDirectory.c_str()) != 0) {
        _exit(126);
    }
    if (settings.withoutDisplay) {
        unsetenv("DISPLAY");
        unsetenv("WAYLAND_DISPLAY");
    }
    for (const std::string& setting : settings.environment) {
        putenv(const_cast<char*>(setting.c_str()));
    }
    if (settings.obeyingPermissions && !GiveUpPermissionOverride()) {
        _exit(126);
    }
    const rlimit addressSpace{settings.addressSpaceLimit, settings.addressSpaceLimit};
    if (settings.addressSpaceLimit != 0 && setrlimit(RLIMIT_AS, &addressSpace) != 0) {
        _exit(126);
    }
    std::vector<char*> argv{const_cast<char*>(QUORVEL_EXECUTABLE)};
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    execv(QUORVEL_EXECUTABLE, argv.data());
    _exit(127);
}

// Reads both pipes to their ends together, so that a child filling one never waits on the other.
void ReadBoth(int outputPipe, int errorPipe, ProgramRun& run) {
    pollfd pipes[2] = {{outputPipe, POLLIN, 0}, {errorPipe, POLLIN, 0}};
    std::string* texts[2] = {&run.standardOutput, &run.standardError};
    int remaining = (outputPipe >= 0 ? 1 : 0) + (errorPipe >= 0 ? 1 : 0);
    while (remaining > 0) {
        if (poll(pipes, 2, -1) < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw std::runtime_error("poll failed");
        }
        for (int i = 0; i < 2; ++i) {
            if (pipes[i].fd < 0 || pipes[i].revents == 0) {
                continue;
            }
            char buffer[65536];
            const ssize_t count = read(pipes[i].fd, buffer, sizeof buffer);
            if (count > 0) {
                texts[i]->append(buffer, static_cast<size_t>(count));
            } else {
                close(pipes[i].fd);
                pipes[i].fd = -1;
                --remaining;
            }
        }
    }
}

} // namespace

ProgramRun RunQuorvel(const std::vector<std::string>& arguments, const RunSettings& settings) {
    int outputPipe[2];
    int errorPipe[2];
    if (pipe(outputPipe) != 0 || pipe(errorPipe) != 0) {
        throw std::runtime_error("pipe failed");
    }
    if (settings.closedStandardOutput) {
        close(outputPipe[0]);
        outputPipe[0] = -1;
    }
    const pid_t child = fork();
    if (child < 0) {
        throw std::runtime_error("fork failed");
    }
    if (child == 0) {
        if (outputPipe[0] >= 0) {
            close(outputPipe[0]);
        }
        close(errorPipe[0]);
        ExecInChild(arguments, settings, outputPipe[1], errorPipe[1]);
    }
    close(outputPipe[1]);
    close(errorPipe[1]);
    ProgramRun run;
    ReadBoth(outputPipe[0], errorPipe[0], run);
    int status = 0;
    waitpid(child, &status, 0);
    run.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

} // namespace quorvel::test
