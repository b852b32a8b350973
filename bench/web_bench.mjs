// The page's weight and speed on a first visit, in chromium, from a built site:
//   node bench/web_bench.mjs [site folder] [runs]
// - weight: every request of a first visit in a new profile, the service worker's offline copy
//   included, as the server saw them, with the bytes of each file gzipped (-9), as a web server
//   would send them; the page's first answer as served uncompressed, which fails the bench past
//   14,000 bytes (a new connection's first flight is ten packets, about 14,600 bytes: past it a
//   server that does not compress needs another round trip before the window paints); and the
//   one-file page's size;
// - Lighthouse 12's mobile preset (simulated slow 4G, a four times slower CPU): FCP, LCP, TBT and CLS;
// - from navigation to the statement on screen, at 100 ms latency and 10 Mbit/s through the
//   DevTools protocol's network emulation, in a new profile each run.
// Timings are medians of the runs (3 unless given). It needs no network: everything is on 127.0.0.1.
import { readdir, readFile, stat } from 'node:fs/promises';
import { gzipSync } from 'node:zlib';
import lighthouse from 'lighthouse';
import { browsers } from '../tools/page_driver.mjs';
import { serveSite } from '../tools/site_server.mjs';

const folder = process.argv[2] ?? process.env.COLLATZ_SITE;
const runs = Number(process.argv[3] ?? 3);
const chromium = browsers.find(({ name }) => name === 'chromium');
const median = (values) => values.sort((a, b) => a - b)[Math.floor(values.length / 2)];
const firstFlight = 14000;
const kilobytes = (bytes) => `${(bytes / 1024).toFixed(1)} KB`;
const gzipped = async (file) => gzipSync(await readFile(`${folder}${file}`), { level: 9 }).length;

async function firstVisit() {
  const site = await serveSite(folder);
  const page = await chromium.launch();
  await page.goto(site.url);
  // Until the offline copy is kept and nothing more is asked for.
  await page.run(() => navigator.serviceWorker?.ready);
  for (let count = -1; count !== site.requests.length; await new Promise((settle) => setTimeout(settle, 1000)))
    count = site.requests.length;
  await page.close();
  site.stop();
  const bytes = (await Promise.all(site.requests.map(gzipped))).reduce((sum, size) => sum + size, 0);
  const twice = [...new Set(site.requests.filter((file, i) => site.requests.indexOf(file) !== i))];
  const oneFile = (await readdir(folder)).find((name) => /^collatz-.*\.html$/.test(name));
  const oneFileSize = oneFile ? `; ${oneFile} ${kilobytes((await stat(`${folder}/${oneFile}`)).size)}, ${kilobytes(await gzipped(`/${oneFile}`))} gzipped` : '';
  console.log(`first visit: ${site.requests.length} requests, ${kilobytes(bytes)} gzipped; fetched twice: ${twice.join(' ') || 'none'}${oneFileSize}`);
  const firstAnswer = (await stat(`${folder}/index.html`)).size;
  console.log(`the page's first answer: ${firstAnswer} bytes uncompressed, ${await gzipped('/index.html')} gzipped`);
  if (firstAnswer > firstFlight) {
    console.error(`the page's first answer is over ${firstFlight} bytes: it no longer fits a first flight`);
    process.exitCode = 1;
  }
}

async function lighthouseRuns() {
  const metrics = { FCP: 'first-contentful-paint', LCP: 'largest-contentful-paint', TBT: 'total-blocking-time', CLS: 'cumulative-layout-shift' };
  const values = Object.fromEntries(Object.keys(metrics).map((name) => [name, []]));
  for (let run = 0; run < runs; ++run) {
    const site = await serveSite(folder);
    const page = await chromium.launch();
    const port = new URL(page.browser.wsEndpoint()).port;
    const { lhr } = await lighthouse(site.url, { port, onlyCategories: ['performance'], formFactor: 'mobile', logLevel: 'error' });
    for (const [name, audit] of Object.entries(metrics))
      values[name].push(lhr.audits[audit].numericValue);
    await page.close();
    site.stop();
  }
  const shown = Object.entries(values).map(([name, list]) => `${name} ${name === 'CLS' ? median(list).toFixed(3) : `${Math.round(median(list))} ms`}`);
  console.log(`Lighthouse mobile, median of ${runs}: ${shown.join(', ')}`);
}

// In the page, from its start: the time at which the statement is first on screen (the frame after
// the panel holds it).
function watchForStatement() {
  const look = () => (document.querySelector('#Picture1')?.textContent.length > 100
    ? requestAnimationFrame(() => { window.statementShown = performance.now(); })
    : requestAnimationFrame(look));
  requestAnimationFrame(look);
}

async function statementTimes() {
  const times = [];
  for (let run = 0; run < Math.max(runs, 5); ++run) {
    const site = await serveSite(folder);
    const page = await chromium.launch();
    const session = await page.page.createCDPSession();
    await session.send('Network.enable');
    await session.send('Network.emulateNetworkConditions', { offline: false, latency: 100, downloadThroughput: 1.25e6, uploadThroughput: 1.25e6 });
    await page.page.evaluateOnNewDocument(watchForStatement);
    await page.goto(site.url);
    await page.page.waitForFunction(() => window.statementShown);
    times.push(await page.run(() => window.statementShown));
    await page.close();
    site.stop();
  }
  console.log(`the statement on screen at 100 ms latency and 10 Mbit/s, median of ${times.length}: ${Math.round(median(times))} ms ` +
    `(${times.map(Math.round).join(', ')})`);
}

await firstVisit();
await lighthouseRuns();
await statementTimes();
