// The menu open on the menu bar, as a popup under its title. The chosen item holds the focus,
// so that the keyboard goes on where the player sees it; when the menu closes, the focus goes
// back where it was.

import { MenuTitle } from "./headers.js";

const TITLE_IDS = {
  [MenuTitle.Window]: "window-menu",
  [MenuTitle.Game]: "menu-game",
  [MenuTitle.About]: "menu-about",
};

// The label with the letter that chooses the item underlined, as the window's menus show it.
function labelWithLetter(label, letter) {
  const span = document.createElement("span");
  span.className = "label";
  const at = letter === null ? -1 : label.toLowerCase().indexOf(letter);
  if (at < 0) {
    span.textContent = label;
    return span;
  }
  const underlined = document.createElement("u");
  underlined.textContent = label[at];
  span.append(label.slice(0, at), underlined, label.slice(at + 1));
  return span;
}

function itemElement(item, index, chosen) {
  if (item.label === null) {
    const line = document.createElement("div");
    line.className = "separator";
    line.setAttribute("role", "separator");
    return line;
  }
  const button = document.createElement("button");
  button.type = "button";
  button.className = index === chosen ? "item chosen" : "item";
  button.tabIndex = -1;
  button.setAttribute("role", "menuitem");
  button.dataset.target = `MenuItem ${index}`;
  const shortcut = document.createElement("span");
  shortcut.className = "shortcut";
  shortcut.textContent = item.shortcut;
  button.append(labelWithLetter(item.label, item.letter), shortcut);
  return button;
}

export class MenuView {
  constructor(popup) {
    this.popup = popup;
    this.titles = Object.entries(TITLE_IDS).map(([title, id]) => [Number(title), document.getElementById(id)]);
    this.open = false;
    this.focusBefore = null;
  }

  get isOpen() {
    return this.open;
  }

  paint(menu) {
    for (const [title, button] of this.titles) {
      button.classList.toggle("open", menu?.title === title);
      if (button.hasAttribute("aria-haspopup")) {
        button.setAttribute("aria-expanded", String(menu?.title === title));
      }
    }
    const focusInMenu = this.popup.contains(document.activeElement);
    this.popup.replaceChildren();
    if (menu === null) {
      this.popup.hidden = true;
      if (this.open && (focusInMenu || document.activeElement === document.body)) {
        this.focusBefore?.focus();
      }
      this.open = false;
      return;
    }
    if (!this.open) {
      this.focusBefore = document.activeElement;
    }
    this.open = true;
    const title = document.getElementById(TITLE_IDS[menu.title]);
    this.popup.setAttribute("aria-labelledby", title.id);
    this.popup.append(...menu.items.map((item, index) => itemElement(item, index, menu.chosen)));
    // About opens no list of its own: the title alone stands highlighted.
    this.popup.hidden = menu.items.length === 0;
    this.popup.style.left = `${title.offsetLeft}px`;
    this.popup.style.top = `${title.offsetTop + title.offsetHeight}px`;
    (this.popup.children[menu.chosen] ?? title).focus();
  }
}
