// The clock: the player's local time as HH:mm:ss. It wakes once a second, just after the
// second changes, and writes only a changed text, so that an idle page costs next to nothing.

const twoDigits = (n) => String(n).padStart(2, "0");

export function clockText(date) {
  return [date.getHours(), date.getMinutes(), date.getSeconds()].map(twoDigits).join(":");
}

export function startClock(element) {
  const tick = () => {
    const now = new Date();
    const text = clockText(now);
    if (element.textContent !== text) {
      element.textContent = text;
      element.dateTime = text;
    }
    setTimeout(tick, 1000 - now.getMilliseconds());
  };
  tick();
}
