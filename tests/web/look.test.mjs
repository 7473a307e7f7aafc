// The window's look on a desktop and on a phone: the game's colours and question face, its art,
// and on every screen no sideways scrolling and every target large enough for a finger. Each
// screen is kept as a picture in MENDO_SHOTS.

import assert from "node:assert/strict";
import { mkdirSync } from "node:fs";
import { after, before, describe, test } from "node:test";

import { DESKTOP, PHONE, launchChromium, newPage, serveSite, showStartScreen } from "./chromium.mjs";
import { misfits, tourScreens } from "./player.mjs";
import { colourOf, definitionOf } from "./sources.mjs";

const SHOTS = process.env.MENDO_SHOTS ?? "build/web-shots";

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
    });
    after(async () => {
      await browser?.close();
      await site?.close();
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
        background: colourOf("kSteelBlue"),
        text: colourOf("kGreen"),
        face: definitionOf("ui/MainWindowLook.h", "kQuestionFace")[0],
        weight: 700,
        style: "italic",
        line: "underline",
      });
    });

    test("shows the markers, the helps and the window menu's button with the game's art, every file found", async () => {
      const art = await page.$$eval(".window-menu, .marker, .hint", (targets) =>
        targets.map((target) => getComputedStyle(target).backgroundImage.match(/art\/([\w-]+\.png)/)?.[1]));
      assert.deepEqual(art, ["mainframe-16.png", ...Array(4).fill("mark-idle.png"), "hint-remove.png", "hint-reveal.png"]);
      assert.deepEqual(missing, []);
    });

    test("fits every screen, with the links in the game's blue, and keeps a picture of each", async () => {
      const screens = [];
      await tourScreens(page, async (screen) => {
        screens.push(screen);
        await page.screenshot({ path: `${SHOTS}/${name}-${screen}.png`, fullPage: true });
        assert.deepEqual(await misfits(page), [], screen);
        if (screen === "about") {
          const links = await page.$$eval("dialog[open] a", (all) => all.map((link) => getComputedStyle(link).color));
          assert.deepEqual(links, [colourOf("kLinkBlue"), colourOf("kLinkBlue")]);
        }
      });
      assert.ok(screens.includes("about"));
    });
  });
}
