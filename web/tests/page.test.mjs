// SPDX-FileCopyrightText: 2026 The Roman converter developers
// SPDX-License-Identifier: MIT

// The page as a whole, in the engine WEB_ENGINE names and the mode WEB_MODE
// names: the help text, a desktop's and a phone's width, a page opened from
// its folder, a page with the network gone, a site served in part,
// axe-core's accessibility rules, and in Chromium what makes it installable
// as an app.
import assert from 'node:assert/strict';
import { createHash } from 'node:crypto';
import { cpSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';
import { after, before, test } from 'node:test';
import {
    announced, announcement, assertFits, calculations, click, engineName, errors, fill, launch,
    modeName, modeSuffix, need, openPage, pagePolicy, ready, report, screenshot, serve, site,
    value, widths, withoutWasmEval,
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
    report(`axe-${engineName}${modeSuffix}.txt`, `axe-core ${axe} in ${browser.version}: ${found.join(', ')}`);
});

test('opened from its folder, with no server, it converts', async () => {
    // With no server, the policy that blocks WebAssembly is the page's own.
    let folder = site;
    if (modeName === 'blocked') {
        folder = mkdtempSync(join(tmpdir(), 'roman-site-'));
        cpSync(site, folder, { recursive: true });
        const html = readFileSync(join(site, 'index.html'), 'utf8');
        const policy = pagePolicy(html);
        writeFileSync(join(folder, 'index.html'), html.replace(policy, withoutWasmEval(policy)));
    }
    try {
        const page = await openPage(browser, pathToFileURL(`${folder}/index.html`).href);
        await convertsBothWays(page);
        assert.deepEqual(await errors(page), []);
        await page.close();
    } finally {
        if (folder !== site) rmSync(folder, { recursive: true, force: true });
    }
});

test('a browser that will not compile the core on the page\'s thread gets it all the same', async (t) => {
    if (engineName === 'webkit' || modeName !== 'wasm') {
        t.skip(modeName !== 'wasm' ? 'no WebAssembly to compile'
            : 'WebKitWebDriver cannot change a page before it loads');
        return;
    }
    const page = await openPage(browser, server.url, {
        prepare: (opened) => opened.evaluateOnNewDocument(() => {
            const { Module } = WebAssembly;
            WebAssembly.Module = function (bytes) {
                if (bytes.length > 4096) throw new RangeError('too large to compile here');
                return new Module(bytes);
            };
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
        // Every script the page ran is kept, whichever core it was.
        await page.waitFor(async () => {
            await navigator.serviceWorker.ready;
            const scripts = performance.getEntriesByType('resource').map((entry) => entry.name)
                .filter((name) => name.startsWith(location.origin) && name.endsWith('.js'));
            return (await Promise.all(scripts.map((name) => caches.match(name)))).every(Boolean);
        });
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

// A host that fails to serve a file: without the WebAssembly core, the page
// runs the other; without either, it says so, and no button pretends to work.
const servedInPart = [
    ['without core.js, the core without WebAssembly converts', ['/core.js'], 'script'],
    ['with neither core, it says it cannot work', ['/core.js', '/core-without-wasm.js'], 'none'],
];
for (const [name, missing, core] of servedInPart) {
    test(`a site served in part: ${name}`, async () => {
        const inPart = await serve(site, Object.fromEntries(missing.map((path) => [path, null])));
        try {
            const page = await browser.open(inPart.url);
            if (core === 'none') {
                await page.waitFor(() => document.documentElement.dataset.core === 'none');
                assert.deepEqual(await page.evaluate(() => {
                    const notice = document.getElementById('unavailable');
                    return [notice.getAttribute('role'), notice.getClientRects().length > 0,
                        /не можа да се зареди/.test(notice.textContent),
                        [...document.querySelectorAll('button')].map((button) => button.disabled)];
                }), ['alert', true, true, [true, true, true]]);
                await screenshot(page, 'unavailable');
            } else {
                await ready(page, { core });
                await convertsBothWays(page);
            }
            await page.close();
        } finally {
            await inPart.stop();
        }
    });
}

test('installable as an app, with an icon a phone may mask to its shape', async (t) => {
    const manifest = JSON.parse(readFileSync(join(site, 'manifest.webmanifest'), 'utf8'));
    assert.ok(manifest.icons.some((icon) => icon.purpose?.split(' ').includes('maskable')));
    if (engineName !== 'chromium' || modeName !== 'wasm') {
        t.skip(engineName !== 'chromium' ? 'only Chromium tells why a page cannot be installed'
            : 'the same app in every mode');
        return;
    }
    const page = await openPage(browser, server.url);
    await page.evaluate(() => navigator.serviceWorker.ready.then(() => true));
    const session = await page.page.createCDPSession();
    const { installabilityErrors } = await session.send('Page.getInstallabilityErrors');
    assert.deepEqual(installabilityErrors, []);
    await page.close();
});
