// The floor's only script: a clock in plain JavaScript, waking at the game's period, that
// writes the player's local time as HH:mm:ss when it changes.

import { CLOCK_PERIOD_MS } from "./headers.js";

const clock = document.getElementById("clock");
const twoDigits = (n) => String(n).padStart(2, "0");

function tick() {
  const now = new Date();
  const text = [now.getHours(), now.getMinutes(), now.getSeconds()].map(twoDigits).join(":");
  if (clock.textContent !== text) {
    clock.textContent = text;
    clock.dateTime = text;
  }
}

tick();
setInterval(tick, CLOCK_PERIOD_MS);
