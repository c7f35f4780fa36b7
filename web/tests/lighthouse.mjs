// SPDX-FileCopyrightText: 2026 The Roman converter developers
// SPDX-License-Identifier: MIT

// Runs Lighthouse's categories against a page in a browser from launch().
import { writeFileSync } from 'node:fs';
import lighthouse from 'lighthouse';

// Scores out of 100 by category, and the scored audits that did not pass with
// what they found; the report is written to `report` when given.
export async function audit(browser, url, categories, report) {
    const page = await browser.newPage();
    const flags = { output: 'html', logLevel: 'error', onlyCategories: categories };
    const result = await lighthouse(url, flags, undefined, page);
    await page.close();
    const { lhr } = result;
    if (lhr.runtimeError) throw new Error(`Lighthouse: ${lhr.runtimeError.message}`);
    if (report) writeFileSync(report, result.report);
    const scores = {};
    const failed = [];
    for (const name of categories) {
        const category = lhr.categories[name];
        scores[name] = Math.round(category.score * 100);
        for (const { id, weight } of category.auditRefs) {
            const { score, title, details } = lhr.audits[id];
            if (weight === 0 || score === null || score === 1) continue;
            const found = (details?.items ?? []).slice(0, 3)
                .map((item) => [
                    item.description ?? item.node?.snippet ?? item.url ?? JSON.stringify(item),
                    item.sourceLocation?.url,
                ].filter(Boolean).join(' at '));
            failed.push(`${name}: ${id} (${title}) ${found.join('; ')}`.trim());
        }
    }
    return { scores, failed, version: lhr.lighthouseVersion };
}
