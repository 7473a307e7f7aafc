// The window's look on a desktop and on a phone: the game's colours and question face, its art,
// every target large enough for a finger, and no sideways scrolling.

import assert from "node:assert/strict";
import { mkdirSync } from "node:fs";
import { after, before, describe, test } from "node:test";

import { DESKTOP, PHONE, launchChromium, newPage, serveSite, showStartScreen } from "./chromium.mjs";
import { colourOf, definitionOf } from "./sources.mjs";

const SHOTS = process.env.MENDO_SHOTS ?? "build/web-shots";
const TARGET = 44;
const LOOK = "ui/MainWindowLook.h";

for (const [name, device] of Object.entries({ desktop: DESKTOP, phone: PHONE })) {
  describe(`the window on a ${name}`, () => {
    let browser, site, page;
    const missing = [];
    before(async () => {
      [browser, site] = await Promise.all([launchChromium(), serveSite()]);
      page = await newPage(browser, device);
      page.on("response", (response) => response.ok() || missing.push(response.url()));
      await showStartScreen(page, site.url);
      await page.evaluate(() => document.fonts.ready);
      mkdirSync(SHOTS, { recursive: true });
      await page.screenshot({ path: `${SHOTS}/${name}.png`, fullPage: true });
    });
    after(async () => {
      await browser?.close();
      await site?.close();
    });

    test("scrolls no wider than the screen", async () => {
      const [scrolled, screen] = await page.evaluate(() => [document.documentElement.scrollWidth, innerWidth]);
      assert.ok(scrolled <= screen, `${scrolled} px wide on a screen of ${screen}`);
    });

    test(`gives every target at least ${TARGET} x ${TARGET} CSS pixels`, async () => {
      const small = await page.$$eval("button, a, [role=radio]", (targets, least) =>
        targets
          .map((target) => ({ id: target.id || target.className, box: target.getBoundingClientRect() }))
          .filter(({ box }) => box.width < least || box.height < least)
          .map(({ id, box }) => `${id} ${box.width} x ${box.height}`), TARGET);
      assert.deepEqual(small, []);
    });

    test("paints the game's colours and the question in its bold, italic, underlined serif face", async () => {
      const look = await page.evaluate(() => {
        const client = getComputedStyle(document.querySelector(".client"));
        const question = getComputedStyle(document.getElementById("question"));
        return {
          background: client.backgroundColor,
          text: client.color,
          face: question.fontFamily.split(",")[0].replaceAll('"', ""),
          weight: Number(question.fontWeight),
          style: question.fontStyle,
          line: question.textDecorationLine,
        };
      });
      assert.deepEqual(look, {
        background: colourOf(LOOK, "kBackground"),
        text: colourOf(LOOK, "kTextColour"),
        face: definitionOf(LOOK, "kQuestionFace")[0],
        weight: 700,
        style: "italic",
        line: "underline",
      });
    });

    test("shows the markers and the helps with the game's art, every file found", async () => {
      const art = await page.$$eval(".window-menu, .marker, .hint", (targets) =>
        targets.map((target) => getComputedStyle(target).backgroundImage.match(/art\/([\w-]+\.png)/)?.[1]));
      assert.deepEqual(art, [
        "mainframe-16.png",
        ...Array(4).fill("mark-idle.png"),
        "hint-remove.png",
        "hint-reveal.png",
      ]);
      assert.deepEqual(missing, []);
    });
  });
}
