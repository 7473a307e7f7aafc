// The page's events as the play layer's inputs: a key as the layer's Key, the element under the
// pointer as its Target.

import { AboutLink, KeyName, MenuTitle, Place } from "./headers.js";

const NAMED_KEYS = {
  Enter: KeyName.Enter,
  Escape: KeyName.Escape,
  Backspace: KeyName.Backspace,
  ArrowUp: KeyName.Up,
  ArrowDown: KeyName.Down,
  ArrowLeft: KeyName.Left,
  ArrowRight: KeyName.Right,
  F10: KeyName.MenuBar,
};
const LATIN_LETTER = /^[a-z]$/i;
const LETTER_KEY = /^Key([A-Z])$/;

export const NOTHING = Object.freeze({ place: Place.Nothing, index: 0 });
const IN_BOX = Object.freeze({ place: Place.Box, index: 0 });
// The places whose index a page element names rather than numbers.
const INDEX_NAMES = { MenuTitle, Link: AboutLink };

export function character(text) {
  return { name: KeyName.Character, character: text.codePointAt(0), ctrl: false, alt: false };
}

export const BACKSPACE = Object.freeze({ name: KeyName.Backspace, character: 0, ctrl: false, alt: false });

// The key as the layer takes it, or null for one that is none of the game's: Tab, a lone
// modifier, a key with the system's own modifier, a key of an input method at work.
export function keyOf(event) {
  if (event.metaKey || event.isComposing) {
    return null;
  }
  // AltGr types a character of its own: it is neither Ctrl nor Alt.
  const altGraph = event.getModifierState("AltGraph");
  const ctrl = event.ctrlKey && !altGraph;
  const alt = event.altKey && !altGraph;
  if (Object.hasOwn(NAMED_KEYS, event.key)) {
    return { name: NAMED_KEYS[event.key], character: 0, ctrl, alt };
  }
  const characters = [...event.key];
  if (characters.length !== 1) {
    return null;
  }
  // With Ctrl or Alt the letter is the key's own, whatever the layout or the system types with
  // it (Ctrl+E as е, Alt+G as ©), as the window's accelerators read the key.
  const letter = LETTER_KEY.exec(event.code)?.[1];
  const typed = (ctrl || alt) && letter && !LATIN_LETTER.test(characters[0]) ? letter.toLowerCase() : characters[0];
  return { name: KeyName.Character, character: typed.codePointAt(0), ctrl, alt };
}

// The target an element stands for, by its data-target: a place and its index, by number or name.
export function targetOf(element) {
  const [place, index = "0"] = element.dataset.target.split(" ");
  return { place: Place[place], index: INDEX_NAMES[place]?.[index] ?? Number(index) };
}

// What the pointer is on at the point. While a box is open only the box on top counts: its
// targets, the rest of it, and nothing outside it, where its backdrop lies.
export function targetAt(x, y, topBox) {
  const hit = document.elementFromPoint(x, y);
  const marked = hit?.closest("[data-target]");
  if (topBox === null) {
    return marked ? targetOf(marked) : NOTHING;
  }
  if (marked && topBox.contains(marked)) {
    return targetOf(marked);
  }
  const frame = topBox.getBoundingClientRect();
  const inFrame = x >= frame.left && x < frame.right && y >= frame.top && y < frame.bottom;
  return hit && topBox.contains(hit) && inFrame ? IN_BOX : NOTHING;
}
