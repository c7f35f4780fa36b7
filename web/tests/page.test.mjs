// SPDX-FileCopyrightText: 2026 The Roman converter developers
// SPDX-License-Identifier: MIT

// The page as a whole, in the engine WEB_ENGINE names: the help text, a
// desktop's and a phone's width, a page opened from its folder, a page with
// the network gone, axe-core's accessibility rules, and in Chromium what makes
// it installable as an app.
import assert from 'node:assert/strict';
import { createHash } from 'node:crypto';
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';
import { after, before, test } from 'node:test';
import {
    announced, announcement, assertFits, calculations, click, engineName, errors, fill, launch,
    need, openPage, ready, report, screenshot, serve, site, value, widths,
} from './harness.mjs';

await need();

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
    assert.deepEqual(server.violations, [], 'the page\'s policy refused something');
});

test('the help text is the desktop\'s to the letter, as a box and as a phone\'s prose, in Bulgarian', async () => {
    const [, phone] = widths.find(([name]) => name === 'phone');
    for (const [viewport, shownAs] of [[undefined, 'Text1_0'], [phone, 'Text1_0-prose']]) {
        const page = await openPage(browser, server.url, { viewport });
        const help = await page.evaluate((id) => {
            const shown = document.getElementById(id);
            return {
                // A text area gives its lines with LF; the desktop's end in CR LF.
                text: (shown.value ?? shown.textContent).replaceAll('\n', '\r\n'),
                visible: shown.getClientRects().length > 0,
                languages: [...new Set([...document.querySelectorAll('#ConverterForm *')]
                    .map((e) => e.closest('[lang]')?.lang))],
            };
        }, shownAs);
        const expected = calculations.helpText;
        assert.ok(help.visible, `${shownAs} is not shown`);
        assert.equal(help.text.length, expected.length);
        assert.equal(help.text.split('\r\n').length - 1, expected.lines);
        assert.equal(createHash('sha256').update(help.text, 'utf8').digest('hex'), expected.sha256);
        assert.deepEqual(help.languages, ['bg'], 'a screen reader must read the page in Bulgarian');
        await page.close();
    }
});

test('at a desktop\'s and a phone\'s width nothing overflows, and axe finds nothing', async (t) => {
    const found = [];
    let axe;
    for (const [name, viewport, textSize] of widths) {
        const page = await openPage(browser, server.url, { viewport });
        await fill(page, 'Text2', 'xiv');
        await click(page, 'Command1_0');
        const client = await assertFits(page, name, textSize);
        const shot = await screenshot(page, `screenshot-${name}`);
        t.diagnostic(`${name}: ${client} CSS px wide, screenshot ${shot}`);

        await page.evaluate(axeSource);
        const result = await page.evaluate(async () => {
            const { testEngine, passes, violations } = await window.axe.run(document);
            return {
                version: testEngine.version,
                passes: passes.length,
                violations: violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target).join(', ')}`),
            };
        });
        axe = result.version;
        found.push(`${result.violations.length} violations at ${name} ` +
            `(${viewport.width} px, ${result.passes} rules passed)`);
        assert.deepEqual(result.violations, [], name);
        assert.deepEqual(await errors(page), [], name);
        await page.close();
    }
    report(`axe-${engineName}.txt`, `axe-core ${axe} in ${browser.version}: ${found.join(', ')}`);
});

test('opened from its folder, with no server, it converts', async () => {
    const page = await openPage(browser, pathToFileURL(`${site}/index.html`).href);
    await convertsBothWays(page);
    assert.deepEqual(await errors(page), []);
    await page.close();
});

test('a browser that will not compile the core on the page\'s thread gets it all the same', async (t) => {
    if (engineName === 'webkit') {
        t.skip('WebKitWebDriver cannot change a page before it loads');
        return;
    }
    const page = await openPage(browser, server.url, {
        prepare: (opened) => opened.evaluateOnNewDocument(() => {
            WebAssembly.Module = () => { throw new RangeError('too large to compile here'); };
        }),
    });
    await convertsBothWays(page);
    assert.deepEqual(await errors(page), []);
    await page.close();
});

test('after one visit it works with the network gone', async () => {
    const own = await launch();
    const visited = await serve();
    try {
        const page = await openPage(own, visited.url);
        await page.evaluate(() => navigator.serviceWorker.ready.then(() => true));
        await visited.stop();
        await page.reload();
        await ready(page);
        await convertsBothWays(page);
        // Clear heard once the last conversion has been.
        await page.waitFor((text) => window.announcedTexts.includes(text),
            announcement('romanCalculated', '2026') + announcement('romanUpperCased'));
        await announced(page, 0);
        await click(page, 'Command1_1');
        assert.deepEqual(await announced(page), [announcement('cleared')]);
    } finally {
        await own.close();
        await visited.stop().catch(() => {});
    }
});

test('installable as an app, with an icon a phone may mask to its shape', async (t) => {
    const manifest = JSON.parse(readFileSync(join(site, 'manifest.webmanifest'), 'utf8'));
    assert.ok(manifest.icons.some((icon) => icon.purpose?.split(' ').includes('maskable')));
    if (engineName !== 'chromium') {
        t.skip('only Chromium tells why a page cannot be installed');
        return;
    }
    const page = await openPage(browser, server.url);
    await page.evaluate(() => navigator.serviceWorker.ready.then(() => true));
    const session = await page.page.createCDPSession();
    const { installabilityErrors } = await session.send('Page.getInstallabilityErrors');
    assert.deepEqual(installabilityErrors, []);
    await page.close();
});
