// The tools the page's tests and the set-up rely on: the lockfile check reads every dependency as
// npm does, and the static server serves nothing outside its folder, however a path is spelled.
import assert from 'node:assert/strict';
import { request } from 'node:http';
import { it } from 'node:test';
import { fileURLToPath } from 'node:url';
import { npmsPackageArg, taggedDependencies } from '../tools/lockfile_pinned.mjs';
import { serveSite } from '../tools/site_server.mjs';

it('refuses a tag in every kind of dependency, behind an alias too, and takes every version npm takes', async () => {
  const npa = await npmsPackageArg();
  const refused = ['latest', 'next', 'npm:lighthouse@latest'];
  const taken = ['12.2.3', 'v12.2.3', '^12.2', '', '1.0.0 - 2', 'npm:a@12', 'github:a/b'];
  for (const wanted of [...refused, ...taken]) {
    for (const kind of ['dependencies', 'devDependencies', 'optionalDependencies', 'peerDependencies']) {
      const lock = { packages: { '': { [kind]: { b: wanted } } } };
      assert.equal(taggedDependencies(lock, npa).length, Number(refused.includes(wanted)), `${kind} ${wanted}`);
    }
  }
});

// The status of a GET of path, sent as it is written.
const status = (url, path) => new Promise((answered, failed) => {
  request({ host: '127.0.0.1', port: new URL(url).port, path }, (response) => answered(response.resume().statusCode)).on('error', failed).end();
});

it('serves its folder and nothing outside it', async (t) => {
  const site = await serveSite(fileURLToPath(new URL('.', import.meta.url))); // tests/, beside README.md
  t.after(site.stop);
  const rows = [['/tools.test.mjs', 200], ['/%74ools.test.mjs', 200], ['/..%2fREADME.md', 404],
    ['/%2e%2e%2fREADME.md', 404], ['/web/..%2f..%2fREADME.md', 404], ['/%00', 404], ['/%E0%A4%A', 400]];
  for (const [path, answer] of rows)
    assert.equal(await status(site.url, path), answer, path);
});
