// SPDX-FileCopyrightText: 2026 The Roman converter developers
// SPDX-License-Identifier: MIT

// Lighthouse's accessibility and best-practices audits of the served page,
// in the same chromium. Performance is a figure (bench/webfigures.mjs), not a
// test: it varies with the machine's load.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { join } from 'node:path';
import { launch, need, outputDir, report, serve } from './harness.mjs';
import { audit } from './lighthouse.mjs';

await need();

test('Lighthouse: accessibility and best practices at 100', async () => {
    const server = await serve();
    const browser = await launch();
    try {
        const { scores, failed, version } = await audit(browser.puppeteer, server.url,
            ['accessibility', 'best-practices'], join(outputDir, 'lighthouse.html'));
        report('lighthouse.txt', `Lighthouse ${version} on ${browser.version}: ` +
            Object.entries(scores).map(([name, score]) => `${name} ${score}`).join(', '));
        assert.deepEqual(failed, []);
        assert.deepEqual(scores, { accessibility: 100, 'best-practices': 100 });
    } finally {
        await browser.close();
        await server.stop();
    }
});
