// Packs of the player's questions in the page: a file picked with the page's button, a file
// dropped on the page, a link that names a file beside the site; the pack named in the title,
// kept over a reload with the server gone, until the player goes back to the built-in questions;
// its problems in a box of the game's; a refused pack or file, which leaves the built-in
// questions playing; and a game from a pack won through the hint code.

import assert from "node:assert/strict";
import { mkdirSync } from "node:fs";
import { cp, mkdtemp, rm, writeFile } from "node:fs/promises";
import { createServer } from "node:http";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { after, before, describe, test } from "node:test";

import { PHONE, SITE, WAIT, launchChromium, newPage, showStartScreen } from "./chromium.mjs";
import { aikenPack, packQuestion, packWithTooLong, tooLongQuestion } from "./packs.mjs";
import { boxesOpen, rightAnswerByKeys, showsNumberAndScore, shown, startGame, topMessage, until } from "./player.mjs";
import { TEXTS, faultSentence, questionsOf, scoreText } from "./sources.mjs";
import { siteHandler } from "../../web/serve.mjs";

const SHOTS = process.env.MENDO_SHOTS ?? "build/web-shots";
const PACK_SIZE_LIMIT = 16 * 1024 * 1024;
const ENDLESS = "/endless.txt";
const SAID_LARGE = "/said-large.txt";  // a file whose length the server says is too large, and that never comes
const SHOWN_AT_MOST = 58;  // characters of a question before its question mark
const PROBLEMS_LISTED = 100;

// The questions a pack of count questions from the first shows.
const questionsFrom = (count, first = 1) => Array.from({ length: count }, (_, k) => packQuestion(first + k));

// Waits for the promise no longer than the page's waits.
function within(promise, failure) {
  let timer;
  const late = new Promise((_, reject) => {
    timer = setTimeout(() => reject(new Error(failure)), WAIT.timeout);
  });
  return Promise.race([promise, late]).finally(() => clearTimeout(timer));
}

// A copy of the site with a pack beside it, and an address that sends lines for ever.
async function serveSiteWithPack() {
  const folder = await mkdtemp(join(tmpdir(), "mendo-packs-"));
  await cp(SITE, folder, { recursive: true });
  await writeFile(join(folder, "questions.txt"), aikenPack(30, { first: 101 }));
  const files = siteHandler(folder);
  // Settles when the page lets go of the endless file.
  let letGo;
  const endless = { closed: new Promise((resolve) => {
    letGo = resolve;
  }) };
  const server = createServer((request, response) => {
    const path = new URL(request.url, "http://host").pathname;
    if (path === SAID_LARGE) {
      response.writeHead(200, { "Content-Type": "text/plain", "Content-Length": PACK_SIZE_LIMIT + 1 });
      response.write(`${packQuestion(1)}\n`);
      return;
    }
    if (path !== ENDLESS) {
      files(request, response);
      return;
    }
    response.writeHead(200, { "Content-Type": "text/plain" });
    const lines = Buffer.from(`${packQuestion(1)}\n`.repeat(4096));
    const send = () => {
      while (!response.destroyed && response.write(lines)) {
        // as long as the page takes them
      }
    };
    response.on("drain", send);
    response.on("close", letGo);
    send();
  });
  await new Promise((resolve) => server.listen(0, "127.0.0.1", resolve));
  return {
    url: `http://127.0.0.1:${server.address().port}/`,
    endless,
    close: async () => {
      server.closeAllConnections();
      await new Promise((resolve) => server.close(resolve));
      await rm(folder, { recursive: true, force: true });
    },
  };
}

// Waits until the title bar and the page's title name the pack, or the game alone for null.
function titled(page, name) {
  const title = name === null ? TEXTS.title : `${name}${TEXTS.packTitleSeparator}${TEXTS.title}`;
  return until(page, (wanted) => document.title === wanted && document.querySelector(".title").textContent === wanted, title);
}

// Whether the button back to the built-in questions shows.
const offersBuiltIn = (page) => page.isVisible("#own-questions");

// Picks the file with the page's button, by a click or a tap.
async function pick(page, name, text, { tap = false } = {}) {
  const [chooser] = await Promise.all([
    page.waitForEvent("filechooser", WAIT),
    tap ? page.tap("#open-pack") : page.click("#open-pack"),
  ]);
  await chooser.setFiles({ name, mimeType: "text/plain", buffer: Buffer.from(text) });
}

// Drops a file made in the page on the game's window, as a file dragged from the desktop lands.
function drop(page, name, text) {
  return page.evaluate(([fileName, content]) => {
    const data = new DataTransfer();
    data.items.add(new File([content], fileName, { type: "text/plain" }));
    document.querySelector(".client").dispatchEvent(new DragEvent("drop", { dataTransfer: data, bubbles: true, cancelable: true }));
  }, [name, text]);
}

// The question a game of the level starts with, by its key.
async function firstQuestion(page, key) {
  await startGame(page, key);
  return (await shown(page)).question;
}

