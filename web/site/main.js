// The page: the game's window around the play layer. It hands the layer the player's keys,
// presses and releases and a tick of the clock, paints what the layer shows, and opens the
// addresses the player asks for. Under the window, the player brings packs of questions.

import { BoxesView } from "./boxes.js";
import { CLOCK_PERIOD_MS, KeyName, Place } from "./headers.js";
import { NOTHING, keyOf, targetAt, targetOf } from "./input.js";
import { keptPack } from "./kept-pack.js";
import { loadLayer } from "./layer.js";
import { MenuView } from "./menus.js";
import { keepOffline } from "./offline.js";
import { Packs } from "./packs.js";
import { paintScreen } from "./screen.js";

const ESCAPE = Object.freeze({ name: KeyName.Escape, character: 0, ctrl: false, alt: false });

keepOffline();
// The kept pack is looked for while the module loads.
const kept = keptPack();
const layer = await loadLayer(new URL("mendo.wasm", import.meta.url));
const menus = new MenuView(document.getElementById("menu"));
const boxes = new BoxesView({
  about: layer.about,
  escape: () => {
    layer.type(ESCAPE);
    show();
  },
  typed: (keys) => {
    keys.forEach(layer.type);
    show();
  },
});
let paintedRevision = null;

function showScreen() {
  if (layer.screenChanged()) {
    paintScreen(layer.screen());
  }
}

function show() {
  showScreen();
  if (layer.revision() !== paintedRevision) {
    paintedRevision = layer.revision();
    menus.paint(layer.menu());
    boxes.paint(layer.boxes());
  }
  for (const address of layer.takeAddresses()) {
    window.open(address, "_blank", "noopener");
  }
}

// A tick changes nothing but the screen.
function tick() {
  layer.tick(new Date());
  showScreen();
}

// Enter on a focused button or link, or Space on a focused button, is its click.
function activatesFocused(event) {
  const focused = document.activeElement;
  if (event.ctrlKey || event.altKey || event.metaKey || !focused?.matches("button, a")) {
    return false;
  }
  return event.key === "Enter" || (event.key === " " && focused.localName === "button");
}

// The arrows scroll a box's long text where it has the focus: the box has no use for them.
function scrollsText(event) {
  return (event.key === "ArrowUp" || event.key === "ArrowDown") && event.target.matches?.(".message .text");
}

// What goes into the About box's code field as typing, not as a key.
function typesIntoCodeField(event) {
  if (!event.target.matches?.(".code")) {
    return false;
  }
  const plainCharacter = [...event.key].length === 1 && !event.ctrlKey && !event.altKey && !event.metaKey;
  return plainCharacter || event.key === "Backspace" || event.isComposing || event.key === "Unidentified";
}

document.addEventListener("keydown", (event) => {
  if (activatesFocused(event) || typesIntoCodeField(event) || scrollsText(event)) {
    return;
  }
  // A menu holds the keyboard, as the window's does.
  if (event.key === "Tab" && menus.isOpen) {
    event.preventDefault();
    return;
  }
  const key = keyOf(event);
  if (key === null) {
    return;
  }
  const gameKey = layer.type(key);
  if (gameKey || (!key.ctrl && !key.alt)) {
    event.preventDefault();
  }
  show();
});

// A click with no pointer behind it comes from the keyboard or from a screen reader: a press
// and a release on its target. The pointer's own presses and releases reached the layer already.
document.addEventListener("click", (event) => {
  const marked = event.target.closest?.("[data-target]");
  if (!marked) {
    return;
  }
  event.preventDefault();
  if (event.detail === 0) {
    const target = targetOf(marked);
    layer.press(target);
    layer.release(target);
    show();
  }
});

// A press moves no focus: what the layer opens takes it. After a finger's tap this mouse press
// comes late, and would land on the box the tap opened.
document.addEventListener("mousedown", (event) => event.preventDefault());

// A finger's press gives the page no right to open a tab; its lift does. A link's press by a
// finger waits for the lift.
let fingerOnLink = null;

const isMainButton = (event) => event.isPrimary && event.button === 0;

document.addEventListener("pointerdown", (event) => {
  if (!isMainButton(event)) {
    return;
  }
  const target = targetAt(event.clientX, event.clientY, boxes.top());
  if (event.pointerType !== "mouse" && target.place === Place.Link) {
    fingerOnLink = target;
    return;
  }
  layer.press(target);
  show();
});

document.addEventListener("pointerup", (event) => {
  if (!isMainButton(event)) {
    return;
  }
  if (fingerOnLink !== null) {
    layer.press(fingerOnLink);
    fingerOnLink = null;
  }
  layer.release(targetAt(event.clientX, event.clientY, boxes.top()));
  show();
});

// A touch that turned into a scroll, or a pointer the system took away, is released over nothing.
document.addEventListener("pointercancel", (event) => {
  if (event.isPrimary) {
    fingerOnLink = null;
    layer.release(NOTHING);
    show();
  }
});

const packs = new Packs(layer, show);
await packs.restore(await kept);
packs.listen();
packs.openNamed();

layer.tick(new Date());
show();
setInterval(tick, CLOCK_PERIOD_MS);
