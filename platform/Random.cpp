#include "platform/Random.h"

#include <ctime>

namespace {
unsigned state = 1;
// A ring of injected values; nothing is allocated while the game runs.
int injected[Random::MAX_INJECTED];
int injectedFirst = 0;
int injectedCount = 0;
} // namespace

void Random::Seed(unsigned seed)
{
    state = seed;
}

void Random::SeedFromTime()
{
    Seed(static_cast<unsigned>(std::time(nullptr)));
}

int Random::Next()
{
    if (injectedCount > 0) {
        int value = injected[injectedFirst];
        injectedFirst = (injectedFirst + 1) % MAX_INJECTED;
        --injectedCount;
        return value;
    }
    state = state * 214013u + 2531011u;
    return static_cast<int>((state >> 16) & RANDOM_MAX);
}

bool Random::Inject(std::initializer_list<int> values)
{
    return Inject(values.begin(), static_cast<int>(values.size()));
}

bool Random::Inject(const int* values, int count)
{
    if (count < 0 || injectedCount + count > MAX_INJECTED) {
        return false;
    }
    for (int i = 0; i < count; ++i) {
        if (values[i] < 0) {
            return false;
        }
    }
    for (int i = 0; i < count; ++i) {
        injected[(injectedFirst + injectedCount) % MAX_INJECTED] = values[i];
        ++injectedCount;
    }
    return true;
}

int Random::InjectedLeft()
{
    return injectedCount;
}

void Random::ClearInjected()
{
    injectedFirst = 0;
    injectedCount = 0;
}
