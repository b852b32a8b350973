// The page's weight and speed, in each browser (WebKitGTK only where an X display is set):
//   node bench/web_bench.mjs <site folder>
// - weight: every file the page loads before its chimes, gzipped (-9) as a web server would send it;
// - explanation: from navigation to the nine lines printed, on this machine's loopback, the first
//   load with an empty cache and then reloads;
// - sequence: from OK with 8400511 typed to the whole sequence in the box, and to the next frame.
import { readFile } from 'node:fs/promises';
import { gzipSync } from 'node:zlib';
import { browsers, openDialog, shown, waitFor } from '../tests/web/browsers.mjs';
import { serveSite } from '../tests/web/site.mjs';

const folder = process.argv[2] ?? process.env.COLLATZ_SITE;
const runs = 20;
const median = (values) => values.sort((a, b) => a - b)[Math.floor(values.length / 2)];
const figures = (values) => `median ${median(values).toFixed(1)} ms, slowest ${Math.max(...values).toFixed(1)} ms`;

async function weight(site) {
  const page = await browsers[0].launch();
  const files = [];
  page.page.on('request', (request) => files.push(new URL(request.url()).pathname.slice(1) || 'index.html'));
  await page.goto(site.url);
  await waitFor(page, () => performance.getEntriesByType('resource').some(({ name }) => name.endsWith('.wav')));
  await page.close();
  const before = files.slice(0, files.findIndex((file) => file.endsWith('.wav')));
  let bytes = 0;
  for (const file of new Set(before))
    bytes += gzipSync(await readFile(`${folder}/${file}`), { level: 9 }).length;
  return `${(bytes / 1024).toFixed(1)} KB gzipped in ${new Set(before).size} files before the chimes`;
}

const printedAt = () => performance.getEntriesByName('collatz:explanation-printed')[0]?.startTime;

async function measure(browser, site) {
  const page = await browser.launch();
  await page.goto(site.url);
  const first = await waitFor(page, printedAt);
  const reloads = [];
  for (let i = 0; i < runs; ++i) {
    await page.reload();
    reloads.push(await waitFor(page, printedAt));
  }
  const toBox = [];
  const painted = [];
  for (let i = 0; i < runs; ++i) {
    await waitFor(page, () => document.activeElement?.textContent === '実\u3000験');
    await page.evaluate(() => {
      performance.clearMarks();
      document.addEventListener('submit', () => {
        performance.mark('ok');
        requestAnimationFrame(() => performance.mark('next frame'));
      }, { capture: true, once: true });
    });
    await page.press('Enter');
    await waitFor(page, openDialog);
    await page.type('8400511');
    await page.press('Enter');
    await waitFor(page, shown, true);
    const [toShown, toFrame] = await waitFor(page, () => {
      const at = (name) => performance.getEntriesByName(name)[0]?.startTime;
      return at('next frame') && [at('collatz:sequence-shown') - at('ok'), at('next frame') - at('ok')];
    });
    toBox.push(toShown);
    painted.push(toFrame);
  }
  await page.close();
  console.log(`${browser.name}: explanation printed ${first.toFixed(1)} ms after the first navigation; reloads: ${figures(reloads)}`);
  console.log(`${browser.name}: 8400511 from OK to the whole sequence in the box: ${figures(toBox)}; to the next frame: ${figures(painted)}`);
}

const site = await serveSite(folder);
try {
  console.log(`weight: ${await weight(site)}`);
  for (const browser of browsers.filter(({ name }) => name !== 'webkit' || process.env.DISPLAY))
    await measure(browser, site);
} finally {
  site.stop();
}
