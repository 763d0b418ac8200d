#pragma once

#include <string>
#include <vector>

namespace bunrako::testing {

// A program started by a test, to be waited for or killed: the other
// processes and workstations of the shared-folder tests.
class ChildProcess {
  public:
    // Starts the program with its arguments; its output goes to the test's.
    explicit ChildProcess(const std::vector<std::string>& arguments);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool started() const { return m_id > 0; }
    long long id() const { return m_id; }
    // The exit status (-1 when it did not exit normally).
    int wait();
    // Kills it without warning (as a crash or a power cut would stop it) and
    // waits for it.
    void kill();

  private:
    long long m_id = -1;
    bool m_waited = false;
};

}  // namespace bunrako::testing
