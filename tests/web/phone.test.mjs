// The game on a phone of 360 x 740 CSS pixels, played by taps alone: on every screen nothing
// scrolls sideways and every target is at least 44 x 44 CSS pixels.

import assert from "node:assert/strict";
import { after, before, describe, test } from "node:test";

import { PHONE, launchChromium, newPage, serveSite, showStartScreen } from "./chromium.mjs";
import { answerOfHint, boxesOpen, misfits, showsNumberAndScore, topMessage, until, wrongAnswer } from "./player.mjs";
import { TEXTS, scoreText } from "./sources.mjs";

describe("a phone", () => {
  let browser, site;
  before(async () => {
    [browser, site] = await Promise.all([launchChromium(), serveSite()]);
  });
  after(async () => {
    await browser?.close();
    await site?.close();
  });

  test("plays a game by taps, every screen fitting the phone and every target a finger", async () => {
    const page = await showStartScreen(await newPage(browser, PHONE), site.url);
    const fits = async (screen) => assert.deepEqual(await misfits(page), [], screen);
    await fits("start");

    await page.tap("#menu-game");
    await until(page, () => !document.getElementById("menu").hidden);
    await fits("Game menu");
    await page.tap("#menu .item >> nth=1");
    await showsNumberAndScore(page, "1.", scoreText(0));
    await fits("question");

    // The right answer by the hint: the About box by a tap, the code from the phone's keyboard.
    const learn = async () => {
      await page.tap("#menu-about");
      await until(page, () => document.activeElement?.matches("dialog[open] .code"));
      await fits("About");
      await page.keyboard.insertText(TEXTS.hintCode);
      const hint = await topMessage(page);
      await fits("hint");
      await page.tap("dialog[open] .ok");
      await boxesOpen(page, 1);
      await page.tap("dialog[open] .rules");
      await boxesOpen(page, 0);
      return answerOfHint(hint.text, TEXTS.sureHint);
    };
    await page.tap(`#marker-${await learn()}`);
    await showsNumberAndScore(page, "2.", scoreText(10));

    await page.tap("#hint-reveal");
    assert.deepEqual(await topMessage(page), { caption: TEXTS.programName, text: TEXTS.earnItYourself });
    await fits("help refused");
    await page.tap("dialog[open] .ok");
    await boxesOpen(page, 0);

    await page.tap("#window-menu");
    await until(page, () => !document.getElementById("menu").hidden);
    await fits("window menu");
    await page.tap("#menu .item");
    await until(page, () => document.activeElement?.matches("dialog[open] .code"));
    await page.tap("dialog[open] .caption-block");
    await boxesOpen(page, 0);

    const right = await learn();
    const rightText = await page.textContent(`#answer-${right}`);
    await page.tap(`#marker-${wrongAnswer(right)}`);
    assert.deepEqual(await topMessage(page), { caption: TEXTS.wrongCaption, text: TEXTS.wrong });
    await fits("WRONG!!!");
    // The right answer stands whole and in sight beside the box.
    const [answer, box] = await Promise.all([`#answer-${right}`, "dialog[open]"].map((selector) =>
      page.locator(selector).boundingBox()));
    const apart = answer.y + answer.height <= box.y || box.y + box.height <= answer.y;
    assert.ok(apart, `the right answer ${rightText} lies under the box`);
    await page.tap("dialog[open] .ok");
    await boxesOpen(page, 0);
    await until(page, (question) => document.getElementById("question").textContent === question, TEXTS.endQuestion);
    await fits("end");
    await page.context().close();
  });
});
