// SPDX-FileCopyrightText: 2026 The Roman converter developers
// SPDX-License-Identifier: MIT

// The page's figures against their goals: the site's bytes; in each engine
// and with each core (WebAssembly, and compiled to JavaScript where the
// engine is run without WebAssembly), the time until the first Calculate is
// possible as a ratio to a floor page, a million pasted characters converted
// and shown, and how soon the latest of many quick presses is heard;
// Lighthouse's performance score in Chromium.
// Usage: node bench/webfigures.mjs [RUNS] [ENGINE...]   (after
// scripts/test-web.sh; WebKitGTK needs an X display: xvfb-run -a node ...)
import { readdirSync, readFileSync, statSync } from 'node:fs';
import { loadavg } from 'node:os';
import { join, relative } from 'node:path';
import { gzipSync } from 'node:zlib';
import { engines, launch, modes } from '../web/tests/browsers.mjs';
import { calculations, expand, fill, openPage, serve, site, value } from '../web/tests/harness.mjs';
import { audit } from '../web/tests/lighthouse.mjs';

const runs = Math.max(5, Number(process.argv[2] ?? 41));
const chosen = process.argv.length > 3 ? process.argv.slice(3) : Object.keys(engines);

const median = (values) => {
    const sorted = [...values].sort((a, b) => a - b);
    const middle = sorted.length >> 1;
    return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
};
// The mean of the middle half: the outliers of a busy machine left out, and,
// unlike a median, not held to whole frames where the paint comes last, as
// loads fall at every point of a frame.
const middleMean = (values) => {
    const sorted = [...values].sort((a, b) => a - b);
    const middle = sorted.slice(Math.floor(sorted.length / 4), Math.ceil((sorted.length * 3) / 4));
    return middle.reduce((sum, value) => sum + value, 0) / middle.length;
};
const range = (values) => `${Math.min(...values).toFixed(1)}–${Math.max(...values).toFixed(1)}`;
const verdict = (met) => (met ? 'met' : 'NOT met');

console.log(`load average at the start: ${loadavg().map((l) => l.toFixed(2)).join(' ')}`);

// 1. The site's bytes, icons aside, and what a browser with WebAssembly
// loads: all but the core it does not need.
function files(folder) {
    return readdirSync(folder).flatMap((name) => {
        const path = join(folder, name);
        return statSync(path).isDirectory() ? files(path) : [path];
    });
}
const withoutWasm = 'core-without-wasm.js';
let bytes = 0;
let gzipped = 0;
for (const file of files(site).sort()) {
    const name = relative(site, file);
    if (name.startsWith('icons/')) continue;
    const content = readFileSync(file);
    console.log(`  ${name}: ${content.length} bytes (${gzipSync(content, { level: 9 }).length} gzipped)`);
    if (name === withoutWasm) continue;
    bytes += content.length;
    gzipped += gzipSync(content, { level: 9 }).length;
}
console.log(`site without icons, as a browser with WebAssembly loads it (all but ${withoutWasm}): ` +
    `${bytes} bytes (${gzipped} gzipped); goal under 100,000: ${verdict(bytes < 100_000)}`);

// The core the page must run in the browser being measured.
let expected;

// use(page) on the page, served on an origin of its own and opened in the
// browser; both closed after.
async function onPage(browser, use) {
    const server = await serve();
    const page = await openPage(browser, server.url, { expected });
    try {
        return await use(page);
    } finally {
        await page.close();
        await server.stop();
    }
}

// The floor: the page's own markup and style with every script taken out, the
// help box holding its text as the page fills it; so the same controls, drawn
// the same, usable as soon as they are shown.
const markup = readFileSync(join(site, 'index.html'), 'utf8');
async function floorPage(browser) {
    const text = await onPage(browser, (page) => value(page, 'Text1_0'));
    const escaped = text.replaceAll('&', '&amp;').replaceAll('<', '&lt;');
    return markup
        .replace(/<script\b[^>]*>[\s\S]*?<\/script>\s*/g, '')
        .replace(/(<textarea id="Text1_0"[^>]*>)<\/textarea>/, `$1${escaped}</textarea>`);
}

// From navigation until Calculate can be pressed: the controls painted, the
// document parsed and, on the page, the core ready (its "ready" mark). Each
// load from a server of its own, a new origin: nothing cached, no service
// worker.
async function usableAfter(browser, floor, which) {
    const server = await serve(site, { '/floor.html': floor });
    const page = await browser.open(`${server.url}${which === 'floor' ? 'floor.html' : ''}`);
    await page.waitFor((isFloor) =>
        (isFloor || performance.getEntriesByName('ready').length > 0) &&
        performance.getEntriesByName('first-contentful-paint').length > 0, which === 'floor');
    const time = await page.evaluate(() => Math.max(
        performance.getEntriesByName('first-contentful-paint')[0].startTime,
        performance.getEntriesByType('navigation')[0].domContentLoadedEventEnd,
        performance.getEntriesByName('ready')[0]?.startTime ?? 0));
    await page.close();
    await server.stop();
    return time;
}

