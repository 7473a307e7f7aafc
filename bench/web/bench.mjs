// The browser edition against its floor, side by side in one run of Debian's Chromium: sizes,
// start-up to the start question painted, a pack of 10,000 questions loaded, and processor time
// while idle with the clock running.
// Usage: node bench/web/bench.mjs SITE_FOLDER FLOOR_FOLDER

import { spawn } from "node:child_process";
import { once } from "node:events";
import { readFileSync } from "node:fs";
import { join } from "node:path";
import { gzipSync } from "node:zlib";

import { WAIT, launchChromium, newPage } from "../../tests/web/chromium.mjs";
import { TEXTS } from "../../tests/web/sources.mjs";

const [SITE = "build/web", FLOOR = "build/web-wasm/floor"] = process.argv.slice(2);
const LOADS = 21;
const PACK_LOADS = 11;
const PACK_QUESTIONS = 10_000;
const PACK_NAME = "pack.txt";
const PACK_TITLE = `${PACK_NAME}${TEXTS.packTitleSeparator}${TEXTS.title}`;
const IDLE_SECONDS = Number(process.env.MENDO_IDLE_SECONDS ?? 60);
const KB = 1024;

const gzipped = (folder, file) => gzipSync(readFileSync(join(folder, file)), { level: 9 }).length;
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const kb = (bytes) => `${(bytes / KB).toFixed(1)} KB`;

