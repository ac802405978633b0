#include "settings/RetryWait.h"

#include <algorithm>
#include <thread>

namespace {

const auto RETRY_FIRST_PAUSE = std::chrono::milliseconds(1);
const auto RETRY_LONGEST_PAUSE = std::chrono::milliseconds(16);

} // namespace

RetryWait::RetryWait(std::chrono::milliseconds wait)
    : deadline(std::chrono::steady_clock::now() + wait), pause(RETRY_FIRST_PAUSE)
{
}

bool RetryWait::Pause()
{
    const auto now = std::chrono::steady_clock::now();
    if (now >= deadline) {
        return false;
    }
    std::this_thread::sleep_for(
        std::min<std::chrono::steady_clock::duration>(pause, deadline - now));
    pause = std::min(pause * 2, RETRY_LONGEST_PAUSE);
    return true;
}
