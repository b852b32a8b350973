// The window as a page: every control at its place and in its colours as the shared design has them,
// with no accessibility violation, dialogs open or not; the statement fitted into the panel by width,
// with each Japanese face alone, its lines evenly spaced and none cut off; the whole window in view,
// unscrolled and as large as the view allows at the classroom's screen sizes and zooms, the input
// dialog in view with its field focused; every caption whole with the text enlarged.
import assert from 'node:assert/strict';
import { readFile } from 'node:fs/promises';
import { after, before, it } from 'node:test';
import { classroomViews, facesTriedAlone, inEachBrowser, onlyFace } from '../../tools/page_driver.mjs';
import { design, siteFolder } from './expected.mjs';
import { serveSite } from '../../tools/site_server.mjs';

const { texts, places, colours } = design;
const rgb = (hex) => `rgb(${[1, 3, 5].map((at) => parseInt(hex.slice(at, at + 2), 16)).join(', ')})`;

// In the page, once it is wired: the view, the window's rect, every control's place in the window's
// own pixels, its colours, and the rects of the panel, its lines and their texts, and the captions
// and their controls, in CSS pixels.
function look(names) {
  const form = document.forms.Form1;
  const rect = (element) => JSON.parse(JSON.stringify(element.getBoundingClientRect()));
  const textOf = (element) => { const range = document.createRange(); range.selectNodeContents(element); return rect(range); };
  const window = rect(form);
  const scale = window.width / names.Form1.width;
  const place = (id) => { const { left, top, width, height } = rect(document.getElementById(id));
    return [left - window.left, top - window.top, width, id === 'Line1' ? 0 : height].map((side) => Math.round(side / scale)); };
  const panel = document.getElementById('Picture1');
  return document.querySelector('#Picture1 > div').style.transform && {
    view: [visualViewport.width, visualViewport.height, scrollX, scrollY],
    window,
    places: Object.fromEntries(Object.keys(names).map((id) => [id, place(id)])),
    colours: [getComputedStyle(form).backgroundColor, getComputedStyle(panel).backgroundColor, getComputedStyle(panel).color],
    panel: rect(panel),
    lines: [...panel.firstElementChild.children].map((line) => [rect(line), textOf(line), line.textContent]),
    captions: [...form.querySelectorAll('button, output')].map((control) => [rect(control), rect(control.firstElementChild)]),
  };
}

// Whether inner lies within outer, to a quarter pixel.
const within = (inner, outer) => inner.left >= outer.left - 0.25 && inner.right <= outer.right + 0.25 &&
  inner.top >= outer.top - 0.25 && inner.bottom <= outer.bottom + 0.25;

// The panel's lines: whole, one pitch apart, inside the panel, and fitted by its width.
function assertFitted({ panel, lines }) {
  const tops = lines.map(([line]) => line.top);
  const pitch = (tops.at(-1) - tops[0]) / (tops.length - 1);
  tops.forEach((top, i) => assert.ok(Math.abs(top - tops[0] - i * pitch) < 0.5, `line ${i} at ${top}, not ${tops[0] + i * pitch}`));
  lines.forEach(([line, text]) => assert.ok(within(line, panel) && (!text.width || within(text, panel)), `${JSON.stringify(text)} outside ${JSON.stringify(panel)}`));
  const widest = Math.max(...lines.map(([, text]) => text.width));
  assert.ok(widest > 0.95 * panel.width, `the widest line takes ${widest} of ${panel.width} pixels`);
}

