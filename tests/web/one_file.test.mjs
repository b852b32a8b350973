// The program handed out as one file: opened from a file:// address it runs 27 exactly; the site's
// own page opened from a file either runs or says in one line what to do.
import assert from 'node:assert/strict';
import { readdir } from 'node:fs/promises';
import { after, before, it } from 'node:test';
import { inEachBrowser } from '../../tools/page_driver.mjs';
import { design, sequence, siteFolder } from './expected.mjs';

const oneFile = (await readdir(siteFolder)).find((name) => /^collatz-.*\.html$/.test(name));

inEachBrowser('From a file', (browser) => {
  let page;
  before(async () => { page = await browser.launch(); });
  after(() => page.close());

  it(`runs ${oneFile}`, async () => {
    await page.goto(`file://${siteFolder}/${oneFile}`);
    assert.equal((await page.experiment('27'))[1], sequence(27));
  });

  it('says what to do on the site\'s own page where it cannot run from a file', async () => {
    await page.goto(`file://${siteFolder}/index.html`);
    const outcome = await page.until(() => document.documentElement.dataset.cannotRun ?? (document.querySelector('#Picture1 > div').style.transform && 'runs'));
    const line = await page.run(() => document.getElementById('cannotRunFromFile').innerText);
    assert.ok(outcome === 'runs' || (outcome === 'file' && line === design.texts.cannotRunFromFile.replace('%1', oneFile)), outcome);
  });
});
