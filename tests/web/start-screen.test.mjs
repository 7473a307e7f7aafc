// The start screen: the game's texts from its module, decoded by the browser, as the sources
// write them; the window's own texts; the clock; and what the site serves.

import assert from "node:assert/strict";
import { before, describe, test } from "node:test";

import { browserAndSite, newPage, showStartScreen } from "./chromium.mjs";
import { shown, until } from "./player.mjs";
import { TEXTS } from "./sources.mjs";

const SECONDS_PER_DAY = 86_400;

describe("the start screen", () => {
  const chromium = browserAndSite();
  let page;
  before(async () => {
    page = await showStartScreen(await newPage(chromium.browser), chromium.site.url);
  });

  test("shows the start question and answers of the engine's sources, and no number or score", async () => {
    const start = await shown(page);
    assert.deepEqual(
      [start.question, start.answers, start.number, start.score, start.menu, start.boxes],
      [TEXTS.startQuestion, TEXTS.startAnswers, "", "", null, []],
    );
  });

  test("names the window and its menus, letters and rank scale with the window's texts", async () => {
    assert.equal(await page.title(), TEXTS.title);
    const texts = (selector) => page.$$eval(selector, (elements) => elements.map((e) => e.textContent));
    assert.deepEqual(await texts(".title, .menu-title"), [TEXTS.title, TEXTS.game, TEXTS.about]);
    assert.deepEqual(await texts(".letter"), TEXTS.letters);
    assert.deepEqual(await texts(".scale li"), TEXTS.rankScale);
  });

  test("runs the clock in the player's local time, second by second", async () => {
    const first = await page.textContent("#clock");
    await until(page, (shownBefore) => document.getElementById("clock").textContent !== shownBefore, first);
    const [clock, now] = await page.evaluate(() => {
      const date = new Date();
      return [document.getElementById("clock").textContent, date.getHours() * 3600 + date.getMinutes() * 60 + date.getSeconds()];
    });
    assert.match(clock, /^\d\d:\d\d:\d\d$/);
    const [hours, minutes, seconds] = clock.split(":").map(Number);
    const behind = (now - (hours * 3600 + minutes * 60 + seconds) + SECONDS_PER_DAY) % SECONDS_PER_DAY;
    assert.ok(behind <= 1, `${clock} is ${behind} s behind the local time`);
  });

  test("serves the module as application/wasm, asking the page for the calendar clock alone, and the icons as PNG", async () => {
    const type = async (path) => (await fetch(new URL(path, chromium.site.url))).headers.get("content-type");
    assert.equal(await type("mendo.wasm"), "application/wasm");
    const imports = await page.evaluate(async () =>
      WebAssembly.Module.imports(await WebAssembly.compileStreaming(fetch("mendo.wasm"))));
    assert.deepEqual(imports, [{ module: "wasi_snapshot_preview1", name: "clock_time_get", kind: "function" }]);
    const icons = await page.$$eval("link[rel=icon]", (links) => links.map((link) => link.href));
    assert.ok(icons.length > 0);
    for (const icon of icons) {
      assert.equal(await type(icon), "image/png");
    }
  });
});
