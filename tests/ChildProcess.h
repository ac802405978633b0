#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <functional>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

// Test bodies that may hang, change the user or race another process run in a forked child.
// The child's checks print as usual; it exits 0 when none failed, 1 otherwise.

const int CHILD_TIMED_OUT = -1;

inline pid_t StartChild(const std::function<void()>& body)
{
    std::fflush(nullptr);
    pid_t pid = fork();
    if (pid == 0) {
        body();
        std::fflush(nullptr);
        _exit(::testing::Test::HasFailure() ? 1 : 0);
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
