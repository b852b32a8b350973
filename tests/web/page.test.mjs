// The window as a page: every control at its place, in its colours, with the explanation fitted into
// the panel; a phone's width; no accessibility violation, also with a dialog open; installable (in
// chromium, which tells); one line where the engine cannot load; a reload offline.
import assert from 'node:assert/strict';
import { createHash } from 'node:crypto';
import { appendFile, cp, mkdtemp, readdir, readFile, rm, writeFile } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { it } from 'node:test';
import { find, inEachBrowser, keepScreenshot, openDialog, shown, waitFor } from './browsers.mjs';
import { serveSite, siteFolder } from './site.mjs';

// In the page: what the window looks like, beyond the places of its controls.
function looks() {
  const panel = document.querySelector('section');
  const width = (text) => {
    const probe = panel.appendChild(document.createElement('span'));
    probe.textContent = text;
    const { offsetWidth } = probe;
    probe.remove();
    return offsetWidth;
  };
  const lines = [...panel.children];
  const colour = (element, property) => getComputedStyle(element)[property];
  return {
    window: [colour(panel.parentElement, 'backgroundColor'), panel.parentElement.offsetWidth, panel.parentElement.offsetHeight],
    panel: [colour(panel, 'backgroundColor'), colour(panel, 'color')],
    statement: lines.map((line) => line.textContent).join('\n'),
    widest: Math.max(...lines.map((line) => line.offsetWidth)),
    height: lines.reduce((sum, line) => sum + line.offsetHeight, 0),
    proportional: width('i') < width('W'),
  };
}

// A copy of the built site, and the folder of its version's files in it.
async function copySite() {
  const folder = await mkdtemp(`${tmpdir()}/site-`);
  await cp(siteFolder, folder, { recursive: true });
  const files = `${folder}/${(await readdir(folder)).find((name) => name.startsWith('v-'))}`;
  return { folder, files };
}

// What axe-core finds, one line a rule.
const violations = (page) => page.evaluate(() => axe.run(document).then(({ violations: found }) =>
  found.map(({ id, nodes }) => `${id}: ${nodes.map(({ target }) => target.join(' ')).join(', ')}`)));

