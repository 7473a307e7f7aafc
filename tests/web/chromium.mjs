// Debian's Chromium, headless, driven by playwright-core: no browser of its own is downloaded.
// Each launch starts from a new empty profile. The flags keep it off the closed network.

import { after, before } from "node:test";
import { chromium } from "playwright-core";

import { serve } from "../../web/serve.mjs";

const FLAGS = [
  "--no-sandbox",
  "--disable-gpu",
  "--disable-background-networking",
  "--disable-component-update",
  "--disable-sync",
  "--no-first-run",
  "--disable-quic",
];

export const SITE = process.env.MENDO_SITE ?? "build/web";

export const DESKTOP = { viewport: { width: 1280, height: 800 } };
export const PHONE = { viewport: { width: 360, height: 740 }, hasTouch: true, isMobile: true, deviceScaleFactor: 2 };

// Waits on what the page shows are bounded by this.
export const WAIT = { timeout: 15_000 };

// The popup blocker stays on, as in a player's browser: a tab opens only at the player's act.
export function launchChromium() {
  return chromium.launch({
    executablePath: "/usr/bin/chromium",
    headless: true,
    args: FLAGS,
    ignoreDefaultArgs: ["--disable-popup-blocking"],
  });
}

// The site on 127.0.0.1 at a port of the system's choosing; `url` is its address.
export async function serveSite(folder = SITE) {
  const server = await serve(folder);
  return {
    url: `http://127.0.0.1:${server.address().port}/`,
    close: () => {
      server.closeAllConnections();
      return new Promise((resolve) => server.close(resolve));
    },
  };
}

// One browser and the site for the tests of a file: ready before the first, closed after the last.
export function browserAndSite() {
  const shared = {};
  before(async () => {
    [shared.browser, shared.site] = await Promise.all([launchChromium(), serveSite()]);
  });
  after(async () => {
    await shared.browser?.close();
    await shared.site?.close();
  });
  return shared;
}

// A tab in a context of its own.
export async function newPage(browser, device = DESKTOP) {
  const context = await browser.newContext(device);
  return context.newPage();
}

// Opens the page and waits until the game's module has painted its first tick: the page as
// built shows the start texts before it.
export async function showStartScreen(page, url) {
  await page.goto(url);
  await page.waitForFunction(() => document.getElementById("clock").textContent !== "", null, WAIT);
  return page;
}
