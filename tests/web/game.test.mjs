// The game on a desktop: the levels, answers by key and by click, a lost game, and the helps,
// each box with the game's own texts.

import assert from "node:assert/strict";
import { beforeEach, describe, test } from "node:test";

import { browserAndSite, newPage, showStartScreen } from "./chromium.mjs";
import {
  boxesOpen, rightAnswerByKeys, showsNumberAndScore, shown, startGame, topMessage, until, wrongAnswer,
} from "./player.mjs";
import { TEXTS, menuLabel, questionsOf, scoreText } from "./sources.mjs";

const LEVELS = ["easy", "hard", "logic"];

// A key of the Bulgarian phonetic layout, whose letters stand on the Latin keys: a key the
// test driver's own layout does not have.
async function pressOnLayout(page, character, latin) {
  const session = await page.context().newCDPSession(page);
  const key = { key: character, code: `Key${latin}`, text: character };
  await session.send("Input.dispatchKeyEvent", { type: "keyDown", ...key });
  await session.send("Input.dispatchKeyEvent", { type: "keyUp", ...key });
  await session.detach();
}

// Waits until a game of the level shows its first question, with the question's "?" rule applied.
function showsFirstQuestionOf(page, level) {
  return until(page, ([questions, score]) =>
    document.getElementById("number").textContent === "1." &&
    document.getElementById("score").textContent === score &&
    questions.includes(document.getElementById("question").textContent),
  [questionsOf(level), scoreText(0)]);
}

describe("the game", () => {
  const chromium = browserAndSite();
  let page;
  beforeEach(async () => {
    await page?.context().close();
    page = await showStartScreen(await newPage(chromium.browser), chromium.site.url);
  });

  test("starts each level by its key and by its menu, each from its own pool", async () => {
    const pools = LEVELS.map((level) => new Set(questionsOf(level)));
    const all = new Set(pools.flatMap((pool) => [...pool]));
    assert.equal(all.size, pools.reduce((sum, pool) => sum + pool.size, 0), "a start shows whose pool it came from");
    // Each start changes the pool, so that every one of them shows.
    for (const [key, level] of [["Control+e", "easy"], ["Control+h", "hard"], ["Control+l", "logic"],
      ["Control+e", "easy"], ["Backspace", "hard"]]) {
      await page.keyboard.press(key);
      await showsFirstQuestionOf(page, level);
    }

    await page.click("#menu-game");
    const items = TEXTS.levels.map((text) => menuLabel(text) + text.split("\t")[1]);
    assert.deepEqual((await shown(page)).menu, items);
    await page.click("#menu .item >> nth=2");
    await showsFirstQuestionOf(page, "logic");

    // Up from the first item goes round to the last.
    await page.keyboard.press("F10");
    for (const key of ["ArrowUp", "ArrowDown", "ArrowDown", "Enter"]) {
      await page.keyboard.press(key);
    }
    await showsFirstQuestionOf(page, "hard");
    assert.equal((await shown(page)).menu, null);

    // Alt+G opens the menu, and an item's letter chooses it.
    await page.keyboard.press("Alt+g");
    await page.keyboard.press("e");
    await showsFirstQuestionOf(page, "easy");
  });

  test("takes a right answer by its letter in either case and in Cyrillic, and by a click on its marker", async () => {
    await startGame(page);
    const layouts = [
      (k) => page.keyboard.press("abcd"[k - 1]),
      (k) => page.keyboard.press("ABCD"[k - 1]),
      (k) => pressOnLayout(page, "абцд"[k - 1], "ABCD"[k - 1]),
      (k) => pressOnLayout(page, "АБЦД"[k - 1], "ABCD"[k - 1]),
    ];
    for (const [index, press] of layouts.entries()) {
      await press(await rightAnswerByKeys(page));
      await showsNumberAndScore(page, `${index + 2}.`, scoreText(10 * (index + 1)));
    }
    await page.click(`#marker-${await rightAnswerByKeys(page)}`);
    await showsNumberAndScore(page, "6.", scoreText(50));
    assert.ok(questionsOf("easy").includes((await shown(page)).question));
  });

  test("shows WRONG!!! over the right answer alone, takes no click under it, then the end screen", async () => {
    await startGame(page);
    const right = await rightAnswerByKeys(page);
    const rightText = (await shown(page)).answers[right - 1];
    await page.click(`#marker-${wrongAnswer(right)}`);
    assert.deepEqual(await topMessage(page), { caption: TEXTS.wrongCaption, text: TEXTS.wrong });
    const box = page.locator("dialog[open]");
    assert.equal(await box.getAttribute("role"), "alertdialog");
    assert.equal(await box.locator(".stop").count(), 1);

    const under = await shown(page);
    assert.deepEqual(under.answers, under.answers.map((_, k) => (k === right - 1 ? rightText : "")));
    assert.equal(under.number, "1.");
    // The page under the box takes no click, and the clock goes on.
    const marker = await page.locator(`#marker-${right}`).boundingBox();
    await page.mouse.click(marker.x + marker.width / 2, marker.y + marker.height / 2);
    await until(page, (clock) => document.getElementById("clock").textContent !== clock, under.clock);
    assert.deepEqual({ ...(await shown(page)), clock: under.clock }, under);

    await page.click("dialog[open] .ok");
    await boxesOpen(page, 0);
    await until(page, (answers) => answers.every((answer, k) => document.getElementById(`answer-${k + 1}`).textContent === answer),
      TEXTS.startAnswers);
    const end = await shown(page);
    assert.deepEqual([end.question, end.number, end.score, end.rank], [TEXTS.endQuestion, "", "", 1]);
  });

  test("refuses a help the player cannot pay, sells one he can, and calls a blanked answer chosen", async () => {
    await startGame(page);
    await page.click("#hint-remove");
    assert.deepEqual(await topMessage(page), { caption: TEXTS.programName, text: TEXTS.cannotPay });
    await page.keyboard.press("Enter");
    await boxesOpen(page, 0);

    await page.keyboard.press("abcd"[await rightAnswerByKeys(page) - 1]);
    await showsNumberAndScore(page, "2.", scoreText(10));
    const right = await rightAnswerByKeys(page);
    const before = (await shown(page)).answers;
    await page.click("#hint-remove");
    await showsNumberAndScore(page, "2.", scoreText(0));
    const after = (await shown(page)).answers;
    const blanked = after.findIndex((answer, k) => answer === "" && before[k] !== "");
    assert.ok(blanked >= 0 && blanked !== right - 1, "one wrong answer is blanked");
    assert.deepEqual(after.filter((answer) => answer !== ""), before.filter((_, k) => k !== blanked));

    await page.keyboard.press("5");
    assert.deepEqual(await topMessage(page), { caption: TEXTS.programName, text: TEXTS.earnItYourself });
    await page.keyboard.press(" ");
    await boxesOpen(page, 0);

    await page.click(`#marker-${blanked + 1}`);
    assert.deepEqual(await topMessage(page), { caption: TEXTS.programName, text: TEXTS.blankChosen });
    await page.keyboard.press("Escape");
    await boxesOpen(page, 0);
    assert.equal((await shown(page)).number, "2.", "the game goes on");
  });
});
