// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include <sys/types.h>

namespace mz58::test {

// A program started by a test in the test's environment, with its output in files (or its
// stdout on a pipe). The destructor ends it if it still runs: a test never leaves a process
// behind.
class ChildProcess {
public:
    struct Options {
        std::filesystem::path stdoutFile; // empty: stdout goes to a pipe read by readLine()
        std::filesystem::path stderrFile;
    };

    ChildProcess(const std::vector<std::string>& argv, const Options& options);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool started() const { return m_pid > 0; }
    pid_t pid() const { return m_pid; }
    // The exit status once the process has ended (128 + signal when killed), else nullopt.
    std::optional<int> poll();
    std::optional<int> waitFor(std::chrono::milliseconds timeout);
    // One line from the stdout pipe, without its line feed.
    std::optional<std::string> readLine(std::chrono::milliseconds timeout);
    void signal(int sig);

private:
    pid_t m_pid = -1;
    int m_stdout = -1;
    std::optional<int> m_status;
    std::string m_pending;
};

std::string readFile(const std::filesystem::path& path);

} // namespace mz58::test
