#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <functional>
#include <grp.h>
#include <poll.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

// Test bodies that may hang, change the user or race another process run in a forked child.
// The child's checks print as usual; it exits 0 when none of its own failed, 1 otherwise, so
// that a failure of the test before the fork is not counted again for every child after it.

const int CHILD_TIMED_OUT = -1;

inline int FailedChecks()
{
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    int failed = 0;
    for (int i = 0; test && i < test->result()->total_part_count(); ++i) {
        failed += test->result()->GetTestPartResult(i).failed() ? 1 : 0;
    }
    return failed;
}

inline pid_t StartChild(const std::function<void()>& body)
{
    std::fflush(nullptr);
    const int failedBefore = FailedChecks();
    pid_t pid = fork();
    if (pid == 0) {
        body();
        std::fflush(nullptr);
        _exit(FailedChecks() > failedBefore ? 1 : 0);
    }
    return pid;
}

// The child's exit status, or CHILD_TIMED_OUT when it was still running after the given
// seconds and was killed: a regression that hangs fails instead of hanging the suite.
inline int WaitForChild(pid_t pid, int seconds)
{
    if (pid < 0) {
        return CHILD_TIMED_OUT;
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    int status = 0;
    while (waitpid(pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() >= deadline) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            return CHILD_TIMED_OUT;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

inline int RunInChild(const std::function<void()>& body, int seconds)
{
    return WaitForChild(StartChild(body), seconds);
}

const uid_t NOBODY = 65534;
const int CANNOT_DROP_ROOT = 77;

// Root reads and writes every file, and the suite runs as root on CI: a child that must meet a
// file it may not read or write becomes nobody (65534) first, or exits CANNOT_DROP_ROOT.
inline void RunAsOrdinaryUser()
{
    if (geteuid() == 0 &&
        (setgroups(0, nullptr) != 0 || setgid(NOBODY) != 0 || setuid(NOBODY) != 0)) {
        _exit(CANNOT_DROP_ROOT);
    }
}

// A pipe on which a child tells the test that it has got somewhere, for example into a save.
class ChildSignal
{
public:
    ChildSignal()
    {
        if (pipe(ends) != 0) {
            ADD_FAILURE() << "cannot create a pipe";
        }
    }
    ~ChildSignal()
    {
        close(ends[0]);
        close(ends[1]);
    }
    ChildSignal(const ChildSignal&) = delete;
    ChildSignal& operator=(const ChildSignal&) = delete;

    int WriteEnd() const { return ends[1]; }
    // Whether a byte came within the seconds; it is taken.
    bool Wait(int seconds)
    {
        pollfd reader{ends[0], POLLIN, 0};
        char byte = 0;
        return poll(&reader, 1, seconds * 1000) == 1 && read(ends[0], &byte, 1) == 1;
    }

    int ends[2] = {-1, -1};
};
