// 実　験 as a user meets it: refused answers, Escape, Cancel and the close button ask again, with the
// start label and the box empty; 27 and ２７ give the whole sequence, and so does the longest run.
import assert from 'node:assert/strict';
import { it } from 'node:test';
import { inEachBrowser, keepScreenshot, openDialog, shown, waitFor } from './browsers.mjs';

// The sequence from start down to 1, worked out here.
function sequence(start) {
  let text = '';
  for (let n = start; n !== 1; text += ` ${n}`)
    n = n % 2 ? 3 * n + 1 : n / 2;
  return text;
}

const inputDialog = '\u3000Veltrum の問題|3以上10000000以下の整数を半角で入力してください．．．|閉じる OK キャンセル';

inEachBrowser('実　験', (context) => {
  it('asks again after refused answers, Escape, キャンセル and 閉じる', async () => {
    const { page } = context;
    await page.press('Enter'); // 実　験 has the focus
    const seen = [];
    for (const [typed, how] of [['2', 'Enter'], ['abc', 'Enter'], ['10000001', 'Enter'], ['-5', 'Enter'],
      ['27', 'Escape'], ['27', 'キャンセル'], ['27', '閉じる']]) {
      seen.push([await waitFor(page, openDialog), ...await page.evaluate(shown)]);
      await page.type(typed);
      await (how === 'Enter' || how === 'Escape' ? page.press(how) : page.click('button', how));
    }
    seen.push([await waitFor(page, openDialog), ...await page.evaluate(shown)]);
    assert.deepEqual(seen, Array(8).fill([inputDialog, '', '']));
  });

  for (const [typed, start] of [['27', 27], ['２７', 27], ['8400511', 8400511]]) {
    it(`runs ${typed} down to 1`, async () => {
      const { page } = context;
      await waitFor(page, openDialog);
      await page.type(typed);
      await page.press('Enter');
      assert.deepEqual(await waitFor(page, shown, true),
        [`ｎ＝ ${start}`, sequence(start)]);
      if (start === 27)
        await keepScreenshot(page, context.browser.name);
      await page.press('Enter'); // 実　験 has the focus again
    });
  }
});
