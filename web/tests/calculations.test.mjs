// SPDX-FileCopyrightText: 2026 The Roman converter developers
// SPDX-License-Identifier: MIT

// The desktop window's tables of conversions and refusals, through the page's
// own controls, in a browser set to Bulgarian and in one set to Turkish (whose
// locale upper-cases i to İ: the page must upper-case as the desktop does);
// the boxes as one-line boxes; what the live region is given; the keyboard
// alone. In the engine WEB_ENGINE names and the mode WEB_MODE names; the core
// compiled to JavaScript upper-cases through the same script as the one in
// WebAssembly, so the Turkish browser is the WebAssembly mode's alone.
import assert from 'node:assert/strict';
import { after, before, beforeEach, describe, test } from 'node:test';
import {
    announced, announcement, calculations, click, errors, expand, fill, launch, modeName, need,
    openPage, serve, value,
} from './harness.mjs';

await need();

const rows = (table) => table.rows.map((row) =>
    Object.fromEntries(table.columns.map((column, i) => [column, expand(row[i])])));
// Compares a box's text whole; a long one is named by its start and length.
const shown = (text) =>
    (text.length > 40 ? `${text.slice(0, 20)}… (${text.length} characters)` : text);
function same(actual, expected, name) {
    if (actual !== expected) assert.fail(`${name}: ${shown(actual)} instead of ${shown(expected)}`);
}
const boxes = async (page) => [await value(page, 'Text2'), await value(page, 'Text3')];

let server;
before(async () => { server = await serve(); });
after(async () => {
    await server.stop();
    assert.deepEqual(server.violations, [], 'the page\'s policy refused something');
});

for (const lang of modeName === 'wasm' ? ['bg', 'tr'] : ['bg']) {
    describe(`a browser in ${lang}`, () => {
        let browser;
        let page;
        before(async () => {
            browser = await launch({ lang });
            page = await openPage(browser, server.url);
        });
        after(async () => {
            // Closed first, so that a failure leaves no browser running.
            const found = page ? await errors(page) : [];
            await browser?.close();
            assert.deepEqual(found, []);
        });
        // What a test that failed left unheard is not the next one's.
        beforeEach(() => page && announced(page, 0));

        test('speaks its language, in which i upper-cases as the language says', async () => {
            const [language, locale, upper] = await page.evaluate(() => [
                navigator.language, Intl.DateTimeFormat().resolvedOptions().locale,
                'i'.toLocaleUpperCase(navigator.language)]);
            assert.match(`${language} ${locale}`, new RegExp(`^${lang}\\b.* ${lang}\\b`),
                'the browser did not take the language: are its translations installed?');
            assert.equal(upper, lang === 'tr' ? 'İ' : 'I');
        });

        // Each frame's Calculate on its table's rows, the other box set first.
        const frames = [
            ['Roman', calculations.romanCalculate, 'Text2', 'Text3', 'arabicBefore', 'Command1_0',
                (row) => announcement('romanCalculated', row.arabic) +
                    (row.upperCased ? announcement('romanUpperCased') : '')],
            ['Arabic', calculations.arabicCalculate, 'Text3', 'Text2', 'romanBefore', 'Command2',
                (row) => (row.arabic === '' ? announcement('arabicRefused')
                    : announcement('arabicCalculated', row.roman))],
        ];
        for (const [frame, table, box, other, otherBefore, button, said] of frames) {
            test(`Calculate in the ${frame} frame`, async () => {
                for (const row of rows(table)) {
                    await fill(page, other, table[otherBefore]);
                    await fill(page, box, row.typed);
                    same(await value(page, box), row.typed, row.name);
                    await click(page, button);
                    // Heard first, so a row that fails leaves nothing for the next test.
                    const heard = await announced(page);
                    same(await value(page, 'Text2'), row.roman, row.name);
                    same(await value(page, 'Text3'), row.arabic, row.name);
                    assert.deepEqual(heard, [said(row)], row.name);
                }
            });
        }

        test('a refusal repeats on an empty box, and Clear empties both boxes', async () => {
            // Each press heard out before the next, as a person presses.
            const twice = async (button, text) => {
                for (let press = 0; press < 2; press++) {
                    await click(page, button);
                    assert.deepEqual(await announced(page), [announcement(text)]);
                }
            };
            await fill(page, 'Text2', '');
            await fill(page, 'Text3', '5000');
            await twice('Command2', 'arabicRefused');
            assert.deepEqual(await boxes(page), ['', '']);

            const help = await value(page, 'Text1_0');
            await fill(page, 'Text2', 'xiv');
            await fill(page, 'Text3', '14');
            await twice('Command1_1', 'cleared');
            assert.deepEqual(await boxes(page), ['', '']);
            assert.equal(await value(page, 'Text1_0'), help);
        });
    });
}

