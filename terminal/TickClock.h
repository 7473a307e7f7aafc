#pragma once

#include <chrono>

// When the game's clock ticks: every period of the window's clock, the first at once. Late ticks
// are not made up for: the clock shows the time, not a count.
class TickClock {
public:
    using Time = std::chrono::steady_clock::time_point;

    explicit TickClock(Time start) : m_next(start) {}

    // Whether a tick is due by then.
    bool DueBy(Time now) const { return now >= m_next; }
    // Past the tick that was due, taken at the time: the next one comes a period after it, or a
    // period after that time when the tick was late.
    void Advance(Time now);
    // The wait from then until the next tick, in whole milliseconds rounded up.
    int MillisecondsLeft(Time now) const;

private:
    Time m_next;
};
