// SPDX-FileCopyrightText: 2026 The Roman converter developers
// SPDX-License-Identifier: MIT

// Debian's three browser engines behind one small interface, so each page
// test is written once and run in each: Chromium and Firefox ESR driven by
// puppeteer-core (the DevTools protocol and WebDriver BiDi), WebKitGTK, the
// engine of Safari, by selenium-webdriver through Debian's WebKitWebDriver,
// as WebKitGTK speaks neither of the others. A page offers what a person
// does: keys, clicks, a paste, a look (screenshots), and what a test reads
// off it (evaluate).
import { spawn, spawnSync } from 'node:child_process';
import { existsSync, mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import { createServer } from 'node:net';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

// Hang guards only: a loaded machine takes longer, never this long.
export const guard = 30_000;

// The engines, as the tests name them (WEB_ENGINE).
export const engines = {
    chromium: {
        name: 'Chromium', executable: process.env.CHROMIUM ?? '/usr/bin/chromium',
        module: 'puppeteer-core', start: startChromium,
    },
    firefox: {
        name: 'Firefox ESR', executable: process.env.FIREFOX ?? '/usr/bin/firefox-esr',
        module: 'puppeteer-core', start: startFirefox,
    },
    webkit: {
        name: 'WebKitGTK', executable: process.env.WEBKIT_DRIVER ?? '/usr/bin/WebKitWebDriver',
        module: 'selenium-webdriver', start: startWebKit,
    },
};

// Where the page's WebAssembly can run, as the tests name it (WEB_MODE): as
// the engine has it; absent, each engine switched as below, as in Lockdown
// Mode or a JIT-less browser; or blocked by a policy without
// 'wasm-unsafe-eval', as Safari 15 and Chrome before 97 read the page's,
// which the test server sends (harness.mjs). `core` is the one the page must
// run, `probe` what a module's instantiation gives.
export const modes = {
    wasm: { name: 'WebAssembly', core: 'wasm', probe: 'runs' },
    nowasm: { name: 'without WebAssembly', core: 'script', probe: 'absent' },
    blocked: { name: 'WebAssembly blocked', core: 'script', probe: 'blocked' },
};

// A browser in a fresh profile in `lang`, set as a user's system sets it,
// in a mode of `modes`. Gives { version, open(url, { viewport, prepare }),
// close() }; `prepare` is done to a page before it loads, where the engine can.
export function launch(engine, { lang = 'bg', mode = 'wasm' } = {}) {
    const env = { ...process.env, LANGUAGE: lang, LANG: `${lang}_${lang.toUpperCase()}.UTF-8` };
    return engine.start({ lang, env, withoutWasm: mode === 'nowasm' });
}

function profile() {
    return mkdtempSync(join(tmpdir(), 'roman-web-'));
}

async function startPuppeteer(options, makePage) {
    const { default: puppeteer } = await import('puppeteer-core');
    const folder = profile();
    const browser = await puppeteer.launch({
        headless: true, userDataDir: folder, timeout: guard, protocolTimeout: 4 * guard,
        ...options,
    });
    return {
        puppeteer: browser,
        version: await browser.version(),
        async open(url, { viewport = { width: 800, height: 600 }, prepare } = {}) {
            const page = await browser.newPage();
            page.setDefaultTimeout(guard);
            await page.setViewport(viewport);
            await prepare?.(page);
            const opened = makePage(page);
            page.on('pageerror', (error) => opened.errors.push(error.message));
            if (options.browser !== 'firefox' && url.startsWith('http')) {
                await browser.defaultBrowserContext().overridePermissions(
                    new URL(url).origin,
                    ['clipboard-read', 'clipboard-write', 'clipboard-sanitized-write']);
            }
            await page.goto(url);
            return opened;
        },
        async close() {
            await browser.close();
            rmSync(folder, { recursive: true, force: true });
        },
    };
}

// Debian's chromium, headless. The language takes chromium-l10n's catalogues;
// --lang alone is not enough.
// Chromium 156 ignores --no-expose-wasm; without a JIT it has no WebAssembly.
async function startChromium({ lang, env, withoutWasm }) {
    const browser = await startPuppeteer({
        executablePath: engines.chromium.executable,
        env,
        args: [
            '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
            '--disable-background-networking', '--disable-component-update', '--disable-sync',
            `--lang=${lang}`, ...(withoutWasm ? ['--js-flags=--jitless'] : []),
        ],
    }, (page) => new PuppeteerPage(page, (text) =>
        page.evaluate((copied) => navigator.clipboard.writeText(copied), text)));
    browser.version = browser.version.replace(/^(Headless)?Chrome\//, 'Chromium ');
    return browser;
}

// Debian's firefox-esr, headless, over WebDriver BiDi; the page may write
// the clipboard without a click first, as a test pastes from it.
async function startFirefox({ lang, env, withoutWasm }) {
    const browser = await startPuppeteer({
        browser: 'firefox',
        executablePath: engines.firefox.executable,
        env,
        extraPrefsFirefox: {
            'intl.accept_languages': lang,
            'intl.locale.requested': lang,
            'dom.events.testing.asyncClipboard': true,
            'javascript.options.wasm': !withoutWasm,
        },
    }, (page) => new PuppeteerPage(page, (text) =>
        page.evaluate((copied) => navigator.clipboard.writeText(copied), text),
    // WebDriver's names for keys that puppeteer's BiDi keyboard does not know.
    { NumpadEnter: '\uE007', Space: ' ' }));
    browser.version = browser.version.replace(/^firefox\//i, 'Firefox ESR ');
    return browser;
}

class PuppeteerPage {
    constructor(page, copy, keys = {}) {
        this.page = page;
        this.copy = copy;
        this.keys = keys;
        this.errors = [];
    }

    evaluate(fn, ...args) { return this.page.evaluate(fn, ...args); }

    async waitFor(fn, ...args) { await this.page.waitForFunction(fn, {}, ...args); }

    // A key, with modifiers held: press('KeyA', 'Control').
    async press(key, ...modifiers) {
        for (const modifier of modifiers) await this.page.keyboard.down(modifier);
        await this.page.keyboard.press(this.keys[key] ?? key);
        for (const modifier of modifiers.reverse()) await this.page.keyboard.up(modifier);
    }

    type(text) { return this.page.keyboard.type(text); }

    click(id) { return this.page.click(`#${id}`); }

    focus(id) { return this.page.focus(`#${id}`); }

    // Puts the text on the clipboard and pastes it at the caret.
    async paste(text) {
        await this.copy(text);
        await this.press('KeyV', 'Control');
    }

    screenshot(path) { return this.page.screenshot({ path, fullPage: true }); }

    reload() { return this.page.reload(); }

    close() { return this.page.close(); }
}

async function freePort() {
    const server = createServer();
    await new Promise((done) => server.listen(0, '127.0.0.1', done));
    const { port } = server.address();
    await new Promise((done) => server.close(done));
    return port;
}

// Debian's WebKitGTK: its MiniBrowser, driven by WebKitWebDriver, in the X
// display the test runs in (ctest gives it one of Xvfb's). Full screen, so
// that no toolbar keeps its window from a phone's width. JavaScriptCore's
// switch reaches the web process through the driver's environment.
async function startWebKit({ env, withoutWasm }) {
    const { Builder } = await import('selenium-webdriver');
    const port = await freePort();
    const driverProcess = spawn(engines.webkit.executable, [`--port=${port}`],
        { env: withoutWasm ? { ...env, JSC_useWasm: '0' } : env, stdio: 'ignore' });
    const miniBrowser = ['4.1', '4.0', '6.0'].map(
        (api) => `/usr/lib/x86_64-linux-gnu/webkit2gtk-${api}/MiniBrowser`).find(existsSync);
    let driver;
    const started = Date.now();
    for (;;) {
        try {
            driver = await new Builder().usingServer(`http://127.0.0.1:${port}`).withCapabilities({
                browserName: 'MiniBrowser',
                'webkitgtk:browserOptions': { binary: miniBrowser, args: ['--automation', '--full-screen'] },
            }).build();
            break;
        } catch (error) {
            // The driver may still be starting.
            if (Date.now() - started > guard) {
                driverProcess.kill();
                throw error;
            }
            await new Promise((done) => setTimeout(done, 200));
        }
    }
    await driver.manage().setTimeouts({ script: guard, pageLoad: guard });
    const capabilities = await driver.getCapabilities();
    const pages = [];
    return {
        version: `WebKitGTK ${capabilities.get('browserVersion')}`,
        async open(url, { viewport = { width: 800, height: 600 } } = {}) {
            await driver.manage().window().setRect({ width: viewport.width, height: viewport.height });
            await driver.get(url);
            pages.push(new WebDriverPage(driver, viewport));
            return pages.at(-1);
        },
        async close() {
            for (const page of pages) await page.withdraw();
            await driver.quit().catch(() => {});
            driverProcess.kill();
        },
    };
}

// The W3C WebDriver names of the keys the tests press.
const webDriverKeys = {
    Tab: '\uE004', Enter: '\uE006', NumpadEnter: '\uE007', Space: ' ', Backspace: '\uE003',
    Control: '\uE009', Shift: '\uE008', KeyA: 'a', KeyV: 'v',
};

class WebDriverPage {
    constructor(driver, viewport) {
        this.driver = driver;
        this.viewport = viewport;
        this.errors = [];
    }

    // A function, called with the arguments, or a script's source, run.
    evaluate(fn, ...args) {
        if (typeof fn === 'string') return this.driver.executeScript(fn);
        return this.driver.executeScript(`return (${fn}).apply(null, arguments);`, ...args);
    }

    async waitFor(fn, ...args) {
        const until = Date.now() + guard;
        while (!await this.evaluate(fn, ...args)) {
            if (Date.now() > until) throw new Error(`gave up waiting for ${fn}`);
            await new Promise((done) => setTimeout(done, 50));
        }
    }

    async press(key, ...modifiers) {
        let actions = this.driver.actions();
        for (const modifier of modifiers) actions = actions.keyDown(webDriverKeys[modifier]);
        actions = actions.sendKeys(webDriverKeys[key] ?? key);
        for (const modifier of modifiers.reverse()) actions = actions.keyUp(webDriverKeys[modifier]);
        await actions.perform();
    }

    type(text) { return this.driver.actions().sendKeys(text).perform(); }

    async click(id) {
        const { By } = await import('selenium-webdriver');
        await this.driver.findElement(By.id(id)).click();
    }

    focus(id) { return this.evaluate((target) => document.getElementById(target).focus(), id); }

    // The X clipboard, as another program that the user copied from offers
    // it, then Ctrl+V. The last offer is withdrawn first, so that the paste
    // waits for this one.
    async paste(text) {
        await this.withdraw();
        this.offer = spawn('xclip', ['-quiet', '-i', '-selection', 'clipboard'],
            { stdio: ['pipe', 'ignore', 'ignore'] });
        this.offer.stdin.end(text);
        const until = Date.now() + guard;
        while (spawnSync('xclip', ['-o', '-selection', 'clipboard', '-t', 'TARGETS']).status !== 0) {
            if (Date.now() > until || this.offer.exitCode !== null) {
                throw new Error('xclip could not offer the clipboard');
            }
            await new Promise((done) => setTimeout(done, 50));
        }
        await this.press('KeyV', 'Control');
    }

    async withdraw() {
        const { offer } = this;
        if (offer && offer.exitCode === null) {
            offer.kill();
            await new Promise((done) => offer.on('exit', done));
        }
    }

    // The whole page: the window as tall as the page for the moment.
    async screenshot(path) {
        const height = await this.evaluate(() => document.documentElement.scrollHeight);
        const window = this.driver.manage().window();
        await window.setRect({ width: this.viewport.width, height: Math.max(height, this.viewport.height) });
        writeFileSync(path, Buffer.from(await this.driver.takeScreenshot(), 'base64'));
        await window.setRect({ width: this.viewport.width, height: this.viewport.height });
    }

    reload() { return this.driver.navigate().refresh(); }

    async close() {}
}
