// SPDX-FileCopyrightText: 2026 The Roman converter developers
// SPDX-License-Identifier: MIT

// The page's figures against their goals: the site's bytes, the time until
// the first Calculate is possible as a ratio to a floor page, Lighthouse's
// performance score, and a million pasted characters converted and shown.
// Usage: node bench/webfigures.mjs [RUNS]   (after scripts/test-web.sh, or
// cmake --build --preset web and npm ci in web/tests)
import { readdirSync, readFileSync, statSync } from 'node:fs';
import { loadavg } from 'node:os';
import { join, relative } from 'node:path';
import { gzipSync } from 'node:zlib';
import {
    calculations, chromiumPath, expand, fill, launch, need, openPage, paste, serve, site, value,
} from '../web/tests/harness.mjs';
import { audit } from '../web/tests/lighthouse.mjs';

const runs = Math.max(5, Number(process.argv[2] ?? 21));
await need(chromiumPath);

const median = (values) => {
    const sorted = [...values].sort((a, b) => a - b);
    const middle = sorted.length >> 1;
    return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
};
const range = (values) => `${Math.min(...values).toFixed(1)}–${Math.max(...values).toFixed(1)}`;
const verdict = (met) => (met ? 'met' : 'NOT met');

console.log(`load average at the start: ${loadavg().map((l) => l.toFixed(2)).join(' ')}`);

// 1. The site's bytes, icons aside.
function files(folder) {
    return readdirSync(folder).flatMap((name) => {
        const path = join(folder, name);
        return statSync(path).isDirectory() ? files(path) : [path];
    });
}
let bytes = 0;
let gzipped = 0;
for (const file of files(site).sort()) {
    const name = relative(site, file);
    if (name.startsWith('icons/')) continue;
    const content = readFileSync(file);
    bytes += content.length;
    gzipped += gzipSync(content, { level: 9 }).length;
    console.log(`  ${name}: ${content.length} bytes`);
}
console.log(`site without icons: ${bytes} bytes (${gzipped} gzipped); ` +
    `goal under 100,000: ${verdict(bytes < 100_000)}`);

// The floor: the page's own markup and style with every script taken out, the
// help box holding its text as the page fills it; so the same controls, drawn
// the same, usable as soon as they are shown.
const server = await serve();
const browser = await launch();
let floor;
{
    const page = await openPage(browser, server.url);
    const help = await value(page, 'Text1_0');
    await page.close();
    const escaped = help.replaceAll('&', '&amp;').replaceAll('<', '&lt;');
    floor = readFileSync(join(site, 'index.html'), 'utf8')
        .replace(/<script\b[^>]*>[\s\S]*?<\/script>\s*/g, '')
        .replace(/(<textarea\b[^>]*>)<\/textarea>/, `$1${escaped}</textarea>`);
}
await server.stop();

// 2. From navigation until Calculate can be pressed: the controls painted, the
// document parsed and, on the page, the core ready. Each load in a new
// incognito context (nothing cached, no service worker), page and floor in turn.
const served = await serve(site, { '/floor.html': floor });
const urls = { page: served.url, floor: `${served.url}floor.html` };
async function usableAfter(url) {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    await page.evaluateOnNewDocument(() => {
        new MutationObserver(() => {
            if (document.documentElement.dataset.ready === 'true' && !window.readyAt)
                window.readyAt = performance.now();
        }).observe(document, { attributes: true, subtree: true, attributeFilter: ['data-ready'] });
    });
    await page.goto(url, { waitUntil: 'load' });
    const floorPage = url.endsWith('floor.html');
    await page.waitForFunction((isFloor) => (isFloor || window.readyAt) &&
        performance.getEntriesByName('first-contentful-paint').length > 0, {}, floorPage);
    const time = await page.evaluate(() => Math.max(
        performance.getEntriesByName('first-contentful-paint')[0].startTime,
        performance.getEntriesByType('navigation')[0].domContentLoadedEventEnd,
        window.readyAt ?? 0));
    await context.close();
    return time;
}
const times = { page: [], floor: [] };
// One of each first, unmeasured: the browser's own start-up is neither's.
await usableAfter(urls.page);
await usableAfter(urls.floor);
for (let run = 0; run < runs; ++run) {
    const order = run % 2 ? ['floor', 'page'] : ['page', 'floor'];
    for (const which of order)
        times[which].push(await usableAfter(urls[which]));
}
const ratio = median(times.page) / median(times.floor);
console.log(`first possible Calculate, median of ${runs}: ` +
    `page ${median(times.page).toFixed(1)} ms ` +
    `(${range(times.page)}), floor ${median(times.floor).toFixed(1)} ms (${range(times.floor)}); ` +
    `ratio ${ratio.toFixed(2)}, goal at most 1.2: ${verdict(ratio <= 1.2)}`);

// 3. Lighthouse's performance score, as its mobile preset measures it
// (simulated slow 4G and a four times slower processor); median of three.
const audits = [];
for (let run = 0; run < 3; ++run)
    audits.push((await audit(browser, served.url, ['performance'])).scores.performance);
const score = median(audits);
console.log(`Lighthouse performance: ${score} (runs: ${audits.join(', ')}); ` +
    `goal at least 95: ${verdict(score >= 95)}`);

// 4. A million characters pasted into the Roman box, then Calculate: from the
// click until the frame that shows the value has been drawn.
const row = calculations.romanCalculate.rows.find((r) => typeof r[1] === 'object');
const [text, expected] = [expand(row[1]), row[3]];
const page = await openPage(browser, served.url);
const pasteTimes = [];
for (let run = 0; run < 5; ++run) {
    await fill(page, 'Text2', '');
    await paste(page, text);
    pasteTimes.push(await page.evaluate(async (want) => {
        const shown = () => new Promise((done) => requestAnimationFrame(() => setTimeout(done, 0)));
        const start = performance.now();
        document.getElementById('Command1_0').click();
        while (document.getElementById('Text3').value !== want) await shown();
        await shown();
        return performance.now() - start;
    }, expected));
}
const pasted = median(pasteTimes);
console.log('a million characters in the Roman box, converted and shown: ' +
    `median ${pasted.toFixed(1)} ms (${range(pasteTimes)}), value ${await value(page, 'Text3')}; ` +
    `goal under 1000 ms: ${verdict(pasted < 1000)}`);

await browser.close();
await served.stop();
