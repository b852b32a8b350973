// The page offline, through its service worker: a first visit fetches every file once and keeps them
// all, so that with the server gone the page runs at every address a teacher may hand out; an error
// from the server while the copy is made leaves no copy; a new version, a text changed, reaches a
// returning visitor whole by the second reload, a broken one leaves nothing, and of older versions
// only the one before is kept; two copies of the site on one server keep their own copies; a host
// that answers index.html but not its folder gets a copy all the same, and the caches of the release
// before lose this copy's entries; chromium finds the page installable as an app named by its
// folder, with a maskable icon.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { cp, mkdtemp, readdir, readFile, rm, writeFile } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { fileURLToPath } from 'node:url';
import { after, before, it } from 'node:test';
import { inEachBrowser } from '../../tools/page_driver.mjs';
import { sequence, siteFolder } from './expected.mjs';
import { serveSite } from '../../tools/site_server.mjs';

const built = `${siteFolder}/../files`;

// In the page: the names of the site's caches, once its worker is active.
const cacheNames = () => navigator.serviceWorker.ready.then(() => caches.keys());

// In the page: looks for a new version now, as a visit does, and resolves with the state its worker
// settles in ('activated', 'redundant'), or is in after ten seconds.
const lookForUpdate = () => navigator.serviceWorker.getRegistration().then(async (registration) => {
  await registration.update().catch(() => {});
  const worker = registration.installing ?? registration.waiting ?? registration.active;
  return new Promise((settled) => {
    const check = () => ['activated', 'redundant'].includes(worker.state) && settled(worker.state);
    worker.addEventListener('statechange', check);
    check();
    setTimeout(() => settled(worker.state), 10000);
  });
});

// In the page: the statement's first line.
const firstLine = () => document.querySelector('#Picture1 > div').style.transform && document.querySelector('#Picture1 > div > :nth-child(2)').textContent;

// Builds the site into folder as a later version would be, its statement's first line ending in mark,
// and returns that version's folder name.
async function publish(folder, mark) {
  const design = JSON.parse(await readFile(`${built}/design.json`, 'utf8'));
  design.problemStatement[0] += mark;
  const work = await mkdtemp(`${tmpdir()}/version-`);
  await writeFile(`${work}/design.json`, JSON.stringify(design));
  execFileSync(process.execPath, [fileURLToPath(new URL('../../web/make_page.mjs', import.meta.url)), `${work}/design.json`, `${work}/site`,
    `${work}/collatz.html`, `${built}/collatz.wasm`, ...['180', '192', '512', 'maskable-512'].map((name) => `${built}/icon-${name}.png`)]);
  await cp(`${work}/site`, folder, { recursive: true });
  const version = (await readdir(`${work}/site`)).find((name) => name.startsWith('v-'));
  await rm(work, { recursive: true });
  return version;
}

