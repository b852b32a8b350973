// The three commands as a user meets them. 実　験 asks again, with the label and box empty, after
// refused answers and every way of cancelling; it runs ２７ as 27; a held Enter asks nothing more; a
// tap while the page still loads opens the dialog focused and runs once the engine is there, a
// second tap meanwhile opens nothing, and a dialog closed early is asked again; a finger reaches the
// end of a long sequence. 初期化 and 終了 start their chime within the click, the
// desktop's sound sample for sample; 初期化 clears; 終了 asks, and only はい ends the program, which
// can start again.
import assert from 'node:assert/strict';
import { createHash } from 'node:crypto';
import { readFile } from 'node:fs/promises';
import { after, before, it } from 'node:test';
import { inEachBrowser } from '../../tools/page_driver.mjs';
import { design, sequence, siteFolder } from './expected.mjs';
import { serveSite } from '../../tools/site_server.mjs';

const { texts } = design;
const afterRun = (start) => [`${texts.startLabelPrefix} ${start}`, sequence(start)];

// In the page: the open dialog's title, text and buttons (the focused one marked *), the label, the box.
function seen() {
  const dialog = document.querySelector('dialog[open]');
  const buttons = [...dialog?.querySelectorAll('button') ?? []].map((button) =>
    (button.getAttribute('aria-label') ?? button.textContent) + (button === document.activeElement ? '*' : ''));
  return [dialog && [dialog.querySelector('h2'), dialog.querySelector('label, p'), ...buttons].map((part) => part.textContent ?? part).join('|'),
    document.querySelector('output').value, document.querySelector('textarea').value];
}

// In the page: from now on, each chime as it starts, whether within a click (or the task that
// handled it), with its samples as 16-bit values, hashed; and once all sound, what was recorded.
function recordChimes() {
  const chimes = [];
  const { start } = AudioBufferSourceNode.prototype;
  let clicking = false;
  addEventListener('click', () => { clicking = setTimeout(() => { clicking = false; }); }, { capture: true });
  AudioBufferSourceNode.prototype.start = function record(...args) {
    const inClick = Boolean(clicking);
    const samples = Int16Array.from(this.buffer.getChannelData(0), (sample) => Math.round(sample * 32768));
    chimes.push(crypto.subtle.digest('SHA-256', samples).then((hash) =>
      [inClick, this.context, [...new Uint8Array(hash)].map((byte) => byte.toString(16).padStart(2, '0')).join('')]));
    return start.apply(this, args);
  };
  window.sounding = () => Promise.all(chimes).then((all) =>
    all.length && all.every(([, context]) => context.state === 'running') && all.map(([inClick, , hash]) => [inClick, hash]));
}

// What chromium's own accessibility tree gives a screen reader: the top nodes (none of the page behind
// a modal dialog), the dialog's name and description, the focused node, the live region's text.
async function givenToReader(page) {
  const all = (node) => [node, ...(node.children ?? []).flatMap(all)];
  const nodes = all(await page.page.accessibility.snapshot());
  const dialog = nodes.find(({ role }) => role === 'dialog');
  return [nodes[0].children.map(({ role }) => role).join(' '), dialog && `${dialog.name}|${dialog.description}`,
    nodes.find(({ focused }) => focused).name, nodes.find(({ live }) => live === 'polite')?.children?.[0].name];
}

// The chime as the desktop's wave file holds it, started within the click.
async function desktopChime(name) {
  const wave = await readFile(`${process.env.COLLATZ_CHIMES}/${name}`);
  return [true, createHash('sha256').update(wave.subarray(44)).digest('hex')];
}

