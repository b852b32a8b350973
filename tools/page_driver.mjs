// The browsers the page is tested in, each behind the few calls a user's actions need: chromium
// (puppeteer, DevTools protocol), firefox-esr (puppeteer, WebDriver BiDi) and WebKitGTK (selenium
// through WebKitWebDriver, on the run's X display). COLLATZ_BROWSERS picks some by name.
// launch(view): a new browser with a page of its own, in a view of width x height pixels (by touch
// where touch is set and the browser can), with env added to its environment, Chrome's page zoom
// (zoom) or minimum font size (minimumFontSize), Firefox's text scale (textScale).
import { spawn } from 'node:child_process';
import { mkdir, mkdtemp, writeFile } from 'node:fs/promises';
import { createServer } from 'node:net';
import { tmpdir } from 'node:os';
import { describe } from 'node:test';
import puppeteer from 'puppeteer-core';
import { Capabilities, Key, Origin, WebDriver } from 'selenium-webdriver';
import { Executor, HttpClient } from 'selenium-webdriver/http/index.js';

// In the page: the shown control whose accessible name or text is name, as a user finds it; or
// whether there is one.
function find(name, element = false) {
  const found = [...document.querySelectorAll('button, input, textarea, output, a')].find((control) => control.getClientRects().length &&
    (control.getAttribute('aria-label') ?? control.labels?.[0]?.textContent ?? control.textContent) === name);
  return element ? found : Boolean(found);
}

class Page {
  // Waits until fn, run in the page, returns something truthy, and returns it; fails after 15 s,
  // saying what it waited for. A page that is navigating answers nothing in between.
  async until(fn, ...args) {
    const later = (ms) => new Promise((resume) => setTimeout(resume, ms));
    for (const start = Date.now(); Date.now() - start < 15000; await later(50)) {
      const result = await Promise.race([this.run(fn, ...args).catch(() => null), later(2000)]);
      if (result)
        return result;
    }
    throw new Error(`timed out waiting for ${fn.name || fn} ${args.join(' ')}`);
  }

  // Once the page's modules have wired the window.
  wired() { return this.until(() => document.querySelector('#Picture1 > div').style.transform); }
  asking() { return this.until(() => Boolean(document.querySelector('dialog[open]'))); }

  // The start label and the box, once no dialog is open and the box shows a sequence.
  settled() {
    return this.until(() => !document.querySelector('dialog[open]') && document.querySelector('textarea').value &&
      [document.querySelector('output').value, document.querySelector('textarea').value]);
  }

  // 実　験, typed, Enter: the start label and the box then.
  async experiment(typed, how = 'click') {
    await this[how](await this.run(() => document.getElementById('Command1').textContent));
    await this.asking();
    await this.keys(typed, 'Enter');
    return this.settled();
  }

  async click(name, how = 'click') {
    await this.until(find, name);
    await (await this.element(find, name, true))[how]();
  }
}

class PuppeteerPage extends Page {
  constructor(browser, page, touch) {
    super();
    Object.assign(this, { browser, page, touch });
  }

  goto(url) { return this.page.goto(url, { waitUntil: 'domcontentloaded' }); }
  run(fn, ...args) { return this.page.evaluate(fn, ...args); }
  element(fn, ...args) { return this.page.evaluateHandle(fn, ...args); }
  tap(name) { return this.click(name, this.touch ? 'tap' : 'click'); }
  clickAt(x, y) { return this.page.mouse.click(x, y); }
  close() { return this.browser.close(); }

  async keys(...keys) {
    for (const key of keys)
      await (/^[A-Z]/.test(key) ? this.page.keyboard.press(key) : this.page.keyboard.type(key));
  }

  // The key held down, so that the keyboard repeats it, then let go.
  async hold(key) {
    await this.page.keyboard.down(key);
    await this.page.keyboard.down(key);
    await this.page.keyboard.up(key);
  }
}

class SeleniumPage extends Page {
  constructor(driver, server) {
    super();
    Object.assign(this, { driver, server });
  }

  // The session does not wait for pages to load (WebKitWebDriver 2.54 leaves every script
  // unanswered for good, now and then, after a navigation that waited for the page to become
  // interactive): this waits until a new page at url is parsed, the page before marked as left.
  async goto(url) {
    await this.run(() => { window.left = true; }).catch(() => {});
    await this.driver.get(url);
    await this.until((address) => !window.left && location.href === address && document.readyState !== 'loading', url);
  }

  run(fn, ...args) { return this.driver.executeScript(typeof fn === 'string' ? fn : `return (${fn})(...arguments)`, ...args); }
  element(fn, ...args) { return this.run(fn, ...args); }
  tap(name) { return this.click(name); } // WebKitWebDriver cannot touch
  clickAt(x, y) { return this.driver.actions().move({ x, y, origin: Origin.VIEWPORT }).click().perform(); }
  keys(...keys) { return this.driver.actions().sendKeys(...keys.map((key) => (/^[A-Z]/.test(key) ? Key[key.toUpperCase()] : key))).perform(); }

  hold(key) {
    const held = Key[key.toUpperCase()];
    return this.driver.actions().keyDown(held).keyDown(held).keyUp(held).perform();
  }

  async close() {
    try {
      await this.driver.quit();
    } finally {
      killGroup(this.server); // also a driver that answers nothing, and the browser it started
    }
  }
}

// The Japanese faces that the page is tried with one at a time, and their folders under /usr/share/fonts.
export const facesTriedAlone = { IPAPGothic: 'opentype/ipafont-gothic', 'VL PGothic': 'truetype/vlgothic', 'Noto Sans CJK JP': 'opentype/noto' };

