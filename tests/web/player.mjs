// A player at the page: what it shows, read as a player would read it, and the moves a player
// makes. Every wait is on what the page shows, and bounded.

import assert from "node:assert/strict";

import { WAIT } from "./chromium.mjs";
import { TEXTS, hintText, scoreText } from "./sources.mjs";

// Waits until the function, run in the page with the argument, gives something true, and returns it.
export async function until(page, check, argument) {
  return (await page.waitForFunction(check, argument, WAIT)).jsonValue();
}

// What the page shows: the main screen's texts, the open menu's items and the boxes, bottom one first.
export function shown(page) {
  return page.evaluate(() => {
    const text = (id) => document.getElementById(id).textContent;
    const menu = document.getElementById("menu");
    return {
      number: text("number"),
      question: text("question"),
      answers: [1, 2, 3, 4].map((k) => text(`answer-${k}`)),
      score: text("score"),
      clock: text("clock"),
      rank: Number(document.getElementById("rank").getAttribute("aria-valuenow")),
      menu: menu.hidden ? null : [...menu.querySelectorAll(".item")].map((item) => item.textContent),
      boxes: [...document.querySelectorAll("dialog[open]")].map((box) =>
        box.classList.contains("about-box")
          ? { about: true }
          : { caption: box.querySelector(".caption").textContent, text: box.querySelector(".text").textContent }),
    };
  });
}

export const boxCount = (page) => page.evaluate(() => document.querySelectorAll("dialog[open]").length);

// Waits until exactly this many boxes are open.
export function boxesOpen(page, count) {
  return until(page, (n) => document.querySelectorAll("dialog[open]").length === n, count);
}

// Waits for a message box on top, and returns its caption and text.
export function topMessage(page) {
  return until(page, () => {
    const top = [...document.querySelectorAll("dialog[open]")].at(-1);
    return top?.classList.contains("message-box")
      ? { caption: top.querySelector(".caption").textContent, text: top.querySelector(".text").textContent }
      : null;
  });
}

// Waits until the screen shows the question's number and the score.
export function showsNumberAndScore(page, number, score) {
  return until(page, ([n, s]) =>
    document.getElementById("number").textContent === n && document.getElementById("score").textContent === s,
  [number, score]);
}

// The answer of the letter in a hint sentence in the format.
export function answerOfHint(hint, format) {
  const answer = TEXTS.letters.findIndex((letter) => hintText(format, letter) === hint) + 1;
  assert.ok(answer > 0, `"${hint}" is no hint in the form "${format}"`);
  return answer;
}

// The right answer, 1 to 4, as a player learns it with the keyboard: the About box from its
// key, the hint code typed blind, OK by Enter and the About box closed by Esc.
export async function rightAnswerByKeys(page) {
  await page.keyboard.press("Alt+a");
  await until(page, () => document.activeElement?.matches("dialog[open].about-box .code"));
  await page.keyboard.type(TEXTS.hintCode);
  const hint = await topMessage(page);
  await page.keyboard.press("Enter");
  await boxesOpen(page, 1);
  await page.keyboard.press("Escape");
  await boxesOpen(page, 0);
  return answerOfHint(hint.text, TEXTS.sureHint);
}

// A game of the level started by its key from the start screen, its first question on screen.
export async function startGame(page, key = "Control+e") {
  await page.keyboard.press(key);
  await showsNumberAndScore(page, "1.", scoreText(0));
}

// Another answer than the right one.
export const wrongAnswer = (right) => (right % 4) + 1;

// Walks through every screen the game has, by clicks or by taps, and awaits the visit of each,
// named, as it stands: the start, the menus, a question, each kind of box, the About box, the
// end. On the way it learns the right answers by the hint code and plays one of them; the codes
// are typed as a phone's keyboard types them when it taps.
export async function tourScreens(page, visit, { tap = false } = {}) {
  const act = (selector) => (tap ? page.tap(selector) : page.click(selector));
  const type = (text) => (tap ? page.keyboard.insertText(text) : page.keyboard.type(text));
  const menuOpen = () => until(page, () => !document.getElementById("menu").hidden);
  const aboutOpen = () => until(page, () => document.activeElement?.matches("dialog[open].about-box .code"));
  const closeMessage = async (left) => {
    await act("dialog[open] .ok");
    await boxesOpen(page, left);
  };

  await visit("start");
  await act("#menu-game");
  await menuOpen();
  await visit("game-menu");
  await act("#menu .item");
  await showsNumberAndScore(page, "1.", scoreText(0));
  await visit("question");

  await act("#hint-remove");
  await topMessage(page);
  await visit("help-refused");
  await closeMessage(0);

  await act("#menu-about");
  await aboutOpen();
  await visit("about");
  await type(TEXTS.hintCode);
  const first = answerOfHint((await topMessage(page)).text, TEXTS.sureHint);
  await visit("hint");
  await closeMessage(1);
  await act("dialog[open] .rules");
  await boxesOpen(page, 0);
  await act(`#marker-${first}`);
  await showsNumberAndScore(page, "2.", scoreText(10));

  await act("#window-menu");
  await menuOpen();
  await visit("window-menu");
  await act("#menu .item");
  await aboutOpen();
  await type(TEXTS.hintCode);
  const second = answerOfHint((await topMessage(page)).text, TEXTS.cautiousHint);
  await closeMessage(1);
  await type(TEXTS.secretDoorCode);
  await act("dialog[open] .thanks");
  await topMessage(page);
  await visit("secret-door");
  await closeMessage(0);

  await act(`#marker-${wrongAnswer(second)}`);
  await topMessage(page);
  await visit("wrong");
  await closeMessage(0);
  await until(page, (question) => document.getElementById("question").textContent === question, TEXTS.endQuestion);
  await visit("end");
}
