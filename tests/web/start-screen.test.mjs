// The start screen: the game's texts from its module, decoded by the browser, as the sources write them.

import assert from "node:assert/strict";
import { readFileSync } from "node:fs";
import { after, before, describe, test } from "node:test";

import { WAIT, launchChromium, newPage, serveSite, showStartScreen } from "./chromium.mjs";
import { definitionOf } from "./sources.mjs";

const window = JSON.parse(readFileSync("web/site/window.json", "utf8"));
const POOLS = [
  { level: "easy", source: "questions/EasyPool.cpp" },
  { level: "hard", source: "questions/HardPool.cpp" },
  { level: "logic", source: "questions/LogicPool.cpp" },
];

describe("the start screen", () => {
  let browser, site, page;
  before(async () => {
    [browser, site] = await Promise.all([launchChromium(), serveSite()]);
    page = await showStartScreen(await newPage(browser), site.url);
  });
  after(async () => {
    await browser?.close();
    await site?.close();
  });

  test("shows the start question and answers of the engine's sources", async () => {
    const shown = await page.$$eval("#question, .answer-text", (elements) => elements.map((e) => e.textContent));
    assert.deepEqual(shown, [
      ...definitionOf("engine/StartTexts.h", "kStartQuestion"),
      ...definitionOf("engine/StartTexts.h", "kStartAnswers"),
    ]);
  });

  test("reads each pool's first and last questions back from the module as written", async () => {
    for (const { level, source } of POOLS) {
      const written = definitionOf(source, "kQuestions");
      const read = await page.evaluate(
        async ({ level, last }) => {
          const { Level, loadEngine } = await import("./engine.js");
          const engine = await loadEngine("mendo.wasm");
          return [0, last, last + 1].map((index) => engine.poolQuestion(Level[level], index));
        },
        { level, last: written.length - 1 },
      );
      assert.deepEqual(read, [written[0], written.at(-1), null], level);
    }
  });

  test("names the window and its menus, letters and rank scale with the window's texts", async () => {
    assert.equal(await page.title(), window.title);
    const texts = (selector) => page.$$eval(selector, (elements) => elements.map((e) => e.textContent));
    assert.deepEqual(await texts(".title, .menu-title"), [window.title, window.menus.game, window.menus.about]);
    assert.deepEqual(await texts(".letter"), window.letters);
    assert.deepEqual(await texts(".scale li"), window.rankScale);
  });

  test("runs the clock in the player's local time, second by second", async () => {
    const first = await page.textContent("#clock");
    await page.waitForFunction((shown) => document.getElementById("clock").textContent !== shown, first, WAIT);
    const [shown, now] = await page.evaluate(() => {
      const date = new Date();
      return [document.getElementById("clock").textContent, date.getHours() * 3600 + date.getMinutes() * 60 + date.getSeconds()];
    });
    assert.match(shown, /^\d\d:\d\d:\d\d$/);
    const [hours, minutes, seconds] = shown.split(":").map(Number);
    const behind = (now - (hours * 3600 + minutes * 60 + seconds) + 86_400) % 86_400;
    assert.ok(behind <= 1, `${shown} is ${behind} s behind the local time`);
  });

  test("serves the module as application/wasm and the icons as PNG", async () => {
    const type = async (path) => (await fetch(new URL(path, site.url))).headers.get("content-type");
    assert.equal(await type("mendo.wasm"), "application/wasm");
    const icons = await page.$$eval("link[rel=icon]", (links) => links.map((link) => link.href));
    assert.ok(icons.length > 0);
    for (const icon of icons) {
      assert.equal(await type(icon), "image/png");
    }
  });
});