inEachBrowser('Offline', (browser) => {
  let page;
  before(async () => { page = await browser.launch(); });
  after(() => page.close());

  it('keeps every file, fetched once, from a host that answers only index.html, clears the old caches of it, runs offline', async (t) => {
    const site = await serveSite(siteFolder);
    site.refuse('/', 404);
    const release = site.hold('collatz.wasm'); // the worker is registered once the engine is there
    t.after(() => { release(); site.stop(); });
    await page.goto(`${site.url}index.html`);
    await page.wired();
    // A cache of the release before, named after the version alone, with another copy's entries too.
    await page.run((url) => caches.open('collatz-1').then((old) => Promise.all(['', 'v-1/main.mjs', 'two/', 'two/v-1/x.mjs']
      .map((path) => old.put(url + path, new Response(''))))), site.url);
    release();
    // In the page: the paths that a cache holds, once it holds count of them, if count is given.
    const paths = (name, count) => caches.open(name).then((cache) => cache.keys()).then((requests) => (!count || requests.length === count) &&
      requests.map(({ url }) => new URL(url).pathname.replace(/\/$/, '/index.html')).sort());
    assert.deepEqual(await page.until(paths, 'collatz-1', 2), ['/two/index.html', '/two/v-1/x.mjs']);
    const kept = await page.run(paths, (await page.until(cacheNames)).find((name) => name !== 'collatz-1'));
    // Icons aside, which the browser may fetch twice for itself; WebKitGTK under its driver keeps no
    // HTTP cache, not even for force-cache.
    if (browser.name !== 'webkit')
      assert.deepEqual(site.requests.filter((path, i) => !path.endsWith('.png') && site.requests.indexOf(path) !== i), []);
    assert.deepEqual(kept.filter((path) => !site.requests.includes(path)), []);
    site.stop();
    for (const address of ['', 'index.html', '?class=2', 'index.html?class=2'])
      assert.ok(await page.goto(site.url + address).then(() => page.wired()), address);
    assert.equal((await page.experiment('3'))[1], sequence(3));
  });

  it('keeps nothing where the server answers 503 while the copy is made', async (t) => {
    const site = await serveSite(siteFolder);
    const release = site.hold('collatz.wasm'); // the worker is registered once the engine is there
    t.after(() => { release(); site.stop(); });
    await page.goto(`${site.url}index.html?class=2`); // in no cache at the address the worker asks for
    await page.wired();
    const answerAgain = site.refuse('/index.html', 503);
    release();
    for (const start = Date.now(); site.requests.filter((path) => path === '/index.html').length < 2;) { // the worker asked for it
      assert.ok(Date.now() - start < 15000, 'the worker never asked for the page');
      await new Promise((later) => setTimeout(later, 50));
    }
    await page.until(() => navigator.serviceWorker.getRegistration().then((registration) =>
      (registration ? !registration.installing && registration.active && 'kept' : 'none')));
    assert.deepEqual(await page.run(() => caches.keys()), []);
    answerAgain();
    await page.goto(site.url);
    assert.ok(await page.wired());
  });

  it('brings a new version whole, nothing of a broken one, keeps the one before and the other copy, each an app of its own', async (t) => {
    const root = await mkdtemp(`${tmpdir()}/copies-`);
    for (const copy of ['one', 'two'])
      await cp(siteFolder, `${root}/${copy}`, { recursive: true });
    const site = await serveSite(root);
    t.after(() => { site.stop(); return rm(root, { recursive: true }); });
    const [one, two] = [`${site.url}one/`, `${site.url}two/`];
    await page.goto(one);
    await page.until(cacheNames);
    await page.goto(two);
    await page.until((count) => navigator.serviceWorker.ready.then(() => caches.keys()).then((names) => names.length === count), 2);
    if (browser.name === 'chromium') { // its own check of an app to install, as an administrator's console installs it
      await page.goto(two); // now through the worker
      const cdp = await page.page.createCDPSession();
      const { manifest, data } = await cdp.send('Page.getAppManifest');
      const { id, icons } = JSON.parse(data);
      assert.deepEqual([(await cdp.send('Page.getInstallabilityErrors')).installabilityErrors, id, manifest.id, manifest.scope], [[], '/two/', two, two]);
      assert.ok(icons.some(({ purpose }) => purpose === 'maskable'));
    }

    const broken = await publish(`${root}/two`, '（壊）');
    await rm(`${root}/two/${broken}/main.mjs`);
    assert.equal(await page.run(lookForUpdate), 'redundant');
    await page.goto(two);
    assert.ok(await page.wired());
    for (const mark of ['（二）', '（三）']) {
      await publish(`${root}/two`, mark);
      await page.goto(two); // the version before, which finds the new one
      assert.equal(await page.run(lookForUpdate), 'activated');
      await page.goto(two);
      assert.ok((await page.until(firstLine)).endsWith(mark), mark);
    }
    assert.equal((await page.run(() => caches.keys())).length, 3); // one's, and two's last two

    site.stop();
    await page.goto(one);
    assert.ok(await page.wired());
    await page.goto(two);
    assert.equal((await page.experiment('3'))[1], sequence(3));
  });
});