inEachBrowser('The page', (context) => {
  it('shows the window as the desktop does', async () => {
    const { page } = context;
    const controls = [['button', '実\u3000験', [312, 448, 81, 41]], ['status', '', [8, 448, 193, 17]],
      ['textbox', '数列', [8, 200, 681, 233]], ['button', '終了', [0, 0, 57, 25]], ['button', '初期化', [640, 0, 57, 25]],
      ['region', '問題の説明', [8, 32, 681, 161]]];
    for (const [role, name, place] of controls)
      assert.deepEqual(await page.evaluate(find, role, name, 'place'), place, name);
    const look = await page.evaluate(looks);
    assert.equal(await page.evaluate(() => document.title), 'Veltrumの問題（コラッツの問題）\u3000');
    assert.deepEqual(look.window, ['rgb(1, 0, 66)', 698, 504]);
    assert.deepEqual(look.panel, ['rgb(255, 255, 255)', 'rgb(1, 0, 98)']);
    // The nine lines, whole (the desktop test's SHA-1 of them), fitted into the panel's 681 x 161
    // pixels, in a face with proportional Latin letters.
    assert.equal(createHash('sha1').update(look.statement).digest('hex'), '237cbb64ccbe3441d738fb997f65d7672577ea7e', look.statement);
    assert.ok(look.widest <= 681, `${look.widest} px wide`);
    assert.ok(look.height <= 161, `${look.height} px high`);
    assert.ok(look.proportional);
    const tabbed = [await page.evaluate(() => document.activeElement.textContent)];
    for (let i = 0; i < 3; ++i) {
      await page.press('Tab');
      tabbed.push(await page.evaluate(() => document.activeElement.getAttribute('aria-label') ?? document.activeElement.textContent));
    }
    assert.deepEqual(tabbed, ['実\u3000験', '数列', '終了', '初期化']);
  });

  it('has no accessibility violations, also with a dialog open', async () => {
    const { page } = context;
    await page.run(await readFile(new URL('../../node_modules/axe-core/axe.min.js', import.meta.url), 'utf8'));
    const found = [await violations(page)];
    await page.click('button', '実\u3000験');
    await waitFor(page, openDialog);
    found.push(await violations(page));
    await page.press('Escape');
    await page.click('button', '閉じる');
    await page.type('11');
    await page.press('Enter');
    await waitFor(page, shown, true);
    await page.click('button', '終了');
    await waitFor(page, openDialog);
    found.push(await violations(page));
    await page.click('button', 'いいえ');
    assert.deepEqual(found, [[], [], []]);
  });

  it('fits a phone\'s width, without scrolling sideways, and works there by touch', async () => {
    const { page } = context;
    await page.setViewport(390, 844); // WebKitGTK's browser window is at least 447 px wide
    const [fitted, screen] = await waitFor(page, () => document.documentElement.scrollWidth <= innerWidth &&
      [document.querySelector('.window').getBoundingClientRect().width, innerWidth]);
    assert.ok(screen < 698 && fitted <= screen && fitted > screen - 20, `${fitted} px wide on ${screen}`);
    await page.tap('button', '実\u3000験');
    assert.ok(await waitFor(page, () => document.querySelector('dialog[open]')?.getBoundingClientRect().right <= innerWidth));
    await keepScreenshot(page, `${context.browser.name}-phone`);
    await page.press('Escape');
    await page.click('button', '閉じる');
    await page.setViewport(760, 600);
  });

  it('is installable', { skip: context.browser?.name !== 'chromium' && 'only chromium tells' }, async () => {
    const session = await context.page.page.createCDPSession();
    assert.deepEqual((await session.send('Page.getInstallabilityErrors')).installabilityErrors, []);
    assert.deepEqual((await session.send('Page.getAppManifest')).errors, []);
  });

  it('says in one line where the engine cannot load, with no 実　験 button', async () => {
    const { page } = context;
    const { folder, files } = await copySite();
    await rm(`${files}/collatz.wasm`);
    const broken = await serveSite(folder);
    await page.goto(broken.url);
    const line = await waitFor(page, () => document.querySelector('[role=alert]:not([hidden])')?.textContent);
    assert.equal(line, 'このブラウザではプログラムを読み込めないため、実験できません。');
    assert.equal(await page.evaluate(find, 'button', '実\u3000験', 'whether'), false);
    broken.stop();
    await rm(folder, { recursive: true });
  });

  it('takes a new version whole on a later visit, never a mix of old and new files', async () => {
    const { page } = context;
    const { folder, files } = await copySite();
    const server = await serveSite(folder);
    const version = () => [document.title, getComputedStyle(document.body).getPropertyValue('--version').trim()];
    await page.goto(server.url);
    await waitFor(page, () => navigator.serviceWorker.ready.then(() => true));
    await page.reload();
    await waitFor(page, () => navigator.serviceWorker.controller !== null);
    // The new version, as the build would make it: its files, another caption and another
    // stylesheet among them, under a folder named after it, which the page and the worker name.
    const old = files.slice(folder.length + 3);
    await cp(files, `${folder}/v-new`, { recursive: true });
    const edit = async (file, from, to) => writeFile(file, (await readFile(file, 'utf8')).replaceAll(from, to));
    await edit(`${folder}/v-new/description.mjs`, 'Veltrumの問題（', 'Veltrumの新しい問題（');
    await appendFile(`${folder}/v-new/style.css`, 'body { --version: 2; }\n');
    await edit(`${folder}/index.html`, old, 'new');
    await edit(`${folder}/sw.js`, old, 'new');
    await page.reload(); // the old version still serves it, and the new one installs
    assert.deepEqual(await page.evaluate(version), ['Veltrumの問題（コラッツの問題）\u3000', '']);
    await waitFor(page, () => navigator.serviceWorker.getRegistration().then((registration) => registration.waiting !== null));
    await page.reopen(server.url, 1000); // a later visit, with no page of the old version open
    await waitFor(page, () => document.title.includes('新しい')).catch(() => {});
    assert.deepEqual(await page.evaluate(version), ['Veltrumの新しい問題（コラッツの問題）\u3000', '2']);
    server.stop();
    await rm(folder, { recursive: true });
    await page.goto(context.site.url);
  });

  it('reloads offline once visited, engine and all', async () => {
    const { page, site } = context;
    await waitFor(page, () => navigator.serviceWorker.ready.then(() => true));
    await page.reload();
    await waitFor(page, () => navigator.serviceWorker.controller !== null);
    site.stop();
    await page.reload();
    await page.click('button', '実\u3000験');
    await waitFor(page, openDialog);
    await page.type('3');
    await page.press('Enter');
    assert.deepEqual(await waitFor(page, shown, true), ['ｎ＝ 3', ' 10 5 16 8 4 2 1']);
  });
});
