// A whole game with the keyboard alone, to the win that the hint code leads to, with the focus
// always in sight: Tab to the menus, markers and helps, Enter or Space to act on them.

import assert from "node:assert/strict";
import { describe, test } from "node:test";

import { browserAndSite, newPage, showStartScreen } from "./chromium.mjs";
import { rightAnswerByKeys, showsNumberAndScore, shown, until } from "./player.mjs";
import { TEXTS, scoreText } from "./sources.mjs";

const MOST_TABS = 12;

// Tabs on until the element has the focus, and returns how its focus shows.
async function tabTo(page, id) {
  for (let tabs = 0; tabs < MOST_TABS; tabs++) {
    if (await page.evaluate((wanted) => document.activeElement?.id === wanted, id)) {
      return focusLook(page);
    }
    await page.keyboard.press("Tab");
  }
  throw new Error(`${MOST_TABS} tabs did not reach #${id}`);
}

// How the focused element shows its focus: its outline, and whether the browser counts it as in sight.
function focusLook(page) {
  return page.evaluate(() => {
    const focused = document.activeElement;
    const style = getComputedStyle(focused);
    return { visible: focused.matches(":focus-visible"), outline: `${style.outlineStyle} ${style.outlineWidth}` };
  });
}

const SEEN = { visible: true, outline: "solid 3px" };

describe("the keyboard alone", () => {
  const chromium = browserAndSite();

  test("plays a whole game to the win, with the focus in sight", async () => {
    const page = await showStartScreen(await newPage(chromium.browser), chromium.site.url);
    assert.deepEqual(await tabTo(page, "menu-game"), SEEN);
    await page.keyboard.press("Enter");
    await until(page, () => document.activeElement?.matches("#menu .item.chosen"));
    assert.deepEqual(await focusLook(page), SEEN);
    await page.keyboard.press("Enter");

    let score = 0;
    await showsNumberAndScore(page, "1.", scoreText(score));
    for (let question = 1; question <= 25; question++) {
      const right = await rightAnswerByKeys(page);
      if (question === 6) {
        assert.deepEqual(await tabTo(page, "hint-reveal"), SEEN);
        await page.keyboard.press("Enter");
        score -= 50;
        await showsNumberAndScore(page, "6.", scoreText(score));
        assert.deepEqual((await shown(page)).answers.map((answer) => answer !== ""), [1, 2, 3, 4].map((k) => k === right));
      }
      if (question === 8) {
        await page.keyboard.press("1");
        score -= 10;
        await showsNumberAndScore(page, "8.", scoreText(score));
      }
      // By turns: the letter, Enter on the focused marker, Space on it.
      if (question % 3 === 0) {
        await page.keyboard.press(TEXTS.letters[right - 1]);
      } else {
        assert.deepEqual(await tabTo(page, `marker-${right}`), SEEN);
        await page.keyboard.press(question % 3 === 1 ? "Enter" : " ");
      }
      score += 10;
      await showsNumberAndScore(page, question < 25 ? `${question + 1}.` : "", scoreText(score));
    }
    const won = await shown(page);
    assert.deepEqual([won.question, won.answers, won.rank], [TEXTS.win, ["", "", "", ""], score / 10]);
    assert.deepEqual(won.boxes, []);
    await page.context().close();
  });
});
