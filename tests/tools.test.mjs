// The tools the page's tests and the set-up rely on: the lockfile check reads every dependency as
// npm does, and the static server serves nothing outside its folder, however a path is spelled.
import assert from 'node:assert/strict';
import { mkdtemp, mkdir, rm, writeFile } from 'node:fs/promises';
import { request } from 'node:http';
import { tmpdir } from 'node:os';
import { it } from 'node:test';
import { npmsPackageArg, taggedDependencies } from '../tools/lockfile_pinned.mjs';
import { serveSite } from '../tools/site_server.mjs';

it('refuses a dependency pinned by tag, of every kind and behind an alias, and takes every version npm takes', async () => {
  const npa = await npmsPackageArg();
  const rows = [ // wanted, refused
    ['latest', true], ['next', true], ['npm:lighthouse@latest', true], ['beta-2', true],
    ['12.2.3', false], ['v12.2.3', false], ['=12.2.3', false], ['^12.2', false], ['~1', false], ['1.x', false],
    ['*', false], ['', false], ['>=1 <2', false], ['1.0.0 - 2.0.0', false], ['1.2.3-beta.1', false],
    ['npm:lighthouse@12.2.3', false], ['github:a/b', false], ['file:../b', false], ['https://example.org/b.tgz', false],
  ];
  for (const [wanted, refused] of rows) {
    for (const kind of ['dependencies', 'devDependencies', 'optionalDependencies', 'peerDependencies']) {
      for (const where of ['', 'node_modules/a']) {
        const lock = { packages: { [where]: { [kind]: { b: wanted } } } };
        assert.equal(taggedDependencies(lock, npa).length, refused ? 1 : 0, `${where || 'package.json'} ${kind} ${wanted}`);
      }
    }
  }
});

// The status and body of a GET of path, sent as it is written.
const get = (url, path) => new Promise((answered, failed) => {
  const { hostname, port } = new URL(url);
  request({ hostname, port, path }, (response) => {
    let body = '';
    response.on('data', (chunk) => { body += chunk; }).on('end', () => answered(`${response.statusCode} ${body}`));
  }).on('error', failed).end();
});

it('serves its folder and nothing outside it', async (t) => {
  const top = await mkdtemp(`${tmpdir()}/served-`);
  await mkdir(`${top}/site/sub`, { recursive: true });
  await writeFile(`${top}/secret`, 'secret');
  await writeFile(`${top}/site/sub/index.html`, 'page');
  const site = await serveSite(`${top}/site`);
  t.after(() => { site.stop(); return rm(top, { recursive: true }); });
  const rows = [
    ['/sub/', '200 page'], ['/sub/index.html', '200 page'], ['/sub/%69ndex.html', '200 page'],
    ['/../secret', '404 '], ['/..%2fsecret', '404 '], ['/%2e%2e/secret', '404 '], ['/sub/..%2f..%2fsecret', '404 '],
    ['/..%5csecret', '404 '], ['/%2e%2e%2f%2e%2e%2fsecret', '404 '], ['/sub%00/index.html', '404 '], ['/%E0%A4%A', '400 '],
  ];
  for (const [path, answer] of rows)
    assert.equal(await get(site.url, path), answer, path);
});
