#include "terminal/TickClock.h"

#include "play/Look.h"

namespace {

constexpr std::chrono::milliseconds kTickPeriod(kClockPeriodMs);

}  // namespace

void TickClock::Advance(Time now) {
    m_next += kTickPeriod;
    if (m_next <= now) {
        m_next = now + kTickPeriod;
    }
}

int TickClock::MillisecondsLeft(Time now) const {
    return static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(m_next - now).count());
}
