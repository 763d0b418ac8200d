#include "support/child_process.h"

#include <errno.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace bunrako::testing {

ChildProcess::ChildProcess(const std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    pid_t id = -1;
    if (posix_spawn(&id, argv[0], nullptr, nullptr, argv.data(), environ) == 0) m_id = id;
}

ChildProcess::~ChildProcess() {
    if (started() && !m_waited) kill();
}

int ChildProcess::wait() {
    if (!started() || m_waited) return -1;
    int status = 0;
    pid_t waited = -1;
    do {
        waited = waitpid(static_cast<pid_t>(m_id), &status, 0);
    } while (waited < 0 && errno == EINTR);
    m_waited = true;
    if (waited < 0) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void ChildProcess::kill() {
    if (!started() || m_waited) return;
    ::kill(static_cast<pid_t>(m_id), SIGKILL);
    wait();
}

}  // namespace bunrako::testing
