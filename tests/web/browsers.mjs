// The browsers the page is tested in, each behind the same few calls that a user's actions need:
// chromium (puppeteer, DevTools protocol), firefox-esr (puppeteer, WebDriver BiDi) and WebKitGTK
// (selenium through WebKitWebDriver, on the run's X display). COLLATZ_BROWSERS picks some by name.
import { spawn } from 'node:child_process';
import { after, before, describe } from 'node:test';
import puppeteer from 'puppeteer-core';
import { Builder, Key } from 'selenium-webdriver';
import { serveSite } from './site.mjs';

const keys = { Enter: Key.ENTER, Escape: Key.ESCAPE, Tab: Key.TAB, ' ': Key.SPACE };

// In the page: the shown element of that role whose accessible name is name, as a user finds it;
// or, as report asks, whether there is one, or its place in the window.
export function find(role, name, report = 'element') {
  const selector = { button: 'button', link: 'a', textbox: 'input, textarea', status: 'output', region: 'section' }[role];
  const nameOf = (element) => {
    const by = element.getAttribute('aria-labelledby');
    return by ? document.getElementById(by).textContent
      : element.getAttribute('aria-label') ?? element.labels?.[0]?.textContent ?? element.textContent;
  };
  const found = [...document.querySelectorAll(selector)].find((element) =>
    element.getClientRects().length > 0 && nameOf(element) === name);
  if (report === 'whether')
    return found !== undefined;
  if (report === 'place')
    return found && [found.offsetLeft, found.offsetTop, found.offsetWidth, found.offsetHeight];
  return found ?? null;
}

// In the page: a button that opens url in a new window, for a user's click (a browser lets only a
// user's action open one).
function addOpener(url) {
  const opener = document.createElement('button');
  opener.textContent = 'open a window';
  opener.addEventListener('click', () => { window.open(url); opener.remove(); });
  document.body.prepend(opener);
}

class PuppeteerPage {
  constructor(browser, page) {
    this.browser = browser;
    this.page = page;
  }

  goto(url) { return this.page.goto(url); }
  reload() { return this.page.reload(); }
  isClosed() { return this.page.isClosed(); }

  // Closes this tab and, pause milliseconds later, opens url in a new one.
  async reopen(url, pause) {
    const page = await this.browser.newPage();
    await this.page.close();
    await new Promise((resume) => setTimeout(resume, pause));
    this.page = page;
    await page.bringToFront();
    await page.setViewport({ width: 760, height: 600 });
    await page.goto(url);
  }

  // A new window that this page's script opens on url, as the browser lets a script close it.
  async openWindow(url) {
    const opened = new Promise((resolve) => this.page.once('popup', resolve));
    await this.evaluate(addOpener, url);
    await this.click('button', 'open a window');
    const page = await opened;
    await page.bringToFront();
    await page.waitForFunction(() => document.readyState === 'complete');
    return new PuppeteerPage(this.browser, page);
  }
  evaluate(fn, ...args) { return this.page.evaluate(fn, ...args); }
  press(key) { return this.page.keyboard.press(key); }
  run(script) { return this.page.evaluate(script); }
  type(text) { return this.page.keyboard.type(text); }
  screenshot(path) { return this.page.screenshot({ path }); }
  setViewport(width, height) { return this.page.setViewport({ width, height, hasTouch: width < 600 }); }
  close() { return this.browser.close(); }

  async click(role, name, how = 'click') {
    await waitFor(this, find, role, name, 'whether');
    await (await this.page.evaluateHandle(find, role, name)).asElement()[how]();
  }

  // A finger's tap, on a touch screen.
  tap(role, name) { return this.click(role, name, 'tap'); }
}

class SeleniumPage {
  constructor(driver, server) {
    this.driver = driver;
    this.server = server;
  }

  goto(url) { return this.driver.get(url); }
  reload() { return this.driver.navigate().refresh(); }

  async reopen(url, pause) {
    const old = await this.driver.getWindowHandle();
    await this.driver.switchTo().newWindow('tab');
    const tab = await this.driver.getWindowHandle();
    await this.driver.switchTo().window(old);
    await this.driver.close();
    await new Promise((resume) => setTimeout(resume, pause));
    await this.driver.switchTo().window(tab);
    await this.goto(url);
  }
  async isClosed() { return !(await this.driver.getAllWindowHandles()).includes(this.handle); }

  async openWindow(url) {
    const before = await this.driver.getAllWindowHandles();
    await this.evaluate(addOpener, url);
    await this.click('button', 'open a window');
    const page = new SeleniumPage(this.driver, this.server);
    await this.driver.wait(async () => {
      page.handle = (await this.driver.getAllWindowHandles()).find((handle) => !before.includes(handle));
      return page.handle;
    }, 5000);
    await this.driver.switchTo().window(page.handle);
    await waitFor(page, () => document.readyState === 'complete');
    return page;
  }
  evaluate(fn, ...args) { return this.driver.executeScript(`return (${fn})(...arguments)`, ...args); }
  press(key) { return this.driver.actions().sendKeys(keys[key] ?? key).perform(); }
  run(script) { return this.driver.executeScript(script); }
  type(text) { return this.driver.actions().sendKeys(text).perform(); }
  setViewport(width, height) { return this.driver.manage().window().setRect({ width, height }); }

