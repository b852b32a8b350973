// The page offline, through its service worker: a first visit fetches every file once and keeps them
// all, so that a reload with the server gone still runs; a broken new version leaves nothing behind;
// a good one arrives whole on a later visit, once no page of the old one is open, and the version
// before the newest is all that is kept of older ones.
import assert from 'node:assert/strict';
import { cp, mkdtemp, readdir, readFile, rm, writeFile } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { after, before, it } from 'node:test';
import { inEachBrowser } from './browsers.mjs';
import { sequence } from './expected.mjs';
import { serveSite, siteFolder } from './site.mjs';

// In the page: the names of the site's caches, once its worker is active.
const cacheNames = () => navigator.serviceWorker.ready.then(() => caches.keys());

// In the page: looks for a new version now, as a visit does, and resolves once its worker has
// installed or failed to.
const lookForUpdate = () => navigator.serviceWorker.getRegistration().then((registration) => new Promise((settled) => {
  registration.addEventListener('updatefound', () => registration.installing.addEventListener('statechange',
    ({ target }) => ['installed', 'redundant'].includes(target.state) && settled(target.state)));
  registration.update();
  setTimeout(() => settled('no new version found'), 10000);
}));

inEachBrowser('Offline', (browser) => {
  let page;
  before(async () => { page = await browser.launch(); });
  after(() => page.close());

  it('fetches every file once on a first visit and keeps them all, then runs offline', async (t) => {
    const site = await serveSite();
    t.after(site.stop);
    await page.goto(site.url);
    const [cache] = await page.until(cacheNames);
    const kept = await page.run((name) => caches.open(name).then((opened) => opened.keys()).then((requests) =>
      requests.map(({ url }) => new URL(url).pathname.replace(/\/$/, '/index.html'))), cache);
    if (browser.name !== 'webkit') // WebKitGTK under its driver keeps no HTTP cache, not even for force-cache
      assert.deepEqual(site.requests.filter((path, i) => site.requests.indexOf(path) !== i), []);
    assert.deepEqual(kept.filter((path) => !site.requests.includes(path)), []);
    site.stop();
    await page.goto(site.url);
    assert.equal((await page.experiment('3'))[1], sequence(3));
  });

  it('leaves nothing of a broken version; takes a good one whole on a later visit, and keeps only the one before', async (t) => {
    const folder = await mkdtemp(`${tmpdir()}/site-`);
    await cp(siteFolder, folder, { recursive: true });
    const first = (await readdir(folder)).find((name) => name.startsWith('v-')).slice(2);
    const site = await serveSite(folder);
    t.after(() => { site.stop(); return rm(folder, { recursive: true }); });
    await page.goto(site.url);
    await page.until(cacheNames);
    // A later version as the build would make it: its own folder, named in the page and the worker.
    let current = first;
    const deploy = async (to, missing) => {
      await cp(`${folder}/v-${first}`, `${folder}/v-${to}`, { recursive: true });
      await rm(`${folder}/v-${to}/${missing}`, { force: true });
      for (const file of ['index.html', 'sw.js'])
        await writeFile(`${folder}/${file}`, (await readFile(`${folder}/${file}`, 'utf8')).replaceAll(current, to));
      current = to;
      return page.run(lookForUpdate);
    };
    assert.equal(await deploy('broken', 'main.mjs'), 'redundant');
    assert.deepEqual(await page.run(cacheNames), [`collatz-${first}`]);
    for (const to of ['second', 'third']) {
      assert.equal(await deploy(to), 'installed');
      for (const start = Date.now(); !(await page.run(() => document.querySelector('link[rel=manifest]').href)).includes(`v-${to}/`);) {
        assert.ok(Date.now() - start < 20000, `version ${to} never came`);
        await page.goto('about:blank'); // no page of the old version open
        await page.goto(site.url);
      }
    }
    assert.deepEqual(await page.until(cacheNames), ['collatz-second', 'collatz-third']);
    assert.ok(await page.wired());
  });
});
