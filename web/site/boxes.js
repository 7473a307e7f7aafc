// The boxes over the screen as modal dialogs, the one on top last: the page under them takes
// no click. A box stays open as long as the layer shows it; a change closes only the boxes
// from it up, and opens what the layer shows there now.

import { BoxIcon, BoxKind } from "./headers.js";
import { BACKSPACE, character } from "./input.js";

const GAP = 8;  // CSS pixels between a box and the window or the screen's edge

let boxCount = 0;

const sameBox = (a, b) => a.kind === b.kind && a.text === b.text && a.caption === b.caption && a.icon === b.icon;

// Names an element of a box for the box's accessible name or description.
function labelFor(dialog, attribute, element) {
  element.id = `box-${boxCount}-${attribute}`;
  dialog.setAttribute(attribute, element.id);
}

// The characters typed into the code field since its last change: as many Backspaces as it
// lost at its end, then what it gained. A phone's keyboard sends no keys that could be trusted,
// only the field's changes.
function typedKeys(before, after) {
  const [old, now] = [[...before], [...after]];
  let same = 0;
  while (same < old.length && same < now.length && old[same] === now[same]) {
    same++;
  }
  return [...Array(old.length - same).fill(BACKSPACE), ...now.slice(same).map(character)];
}

// The game's boxes stand just below the window, or as low as the screen allows, so that the
// right answer under "WRONG!!!" shows whole.
function standBelowWindow(dialog) {
  const below = document.querySelector(".window").getBoundingClientRect().bottom + GAP;
  const lowest = innerHeight - dialog.offsetHeight - GAP;
  dialog.style.marginBlock = `${Math.max(GAP, Math.min(below, lowest))}px auto`;
}

// A text too long for its box scrolls, and takes the focus as the box opens, so that the arrows
// scroll it; Enter, Esc and Space close the box as ever, and Tab reaches OK.
function scrollableByKeys(text) {
  if (text.scrollHeight > text.clientHeight) {
    text.tabIndex = 0;
    text.focus();
  }
}

export class BoxesView {
  // about() gives the About box's texts; escape() and typed(keys) hand the player's keys on.
  constructor({ about, escape, typed }) {
    this.about = about;
    this.escape = escape;
    this.typed = typed;
    this.painted = [];
  }

  top() {
    return this.painted.at(-1)?.dialog ?? null;
  }

  paint(boxes) {
    let same = 0;
    while (same < this.painted.length && same < boxes.length && sameBox(this.painted[same].box, boxes[same])) {
      same++;
    }
    for (const { dialog } of this.painted.splice(same).reverse()) {
      dialog.close();
      dialog.remove();
    }
    for (const box of boxes.slice(same)) {
      boxCount++;
      const dialog = box.kind === BoxKind.About ? this.aboutBox() : this.messageBox(box);
      // Esc, or a phone's back gesture, asks the layer; the layer closes the box.
      dialog.addEventListener("cancel", (event) => {
        event.preventDefault();
        this.escape();
      });
      document.body.append(dialog);
      dialog.showModal();
      if (box.kind === BoxKind.Message) {
        standBelowWindow(dialog);
        scrollableByKeys(dialog.querySelector(".text"));
      }
      this.painted.push({ box, dialog });
    }
  }

  messageBox(box) {
    const dialog = document.getElementById("message-box").content.firstElementChild.cloneNode(true);
    const caption = dialog.querySelector(".caption");
    const text = dialog.querySelector(".text");
    caption.textContent = box.caption;
    text.textContent = box.text;
    labelFor(dialog, "aria-labelledby", caption);
    labelFor(dialog, "aria-describedby", text);
    if (box.icon !== BoxIcon.Stop) {
      dialog.querySelector(".stop").remove();
    }
    return dialog;
  }

  aboutBox() {
    const texts = this.about();
    const dialog = document.getElementById("about-box").content.firstElementChild.cloneNode(true);
    const caption = dialog.querySelector(".caption-lines");
    const rules = dialog.querySelector(".rules");
    caption.textContent = texts.captionBlock;
    rules.textContent = texts.rules;
    dialog.querySelector(".thanks").textContent = texts.thanks;
    labelFor(dialog, "aria-labelledby", caption);
    labelFor(dialog, "aria-describedby", rules);
    const web = dialog.querySelector(".web-link");
    web.href = texts.webAddress;
    web.textContent = texts.webAddress;
    const mail = dialog.querySelector(".mail-link");
    mail.href = texts.mailTo + texts.mailAddress;
    mail.textContent = texts.mailAddress;

    const code = dialog.querySelector(".code");
    let before = "";
    code.addEventListener("input", () => {
      const keys = typedKeys(before, code.value);
      before = code.value;
      this.typed(keys);
    });
    return dialog;
  }
}
