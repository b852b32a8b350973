// Screenshots of the page as the README and a review show it, made in real browsers on this
// machine (DISPLAY set, for WebKitGTK) from a built site, joined with ImageMagick's montage:
//   node tools/page_screenshots.mjs <site folder> <out folder> [desktop screenshots folder]
// - three-browsers.png: the window after 27 in chromium, firefox-esr and WebKitGTK (beside the
//   desktop window's desktop.png, where the desktop folder has one);
// - screens.png: chromium at the classroom's screen sizes and zooms, the input dialog open;
// - tablet.png: chromium at an iPad's size held upright, after 27;
// - faces.png: the window in each browser with each Japanese face alone (beside the desktop
//   window's desktop-<face>.png).
import { execFileSync } from 'node:child_process';
import { existsSync } from 'node:fs';
import { mkdir, writeFile } from 'node:fs/promises';
import { browsers, classroomViews, facesTriedAlone, onlyFace } from './page_driver.mjs';
import { serveSite } from './site_server.mjs';

const [siteFolder, out, desktop] = process.argv.slice(2);
const site = await serveSite(siteFolder);
await mkdir(out, { recursive: true });

// Saves a screenshot of the page in a new browser as view asks: with the input dialog open, or after
// an experiment with typed; cropped to the window, unless crop is false.
async function shoot(browser, view, file, { typed, open = false, crop = true } = {}) {
  const page = await browser.launch(view);
  try {
    await page.goto(site.url);
    await page.wired();
    const rect = await page.run(() => JSON.parse(JSON.stringify(document.forms.Form1.getBoundingClientRect())));
    if (typed)
      await page.experiment(typed, 'tap');
    if (open) {
      await page.tap('実\u3000験');
      await page.asking();
    }
    await page.run(() => new Promise((painted) => requestAnimationFrame(() => requestAnimationFrame(painted))));
    const image = page.page ? await page.page.screenshot({ encoding: 'base64' }) : await page.driver.takeScreenshot();
    await writeFile(file, image, 'base64');
    if (crop) {
      const scale = await page.run(() => devicePixelRatio);
      const [x, y, w, h] = [rect.x, rect.y, rect.width, rect.height].map((side) => Math.round(side * scale));
      execFileSync('convert', [file, '-crop', `${w}x${h}+${x}+${y}`, '+repage', file]);
    }
  } finally {
    await page.close();
  }
}

// Each shot is scaled to fit a tile of size, the tiles laid out in columns with their labels.
const montage = (files, name, columns, size = '720x540') => execFileSync('montage', [
  ...files.flatMap(([file, label]) => ['-label', label, file]), '-tile', `${columns}x`, '-geometry', `${size}+8+8`,
  '-font', 'DejaVu-Sans', '-pointsize', '16', '+dither', '-colors', '256', `PNG8:${out}/${name}`]);

const afterRun = [];
if (desktop && existsSync(`${desktop}/desktop.png`))
  afterRun.push([`${desktop}/desktop.png`, 'desktop (Qt)']);
for (const browser of browsers) {
  await shoot(browser, {}, `${out}/${browser.name}.png`, { typed: '27' });
  afterRun.push([`${out}/${browser.name}.png`, browser.name]);
}
montage(afterRun, 'three-browsers.png', afterRun.length);

const chromium = browsers.find(({ name }) => name === 'chromium');
// The page on an iPad held upright, after 27, as the guide for teachers shows it.
await shoot(chromium, classroomViews.find(({ touch, width }) => touch && width < 1000), `${out}/tablet.png`, { typed: '27', crop: false });
const screens = [];
for (const view of classroomViews) {
  const name = `${view.width}x${view.height}${view.zoom ? `-${view.zoom * 100}` : ''}`;
  await shoot(chromium, view, `${out}/screen-${name}.png`, { open: true, crop: false });
  screens.push([`${out}/screen-${name}.png`, `${view.width} x ${view.height}${view.zoom ? ` at ${view.zoom * 100} %` : ''}`]);
}
montage(screens, 'screens.png', 3, '640x640');

const withFaces = [];
for (const face of Object.keys(facesTriedAlone)) {
  if (desktop && existsSync(`${desktop}/desktop-${face}.png`))
    withFaces.push([`${desktop}/desktop-${face}.png`, `desktop, ${face}`]);
  for (const browser of browsers) {
    const file = `${out}/${browser.name}-${face.replaceAll(' ', '_')}.png`;
    await shoot(browser, { env: await onlyFace(face) }, file);
    withFaces.push([file, `${browser.name}, ${face}`]);
  }
}
montage(withFaces, 'faces.png', withFaces.length / 3);
site.stop();
