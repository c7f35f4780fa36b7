// SPDX-FileCopyrightText: 2026 The Roman converter developers
// SPDX-License-Identifier: MIT

// What the page tests and bench/webfigures.mjs share: the built site served
// from the loopback, the engine a test runs in (WEB_ENGINE: chromium, firefox
// or webkit; browsers.mjs) and where WebAssembly runs in it (WEB_MODE: wasm,
// nowasm or blocked), and the page's controls driven as a person would.
import assert from 'node:assert/strict';
import { existsSync, readFileSync, writeFileSync } from 'node:fs';
import { createServer } from 'node:http';
import { extname, join, normalize, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { engines, launch as launchEngine, modes } from './browsers.mjs';

const here = fileURLToPath(new URL('.', import.meta.url));
export const site = resolve(process.env.WEB_SITE ?? join(here, '../../build/web/site'));
export const outputDir = resolve(process.env.WEB_OUTPUT ?? join(here, '../../build/web'));
export const engineName = process.env.WEB_ENGINE ?? 'chromium';
export const engine = engines[engineName];
export const modeName = process.env.WEB_MODE ?? 'wasm';
export const mode = modes[modeName];
// What a report or a screenshot of this mode is named with.
export const modeSuffix = modeName === 'wasm' ? '' : `-${modeName}`;

// Ends the process as CTest's skip (77) with one line, when what a test needs
// is not on this machine.
export function skip(reason) {
    console.log(`SKIP: ${reason}`);
    process.exit(77);
}

// The built site, which every test needs, and the engine with its driver.
export async function need() {
    if (!engine) {
        console.error(`WEB_ENGINE=${engineName}: not one of ${Object.keys(engines).join(', ')}`);
        process.exit(1);
    }
    if (!mode) {
        console.error(`WEB_MODE=${modeName}: not one of ${Object.keys(modes).join(', ')}`);
        process.exit(1);
    }
    if (!existsSync(join(site, 'index.html'))) {
        console.error(`no built site at ${site}: cmake --build --preset web`);
        process.exit(1);
    }
    if (!existsSync(engine.executable)) skip(`${engine.name}: ${engine.executable} is missing`);
    try {
        await import(engine.module);
    } catch {
        skip(`${engine.module} is not installed (scripts/test-web.sh runs npm ci in web/tests)`);
    }
    if (engineName === 'webkit' && !process.env.DISPLAY) skip('WebKitGTK needs an X display (ctest runs it in Xvfb)');
}

// The engine of this test in `lang` and its mode; its version names it in
// every report.
export async function launch({ lang = 'bg' } = {}) {
    const browser = await launchEngine(engine, { lang, mode: modeName });
    report(`engine-${engineName}.txt`, browser.version);
    return browser;
}

// The desktop tests' tables, shared with window/tests/converterform_test.cpp.
export const calculations = JSON.parse(
    readFileSync(join(here, '../../window/tests/calculations.json'), 'utf8'));

// A text of the table: as it is, or {"repeat": unit, "length": n}, the unit
// over and over cut to n characters.
export function expand(text) {
    if (typeof text !== 'object') return text;
    return text.repeat.repeat(Math.ceil(text.length / text.repeat.length)).slice(0, text.length);
}

export function announcement(name, value = '') {
    return calculations.announcements[name].replace('%1', value);
}

const types = {
    '.html': 'text/html; charset=utf-8',
    '.js': 'text/javascript; charset=utf-8',
    '.css': 'text/css; charset=utf-8',
    '.json': 'application/json',
    '.webmanifest': 'application/manifest+json',
    '.wasm': 'application/wasm',
    '.png': 'image/png',
    '.txt': 'text/plain; charset=utf-8',
};

// The page's own policy, and as a browser reads it that does not know
// 'wasm-unsafe-eval' (Safari 15, Chrome before 97).
export const pagePolicy = (html) =>
    html.match(/http-equiv="Content-Security-Policy" content="([^"]*)"/)?.[1];
export const withoutWasmEval = (policy) => policy.replace(" 'wasm-unsafe-eval'", '');

