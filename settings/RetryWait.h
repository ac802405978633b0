#pragma once

#include <chrono>

// The pauses between tries of something that another game or program holds for a moment (a
// lock, a file kept open): they grow from 1 ms to 16 ms, so a short wait costs little and a
// long one little CPU, and they end at the deadline.
class RetryWait
{
public:
    // A zero wait allows the first try only.
    explicit RetryWait(std::chrono::milliseconds wait);
    virtual ~RetryWait() = default;

    // Pauses before the next try; false, without pausing, once the wait is over.
    bool Pause();

private:
    std::chrono::steady_clock::time_point deadline;
    std::chrono::milliseconds pause;
};
