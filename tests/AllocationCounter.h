#pragma once

// Counts the heap allocations made while it lives, through replaced global operator new. Use it
// to show that a piece of code allocates nothing:
//     AllocationCounter counter;
//     board.FindPath(0, 0, 19, 19, route);
//     EXPECT_EQ(counter.Count(), 0);
// Read Count before anything else that may allocate (a failing EXPECT does). Counters may nest;
// every allocation of any thread is counted while one is alive.
class AllocationCounter
{
public:
    AllocationCounter();
    ~AllocationCounter();
    AllocationCounter(const AllocationCounter&) = delete;
    AllocationCounter& operator=(const AllocationCounter&) = delete;

    // Allocations since this counter was made.
    long Count() const;

private:
    long start;
};
