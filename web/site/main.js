// The page: the window around the game's module, its start screen, and the clock.

import { startClock } from "./clock.js";
import { loadEngine } from "./engine.js";
import { keepOffline } from "./offline.js";

keepOffline();
startClock(document.getElementById("clock"));

const engine = await loadEngine(new URL("mendo.wasm", import.meta.url));
document.getElementById("question").textContent = engine.startQuestion();
document.querySelectorAll(".answer-text").forEach((answer, index) => {
  answer.textContent = engine.startAnswer(index);
});