inEachBrowser('The window', (browser) => {
  let site;
  before(async () => { site = await serveSite(siteFolder); });
  after(() => site.stop());

  // Opens the page in a new browser as view asks, then calls check(page, what it looks like).
  async function openAs(view, check) {
    const page = await browser.launch(view);
    try {
      await page.goto(site.url);
      await check(page, await page.until(look, places));
    } finally {
      await page.close();
    }
  }

  it('shows every control at its place, in its colours, with the statement, focus on 実　験, and no accessibility violation', () => openAs({}, async (page, seen) => {
    assert.deepEqual(seen.places, Object.fromEntries(Object.entries(places).map(([id, { left, top, width, height }]) => [id, [left, top, width, height]])));
    // That none lies outside the window or over another, tst_window checks of the same table.
    assert.deepEqual(seen.colours, [rgb(colours.window), rgb(colours.panelPaper), rgb(colours.panelInk)]);
    assert.equal(await page.run(() => document.querySelector('title').textContent), texts.windowCaption);
    assert.deepEqual(seen.lines.map(([, , text]) => text), ['', ...design.problemStatement]);
    assertFitted(seen);
    const focused = [];
    for (const key of ['', 'Tab', 'Tab', 'Tab']) {
      await page.keys(...key ? [key] : []);
      focused.push(await page.run(() => document.activeElement.getAttribute('aria-label') ?? document.activeElement.textContent));
    }
    assert.deepEqual(focused, [texts.experimentCaption, texts.sequenceBoxName, texts.quitCaption, texts.initializeCaption]);

    await page.run(await readFile(new URL('../../node_modules/axe-core/axe.min.js', import.meta.url), 'utf8'));
    const violations = () => axe.run(document).then(({ violations: found }) => found.map(({ id, nodes }) => `${id}: ${nodes.map(({ target }) => target).join(', ')}`));
    const found = [await page.run(violations)];
    await page.click(texts.experimentCaption);
    await page.asking();
    found.push(await page.run(violations));
    await page.keys('3', 'Enter');
    await page.settled();
    await page.click(texts.quitCaption);
    await page.asking();
    found.push(await page.run(violations));
    assert.deepEqual(found, [[], [], []]);
  }));

  for (const face of Object.keys(facesTriedAlone)) {
    it(`fits the statement by the panel's width with only ${face}`, async () => openAs({ env: await onlyFace(face) }, (page, seen) => assertFitted(seen)));
  }

  for (const view of classroomViews.filter(({ zoom }) => !zoom || browser.name === 'chromium')) {
    it(`fills a view of ${view.width} x ${view.height}${view.zoom ? ` at ${view.zoom * 100} %` : ''}, unscrolled, the dialog in view`, () => openAs(view, async (page, seen) => {
      const [width, height, scrolledX, scrolledY] = seen.view;
      const inView = { left: 0, top: 0, right: width, bottom: height };
      const side = Math.min(width, (height * places.Form1.width) / places.Form1.height);
      assert.ok(Math.abs(seen.window.width - side) < 1, `the window is ${seen.window.width} pixels wide in a view of ${width} x ${height}`);
      assert.ok(within(seen.window, inView), JSON.stringify(seen.window));
      assert.ok(Math.abs(seen.window.left + seen.window.right - width) < 1 && Math.abs(seen.window.top + seen.window.bottom - height) < 1);
      assert.deepEqual([scrolledX, scrolledY], [0, 0]);
      await page.tap(texts.experimentCaption);
      const dialog = await page.until(() => document.activeElement.id === 'inputField' && JSON.parse(JSON.stringify(document.querySelector('dialog[open]').getBoundingClientRect())));
      assert.ok(within(dialog, inView), `${JSON.stringify(dialog)} in ${width} x ${height}`);
    }));
  }

  it('keeps every caption, the start label and the statement whole, with the text enlarged', { skip: browser.name === 'webkit' && 'no setting to enlarge it' },
    () => openAs({ textScale: 2, minimumFontSize: 24 }, async (page) => {
      await page.run(() => { document.querySelector('output span').textContent = 'ｎ＝ 10000000'; });
      await page.run(() => new Promise((painted) => requestAnimationFrame(() => requestAnimationFrame(painted))));
      const seen = await page.until(look, places);
      seen.captions.forEach(([control, caption]) => assert.ok(within(caption, control), `${JSON.stringify(caption)} outside ${JSON.stringify(control)}`));
      assertFitted(seen);
    }));
});
