// SPDX-FileCopyrightText: 2026 The Roman converter developers
// SPDX-License-Identifier: MIT

// The page as a whole: the help text, a phone's width, a page opened from its
// folder, a page with the network gone, and axe-core's accessibility rules.
import assert from 'node:assert/strict';
import { createHash } from 'node:crypto';
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { pathToFileURL } from 'node:url';
import { after, before, test } from 'node:test';
import {
    announced, announcement, calculations, chromiumPath, click, fill, launch, need, openPage,
    ready, report, screenshot, serve, site, value, widths, assertFits,
} from './harness.mjs';

await need(chromiumPath);

const axeSource = readFileSync(
    createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');

// Converts one number each way and checks what the boxes show.
async function convertsBothWays(page) {
    await fill(page, 'Text3', '1994');
    await click(page, 'Command2');
    assert.equal(await value(page, 'Text2'), 'MCMXCIV');
    await fill(page, 'Text2', 'mmxxvi');
    await click(page, 'Command1_0');
    assert.deepEqual([await value(page, 'Text2'), await value(page, 'Text3')], ['MMXXVI', '2026']);
}

let server;
let browser;
before(async () => {
    server = await serve();
    browser = await launch();
});
after(async () => {
    await browser?.close();
    await server.stop();
});

test('the help box holds the desktop\'s help text to the letter', async () => {
    const page = await openPage(browser, server.url);
    const help = await page.$eval(
        '#Text1_0', (box) => ({ text: box.value, readOnly: box.readOnly }));
    // A text area gives its lines with LF; the desktop's end in CR LF.
    const text = help.text.replaceAll('\n', '\r\n');
    const expected = calculations.helpText;
    assert.equal(text.length, expected.length);
    assert.equal(text.split('\r\n').length - 1, expected.lines);
    assert.equal(createHash('sha256').update(text, 'utf8').digest('hex'), expected.sha256);
    assert.ok(help.readOnly);
    await page.close();
});

test('at a desktop\'s and a phone\'s width nothing overflows, and axe finds nothing', async (t) => {
    const found = [];
    let axe;
    for (const [name, viewport, textSize] of widths) {
        const page = await openPage(browser, server.url, { viewport });
        await fill(page, 'Text2', 'xiv');
        await click(page, 'Command1_0');
        const client = await assertFits(page, name, textSize);
        const shot = await screenshot(page, `screenshot-${name}.png`);
        t.diagnostic(`${name}: ${client} CSS px wide, screenshot ${shot}`);

        await page.evaluate(axeSource);
        const result = await page.evaluate(() => window.axe.run(document));
        axe = result.testEngine.version;
        found.push(`${result.violations.length} violations at ${name} ` +
            `(${viewport.width} px, ${result.passes.length} rules passed)`);
        const violations = result.violations.map(
            (v) => `${v.id}: ${v.nodes.map((n) => n.target).join(', ')}`);
        assert.deepEqual(violations, [], name);
        await page.close();
    }
    report('axe.txt', `axe-core ${axe} in ${await browser.version()}: ${found.join(', ')}`);
});

test('opened from its folder, with no server, it converts', async () => {
    const page = await openPage(browser, pathToFileURL(`${site}/index.html`).href);
    await convertsBothWays(page);
    assert.deepEqual(page.errors, []);
    await page.close();
});

test('a browser that will not compile the core on the page\'s thread gets it all the same', async () => {
    const page = await openPage(browser, server.url, {
        prepare: (opened) => opened.evaluateOnNewDocument(() => {
            WebAssembly.Module = () => { throw new RangeError('too large to compile here'); };
        }),
    });
    await convertsBothWays(page);
    assert.deepEqual(page.errors, []);
    await page.close();
});

test('after one visit it works with the network gone', async () => {
    const own = await launch();
    const visited = await serve();
    try {
        const page = await openPage(own, visited.url);
        await page.evaluate(() => navigator.serviceWorker.ready);
        await visited.stop();
        await page.setOfflineMode(true);
        await page.reload();
        await ready(page);
        await convertsBothWays(page);
        await click(page, 'Command1_1');
        assert.deepEqual(await announced(page, 3), [
            announcement('arabicCalculated', 'MCMXCIV'),
            announcement('romanCalculated', '2026') + announcement('romanUpperCased'),
            announcement('cleared'),
        ]);
    } finally {
        await own.close();
        await visited.stop().catch(() => {});
    }
});
