// Accessibility as axe judges it: no serious or critical violation on the start screen.

import AxeBuilder from "@axe-core/playwright";
import assert from "node:assert/strict";
import { after, before, describe, test } from "node:test";

import { DESKTOP, PHONE, launchChromium, newPage, serveSite, showStartScreen } from "./chromium.mjs";

const GRAVE = new Set(["serious", "critical"]);

describe("axe on the start screen", () => {
  let browser, site;
  before(async () => {
    [browser, site] = await Promise.all([launchChromium(), serveSite()]);
  });
  after(async () => {
    await browser?.close();
    await site?.close();
  });

  for (const [name, device] of Object.entries({ desktop: DESKTOP, phone: PHONE })) {
    test(`finds nothing serious on a ${name}`, async () => {
      const page = await showStartScreen(await newPage(browser, device), site.url);
      const { violations } = await new AxeBuilder({ page }).analyze();
      const grave = violations
        .filter((violation) => GRAVE.has(violation.impact))
        .map(({ id, impact, nodes }) => `${impact} ${id}: ${nodes.map((node) => node.target).join(", ")}`);
      assert.deepEqual(grave, []);
    });
  }
});
