// SPDX-FileCopyrightText: 2026 The Roman converter developers
// SPDX-License-Identifier: MIT

// A second engine: the page in Debian's firefox-esr, at a desktop's and a
// phone's width, fits and converts.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import {
    click, fill, firefoxPath, launchFirefox, need, openPage, screenshot, serve, value, widths,
    assertFits,
} from './harness.mjs';

await need(firefoxPath);

test('firefox-esr renders the page within its width, and converts', async (t) => {
    const server = await serve();
    const browser = await launchFirefox();
    try {
        t.diagnostic(await browser.version());
        for (const [name, viewport, textSize] of widths) {
            const page = await openPage(browser, server.url, { viewport });
            await fill(page, 'Text3', '1994');
            await click(page, 'Command2');
            assert.equal(await value(page, 'Text2'), 'MCMXCIV', name);
            const client = await assertFits(page, name, textSize);
            const shot = await screenshot(page, `firefox-${name}.png`);
            t.diagnostic(`${name}: ${client} CSS px wide, screenshot ${shot}`);
            assert.deepEqual(page.errors, [], name);
            await page.close();
        }
    } finally {
        await browser.close();
        await server.stop();
    }
});
