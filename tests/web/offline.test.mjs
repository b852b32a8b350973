// The page offline, through its service worker: a first visit fetches every file once and keeps them
// all, so that with the server gone the page runs at every address a teacher may hand out; an error
// from the server while the copy is made leaves no copy; a new version, a text changed, reaches a
// returning visitor whole by the second reload, a broken one leaves nothing, and of older versions
// only the one before is kept; two copies of the site on one server keep their own copies; a host
// that answers index.html but not its folder gets a copy all the same, and the caches of the release
// before lose this copy's entries.
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
    `${work}/collatz.html`, `${built}/collatz.wasm`, ...[180, 192, 512].map((side) => `${built}/icon-${side}.png`)]);
  await cp(`${work}/site`, folder, { recursive: true });
  const version = (await readdir(`${work}/site`)).find((name) => name.startsWith('v-'));
  await rm(work, { recursive: true });
  return version;
}

inEachBrowser('Offline', (browser) => {
  let page;
  before(async () => { page = await browser.launch(); });
  after(() => page.close());

  it('fetches every file once on a first visit and keeps them all, then runs offline at the folder and at index.html, with a query', async (t) => {
    const site = await serveSite(siteFolder);
    t.after(site.stop);
    await page.goto(site.url);
    const [cache] = await page.until(cacheNames);
    const kept = await page.run((name) => caches.open(name).then((opened) => opened.keys()).then((requests) =>
      requests.map(({ url }) => new URL(url).pathname.replace(/\/$/, '/index.html'))), cache);
    // Icons aside, which the browser may fetch twice for itself; WebKitGTK under its driver keeps no
    // HTTP cache, not even for force-cache.
    if (browser.name !== 'webkit')
      assert.deepEqual(site.requests.filter((path, i) => !path.endsWith('.png') && site.requests.indexOf(path) !== i), []);
    assert.deepEqual(kept.filter((path) => !site.requests.includes(path)), []);
    site.stop();
    for (const address of ['index.html', '?class=2', 'index.html?class=2'])
      assert.ok(await page.goto(site.url + address).then(() => page.wired()), address);
    await page.goto(site.url);
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

  it('keeps its copy where the host answers index.html but not the folder, and takes its own entries out of the caches of the release before', async (t) => {
    const site = await serveSite(siteFolder);
    site.refuse('/', 404);
    const release = site.hold('collatz.wasm');
    t.after(() => { release(); site.stop(); });
    await page.goto(`${site.url}index.html`);
    await page.wired();
    const entries = { 'collatz-1': ['', 'v-1/main.mjs', 'two/', 'two/v-1/main.mjs'], 'collatz-2': ['', 'index.html', 'v-2/engine.mjs'] };
    await page.run((url, entries) => Promise.all(Object.entries(entries).map(async ([name, paths]) => {
      const cache = await caches.open(name);
      await Promise.all(paths.map((path) => cache.put(url + path, new Response('old'))));
    })), site.url, entries);
    release();
    await page.until(() => navigator.serviceWorker.ready.then(() => caches.keys()).then((names) => names.length === 2 && names));
    const left = await page.run((url) => caches.keys().then((names) => Promise.all(names.map(async (name) =>
      [name, (await (await caches.open(name)).keys()).map((request) => request.url.slice(url.length)).sort()]))), site.url);
    assert.deepEqual(left.find(([name]) => name.startsWith('collatz-')), ['collatz-1', ['two/', 'two/v-1/main.mjs']]);
    site.stop();
    for (const address of ['', 'index.html', '?class=2'])
      assert.ok(await page.goto(site.url + address).then(() => page.wired()), address);
  });

  it('brings a changed text whole by the second reload, leaves nothing of a broken version, keeps the version before and the other copy on the server', async (t) => {
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