  async screenshot(path) {
    const { writeFile } = await import('node:fs/promises');
    await this.evaluate(() => new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(done))));
    await writeFile(path, await this.driver.takeScreenshot(), 'base64');
  }

  async click(role, name) {
    await waitFor(this, find, role, name, 'whether');
    await (await this.evaluate(find, role, name)).click();
  }

  tap(role, name) { return this.click(role, name); } // WebKitWebDriver has no touch

  async close() {
    await this.driver.quit();
    this.server.kill();
  }
}

const chromiumFlags = ['--no-sandbox', '--disable-gpu', '--disable-background-networking', '--disable-component-update',
  '--disable-sync', '--no-first-run', '--disable-quic'];

async function launchPuppeteer(options) {
  const browser = await puppeteer.launch({ headless: true, ...options });
  // A page of its own, in front: Firefox's first tab never has the focus, and a button there takes
  // no keys.
  const page = await browser.newPage();
  await page.bringToFront();
  await page.setViewport({ width: 760, height: 600 });
  return new PuppeteerPage(browser, page);
}

async function launchWebKit() {
  const port = 4444 + Math.floor(Math.random() * 1000);
  const server = spawn('WebKitWebDriver', [`--port=${port}`], { stdio: 'ignore' });
  await new Promise((started) => setTimeout(started, 500));
  const driver = await new Builder().usingServer(`http://127.0.0.1:${port}`).withCapabilities({
    browserName: 'MiniBrowser',
    'webkitgtk:browserOptions': { binary: '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser', args: ['--automation'] },
  }).build();
  await driver.manage().window().setRect({ width: 760, height: 600 });
  return new SeleniumPage(driver, server);
}

export const browsers = [
  { name: 'chromium', launch: () => launchPuppeteer({ executablePath: '/usr/bin/chromium', args: chromiumFlags }) },
  { name: 'firefox', launch: () => launchPuppeteer({ browser: 'firefox', executablePath: '/usr/bin/firefox-esr' }) },
  { name: 'webkit', launch: launchWebKit },
].filter(({ name }) => !process.env.COLLATZ_BROWSERS || process.env.COLLATZ_BROWSERS.split(',').includes(name));

// Runs body(context) as a suite in each browser, with the site served and a page open on it in
// context.page from the first test on; context.browser is the browser's entry above.
export function inEachBrowser(title, body) {
  for (const browser of browsers) {
    describe(`${title} in ${browser.name}`, () => {
      const context = { browser };
      before(async () => {
        context.site = await serveSite();
        context.page = await browser.launch();
        await context.page.goto(context.site.url);
        await waitFor(context.page, () => document.activeElement?.textContent === '実\u3000験');
      });
      after(async () => {
        await context.page?.close();
        context.site?.stop();
      });
      body(context);
    });
  }
}

// In the page: the open dialog as the user sees it, its title, its text and its buttons, the focused
// one marked with *; null when none is open.
export function openDialog() {
  const dialog = document.querySelector('dialog[open]');
  if (!dialog)
    return null;
  const buttons = [...dialog.querySelectorAll('button')].map((button) =>
    (button.getAttribute('aria-label') ?? button.textContent) + (button === document.activeElement ? '*' : ''));
  return `${document.getElementById(dialog.getAttribute('aria-labelledby')).textContent}|` +
    `${dialog.querySelector('label, p').textContent}|${buttons.join(' ')}`;
}

// In the page: the start label and the sequence box as shown; null while a dialog is open, where
// onceAnswered.
export function shown(onceAnswered = false) {
  return onceAnswered && document.querySelector('dialog[open]') ? null
    : [document.querySelector('output').value, document.querySelector('textarea').value];
}

// Saves a screenshot as COLLATZ_SCREENSHOTS/<name>.png, where that folder is given.
export async function keepScreenshot(page, name) {
  if (process.env.COLLATZ_SCREENSHOTS)
    await page.screenshot(`${process.env.COLLATZ_SCREENSHOTS}/${name}.png`);
}

// Waits until fn, run in the page, returns something truthy, and returns it. A page that is
// navigating answers nothing in between, and neither does a promise that does not settle in time.
export async function waitFor(page, fn, ...args) {
  const later = (ms) => new Promise((resume) => setTimeout(resume, ms));
  for (let tries = 0; ; ++tries) {
    const result = await Promise.race([page.evaluate(fn, ...args).catch(() => null), later(1000)]);
    if (result)
      return result;
    if (tries === 100)
      throw new Error(`timed out waiting for ${fn.name} ${args.join(' ')}`);
    await later(50);
  }
}