// The classroom's screens: a laptop, Chrome's zoom at 150 and 200 per cent on it, the same laptop at
// 125 per cent, an iPad held upright and sideways.
export const classroomViews = [{ width: 1366, height: 635 }, { width: 1366, height: 635, zoom: 1.5 }, { width: 1366, height: 635, zoom: 2 },
  { width: 1093, height: 481 }, { width: 820, height: 1100, touch: true }, { width: 1180, height: 740, touch: true }];

// The environment of a browser whose fontconfig sees only that Japanese face, and DejaVu for Latin text.
export async function onlyFace(face) {
  const config = await mkdtemp(`${tmpdir()}/fonts-`);
  await writeFile(`${config}/fonts.conf`, `<?xml version="1.0"?><fontconfig><dir>/usr/share/fonts/${facesTriedAlone[face]}</dir>
    <dir>/usr/share/fonts/truetype/dejavu</dir><cachedir>${config}</cachedir></fontconfig>`);
  return { FONTCONFIG_FILE: `${config}/fonts.conf` };
}

// A new profile for chromium, with a user's page zoom and minimum font size.
async function chromiumProfile({ zoom = 1, minimumFontSize = 0 }) {
  const profile = await mkdtemp(`${tmpdir()}/chromium-`);
  await mkdir(`${profile}/Default`);
  await writeFile(`${profile}/Default/Preferences`, JSON.stringify({
    partition: { default_zoom_level: { x: Math.log(zoom) / Math.log(1.2) } },
    webkit: { webprefs: { minimum_font_size: minimumFontSize } },
  }));
  return profile;
}

async function launchPuppeteer(options, { width = 760, height = 600, touch = false, env = {} }) {
  // A call the browser never answers fails in half a minute, not in the driver's three.
  const browser = await puppeteer.launch({ headless: true, env: { ...process.env, ...env }, defaultViewport: null, protocolTimeout: 30000, ...options });
  // A page of its own, in front: Firefox's first tab never has the focus, and a button there takes no keys.
  const page = await browser.newPage();
  await page.bringToFront();
  const byTouch = touch && !options.browser; // firefox's driver has no touch screen
  if (byTouch || options.browser)
    await page.setViewport({ width, height, hasTouch: byTouch, isMobile: byTouch });
  return new PuppeteerPage(browser, page, byTouch);
}

// A WebKitWebDriver session whose every command, the new session and a page load included, fails
// if the driver has not answered it in 45 s, rather than waiting for ever (five minutes for a load).
function boundedSession(port) {
  const executor = new Executor(new HttpClient(`http://127.0.0.1:${port}`));
  const execute = executor.execute.bind(executor);
  executor.execute = (command) => new Promise((answered, failed) => {
    const timer = setTimeout(() => failed(new Error(`WebKitWebDriver left ${command.getName()} unanswered for 45 s`)), 45000);
    execute(command).then(answered, failed).finally(() => clearTimeout(timer));
  });
  return WebDriver.createSession(executor, new Capabilities({
    browserName: 'MiniBrowser',
    pageLoadStrategy: 'none',
    'webkitgtk:browserOptions': { binary: '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser', args: ['--automation'] },
  }));
}

// Ends a WebKitWebDriver and the MiniBrowser it started, which are a process group of their own.
function killGroup(server) {
  try {
    process.kill(-server.pid, 'SIGKILL');
  } catch {
    // already gone
  }
}

// A port that nothing on this machine listens on now, as the system picks it: a port picked at
// random may be another test run's driver (two runs side by side), which then takes the session.
const freePort = () => new Promise((picked, failed) => {
  const probe = createServer().on('error', failed).listen(0, '127.0.0.1', () => {
    const { port } = probe.address();
    probe.close(() => picked(port));
  });
});

async function launchWebKit({ width = 760, height = 600, env = {} } = {}) {
  const port = await freePort();
  const server = spawn('WebKitWebDriver', [`--port=${port}`], { stdio: 'ignore', env: { ...process.env, ...env }, detached: true });
  for (let tries = 0; ; ++tries) {
    try {
      const page = new SeleniumPage(boundedSession(port), server);
      await page.driver.manage().window().setRect({ width, height });
      return page;
    } catch (error) {
      if (!error.message.includes('ECONNREFUSED') || tries === 50) {
        killGroup(server);
        throw error;
      }
      await new Promise((retry) => setTimeout(retry, 100)); // until the driver listens
    }
  }
}

const chromiumFlags = ['--no-sandbox', '--disable-gpu', '--disable-background-networking', '--disable-component-update',
  '--disable-sync', '--no-first-run', '--disable-quic'];

export const browsers = [
  { name: 'chromium', launch: async (view = {}) => launchPuppeteer({ executablePath: '/usr/bin/chromium',
    args: [...chromiumFlags, `--window-size=${view.width ?? 760},${view.height ?? 600}`, `--user-data-dir=${await chromiumProfile(view)}`] }, view) },
  // No back-forward cache in firefox: a page left stays open there, and a later visit of the tests
  // is one with no page of the old version open.
  { name: 'firefox', launch: (view = {}) => launchPuppeteer({ browser: 'firefox', executablePath: '/usr/bin/firefox-esr',
    extraPrefsFirefox: { 'browser.sessionhistory.max_total_viewers': 0,
      ...view.textScale && { 'ui.textScaleFactor': view.textScale * 100, 'browser.display.os-zoom-behavior': 2 } } }, view) },
  { name: 'webkit', launch: launchWebKit },
].filter(({ name }) => !process.env.COLLATZ_BROWSERS || process.env.COLLATZ_BROWSERS.split(',').includes(name));

// Runs body(browser) as a suite in each browser.
export function inEachBrowser(title, body) {
  for (const browser of browsers)
    describe(`${title} in ${browser.name}`, () => body(browser));
}
