#pragma once

#include <initializer_list>

// The game's random numbers, with the meaning of the C library's rand: a number from 0 to
// RANDOM_MAX, which the caller reduces modulo a count. The generator is the classic linear
// congruential one (state * 214013 + 2531011, bits 16 to 30), so a seed always gives the same
// sequence. Values injected by tests come out first, in order, before the generator is used
// again; seeding does not discard them.
class Random
{
public:
    static constexpr int RANDOM_MAX = 0x7FFF;
    static constexpr int MAX_INJECTED = 4096;

    static void Seed(unsigned seed);
    // Seeds from the current time, as the game does before each set-up.
    static void SeedFromTime();
    static int Next();

    // Queues values that Next returns before any generated one. False, and nothing queued, when a
    // value is negative or the queue would hold more than MAX_INJECTED values.
    static bool Inject(std::initializer_list<int> values);
    static bool Inject(const int* values, int count);
    static int InjectedLeft();
    static void ClearInjected();
};
