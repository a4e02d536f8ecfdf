#include "run_program.h"

#include <linux/capability.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

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
                              int errorPipe) {
    dup2(errorPipe, STDERR_FILENO);
    if (chdir(settings.workingDirectory.c_str()) != 0) {
        _exit(126);
    }
    if (settings.withoutDisplay) {
        unsetenv("DISPLAY");
        unsetenv("WAYLAND_DISPLAY");
    }
    if (settings.obeyingPermissions && !GiveUpPermissionOverride()) {
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

} // namespace

ProgramRun RunQuorvel(const std::vector<std::string>& arguments, const RunSettings& settings) {
    int errorPipe[2];
    if (pipe(errorPipe) != 0) {
        throw std::runtime_error("pipe failed");
    }
    const pid_t child = fork();
    if (child < 0) {
        throw std::runtime_error("fork failed");
    }
    if (child == 0) {
        close(errorPipe[0]);
        ExecInChild(arguments, settings, errorPipe[1]);
    }
    close(errorPipe[1]);
    ProgramRun run;
    char buffer[4096];
    ssize_t count = 0;
    while ((count = read(errorPipe[0], buffer, sizeof buffer)) > 0) {
        run.standardError.append(buffer, static_cast<size_t>(count));
    }
    close(errorPipe[0]);
    int status = 0;
    waitpid(child, &status, 0);
    run.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

} // namespace quorvel::test