// A static server in a process of its own, so that the bench's own work does not delay it.
async function serveApart(folder) {
  const server = spawn(process.execPath, ["web/serve.mjs", folder, "0"], { stdio: ["ignore", "pipe", "inherit"] });
  const [line] = await once(server.stdout, "data");
  return { url: String(line).match(/http:\/\/[\d.:]+\//)[0], close: () => server.kill() };
}

// The times from navigation to the start question's text painted and to the clock's first
// text painted, by the Element Timing API, and the files the page asked its server for
// meanwhile. The page as built shows the start question; the clock shows once its script runs,
// in the game's page once the module has loaded and ticked.
async function load(browser, url) {
  const page = await newPage(browser);
  const files = new Set();
  page.on("request", (request) => request.url().startsWith(url) && files.add(new URL(request.url()).pathname));
  await page.goto(url);
  const painted = await page.evaluate((timeout) => new Promise((resolve, reject) => {
    setTimeout(() => reject(new Error("the question and the clock were not painted")), timeout);
    const times = {};
    new PerformanceObserver((entries) => {
      for (const entry of entries.getEntries()) {
        if (entry.renderTime > 0) {
          times[entry.identifier] ??= entry.renderTime;
        }
      }
      if (times.question !== undefined && times.clock !== undefined) {
        resolve(times);
      }
    }).observe({ type: "element", buffered: true });
  }), WAIT.timeout);
  await page.context().close();
  return { painted, files: [...files].map((path) => (path.endsWith("/") ? `${path}index.html` : path).slice(1)) };
}

// A pack of a teacher's size, as the engine's bench writes it: 10,000 questions in UTF-8, about
// a megabyte.
function tenThousandQuestions() {
  return Array.from({ length: PACK_QUESTIONS }, (_, i) =>
    `Колко тежи кошница номер ${i}?\nA) ${i} кг\nB) ${i}0 кг\nC) ${i} г\nD) ${i}0 г\nANSWER: ${"ABCD"[i % 4]}\n\n`).join("");
}

// The time from a pack's file dropped on the page to the title that names it painted, by the
// page's own clock: the frame after the title changed. The floor reads the same file's bytes,
// decodes them with the browser's TextDecoder and names the file in its title. The page is at
// rest first, as a player finds it: its service worker has kept the site and controls it.
async function packLoad(browser, url, text, floor) {
  const page = await newPage(browser);
  await page.goto(url);
  await page.waitForFunction(() => document.getElementById("clock").textContent !== "", null, WAIT);
  if (!floor) {
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null, null, WAIT);
  }
  const result = await page.evaluate(([content, name, title, decodeOnly, timeout]) => new Promise((resolve, reject) => {
    setTimeout(() => reject(new Error("the pack's title was not painted")), timeout);
    if (decodeOnly) {
      addEventListener("drop", async (event) => {
        const decoded = new TextDecoder().decode(await event.dataTransfer.files[0].arrayBuffer());
        document.title = decoded.length > 0 ? title : "";
      });
    }
    const data = new DataTransfer();
    data.items.add(new File([content], name, { type: "text/plain" }));
    let start;
    new MutationObserver(() => {
      if (document.title === title) {
        requestAnimationFrame(() => {
          const boxes = document.querySelectorAll("dialog[open]").length;
          resolve({ ms: performance.now() - start, boxes });
        });
      }
    }).observe(document.querySelector("title"), { childList: true, characterData: true, subtree: true });
    start = performance.now();
    document.body.dispatchEvent(new DragEvent("drop", { dataTransfer: data, bubbles: true, cancelable: true }));
  }), [text, PACK_NAME, PACK_TITLE, floor, WAIT.timeout]);
  await page.context().close();
  if (result.boxes !== 0) {
    throw new Error("the bench's pack was not loaded without a word");
  }
  return result.ms;
}

// The renderer's main-thread processor time while the page idles, by Chromium's own metrics.
async function idleCost(pages) {
  const sessions = await Promise.all(pages.map(async (page) => {
    const session = await page.context().newCDPSession(page);
    await session.send("Performance.enable", { timeDomain: "threadTicks" });
    return session;
  }));
  const taskSeconds = async (session) => {
    const { metrics } = await session.send("Performance.getMetrics");
    return metrics.find((metric) => metric.name === "TaskDuration").value;
  };
  const before = await Promise.all(sessions.map(taskSeconds));
  await new Promise((resolve) => setTimeout(resolve, IDLE_SECONDS * 1000));
  const after = await Promise.all(sessions.map(taskSeconds));
  return after.map((value, index) => (value - before[index]) * 1000);
}

const browser = await launchChromium();
const sites = { page: await serveApart(SITE), floor: await serveApart(FLOOR) };
const folders = { page: SITE, floor: FLOOR };
try {
  const times = { page: [], floor: [] };
  const clocks = { page: [], floor: [] };
  const firstLoads = {};
  for (let round = 0; round < LOADS; round++) {
    for (const name of round % 2 === 0 ? ["page", "floor"] : ["floor", "page"]) {
      const { painted, files } = await load(browser, sites[name].url);
      times[name].push(painted.question);
      clocks[name].push(painted.clock);
      firstLoads[name] ??= files;
    }
  }

  const pack = tenThousandQuestions();
  const packTimes = { page: [], floor: [] };
  for (let round = 0; round < PACK_LOADS; round++) {
    for (const name of round % 2 === 0 ? ["page", "floor"] : ["floor", "page"]) {
      packTimes[name].push(await packLoad(browser, sites[name].url, pack, name === "floor"));
    }
  }

  const idlePages = await Promise.all(["page", "floor"].map(async (name) => {
    const page = await newPage(browser);
    await page.goto(sites[name].url);
    await page.waitForFunction(() => document.getElementById("clock").textContent !== "", null, WAIT);
    return page;
  }));
  const visible = await Promise.all(idlePages.map((page) => page.evaluate(() => document.visibilityState)));
  const [pageIdle, floorIdle] = await idleCost(idlePages);

  const wasm = readFileSync(join(SITE, "mendo.wasm")).length;
  const firstLoad = (name) => firstLoads[name].reduce((sum, file) => sum + gzipped(folders[name], file), 0);
  const kept = JSON.parse(readFileSync(join(SITE, "sw.js"), "utf8").match(/const FILES = (\[.*\]);/)[1]);
  const wholeSite = kept.map((file) => (file === "./" ? "index.html" : file))
    .filter((file, index, all) => all.indexOf(file) === index)
    .reduce((sum, file) => sum + gzipped(SITE, file), 0);
  const [page, floor] = [median(times.page), median(times.floor)];
  const [pageClock, floorClock] = [median(clocks.page), median(clocks.floor)];

  console.log("| What | Page | Floor | Ratio |");
  console.log("|---|---|---|---|");
  console.log(`| mendo.wasm, raw / gzip -9 | ${kb(wasm)} / ${kb(gzipped(SITE, "mendo.wasm"))} | none | |`);
  console.log(`| first load, gzip -9 (${firstLoads.page.length} / ${firstLoads.floor.length} files) | ${kb(firstLoad("page"))} | ${kb(firstLoad("floor"))} | |`);
  console.log(`| everything the service worker keeps, gzip -9 | ${kb(wholeSite)} | | |`);
  console.log(`| start question painted, median of ${LOADS} | ${page.toFixed(1)} ms | ${floor.toFixed(1)} ms | ${(page / floor).toFixed(3)} |`);
  console.log(`| clock's first text painted (the module loaded and ticked), median of ${LOADS} | ${pageClock.toFixed(1)} ms | ${floorClock.toFixed(1)} ms | ${(pageClock / floorClock).toFixed(3)} |`);
  const [pagePack, floorPack] = [median(packTimes.page), median(packTimes.floor)];
  console.log(`| a pack of ${PACK_QUESTIONS} questions (${kb(Buffer.byteLength(pack))}) dropped to its title painted, median of ${PACK_LOADS} | ${pagePack.toFixed(1)} ms | ${floorPack.toFixed(1)} ms | ${(pagePack / floorPack).toFixed(3)} |`);
  console.log(`| main-thread time over ${IDLE_SECONDS} idle s (${visible.join(" / ")}) | ${pageIdle.toFixed(1)} ms | ${floorIdle.toFixed(1)} ms | ${(pageIdle / floorIdle).toFixed(3)} |`);
  console.log(`first load of the page: ${firstLoads.page.join(", ")}`);
} finally {
  await browser.close();
  Object.values(sites).forEach((site) => site.close());
}
