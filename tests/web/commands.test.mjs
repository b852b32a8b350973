// The three commands as a user meets them. 実　験: refused answers, Escape, キャンセル and the close
// button ask again with the start label and the box empty; 27, ２７ and the longest run give the
// whole sequence; a key held down asks nothing more; a tap while the engine still loads opens the
// dialog focused and runs once it is there; a finger reaches the end of a long sequence. 初期化 and
// 終了 start their chime within the click, the desktop's sound sample for sample; 初期化 clears; 終了
// asks, and only はい ends the program, which can start again.
import assert from 'node:assert/strict';
import { createHash } from 'node:crypto';
import { readFile } from 'node:fs/promises';
import { after, before, it } from 'node:test';
import { inEachBrowser, until } from './browsers.mjs';
import { design, sequence } from './expected.mjs';
import { serveSite } from './site.mjs';

const { texts } = design;
const experiment = texts.experimentCaption;

// In the page: the open dialog (its title, text and buttons, the focused one marked *), the start
// label and the box; where settled, once no dialog is open and the box shows a sequence.
function seen(settled) {
  const dialog = document.querySelector('dialog[open]');
  const buttons = [...dialog?.querySelectorAll('button') ?? []].map((button) =>
    (button.getAttribute('aria-label') ?? button.textContent) + (button === document.activeElement ? '*' : ''));
  return !(settled && (dialog || !document.querySelector('textarea').value)) && [dialog && `${dialog.querySelector('h2').textContent}|${dialog.querySelector('label, p').textContent}|${buttons.join(' ')}`,
    document.querySelector('output').value, document.querySelector('textarea').value];
}
const running = () => Boolean(document.querySelector('#Picture1 > div').style.transform);
const asking = (page) => until(page, () => Boolean(document.querySelector('dialog[open]')));
const settled = (page) => until(page, seen, true);

async function run(page, typed) {
  await page.click(experiment);
  await asking(page);
  await page.keys(typed, 'Enter');
  return settled(page);
}

// In the page: from now on, each chime as it starts: whether within a click (or the task that
// handled it), and its samples as 16-bit values, hashed.
function recordChimes() {
  window.chimes = [];
  const { prototype } = AudioBufferSourceNode;
  if (!window.unrecordedStart) {
    window.unrecordedStart = prototype.start;
    addEventListener('click', () => {
      window.clicking = 'click';
      setTimeout(() => { window.clicking = undefined; });
    }, { capture: true });
  }
  const start = window.unrecordedStart;
  prototype.start = function record(...args) {
    const when = window.clicking;
    const samples = Int16Array.from(this.buffer.getChannelData(0), (sample) => Math.round(sample * 32768));
    window.chimes.push(crypto.subtle.digest('SHA-256', samples).then((hash) => [
      when, this.context, [...new Uint8Array(hash)].map((byte) => byte.toString(16).padStart(2, '0')).join('')]));
    return start.apply(this, args);
  };
}

// In the page: each chime started since, once all of them sound.
const sounding = () => Promise.all(window.chimes).then((chimes) =>
  chimes.length && chimes.every(([, context]) => context.state === 'running') && chimes.map(([when, , hash]) => [when, hash]));

// The chime as the desktop's wave file holds it: its samples, hashed.
async function desktopChime(name) {
  const wave = await readFile(`${process.env.COLLATZ_CHIMES}/${name}`);
  return ['click', createHash('sha256').update(wave.subarray(44)).digest('hex')];
}

