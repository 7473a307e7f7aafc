// Accessibility as axe judges it: no serious or critical violation on any screen of the game,
// on a desktop and on a phone.

import AxeBuilder from "@axe-core/playwright";
import assert from "node:assert/strict";
import { describe, test } from "node:test";

import { DESKTOP, PHONE, browserAndSite, newPage, showStartScreen } from "./chromium.mjs";
import { tourScreens } from "./player.mjs";

const GRAVE = new Set(["serious", "critical"]);

describe("axe on every screen", () => {
  const chromium = browserAndSite();

  for (const [name, device] of Object.entries({ desktop: DESKTOP, phone: PHONE })) {
    test(`finds nothing serious on a ${name}`, async () => {
      const page = await showStartScreen(await newPage(chromium.browser, device), chromium.site.url);
      const grave = [];
      const visited = [];
      await tourScreens(page, async (screen) => {
        visited.push(screen);
        const { violations } = await new AxeBuilder({ page }).analyze();
        for (const { id, impact, nodes } of violations.filter((violation) => GRAVE.has(violation.impact))) {
          grave.push(`${screen}: ${impact} ${id}: ${nodes.map((node) => node.target).join(", ")}`);
        }
      }, { tap: device.hasTouch === true });
      assert.equal(visited.length, 10);
      assert.deepEqual(grave, []);
      await page.context().close();
    });
  }
});