// Opens the page and waits until the service worker that keeps the site controls it.
async function openKept(page, url) {
  await showStartScreen(page, url);
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null, null, WAIT);
}

describe("packs of the player's questions", () => {
  let browser, site;
  before(async () => {
    [browser, site] = await Promise.all([launchChromium(), serveSiteWithPack()]);
    mkdirSync(SHOTS, { recursive: true });
  });
  after(async () => {
    await browser?.close();
    await site?.close();
  });

  test("a picked file plays the levels it names, is named in the title and kept over a reload until the built-in questions", async () => {
    const page = await showStartScreen(await newPage(browser), site.url);
    assert.equal(await offersBuiltIn(page), false);
    // The keyboard reaches the button and opens the picker with it.
    const [chooser] = await Promise.all([page.waitForEvent("filechooser", WAIT), (async () => {
      await page.focus("#open-pack");
      await page.keyboard.press("Enter");
    })()]);
    await chooser.setFiles({ name: "Въпроси за 5 клас.txt", mimeType: "text/plain", buffer: Buffer.from(aikenPack(30, { level: "Easy" })) });
    await titled(page, "Въпроси за 5 клас.txt");
    assert.equal(await offersBuiltIn(page), true);
    assert.deepEqual((await shown(page)).boxes, [], "a pack without problems loads without a word");
    await page.screenshot({ path: `${SHOTS}/desktop-pack.png`, fullPage: true });

    const pack = questionsFrom(30);
    assert.ok(pack.includes(await firstQuestion(page, "Control+e")), "Easy from the pack");
    assert.ok(questionsOf("hard").includes(await firstQuestion(page, "Control+h")), "Hard, which it does not name, from its pool");

    await page.reload();
    await titled(page, "Въпроси за 5 клас.txt");
    assert.ok(pack.includes(await firstQuestion(page, "Control+e")), "the reload plays the pack");

    await page.click("#own-questions");
    await titled(page, null);
    assert.equal(await offersBuiltIn(page), false);
    assert.ok(questionsOf("easy").includes(await firstQuestion(page, "Control+e")), "back to the built-in Easy");
    await page.reload();
    await titled(page, null);
    assert.ok(questionsOf("easy").includes(await firstQuestion(page, "Control+e")), "and so after a reload");
    await page.context().close();
  });

  test("a dropped file's game is won through the hint code, each question from the pack", async () => {
    const page = await showStartScreen(await newPage(browser), site.url);
    await drop(page, "quiz.txt", aikenPack(25));
    await titled(page, "quiz.txt");
    await startGame(page);
    const asked = new Set();
    for (let question = 1; question <= 25; question++) {
      asked.add((await shown(page)).question);
      await page.keyboard.press(TEXTS.letters[await rightAnswerByKeys(page) - 1]);
      await showsNumberAndScore(page, question < 25 ? `${question + 1}.` : "", scoreText(10 * question));
    }
    assert.deepEqual([...asked].sort(), questionsFrom(25).sort(), "the 25 questions of the pack, each once");
    const won = await shown(page);
    assert.deepEqual([won.question, won.rank], [TEXTS.win, 25]);
    await page.context().close();
  });

  test("a pack's problems are listed in a box that fits a phone and scrolls, and the rest plays", async () => {
    const page = await showStartScreen(await newPage(browser, PHONE), site.url);
    const bad = PROBLEMS_LISTED + 50;
    const { text, firstBadLine } = packWithTooLong(30, bad);
    await pick(page, "quiz.txt", text, { tap: true });
    const box = await topMessage(page);
    const lines = box.text.split("\n");
    const length = [...tooLongQuestion(31)].length - 1;
    assert.equal(box.caption, "quiz.txt");
    assert.equal(lines[0], `quiz.txt:${firstBadLine}:${SHOWN_AT_MOST + 1}: error: the question is ${length} characters long; ` +
      `the game shows at most ${SHOWN_AT_MOST} before its question mark`);
    assert.equal(lines.length, PROBLEMS_LISTED + 3, "a hundred problems, how many more, a blank line and the summary");
    assert.equal(lines.at(-2), "");
    assert.equal(lines[PROBLEMS_LISTED], "and 50 more problems");
    assert.equal(lines.at(-1), `quiz.txt: Aiken, UTF-8; ${30 + bad} questions, ${bad} left out; 30 usable for every level`);

    const fit = await page.evaluate(() => {
      const dialog = document.querySelector("dialog[open]");
      const frame = dialog.getBoundingClientRect();
      const list = dialog.querySelector(".text");
      const ok = dialog.querySelector(".ok").getBoundingClientRect();
      return {
        inside: frame.left >= 0 && frame.top >= 0 && frame.right <= innerWidth && frame.bottom <= innerHeight,
        sideways: document.documentElement.scrollWidth > innerWidth,
        scrolls: list.scrollHeight > list.clientHeight && list.tabIndex === 0,
        okLargeEnough: ok.width >= 44 && ok.height >= 44,
      };
    });
    assert.deepEqual(fit, { inside: true, sideways: false, scrolls: true, okLargeEnough: true });
    await page.screenshot({ path: `${SHOTS}/phone-pack-problems.png` });
    // The list has the focus, and the arrows scroll it; Enter closes the box.
    assert.ok(await page.evaluate(() => document.activeElement.matches("dialog[open] .text")));
    await page.keyboard.press("ArrowDown");
    await until(page, () => document.querySelector("dialog[open] .text").scrollTop > 0);
    await page.keyboard.press("Enter");
    await boxesOpen(page, 0);
    await titled(page, "quiz.txt");
    assert.ok(questionsFrom(30).includes(await firstQuestion(page, "Control+l")));
    await page.screenshot({ path: `${SHOTS}/phone-pack.png`, fullPage: true });
    const button = await page.locator("#open-pack").boundingBox();
    assert.ok(button.width >= 44 && button.height >= 44, `the button is ${button.width} x ${button.height}`);
    await page.context().close();
  });

  test("a pack no level can play, and a file too large, are refused and the built-in questions play", async () => {
    const page = await showStartScreen(await newPage(browser), site.url);
    await pick(page, "good.txt", aikenPack(30));
    await titled(page, "good.txt");

    await pick(page, "few.txt", aikenPack(10));
    const refusal = await topMessage(page);
    assert.ok(refusal.text.endsWith(`; ${TEXTS.packRefused}`), refusal.text);
    assert.equal(refusal.caption, "few.txt");
    await page.keyboard.press("Escape");
    await titled(page, null);
    assert.equal(await offersBuiltIn(page), false);
    assert.ok(questionsOf("easy").includes(await firstQuestion(page, "Control+e")));
    await page.reload();
    await titled(page, null);
    assert.ok(questionsOf("easy").includes(await firstQuestion(page, "Control+e")), "a refused pack is not kept");

    // A file larger than a pack may hold: refused without reading it.
    await page.evaluate((size) => {
      const file = new File([new Uint8Array(size)], "big.txt");
      const read = [];
      for (const way of ["arrayBuffer", "text", "stream", "slice"]) {
        file[way] = () => read.push(way);
      }
      const data = new DataTransfer();
      data.items.add(file);
      Object.defineProperty(data, "files", { value: [file] });
      document.body.dispatchEvent(new DragEvent("drop", { dataTransfer: data, bubbles: true, cancelable: true }));
      window.bigFileReads = read;
    }, PACK_SIZE_LIMIT + 1);
    assert.deepEqual(await topMessage(page), { caption: "big.txt", text: `big.txt: error: ${faultSentence("TooLarge")}` });
    assert.deepEqual(await page.evaluate(() => window.bigFileReads), []);
    await page.keyboard.press("Enter");
    await boxesOpen(page, 0);
    await titled(page, null);
    await page.context().close();
  });

  test("a link's pack plays, the address forgets it, and a reload with the server gone plays it still", async () => {
    const own = await serveSiteWithPack();
    const page = await newPage(browser);
    await showStartScreen(page, `${own.url}?pack=questions.txt`);
    await titled(page, "questions.txt");
    assert.deepEqual((await shown(page)).boxes, []);
    assert.equal(new URL(page.url()).search, "", "a reload plays the kept pack, not the link again");
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null, null, WAIT);

    await own.close();
    await page.reload();
    await titled(page, "questions.txt");
    assert.ok(questionsFrom(30, 101).includes(await firstQuestion(page, "Control+e")));

    // The link again with the network gone: the pack kept from it plays on.
    const failed = page.waitForEvent("requestfailed", { predicate: (request) => request.url().endsWith("questions.txt"), ...WAIT });
    await page.goto(`${own.url}?pack=questions.txt`);
    await failed;
    await titled(page, "questions.txt");
    assert.ok(questionsFrom(30, 101).includes(await firstQuestion(page, "Control+h")));
    assert.deepEqual((await shown(page)).boxes, []);
    await page.context().close();
  });

  test("a link to another site, to no file, to a file said to be too large or to one that never ends is refused with a clear message", async () => {
    const page = await newPage(browser);
    await openKept(page, site.url);
    const refusals = [
      ["https://example.org/questions.txt", "https://example.org/questions.txt", TEXTS.otherSite],
      ["missing.txt", "missing.txt", faultSentence("Missing")],
      [ENDLESS.slice(1), ENDLESS.slice(1), faultSentence("TooLarge")],
      [SAID_LARGE.slice(1), SAID_LARGE.slice(1), faultSentence("TooLarge")],
    ];
    for (const [address, name, sentence] of refusals) {
      await page.goto(`${site.url}?pack=${encodeURIComponent(address)}`);
      assert.deepEqual(await topMessage(page), { caption: name, text: `${name}: error: ${sentence}` }, address);
      await page.keyboard.press("Enter");
      await boxesOpen(page, 0);
      await titled(page, null);
    }
    await within(site.endless.closed, "the page did not stop reading the endless file");
    await page.context().close();
  });
});
