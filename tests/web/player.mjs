// A player at the page: what it shows, read as a player would read it, and the moves a player
// makes. Every wait is on what the page shows, and bounded.

import assert from "node:assert/strict";

import { WAIT } from "./chromium.mjs";
import { TEXTS, hintText, scoreText } from "./sources.mjs";

// The least width and height of a target, in CSS pixels, for a finger.
export const TARGET = 44;

// What on the screen as it stands is too wide for the phone or too small for a finger.
export function misfits(page) {
  return page.evaluate((least) => {
    const found = [];
    const width = document.documentElement.scrollWidth;
    if (width > innerWidth) {
      found.push(`the page is ${width} px wide`);
    }
    const top = [...document.querySelectorAll("dialog[open]")].at(-1);
    for (const target of (top ?? document).querySelectorAll("button, a, [data-target]")) {
      const box = target.getBoundingClientRect();
      if (box.width > 0 && (box.width < least || box.height < least)) {
        found.push(`${target.id || target.className || target.textContent} is ${box.width} x ${box.height}`);
      }
      if (box.right > innerWidth || box.left < 0) {
        found.push(`${target.id || target.className || target.textContent} stands outside the screen`);
      }
    }
    return found;
  }, TARGET);
}

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

// Walks through every screen the game has, by clicks and keys, and awaits the visit of each,
// named, as it stands: start, the menus, a question, each kind of box, the About box, the end.
export async function tourScreens(page, visit) {
  await visit("start");
  await page.click("#menu-game");
  await until(page, () => !document.getElementById("menu").hidden);
  await visit("game-menu");
  await page.click("#menu .item");
  await showsNumberAndScore(page, "1.", scoreText(0));
  await visit("question");

  await page.click("#hint-remove");
  await topMessage(page);
  await visit("help-refused");
  await page.keyboard.press("Enter");
  await boxesOpen(page, 0);

  await page.click("#menu-about");
  await until(page, () => document.activeElement?.matches("dialog[open] .code"));
  await visit("about");
  await page.keyboard.type(TEXTS.hintCode);
  const right = answerOfHint((await topMessage(page)).text, TEXTS.sureHint);
  await visit("hint");
  await page.keyboard.press("Enter");
  await page.keyboard.press("Escape");
  await boxesOpen(page, 0);

  await page.click("#window-menu");
  await until(page, () => !document.getElementById("menu").hidden);
  await visit("window-menu");
  await page.click("#menu .item");
  await until(page, () => document.activeElement?.matches("dialog[open] .code"));
  await page.keyboard.type(TEXTS.secretDoorCode);
  await page.keyboard.press("Escape");
  await topMessage(page);
  await visit("secret-door");
  await page.keyboard.press("Enter");
  await boxesOpen(page, 0);

  await page.keyboard.press(TEXTS.letters[wrongAnswer(right) - 1]);
  await topMessage(page);
  await visit("wrong");
  await page.keyboard.press("Enter");
  await until(page, (question) => document.getElementById("question").textContent === question, TEXTS.endQuestion);
  await visit("end");
}