describe('the boxes and the live region', () => {
    let browser;
    let page;
    before(async () => {
        browser = await launch();
        page = await openPage(browser, server.url);
    });
    after(async () => {
        const found = page ? await errors(page) : [];
        await browser?.close();
        assert.deepEqual(found, []);
    });
    beforeEach(() => page && announced(page, 0));

    // What a paste leaves in a box that held "xv" with the caret after x.
    // A box that holds less than a paste (here made to, as WebKit's inputs
    // once did) takes none of it and says so.
    const pastes = [
        ['line feeds dropped', 'i\nii\n', 'xiiiv'],
        ['carriage returns and line feeds dropped', '\r\ni\r\n', 'xiv'],
        ['a paste the box cannot hold is undone', 'i'.repeat(30), 'xv', 20],
    ];
    for (const [name, pasted, kept, held] of pastes) {
        test(`a paste: ${name}`, async () => {
            await page.evaluate((limit) => {
                const box = document.getElementById('Text2');
                box.value = 'xv';
                if (limit) box.maxLength = limit;
                else box.removeAttribute('maxlength');
            }, held);
            await page.focus('Text2');
            await page.evaluate(() => document.getElementById('Text2').setSelectionRange(1, 1));
            await page.paste(pasted);
            assert.equal(await value(page, 'Text2'), kept);
            if (held) assert.deepEqual(await announced(page), [announcement('pasteNotHeld')]);
            else assert.deepEqual(await page.evaluate(() => window.announcedTexts), []);
        });
    }

    // Writing a box's own text back leaves its caret in place in today's
    // engines, so the writes themselves are watched too.
    test('Enter in a box the press does not write leaves it, and its caret, alone', async () => {
        await fill(page, 'Text3', '1994');
        await page.evaluate(() => {
            const box = document.getElementById('Text3');
            box.setSelectionRange(1, 3);
            window.written = [];
            const { get, set } = Object.getOwnPropertyDescriptor(Object.getPrototypeOf(box), 'value');
            for (const watched of [box, document.getElementById('Text2')]) {
                Object.defineProperty(watched, 'value', {
                    get() { return get.call(this); },
                    set(text) { window.written.push(this.id); set.call(this, text); },
                    configurable: true,
                });
            }
        });
        await page.press('Enter');
        assert.deepEqual(await page.evaluate(() => {
            const box = document.activeElement;
            return [box.id, box.value, box.selectionStart, box.selectionEnd, window.written];
        }), ['Text3', '1994', 1, 3, ['Text2']]);
        assert.deepEqual(await announced(page), [announcement('arabicCalculated', 'MCMXCIV')]);
    });

    test('quick presses: only the latest is heard after it, however many came before', async () => {
        const count = 50;
        await page.evaluate(async (presses) => {
            const box = document.getElementById('Text3');
            const calculate = document.getElementById('Command2');
            for (let press = 1; press <= presses; press++) {
                box.value = String(press);
                calculate.click();
                if (press === presses) window.announcedTexts.push('latest press');
                else await new Promise((done) => setTimeout(done, 20));
            }
        }, count);
        const latest = announcement('arabicCalculated', 'L');
        await page.waitFor((text) => window.announcedTexts.includes(text), latest);
        const heard = await announced(page, 0);
        assert.deepEqual(heard.slice(heard.indexOf('latest press') + 1), [latest]);
    });
});

test('keyboard only: the window\'s focus order, Enter in a box, Space and Enter', async () => {
    const browser = await launch();
    try {
        const page = await openPage(browser, server.url);
        const focused = () => page.evaluate(() => document.activeElement.id);
        const order = ['Text1_0', 'Text2', 'Command1_0', 'Text3', 'Command2', 'Command1_1'];
        for (const id of order) {
            await page.press('Tab');
            assert.equal(await focused(), id);
        }
        for (const id of order.slice(0, -1).reverse()) {
            await page.press('Tab', 'Shift');
            assert.equal(await focused(), id);
        }

        // From the help box on, the way a keyboard user goes down the page,
        // hearing each press out before the next.
        const hears = async (...texts) => assert.deepEqual(await announced(page), texts);
        await page.press('Tab');
        await page.type('xiv');
        await page.press('Enter');
        assert.deepEqual(await boxes(page), ['XIV', '14']);
        await hears(announcement('romanCalculated', '14') + announcement('romanUpperCased'));
        // A box reached by Tab has its text selected, so typing replaces it.
        await page.press('Tab');
        await page.press('Tab');
        assert.equal(await focused(), 'Text3');
        await page.type('1480');
        await page.press('NumpadEnter');
        assert.deepEqual(await boxes(page), ['MCDLXXX', '1480']);
        await hears(announcement('arabicCalculated', 'MCDLXXX'));
        await page.press('Tab');
        await page.press('Space');
        await hears(announcement('arabicCalculated', 'MCDLXXX'));
        await page.press('Tab');
        await page.press('Enter');
        assert.deepEqual(await boxes(page), ['', '']);
        await hears(announcement('cleared'));
        assert.equal(await focused(), 'Command1_1');
        assert.deepEqual(await errors(page), []);
    } finally {
        await browser.close();
    }
});
