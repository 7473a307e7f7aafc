// The About box: its texts, its two openers with the hint and the secret door, its links, and
// its codes typed on a phone.

import assert from "node:assert/strict";
import { describe, test } from "node:test";

import { PHONE, browserAndSite, newPage, showStartScreen } from "./chromium.mjs";
import { answerOfHint, boxesOpen, rightAnswerByKeys, shown, startGame, topMessage, until } from "./player.mjs";
import { TEXTS, hintText, menuLabel } from "./sources.mjs";

// Waits until the About box is open and its code field has the focus.
const aboutOpen = (page) => until(page, () => document.activeElement?.matches("dialog[open].about-box .code"));

describe("the About box", () => {
  const chromium = browserAndSite();
  const open = async (device) => showStartScreen(await newPage(chromium.browser, device), chromium.site.url);

  test("shows the caption block, the rules, the links and the thanks line as the sources write them", async () => {
    const page = await open();
    await page.click("#menu-about");
    await aboutOpen(page);
    const about = await page.evaluate(() => {
      const box = document.querySelector("dialog[open]");
      const byId = (attribute) => document.getElementById(box.getAttribute(attribute)).textContent;
      const link = (selector) => [box.querySelector(selector).textContent, box.querySelector(selector).getAttribute("href")];
      return {
        name: byId("aria-labelledby"),
        description: byId("aria-describedby"),
        thanks: box.querySelector(".thanks").textContent,
        labels: [...box.querySelectorAll(".links span")].map((label) => label.textContent),
        web: link(".web-link"),
        mail: link(".mail-link"),
      };
    });
    assert.deepEqual(about, {
      name: TEXTS.captionBlock,
      description: TEXTS.rules,
      thanks: TEXTS.thanks,
      labels: [TEXTS.webLabel, TEXTS.mailLabel],
      web: [TEXTS.webAddress, TEXTS.webAddress],
      mail: [TEXTS.mailAddress, TEXTS.mailTo + TEXTS.mailAddress],
    });
    await page.context().close();
  });

  test("from the menu bar, the hint code names the right answer surely and the door code opens nothing", async () => {
    const page = await open();
    await page.click("#menu-about");
    await aboutOpen(page);
    await page.keyboard.type(TEXTS.hintCode);
    assert.deepEqual(await topMessage(page), { caption: TEXTS.hintCaption, text: hintText(TEXTS.sureHint, "?") });
    await page.keyboard.press("Enter");
    await page.keyboard.type(TEXTS.secretDoorCode);
    await page.keyboard.press("Escape");
    await boxesOpen(page, 0);

    await startGame(page);
    await page.click("#menu-about");
    await aboutOpen(page);
    await page.keyboard.type(TEXTS.hintCode);
    const right = answerOfHint((await topMessage(page)).text, TEXTS.sureHint);
    await page.click("dialog[open] .ok");
    await boxesOpen(page, 1);
    await page.click("dialog[open] .rules");
    await boxesOpen(page, 0);
    await page.keyboard.press("abcd"[right - 1]);
    await until(page, () => document.getElementById("number").textContent === "2.");
    await page.context().close();
  });

  test("from the window menu, the hint code names the answer cautiously and the door code opens the door", async () => {
    const page = await open();
    await startGame(page);
    await page.click("#window-menu");
    assert.deepEqual((await shown(page)).menu, [menuLabel(TEXTS.windowAbout)]);
    await page.click("#menu .item");
    await aboutOpen(page);
    await page.keyboard.type(TEXTS.hintCode);
    const hint = await topMessage(page);
    assert.equal(hint.caption, TEXTS.hintCaption);
    const right = answerOfHint(hint.text, TEXTS.cautiousHint);
    await page.keyboard.press("Enter");
    await aboutOpen(page);
    await page.keyboard.type(TEXTS.secretDoorCode);
    await page.keyboard.press("Enter");
    assert.deepEqual(await topMessage(page), { caption: TEXTS.secretDoorCaption, text: TEXTS.secretDoor });
    assert.equal((await shown(page)).boxes.length, 1, "the About box closed under the door");
    await page.keyboard.press("Enter");
    await boxesOpen(page, 0);

    // Alt+Space opens the window menu too; its item's letter chooses it.
    await page.keyboard.press("Alt+Space");
    await page.keyboard.press("a");
    await aboutOpen(page);
    await page.keyboard.type(TEXTS.hintCode);
    assert.equal(answerOfHint((await topMessage(page)).text, TEXTS.cautiousHint), right);
    await page.context().close();
  });

  test("closes one box for each Esc or close request of the system, and takes a Backspace in the code", async () => {
    const page = await open();
    await page.keyboard.press("Alt+a");
    await aboutOpen(page);
    await page.keyboard.type(TEXTS.hintCode.slice(0, 2) + "9");
    await page.keyboard.press("Backspace");
    await page.keyboard.type(TEXTS.hintCode.slice(2));
    await topMessage(page);
    await page.keyboard.press("Escape");
    await aboutOpen(page);
    assert.deepEqual((await shown(page)).boxes, [{ about: true }]);
    await page.keyboard.press("Escape");
    await boxesOpen(page, 0);

    // A phone's back gesture asks the dialog on top to close, as this call does.
    await page.keyboard.press("Alt+a");
    await aboutOpen(page);
    await page.keyboard.type(TEXTS.hintCode);
    await topMessage(page);
    await page.evaluate(() => [...document.querySelectorAll("dialog[open]")].at(-1).requestClose());
    await aboutOpen(page);
    assert.deepEqual((await shown(page)).boxes, [{ about: true }]);
    await page.evaluate(() => document.querySelector("dialog[open]").requestClose());
    await boxesOpen(page, 0);
    await page.keyboard.type(TEXTS.hintCode);
    assert.deepEqual((await shown(page)).boxes, [], "the About box is closed in the game too");
    await page.context().close();
  });

  test("opens each link's address in a new tab, by a click and by a tap, and stays open", async () => {
    for (const device of [undefined, PHONE]) {
      const page = await newPage(chromium.browser, device);
      await page.context().route(`${TEXTS.webAddress}/**`, (route) => route.fulfill({ body: "elsewhere" }));
      // A mail address opens in the mail program, and its tab stays blank: what was opened is what
      // counts. Set up before the page loads, so that no act of the test counts as the player's.
      await page.addInitScript(() => {
        window.opened = [];
        const open = window.open;
        window.open = (address, ...rest) => {
          window.opened.push(address);
          return open(address, ...rest);
        };
      });
      await showStartScreen(page, chromium.site.url);
      const act = (selector) => (device ? page.tap(selector) : page.click(selector));
      await act("#menu-about");
      await aboutOpen(page);
      const [tab] = await Promise.all([page.context().waitForEvent("page"), act("dialog[open] .web-link")]);
      await tab.waitForURL(`${TEXTS.webAddress}/`, { timeout: 15_000 });
      await Promise.all([page.context().waitForEvent("page"), act("dialog[open] .mail-link")]);
      assert.deepEqual(await page.evaluate(() => window.opened), [TEXTS.webAddress, TEXTS.mailTo + TEXTS.mailAddress]);
      assert.deepEqual((await shown(page)).boxes, [{ about: true }]);
      assert.equal(page.url(), chromium.site.url);
      await page.context().close();
    }
  });

  test("takes the codes on a phone from the code field's changes, with no keys", async () => {
    const page = await open(PHONE);
    await page.tap("#menu-about");
    await aboutOpen(page);
    assert.equal(await page.getAttribute("dialog[open] .code", "inputmode"), "numeric");
    await page.keyboard.insertText(TEXTS.hintCode);
    assert.deepEqual(await topMessage(page), { caption: TEXTS.hintCaption, text: hintText(TEXTS.sureHint, "?") });
    await page.tap("dialog[open] .ok");
    await aboutOpen(page);
    await page.tap("dialog[open] .thanks");
    await boxesOpen(page, 0);
    await page.context().close();
  });
});
