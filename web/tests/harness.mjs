// SPDX-FileCopyrightText: 2026 The Roman converter developers
// SPDX-License-Identifier: MIT

// What the page tests and bench/webfigures.mjs share: the built site served
// from the loopback, Debian's browsers, and the page's controls driven as a
// person would.
import assert from 'node:assert/strict';
import { existsSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { createServer } from 'node:http';
import { tmpdir } from 'node:os';
import { extname, join, normalize, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';

const here = fileURLToPath(new URL('.', import.meta.url));
export const site = resolve(process.env.WEB_SITE ?? join(here, '../../build/web/site'));
export const outputDir = resolve(process.env.WEB_OUTPUT ?? join(here, '../../build/web'));
export const chromiumPath = process.env.CHROMIUM ?? '/usr/bin/chromium';
export const firefoxPath = process.env.FIREFOX ?? '/usr/bin/firefox-esr';
// Hang guards only: a loaded machine takes longer, never this long.
export const guard = 30_000;

// Ends the process as CTest's skip (77) with one line, when what a test needs
// is not on this machine.
export function skip(reason) {
    console.log(`SKIP: ${reason}`);
    process.exit(77);
}

// The built site and puppeteer-core, which every test needs, and a browser.
export async function need(browser) {
    if (!existsSync(join(site, 'index.html'))) {
        console.error(`no built site at ${site}: cmake --build --preset web`);
        process.exit(1);
    }
    if (!existsSync(browser)) skip(`${browser} is missing`);
    try {
        await import('puppeteer-core');
    } catch {
        skip('puppeteer-core is not installed (scripts/test-web.sh runs npm ci in web/tests)');
    }
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

// Serves a folder on 127.0.0.1 at a free port, as any static host would;
// `extra` maps paths to texts served beside it. stop() cuts every connection,
// as a network that goes away.
export async function serve(root = site, extra = {}) {
    const sockets = new Set();
    const server = createServer((request, response) => {
        let path = decodeURIComponent(new URL(request.url, 'http://host').pathname);
        if (path.endsWith('/')) path += 'index.html';
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
        response.writeHead(200, {
            'Content-Type': types[extname(file)] ?? 'application/octet-stream',
            'Cache-Control': 'no-cache',
        });
        response.end(readFileSync(file));
    });
    server.on('connection', (socket) => {
        sockets.add(socket);
        socket.on('close', () => sockets.delete(socket));
    });
    await new Promise((done) => server.listen(0, '127.0.0.1', done));
    return {
        url: `http://127.0.0.1:${server.address().port}/`,
        async stop() {
            for (const socket of sockets) socket.destroy();
            await new Promise((done) => server.close(done));
        },
    };
}

// Starts a browser headless in a fresh profile, which is removed on close.
async function start(options) {
    const { default: puppeteer } = await import('puppeteer-core');
    const profile = mkdtempSync(join(tmpdir(), 'roman-web-'));
    const browser = await puppeteer.launch({
        headless: true, userDataDir: profile, timeout: guard, protocolTimeout: 4 * guard,
        ...options,
    });
    const close = browser.close.bind(browser);
    browser.close = async () => {
        await close();
        rmSync(profile, { recursive: true, force: true });
    };
    return browser;
}

// Debian's chromium. `lang` sets the browser's language from the environment,
// as a user's system does (it takes chromium-l10n's catalogues; --lang alone
// is not enough).
export async function launch({ lang = 'bg' } = {}) {
    return start({
        executablePath: chromiumPath,
        env: { ...process.env, LANGUAGE: lang, LANG: `${lang}_${lang.toUpperCase()}.UTF-8` },
        args: [
            '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
            '--disable-background-networking', '--disable-component-update', '--disable-sync',
            `--lang=${lang}`,
        ],
    });
}

// Debian's firefox-esr, driven over WebDriver BiDi.
export async function launchFirefox() {
    const browser = await start({
        browser: 'firefox',
        executablePath: firefoxPath,
        extraPrefsFirefox: { 'intl.accept_languages': 'bg' },
    });
    browser.firefox = true;
    return browser;
}

// Opens the page and waits until its core is loaded. Every text the live
// region is given from then on is kept, in order, for announced().
// `prepare`, when given, is done to the page before it loads.
export async function openPage(browser, url, { viewport = { width: 800, height: 600 }, prepare } = {}) {
    const page = await browser.newPage();
    await prepare?.(page);
    page.setDefaultTimeout(guard);
    await page.setViewport(viewport);
    page.errors = [];
    page.on('pageerror', (error) => page.errors.push(error.message));
    if (!browser.firefox && url.startsWith('http')) {
        await browser.defaultBrowserContext().overridePermissions(
            new URL(url).origin,
            ['clipboard-read', 'clipboard-write', 'clipboard-sanitized-write']);
    }
    await page.goto(url);
    await ready(page);
    return page;
}

// Waits for the page's data-ready, and starts keeping what the live region is
// given.
export async function ready(page) {
    try {
        await page.waitForFunction(() => document.documentElement.dataset.ready === 'true');
    } catch (error) {
        throw new Error(`${page.url()} never set data-ready (${error.message}); ` +
            `page errors: ${JSON.stringify(page.errors ?? [])}`);
    }
    await page.evaluate(() => {
        const region = document.getElementById('announcer');
        window.announcedTexts = [];
        new MutationObserver(() => {
            if (region.textContent) window.announcedTexts.push(region.textContent);
        }).observe(region, { childList: true, characterData: true, subtree: true });
    });
}

// The texts the live region was given since the last call, once there are
// at least `count` of them.
export async function announced(page, count = 1) {
    try {
        await page.waitForFunction((n) => window.announcedTexts.length >= n, {}, count);
    } catch {
        // Fall through: the comparison shows what was announced instead.
    }
    return page.evaluate(() => window.announcedTexts.splice(0));
}

export const value = (page, id) => page.$eval(`#${id}`, (box) => box.value);

// Puts a text into a box over what it held: short texts key by key, long
// ones pasted from the clipboard.
export async function fill(page, id, text) {
    await page.focus(`#${id}`);
    await page.keyboard.down('Control');
    await page.keyboard.press('KeyA');
    await page.keyboard.up('Control');
    await page.keyboard.press('Backspace');
    if (text.length < 20) await page.keyboard.type(text);
    else await paste(page, text);
}

// Pastes a text at the caret through the clipboard, with Ctrl+V.
export async function paste(page, text) {
    await page.evaluate((copied) => navigator.clipboard.writeText(copied), text);
    await page.keyboard.down('Control');
    await page.keyboard.press('KeyV');
    await page.keyboard.up('Control');
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

export async function click(page, id) {
    await page.click(`#${id}`);
}

// Prints a line of figures and keeps it in WEB_OUTPUT/NAME for CI's summary.
export function report(name, line) {
    console.log(line);
    writeFileSync(join(outputDir, name), `${line}\n`);
}

export async function screenshot(page, name) {
    const path = join(outputDir, name);
    await page.screenshot({ path, fullPage: true });
    return path;
}