inEachBrowser('The commands', (browser) => {
  let site;
  let page;
  before(async () => {
    site = await serveSite(siteFolder);
    page = await browser.launch();
    await page.goto(site.url);
    await page.wired();
  });
  after(async () => {
    site.stop();
    await page.close();
  });

  it('実　験 asks again after refused answers, Escape, キャンセル and the close button, and runs ２７', async () => {
    await page.until(() => document.activeElement.id === 'announcer'); // for a reader, after the load
    await page.keys('Enter'); // meant for 実　験
    const dialogs = [];
    for (const [typed, how] of [['2', 'Enter'], ['abc', 'Enter'], ['10000001', 'Enter'], ['-5', 'Enter'],
      ['27', 'Escape'], ['27', texts.cancelButton], ['27', texts.closeButtonName]]) {
      await page.asking();
      dialogs.push(await page.run(seen));
      await page.keys(typed);
      await (how === 'Escape' || how === 'Enter' ? page.keys(how) : page.click(how));
    }
    await page.asking();
    dialogs.push(await page.run(seen));
    const dialog = [texts.inputTitle, texts.inputPrompt, texts.okButton, texts.cancelButton, texts.closeButtonName].join('|');
    assert.deepEqual(dialogs, Array(8).fill([dialog, '', '']));
    await page.keys('２７', 'Enter');
    assert.deepEqual(await page.settled(), afterRun(27));
  });

  it('takes a held Enter for one press', async () => {
    await page.click(texts.experimentCaption);
    await page.asking();
    await page.keys('11');
    await page.hold('Enter'); // answers, then repeats on 実　験, which has the focus again
    assert.deepEqual(await page.settled(), afterRun(11));
  });

  it('初期化 sounds its chime from the click and clears the label and the box', async () => {
    await page.run(recordChimes);
    await page.click(texts.initializeCaption);
    assert.deepEqual(await page.until(() => window.sounding()), [await desktopChime(texts.resetChime)]);
    assert.deepEqual(await page.run(seen), [null, '', '']);
  });

  // Readers miss a move of the focus into a dialog as the page behind it leaves their tree, and a
  // result that is only drawn: after a key the dialog takes the focus before its control does, the
  // outcome goes to the live region, the box is entered at its first line, and 終了 is focused again
  // after いいえ once the reader has caught up. Chromium's tree also names each dialog by its title and text.
  it('leads a screen reader: a dialog opened by a key is focused before its control, which takes what is typed meanwhile; the outcome is announced', async () => {
    await page.run(() => {
      document.getElementById('Command1').focus();
      window.focused = [];
      document.addEventListener('focusin', ({ target }) => window.focused.push(target.id || target.textContent));
    });
    const given = [];
    const give = async (focused) => {
      await page.until(focused);
      given.push(browser.name === 'chromium' && await givenToReader(page));
    };
    await page.keys('Enter');
    await page.until(() => document.activeElement.id === 'inputDialog');
    await page.keys('2', 'Enter'); // typed while the dialog holds the focus
    await give(() => document.activeElement.id === 'inputField');
    await page.keys('27', 'Enter');
    await give(() => document.querySelector('textarea').value);
    await page.run(() => document.getElementById('Command2').focus());
    await page.keys('Enter');
    await give(() => document.activeElement.textContent === 'はい');
    await page.keys('Tab', 'Enter');
    await page.until(() => window.focused.length > 11);
    const outcome = texts.sequenceShown.replace('%1', afterRun(27)[0]);
    assert.deepEqual(await page.run(() => [window.focused, document.getElementById('announcer').textContent, document.querySelector('textarea').selectionEnd]),
      [['inputDialog', 'inputField', 'Command1', 'inputDialog', 'inputField', 'Command1', 'Command2', 'question', texts.yesButton, texts.noButton, 'Command2', 'Command2'],
        outcome, 0]);
    assert.deepEqual(given, browser.name !== 'chromium' ? [false, false, false] : [['dialog', `${texts.inputTitle}|${texts.inputPrompt}`, texts.inputPrompt, undefined],
      ['main', undefined, texts.experimentCaption, outcome], ['dialog', `${texts.quitTitle}|${texts.quitQuestion}`, texts.yesButton, undefined]]);
  });

  it('終了 sounds its chime and asks; neither Escape nor いいえ changes anything; Enter answers はい, after a click beside the question too, and ends the program', async () => {
    const shown = await page.experiment('3');
    await page.run(recordChimes);
    await page.click(texts.quitCaption);
    await page.asking();
    await page.keys('Escape', 'Escape');
    assert.deepEqual(await page.run(seen), [[texts.quitTitle, texts.quitQuestion, `${texts.yesButton}*`, texts.noButton].join('|'), ...shown]);
    await page.click(texts.noButton);
    assert.deepEqual(await page.settled(), shown);
    assert.deepEqual(await page.until(() => window.sounding()), [await desktopChime(texts.endChime)]);

    await page.run(() => { window.close = () => { window.closeCalled = true; }; });
    await page.click(texts.quitCaption);
    await page.asking();
    await page.clickAt(2, 2); // on the window behind the question
    await page.keys('Enter');
    assert.equal(await page.until(() => window.closeCalled && document.getElementById('ended').innerText), `${texts.ended} ${texts.startAgain}`);
    assert.equal(await page.run(() => document.getElementById('announcer').textContent), `${texts.ended} ${texts.startAgain}`);
    assert.equal(await page.run(() => document.querySelectorAll('button:not(dialog button)').length), 0);
    await page.click(texts.startAgain);
    assert.ok(await page.wired());
  });

  // A tablet on the site, its window shown, with each file named held back until the function
  // returned for it is called.
  async function loadingTablet(t, ...names) {
    const loading = await serveSite(siteFolder);
    const releases = names.map((name) => loading.hold(name));
    const tablet = await browser.launch({ width: 820, height: 1100, touch: true });
    t.after(async () => {
      releases.forEach((release) => release());
      loading.stop();
      await tablet.close();
    });
    await tablet.goto(loading.url);
    await tablet.until(() => document.querySelector('button')?.getClientRects().length);
    return [tablet, ...releases];
  }

  it('opens the dialog focused at a tap while the page still loads and runs the answer once the engine is there; a second tap meanwhile opens nothing; a finger reaches the end of the box', async (t) => {
    const [tablet, releaseModules, releaseEngine] = await loadingTablet(t, 'main.mjs', 'collatz.wasm');
    await tablet.run(() => addEventListener('click', () => { window.focusedInClick = document.activeElement.id; }));
    await tablet.tap(texts.experimentCaption);
    assert.equal(await tablet.run(() => window.focusedInClick), 'inputField');
    await tablet.keys('8400511', 'Enter');
    releaseModules();
    await tablet.wired();
    await tablet.tap(texts.experimentCaption);
    assert.deepEqual(await tablet.run(seen), [null, '', '']);
    releaseEngine();
    assert.deepEqual(await tablet.settled(), afterRun(8400511));
    if (tablet.touch) {
      const box = await tablet.run(() => JSON.parse(JSON.stringify(document.querySelector('textarea').getBoundingClientRect())));
      const atEnd = () => { const { scrollTop, clientHeight, scrollHeight } = document.querySelector('textarea'); return scrollTop + clientHeight >= scrollHeight - 1; };
      for (let swipes = 0; swipes < 30 && !await tablet.run(atEnd); ++swipes) {
        await tablet.page.touchscreen.touchStart(box.x + box.width / 2, box.y + box.height - 10);
        await tablet.page.touchscreen.touchMove(box.x + box.width / 2, box.y + 10);
        await tablet.page.touchscreen.touchEnd();
      }
      assert.ok(await tablet.run(atEnd));
    }
  });

  it('asks again once the page has loaded after a dialog opened early was closed with Escape', async (t) => {
    const [tablet, ...releases] = await loadingTablet(t, 'main.mjs', 'collatz.wasm');
    await tablet.tap(texts.experimentCaption);
    await tablet.asking();
    await tablet.keys('Escape');
    releases.forEach((release) => release());
    await tablet.wired();
    await tablet.asking();
    await tablet.keys('3', 'Enter');
    assert.deepEqual(await tablet.settled(), afterRun(3));
  });
});
