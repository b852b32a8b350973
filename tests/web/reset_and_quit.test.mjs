// 初期化 and 終了 as a user meets them: each sounds its chime; 初期化 clears the start label and the
// box; 終了 asks, Escape and いいえ leave everything as it was, and はい ends the program: the window
// closes where the browser lets a page close it, and elsewhere the page says so and can start again.
import assert from 'node:assert/strict';
import { it } from 'node:test';
import { inEachBrowser, openDialog, shown, waitFor } from './browsers.mjs';

// In the page: from now on, every chime started (its sound, and the sound output it plays on).
function recordChimes() {
  const { prototype } = AudioBufferSourceNode;
  if (!window.chimes) {
    const start = prototype.start;
    prototype.start = function startAndRecord(...args) {
      window.chimes.push(this);
      return start.apply(this, args);
    };
  }
  window.chimes = [];
}

// In the page: the length in seconds of each chime started, once every one of them sounds.
function soundingChimes() {
  return window.chimes.length && window.chimes.every((chime) => chime.context.state === 'running') &&
    window.chimes.map((chime) => Math.round(chime.buffer.duration * 100) / 100);
}

const eleven = ['ｎ＝ 11', ' 34 17 52 26 13 40 20 10 5 16 8 4 2 1'];
const question = ' Veltrum の問題|終了していいですか？|はい* いいえ';

async function experimentWith11(page) {
  await page.click('button', '実\u3000験');
  await waitFor(page, openDialog);
  await page.type('11');
  await page.press('Enter');
  return waitFor(page, shown, true);
}

inEachBrowser('初期化 and 終了', (context) => {
  it('初期化 sounds the reset chime and clears the start label and the box', async () => {
    const { page } = context;
    assert.deepEqual(await experimentWith11(page), eleven);
    await page.evaluate(recordChimes);
    await page.click('button', '初期化');
    assert.deepEqual(await waitFor(page, soundingChimes), [1.22]);
    assert.deepEqual(await page.evaluate(shown), ['', '']);
  });

  it('終了 sounds the end chime and asks; neither Escape nor いいえ changes anything', async () => {
    const { page } = context;
    await experimentWith11(page);
    await page.evaluate(recordChimes);
    await page.click('button', '終了');
    assert.equal(await waitFor(page, openDialog), question);
    await page.press('Escape');
    await page.press('Escape');
    assert.equal(await page.evaluate(openDialog), question);
    await page.click('button', 'いいえ');
    assert.deepEqual(await waitFor(page, shown, true), eleven);
    assert.deepEqual(await waitFor(page, soundingChimes), [1.86]);
  });

  it('はい in a tab that came from elsewhere ends the program, which can start again', async () => {
    const { page } = context;
    await page.goto(`${context.site.url}#again`); // the tab's history holds more than the page
    await page.click('button', '終了');
    await waitFor(page, openDialog);
    await page.press('Enter');
    assert.equal(await waitFor(page, () => !document.getElementById('ended').hidden && document.getElementById('ended').innerText),
      'プログラムを終了しました。 もう一度始める');
    assert.equal(await page.evaluate(() => document.querySelectorAll('button:not(dialog button)').length), 0);
    await page.click('link', 'もう一度始める');
    assert.equal(await waitFor(page, () => document.querySelectorAll('section div').length), 9);
  });

  it('はい in a window that the browser lets a page close closes it', async () => {
    const opened = await context.page.openWindow(context.site.url);
    await opened.click('button', '終了');
    await waitFor(opened, openDialog);
    await opened.press('Enter').catch(() => {}); // the window may go before the key is up
    await new Promise((settle) => setTimeout(settle, 500));
    assert.equal(await opened.isClosed(), true);
  });
});