// Serves a folder on 127.0.0.1 at a free port, as any static host would;
// `extra` maps paths to texts served beside it, or to null for a file the
// host fails to serve. stop() cuts every connection, as a network that goes
// away. The page is served with its own policy once more as a report-only
// header, so every engine reports to `violations` what the policy refused (a
// meta element's policy cannot report). In the blocked mode the page's policy
// is the one that blocks WebAssembly.
export async function serve(root = site, extra = {}) {
    const policy = pagePolicy(readFileSync(join(site, 'index.html'), 'utf8'));
    const sockets = new Set();
    const violations = [];
    const server = createServer((request, response) => {
        let path = decodeURIComponent(new URL(request.url, 'http://host').pathname);
        if (path === '/policy-violation') {
            let body = '';
            request.on('data', (chunk) => { body += chunk; });
            request.on('end', () => {
                violations.push(body);
                response.writeHead(204);
                response.end();
            });
            return;
        }
        if (path.endsWith('/')) path += 'index.html';
        if (extra[path] === null) {
            response.writeHead(404, { 'Content-Type': types['.txt'] });
            response.end('not found');
            return;
        }
        if (path in extra) {
            response.writeHead(200, { 'Content-Type': types[extname(path)] });
            response.end(extra[path]);
            return;
        }
        const file = normalize(join(root, path));
        if (!file.startsWith(root) || !existsSync(file)) {
            response.writeHead(404, { 'Content-Type': types['.txt'] });
            response.end('not found');
            return;
        }
        const headers = {
            'Content-Type': types[extname(file)] ?? 'application/octet-stream',
            'Cache-Control': 'no-cache',
        };
        if (extname(file) === '.html' && policy) {
            headers['Content-Security-Policy-Report-Only'] = `${policy}; report-uri /policy-violation`;
        }
        response.writeHead(200, headers);
        const content = readFileSync(file);
        response.end(extname(file) === '.html' && modeName === 'blocked'
            ? content.toString('utf8').replace(policy, withoutWasmEval(policy)) : content);
    });
    server.on('connection', (socket) => {
        sockets.add(socket);
        socket.on('close', () => sockets.delete(socket));
    });
    await new Promise((done) => server.listen(0, '127.0.0.1', done));
    return {
        url: `http://127.0.0.1:${server.address().port}/`,
        violations,
        async stop() {
            for (const socket of sockets) socket.destroy();
            await new Promise((done) => server.close(done));
        },
    };
}

// Opens the page and waits until its core is loaded. Every text the live
// region is given from then on is kept, in order, for announced().
// `prepare`, when given, is done to the page before it loads, in the engines
// that can (puppeteer's); `expected`, the cores as ready() takes them.
export async function openPage(browser, url, options = {}) {
    const page = await browser.open(url, options);
    await ready(page, options.expected);
    return page;
}

// How WebAssembly fares on a page, which core it runs and whether it turned
// to it after WebAssembly's had failed.
export const cores = (page) => page.evaluate(() => {
    let wasm = 'absent';
    if (typeof WebAssembly === 'object') {
        try {
            new WebAssembly.Instance(new WebAssembly.Module(new Uint8Array([0, 97, 115, 109, 1, 0, 0, 0])));
            wasm = 'runs';
        } catch {
            wasm = 'blocked';
        }
    }
    const { core, coreFailed } = document.documentElement.dataset;
    return { wasm, core, failed: coreFailed ?? null };
});

// Waits for the page's data-ready and checks that the mode's switch took
// effect and the page runs the mode's core, chosen at once (`expected`, when
// given, instead). Then keeps what the live region is given and the page's
// errors. A text the region took without having been emptied first, so that
// a screen reader may not hear it as new, is kept marked; a text is kept as
// it is spoken, without the blanks at its end.
export async function ready(page, expected = { wasm: mode.probe, core: mode.core, failed: null }) {
    try {
        await page.waitFor(() => document.documentElement.dataset.ready === 'true');
    } catch (error) {
        throw new Error(`${url(page)} never set data-ready (${error.message}); ` +
            `page errors: ${JSON.stringify(page.errors)}, cores: ${JSON.stringify(await cores(page))}`);
    }
    const found = await cores(page);
    assert.deepEqual(found, { ...found, ...expected }, `${mode.name}: WebAssembly and the core`);
    await page.evaluate(() => {
        const region = document.getElementById('announcer');
        window.announcedTexts = [];
        window.pageErrors = [];
        let emptied = !region.textContent;
        new MutationObserver(() => {
            const text = region.textContent.trimEnd();
            if (text) window.announcedTexts.push(emptied ? text : `(not emptied first) ${text}`);
            emptied = !text;
        }).observe(region, { childList: true, characterData: true, subtree: true });
        window.addEventListener('error', (event) => window.pageErrors.push(event.message));
    });
}

