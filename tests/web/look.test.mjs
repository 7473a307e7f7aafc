// The window's look on a desktop and on a 360 x 740 phone: the game's colours and question face
// and its art; and every screen, reached by clicks on the desktop and by taps alone on the phone,
// with no sideways scrolling, every target large enough for a finger, and the right answer under
// "WRONG!!!" in sight. Each screen is kept as a picture in MENDO_SHOTS.

import assert from "node:assert/strict";
import { mkdirSync } from "node:fs";
import { before, describe, test } from "node:test";

import { DESKTOP, PHONE, browserAndSite, newPage, showStartScreen } from "./chromium.mjs";
import { tourScreens } from "./player.mjs";
import { colourOf, definitionOf } from "./sources.mjs";

const SHOTS = process.env.MENDO_SHOTS ?? "build/web-shots";
const TARGET = 44;  // CSS pixels, each way

// What on the screen as it stands is too wide for the screen or too small for a finger, and
// which answer lies under the game's box on top.
function misfits(page) {
  return page.evaluate((least) => {
    const found = [];
    if (document.documentElement.scrollWidth > innerWidth) {
      found.push(`the page is ${document.documentElement.scrollWidth} px wide`);
    }
    const top = [...document.querySelectorAll("dialog[open]")].at(-1);
    const name = (element) => element.id || element.className || element.textContent;
    // A button the page keeps hidden, as the one back to the built-in questions without a pack, is no target.
    for (const target of [...(top ?? document).querySelectorAll("button, a")].filter((shown) => shown.checkVisibility())) {
      const box = target.getBoundingClientRect();
      if (box.width < least || box.height < least) {
        found.push(`${name(target)} is ${box.width} x ${box.height}`);
      }
      if (box.left < 0 || box.right > innerWidth) {
        found.push(`${name(target)} stands outside the screen`);
      }
    }
    const message = top?.classList.contains("message-box") ? top.getBoundingClientRect() : null;
    for (const answer of message ? document.querySelectorAll(".answer-text") : []) {
      const box = answer.getBoundingClientRect();
      const under = box.bottom > message.top && box.top < message.bottom && box.right > message.left && box.left < message.right;
      if (answer.textContent !== "" && under) {
        found.push(`${answer.textContent} lies under the box`);
      }
    }
    return found;
  }, TARGET);
}

for (const [name, device] of Object.entries({ desktop: DESKTOP, phone: PHONE })) {
  describe(`the window on a ${name}`, () => {
    const chromium = browserAndSite();
    let page;
    const missing = [];
    before(async () => {
      page = await newPage(chromium.browser, device);
      page.on("response", (response) => response.ok() || missing.push(response.url()));
      await showStartScreen(page, chromium.site.url);
      await page.evaluate(() => document.fonts.ready);
      mkdirSync(SHOTS, { recursive: true });
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
        face: definitionOf("ui/QuestionFont.h", "kQuestionFace")[0],
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

    test(`plays every screen by ${device.hasTouch ? "taps" : "clicks"}, each fitting the screen, the links in the game's blue`, async () => {
      const screens = [];
      await tourScreens(page, async (screen) => {
        screens.push(screen);
        await page.screenshot({ path: `${SHOTS}/${name}-${screen}.png`, fullPage: true });
        assert.deepEqual(await misfits(page), [], screen);
        if (screen === "about") {
          const links = await page.$$eval("dialog[open] a", (all) => all.map((link) => getComputedStyle(link).color));
          assert.deepEqual(links, [colourOf("kLinkBlue"), colourOf("kLinkBlue")]);
        }
      }, { tap: device.hasTouch === true });
      assert.equal(screens.length, 10);
    });
  });
}