inEachBrowser('The commands', (browser) => {
  let site;
  let page;
  before(async () => {
    site = await serveSite();
    page = await browser.launch();
    await page.goto(site.url);
    await until(page, running);
  });
  after(async () => {
    await page.close();
    site.stop();
  });

  it('実　験 asks again after refused answers, Escape, キャンセル and the close button, with nothing shown, until 27', async () => {
    await page.keys('Enter'); // 実　験 has the focus
    const dialogs = [];
    for (const [typed, how] of [['2', 'Enter'], ['abc', 'Enter'], ['10000001', 'Enter'], ['-5', 'Enter'],
      ['27', 'Escape'], ['27', texts.cancelButton], ['27', texts.closeButtonName]]) {
      await asking(page);
      dialogs.push(await page.run(seen));
      await page.keys(typed);
      await (how.startsWith('E') ? page.keys(how) : page.click(how));
    }
    await asking(page);
    dialogs.push(await page.run(seen));
    const dialog = `${texts.inputTitle}|${texts.inputPrompt}|${texts.okButton} ${texts.cancelButton} ${texts.closeButtonName}`;
    assert.deepEqual(dialogs, Array(8).fill([dialog, '', '']));
    await page.keys('27', 'Enter');
    assert.deepEqual(await settled(page), [null, `${texts.startLabelPrefix} 27`, sequence(27)]);
  });

  for (const [typed, start] of [['２７', 27], ['8400511', 8400511]]) {
    it(`実　験 runs ${typed} down to 1`, async () => {
      assert.deepEqual(await run(page, typed), [null, `${texts.startLabelPrefix} ${start}`, sequence(start)]);
    });
  }

  it('takes a held Enter for one press', async () => {
    await page.click(experiment);
    await asking(page);
    await page.keys('11');
    await page.hold('Enter'); // answers, then repeats on 実　験, which has the focus again
    assert.deepEqual(await settled(page), [null, `${texts.startLabelPrefix} 11`, sequence(11)]);
  });

  it('初期化 sounds its chime from the click and clears the label and the box', async () => {
    await page.run(recordChimes);
    await page.click(texts.initializeCaption);
    assert.deepEqual(await until(page, sounding), [await desktopChime(texts.resetChime)]);
    assert.deepEqual(await page.run(seen), [null, '', '']);
  });

  it('終了 sounds its chime and asks; neither Escape nor いいえ changes anything', async () => {
    const shown = await run(page, '3');
    await page.run(recordChimes);
    await page.click(texts.quitCaption);
    await asking(page);
    await page.keys('Escape', 'Escape');
    const question = `${texts.quitTitle}|${texts.quitQuestion}|${texts.yesButton}* ${texts.noButton}`;
    assert.deepEqual(await page.run(seen), [question, ...shown.slice(1)]);
    await page.click(texts.noButton);
    assert.deepEqual(await settled(page), shown);
    assert.deepEqual(await until(page, sounding), [await desktopChime(texts.endChime)]);
  });

  it('はい ends the program, closing the page where the browser lets it, and it can start again', async () => {
    await page.run(() => { window.close = () => { window.closeCalled = true; }; });
    await page.click(texts.quitCaption);
    await asking(page);
    await page.keys('Enter');
    assert.equal(await until(page, () => window.closeCalled && document.getElementById('ended').innerText), `${texts.ended} ${texts.startAgain}`);
    assert.equal(await page.run(() => document.querySelectorAll('button:not(dialog button)').length), 0);
    await page.click(texts.startAgain);
    assert.ok(await until(page, running));
  });

  it('opens the dialog focused at a tap while the page still loads, runs once it is there; a finger reaches the end of the box', async () => {
    const loading = await serveSite();
    const releases = ['main.mjs', 'collatz.wasm'].map((name) => loading.hold(name));
    const tablet = await browser.launch({ width: 820, height: 1100, touch: true });
    await tablet.goto(loading.url);
    await until(tablet, () => document.querySelector('button')?.getClientRects().length);
    await tablet.run(() => addEventListener('click', () => { window.focusedInClick = document.activeElement.id; }));
    await tablet.tap(experiment);
    assert.equal(await tablet.run(() => window.focusedInClick), 'inputField');
    await tablet.keys('8400511', 'Enter');
    releases.forEach((release) => release());
    assert.equal((await settled(tablet))[2], sequence(8400511));
    if (tablet.touch) {
      const box = await tablet.run(() => JSON.parse(JSON.stringify(document.querySelector('textarea').getBoundingClientRect())));
      const atEnd = () => { const box = document.querySelector('textarea'); return box.scrollTop + box.clientHeight >= box.scrollHeight - 1; };
      for (let swipes = 0; swipes < 30 && !await tablet.run(atEnd); ++swipes) {
        await tablet.page.touchscreen.touchStart(box.x + box.width / 2, box.y + box.height - 10);
        await tablet.page.touchscreen.touchMove(box.x + box.width / 2, box.y + 10);
        await tablet.page.touchscreen.touchEnd();
      }
      assert.ok(await tablet.run(atEnd));
    }
    await tablet.close();
    loading.stop();
  });
});
