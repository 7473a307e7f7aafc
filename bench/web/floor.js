// The floor's only script: the same clock as the game's page, and nothing else.

import { startClock } from "./clock.js";

startClock(document.getElementById("clock"));
