// Offline play: once opened, the page comes back with the server gone, and a new version of
// the site takes over at the next visit.

import assert from "node:assert/strict";
import { cp, mkdtemp, readFile, rm, writeFile } from "node:fs/promises";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { after, before, beforeEach, describe, test } from "node:test";

import { SITE, WAIT, launchChromium, newPage, serveSite, showStartScreen } from "./chromium.mjs";
import { startGame } from "./player.mjs";

// Opens the page and waits until the service worker that keeps the site controls it.
async function openKept(page, url) {
  await showStartScreen(page, url);
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null, null, WAIT);
}

// The same site, changed as its next version would be: another title and another cache.
async function publishNextVersion(folder) {
  const edit = async (name, change) => writeFile(join(folder, name), change(await readFile(join(folder, name), "utf8")));
  await edit("index.html", (page) => page.replace("<title>", "<title>Next "));
  await edit("sw.js", (worker) => worker.replace(/const VERSION = "(\w+)"/, 'const VERSION = "next-$1"'));
}

describe("the site kept by its service worker", () => {
  let browser, folder, site;
  before(async () => {
    browser = await launchChromium();
  });
  beforeEach(async () => {
    await site?.close();
    await rm(folder ?? "", { recursive: true, force: true });
    folder = await mkdtemp(join(tmpdir(), "mendo-site-"));
    await cp(SITE, folder, { recursive: true });
    site = await serveSite(folder);
  });
  after(async () => {
    await browser?.close();
    await site?.close();
    await rm(folder, { recursive: true, force: true });
  });

  test("plays on a reload with the server gone", async () => {
    const page = await newPage(browser);
    await openKept(page, site.url);
    const question = await page.textContent("#question");
    await site.close();
    await page.reload();
    await page.waitForFunction((shown) => document.getElementById("question").textContent === shown, question, WAIT);
    assert.notEqual(await page.textContent("#clock"), "");
    await startGame(page);
  });

  test("shows a new version at the next visit, and drops the old one's cache", async () => {
    const page = await newPage(browser);
    await openKept(page, site.url);
    const title = await page.title();
    await publishNextVersion(folder);
    await page.goto(site.url);
    await page.waitForFunction((old) => document.title === `Next ${old}`, title, WAIT);
    const caches = await page.evaluate(() => caches.keys());
    assert.equal(caches.length, 1);
    assert.match(caches[0], /^mendo-next-/);
  });
});
