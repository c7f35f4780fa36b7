// SPDX-FileCopyrightText: 2026 The Roman converter developers
// SPDX-License-Identifier: MIT

// The desktop window's tables of conversions and refusals, through the page's
// own controls, in a browser set to Bulgarian and in one set to Turkish (whose
// locale upper-cases i to İ: the page must upper-case as the desktop does).
import assert from 'node:assert/strict';
import { after, before, beforeEach, describe, test } from 'node:test';
import {
    announced, announcement, calculations, chromiumPath, click, expand, fill, launch, need,
    openPage, serve, value,
} from './harness.mjs';

await need(chromiumPath);

const rows = (table) => table.rows.map((row) =>
    Object.fromEntries(table.columns.map((column, i) => [column, expand(row[i])])));
// Compares a box's text whole; a long one is named by its start and length.
const shown = (text) =>
    (text.length > 40 ? `${text.slice(0, 20)}… (${text.length} characters)` : text);
function same(actual, expected, name) {
    if (actual !== expected) assert.fail(`${name}: ${shown(actual)} instead of ${shown(expected)}`);
}

let server;
before(async () => { server = await serve(); });
after(() => server.stop());

for (const lang of ['bg', 'tr']) {
    describe(`a browser in ${lang}`, () => {
        let browser;
        let page;
        before(async () => {
            browser = await launch({ lang });
            page = await openPage(browser, server.url);
        });
        after(() => browser?.close());
        // What a test that failed left unheard is not the next one's.
        beforeEach(() => page && announced(page, 0));

        test('speaks its language, in which i upper-cases as the language says', async () => {
            const [language, locale, upper] = await page.evaluate(() => [
                navigator.language, Intl.DateTimeFormat().resolvedOptions().locale,
                'i'.toLocaleUpperCase(navigator.language)]);
            assert.match(`${language} ${locale}`, new RegExp(`^${lang}\\b.* ${lang}\\b`),
                'the browser did not take the language: is chromium-l10n installed?');
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
            await fill(page, 'Text2', '');
            await fill(page, 'Text3', '5000');
            await click(page, 'Command2');
            await click(page, 'Command2');
            assert.deepEqual([await value(page, 'Text2'), await value(page, 'Text3')], ['', '']);
            assert.deepEqual(
                await announced(page, 2), Array(2).fill(announcement('arabicRefused')));

            const help = await value(page, 'Text1_0');
            await fill(page, 'Text2', 'xiv');
            await fill(page, 'Text3', '14');
            await click(page, 'Command1_1');
            await click(page, 'Command1_1');
            assert.deepEqual([await value(page, 'Text2'), await value(page, 'Text3')], ['', '']);
            assert.equal(await value(page, 'Text1_0'), help);
            assert.deepEqual(await announced(page, 2), Array(2).fill(announcement('cleared')));
        });
    });
}

test('keyboard only: the window\'s focus order, Enter in a box, Space and Enter', async () => {
    const browser = await launch();
    try {
        const page = await openPage(browser, server.url);
        const focused = () => page.evaluate(() => document.activeElement.id);
        const order = ['Text1_0', 'Text2', 'Command1_0', 'Text3', 'Command2', 'Command1_1'];
        for (const id of order) {
            await page.keyboard.press('Tab');
            assert.equal(await focused(), id);
        }
        for (const id of order.slice(0, -1).reverse()) {
            await page.keyboard.down('Shift');
            await page.keyboard.press('Tab');
            await page.keyboard.up('Shift');
            assert.equal(await focused(), id);
        }

        // From the help box on, the way a keyboard user goes down the page.
        await page.keyboard.press('Tab');
        await page.keyboard.type('xiv');
        await page.keyboard.press('Enter');
        assert.deepEqual([await value(page, 'Text2'), await value(page, 'Text3')], ['XIV', '14']);
        await page.keyboard.press('Tab');
        await page.keyboard.press('Tab');
        assert.equal(await focused(), 'Text3');
        await page.keyboard.down('Control');
        await page.keyboard.press('KeyA');
        await page.keyboard.up('Control');
        await page.keyboard.type('1480');
        await page.keyboard.press('NumpadEnter');
        assert.equal(await value(page, 'Text2'), 'MCDLXXX');
        await page.keyboard.press('Tab');
        await page.keyboard.press('Space');
        await page.keyboard.press('Tab');
        await page.keyboard.press('Enter');
        assert.deepEqual([await value(page, 'Text2'), await value(page, 'Text3')], ['', '']);
        assert.deepEqual(await announced(page, 4), [
            announcement('romanCalculated', '14') + announcement('romanUpperCased'),
            announcement('arabicCalculated', 'MCDLXXX'),
            announcement('arabicCalculated', 'MCDLXXX'),
            announcement('cleared'),
        ]);
        assert.equal(await focused(), 'Command1_1');
        assert.deepEqual(page.errors, []);
    } finally {
        await browser.close();
    }
});