const url = (page) => page.page?.url() ?? 'the page';

// The page's errors since it was opened (puppeteer's engines) or ready.
// In the blocked mode the policy's refusal of WebAssembly, which the page's
// probe meets on purpose and Firefox reports as an error, is not one.
export async function errors(page) {
    return [...page.errors, ...await page.evaluate(() => window.pageErrors ?? [])]
        .filter((error) => modeName !== 'blocked' || !/^Content-Security-Policy: .*WebAssembly/.test(error));
}

// The texts the live region was given since the last call, once there are
// at least `count` of them.
export async function announced(page, count = 1) {
    try {
        await page.waitFor((n) => window.announcedTexts.length >= n, count);
    } catch {
        // Fall through: the comparison shows what was announced instead.
    }
    return page.evaluate(() => window.announcedTexts.splice(0));
}

export const value = (page, id) => page.evaluate((box) => document.getElementById(box).value, id);

// Puts a text into a box over what it held: short texts key by key, long
// ones pasted from the clipboard.
export async function fill(page, id, text) {
    await page.focus(id);
    await page.press('KeyA', 'Control');
    await page.press('Backspace');
    if (text.length < 20) await page.type(text);
    else await page.paste(text);
}

// The widths the page is checked at: a desktop's, and a phone's, and each
// with the reader's text at twice its size.
const phone = { width: 360, height: 740, deviceScaleFactor: 2, isMobile: true, hasTouch: true };
export const widths = [
    ['web', { width: 1024, height: 768 }],
    ['phone', phone],
    ['web-text-200', { width: 1024, height: 768 }, '200%'],
    ['phone-text-200', phone, '200%'],
];

// How wide the page's content is against its window, the controls that reach
// past the window's right edge, and those whose text is cut off. With a text
// size, the page's text is set to it first, as a reader's browser would.
export function widthsOf(page, textSize) {
    return page.evaluate((size) => {
        const root = document.documentElement;
        if (size) root.style.fontSize = size;
        const outside = [...document.querySelectorAll('#ConverterForm *')]
            .filter((e) => e.getBoundingClientRect().right > root.clientWidth)
            .map((e) => e.id || e.tagName);
        const cut = [...document.querySelectorAll('#ConverterForm :is(h1, p, legend, button)')]
            .filter((e) => e.scrollHeight > e.clientHeight + 1 || e.scrollWidth > e.clientWidth + 1)
            .map((e) => e.id || e.tagName);
        return { scroll: root.scrollWidth, client: root.clientWidth, outside, cut };
    }, textSize);
}

// Fails when the page reaches past its window's width or cuts a caption off.
export async function assertFits(page, name, textSize) {
    const { scroll, client, outside, cut } = await widthsOf(page, textSize);
    assert.ok(scroll <= client, `${name}: ${scroll} px of content in ${client}`);
    assert.deepEqual(outside, [], name);
    assert.deepEqual(cut, [], `${name}: text cut off`);
    return client;
}

export const click = (page, id) => page.click(id);

// Prints a line of figures and keeps it in WEB_OUTPUT/NAME for CI's summary.
export function report(name, line) {
    console.log(line);
    writeFileSync(join(outputDir, name), `${line}\n`);
}

// A screenshot of the whole page, named by its engine and mode:
// NAME-ENGINE.png, NAME-ENGINE-MODE.png.
export async function screenshot(page, name) {
    const path = join(outputDir, `${name}-${engineName}${modeSuffix}.png`);
    await page.screenshot(path);
    return path;
}