// 2. The ratio: page and floor loaded in turn, so that the machine's load,
// which drifts, weighs on both alike; the figure is the ratio of the two
// middle means.
async function firstCalculate(browser) {
    const floor = await floorPage(browser);
    // One of each first, unmeasured: the browser's own start-up is neither's.
    await usableAfter(browser, floor, 'page');
    await usableAfter(browser, floor, 'floor');
    const times = { page: [], floor: [] };
    for (let run = 0; run < runs; ++run) {
        const order = run % 2 ? ['floor', 'page'] : ['page', 'floor'];
        for (const which of order) times[which].push(await usableAfter(browser, floor, which));
    }
    return { ratio: middleMean(times.page) / middleMean(times.floor), times };
}

// 3. A million characters pasted into the Roman box, then Calculate: from the
// click until the frame that shows the value has been drawn.
async function millionPasted(browser) {
    const row = calculations.romanCalculate.rows.find((r) => typeof r[1] === 'object');
    const [text, expected] = [expand(row[1]), row[3]];
    return onPage(browser, async (page) => {
        const times = [];
        for (let run = 0; run < 5; ++run) {
            await fill(page, 'Text2', '');
            await page.paste(text);
            times.push(await page.evaluate(async (want) => {
                const shown = () => new Promise((done) => requestAnimationFrame(() => setTimeout(done, 0)));
                const start = performance.now();
                document.getElementById('Command1_0').click();
                while (document.getElementById('Text3').value !== want) await shown();
                await shown();
                return performance.now() - start;
            }, expected));
        }
        return { times, shownValue: await value(page, 'Text3') };
    });
}

// 4. Fifty presses of Calculate, 20 ms apart, as a held key repeats: from the
// last press until the live region holds its text.
async function latestHeard(browser) {
    return onPage(browser, async (page) => {
        const times = [];
        for (let run = 0; run < 5; ++run) {
            times.push(await page.evaluate(async () => {
                const box = document.getElementById('Text3');
                const region = document.getElementById('announcer');
                for (let press = 1; press < 50; press++) {
                    box.value = String(press);
                    document.getElementById('Command2').click();
                    await new Promise((done) => setTimeout(done, 20));
                }
                box.value = '50';
                const start = performance.now();
                document.getElementById('Command2').click();
                while (!region.textContent.includes('L.')) await new Promise((done) => setTimeout(done, 1));
                return performance.now() - start;
            }));
        }
        return times;
    });
}

for (const [name, mode] of chosen.flatMap((engine) => ['wasm', 'nowasm'].map((m) => [engine, m]))) {
    const engine = engines[name];
    if (name === 'webkit' && !process.env.DISPLAY) {
        console.log(`${engine.name}: not measured, no X display (run under xvfb-run -a)`);
        continue;
    }
    const browser = await launch(engine, { mode });
    expected = { core: modes[mode].core };
    console.log(`\n${browser.version}, ${modes[mode].name}: the core ${mode === 'wasm' ? 'in WebAssembly' : 'compiled to JavaScript'}`);
    const { ratio, times } = await firstCalculate(browser);
    console.log(`  first possible Calculate, ${runs} loads each: ` +
        `page ${middleMean(times.page).toFixed(1)} ms (${range(times.page)}), ` +
        `floor ${middleMean(times.floor).toFixed(1)} ms (${range(times.floor)}), middle means; ` +
        `ratio ${ratio.toFixed(2)}, goal at most 1.2: ${verdict(ratio <= 1.2)}`);
    const pasted = await millionPasted(browser);
    console.log('  a million characters in the Roman box, converted and shown: ' +
        `median ${median(pasted.times).toFixed(1)} ms (${range(pasted.times)}), ` +
        `value ${pasted.shownValue}; goal under 1000 ms: ${verdict(median(pasted.times) < 1000)}`);
    const heard = await latestHeard(browser);
    console.log('  the latest of 50 quick presses in the live region after: ' +
        `median ${median(heard).toFixed(1)} ms (${range(heard)}); ` +
        `goal within 500 ms: ${verdict(Math.max(...heard) <= 500)}`);
    if (name === 'chromium' && mode === 'wasm') {
        // Lighthouse's performance score, as its mobile preset measures it
        // (simulated slow 4G and a four times slower processor); median of three.
        const server = await serve();
        const scores = [];
        for (let run = 0; run < 3; ++run) {
            scores.push((await audit(browser.puppeteer, server.url, ['performance'])).scores.performance);
        }
        await server.stop();
        console.log(`  Lighthouse performance: ${median(scores)} (runs: ${scores.join(', ')}); ` +
            `goal at least 95: ${verdict(median(scores) >= 95)}`);
    }
    await browser.close();
}
