// Puts the page together at build time, from the window's shared design (what describe_window wrote)
// and the files the build made:
//   node make_page.mjs <design.json> <site folder> <one-file page> <engine.wasm> <apple icon> <icon> <large icon> <maskable icon>
// The site, for any static web server: index.html, the whole window in HTML and CSS with its texts,
// places and colours, so that the first answer shows it before any script runs; the service
// worker; and under v-<version>/ the modules that main.mjs imports, the engine, the manifest and
// the icons. The version is a hash of everything the site serves, so that any change a pupil could
// see gives a new one, and a rebuild of the same sources the same one. The one-file page: the same
// window with its modules bundled by esbuild ($COLLATZ_ESBUILD, or esbuild on the PATH) and the
// engine inside, which needs no server and fetches nothing. What a page holds inline, its
// Content-Security-Policy allows by hash and nothing else. A placeholder that nothing fills, or a
// place in the design whose control the page lacks, stops the build.
import { execFileSync } from 'node:child_process';
import { createHash } from 'node:crypto';
import { mkdir, mkdtemp, readFile, rm, writeFile } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { basename } from 'node:path';
import { fileURLToPath } from 'node:url';

const [designFile, site, oneFile, wasm, ...icons] = process.argv.slice(2);
const source = (name) => new URL(name, import.meta.url);
const design = JSON.parse(await readFile(designFile, 'utf8'));
const kebab = (name) => name.replace(/[A-Z]/g, (capital) => `-${capital.toLowerCase()}`);
const html = (text) => text.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;').replace(/"/g, '&quot;');
const sha256 = (text) => `'sha256-${createHash('sha256').update(text).digest('base64')}'`;

// Fills every {{name}} or {{table.name}} of template from values, then from the design.
function fill(template, values, escape) {
  return template.replace(/\{\{([\w.]+)\}\}/g, (placeholder, path) => {
    const value = path in values ? values[path] : path.split('.').reduce((table, name) => table?.[name], design);
    if (typeof value !== 'string')
      throw new Error(`nothing describes ${placeholder}`);
    return path in values ? value : escape(value);
  });
}

const esbuild = process.env.COLLATZ_ESBUILD || 'esbuild';

// main.mjs and every module it imports bundled into one module, and the names of those modules.
async function bundle() {
  const out = await mkdtemp(`${tmpdir()}/page-`);
  try {
    execFileSync(esbuild, ['main.mjs', '--bundle', '--format=esm', '--charset=utf8', '--minify',
      '--log-level=warning', `--outfile=${out}/page.js`, `--metafile=${out}/meta.json`], { cwd: fileURLToPath(source('.')), stdio: 'inherit' });
    const { inputs } = JSON.parse(await readFile(`${out}/meta.json`, 'utf8'));
    return { script: (await readFile(`${out}/page.js`, 'utf8')).trimEnd(), modules: Object.keys(inputs) };
  } finally {
    await rm(out, { recursive: true, force: true });
  }
}

// The design as custom properties, and every control at its place, counted in the window's pixels.
function designStyle(template) {
  const { places, colours, sizes, japaneseFaces } = design;
  const properties = [
    `--window-width: ${places.Form1.width}`, `--window-height: ${places.Form1.height}`,
    ...Object.entries(colours).map(([name, colour]) => `--colour-${kebab(name)}: ${colour}`),
    ...Object.entries(sizes).map(([name, size]) => `--${kebab(name)}: ${size}`),
    `--japanese-faces: ${japaneseFaces.map((face) => JSON.stringify(face)).join(', ')}`,
    `--panel-scale: ${usualPanelSize() / sizes.japanesePointSize}`,
  ];
  const rules = Object.entries(places).map(([name, place]) => {
    if (!template.includes(` id="${name}"`))
      throw new Error(`the page has no control for the place ${name}`);
    const sides = ['left', 'top', 'width', 'height'];
    properties.push(...sides.map((side) => `--${name}-${side}: ${place[side]}`));
    return `#${name} { ${sides.map((side) => `${side}: calc(var(--${name}-${side}) * var(--px))`).join('; ')}; }`;
  });
  return `:root {\n  ${properties.join(';\n  ')};\n}\n${rules.join('\n')}\n`;
}

// The size at which the panel's lines fit in most faces, where a Japanese character takes one em
// and any other half of one: the size they are shown at until the page's script has measured the
// face at hand.
function usualPanelSize() {
  const { japanesePointSize, panelPointSizeStep, panelSmallestPointSize, panelLinePitch } = design.sizes;
  const { width, height } = design.places.Picture1;
  const ems = Math.max(...design.problemStatement.map((line) => [...line].reduce((sum, c) => sum + (c > '\u1100' ? 1 : 0.5), 0)));
  const lines = design.problemStatement.length + 1;
  let size = japanesePointSize;
  while (size > panelSmallestPointSize && (ems * size * 4 / 3 > width || lines * panelLinePitch * size * 4 / 3 > height))
    size -= panelPointSizeStep;
  return size;
}

// The app as a browser installs it. Its identity is its folder, so that copies in two folders of one
// server are two apps: the start address, which a browser takes for the identity where the manifest
// names none, and the id that the service worker adds, which only it can know (a copy may be put in
// any folder, and an id is read against the server's root).
function manifest() {
  const { texts, colours } = design;
  return JSON.stringify({
    name: texts.appName,
    short_name: texts.appName,
    description: texts.appDescription,
    lang: 'ja',
    start_url: '../',
    scope: '../',
    display: 'standalone',
    background_color: colours.window,
    theme_color: colours.window,
    icons: icons.slice(1).map((icon) => {
      const side = /(\d+)\.png$/.exec(icon)[1];
      return { src: basename(icon), sizes: `${side}x${side}`, type: 'image/png', purpose: icon.includes('maskable') ? 'maskable' : 'any' };
    }),
  }, null, 2);
}

// Text that the page holds inline, minified as the bundle is: the page as served uncompressed must
// fit a new connection's first flight (ten packets), so that the window paints after one round trip
// from a server that does not compress.
const minified = (text, loader) => execFileSync(esbuild, [`--loader=${loader}`, '--minify', '--charset=utf8', '--log-level=warning'],
  { input: text, encoding: 'utf8' }).trimEnd();

const template = await readFile(source('index.html'), 'utf8');
const style = minified(designStyle(template) + await readFile(source('style.css'), 'utf8'), 'css');
// The site's own first script, inline in its page, and the service worker's template.
const pageScript = minified(await readFile(source('load.js'), 'utf8'), 'js');
const workerTemplate = await readFile(source('sw.js'), 'utf8');
const { script, modules } = await bundle();
const problemStatement = ['<br>', ...design.problemStatement].map((line) => `<div>${line === '<br>' ? line : html(line)}</div>`).join('');
const oneFileName = basename(oneFile);
const page = (values) => fill(template, {
  problemStatement,
  'texts.cannotRunFromFile': html(design.texts.cannotRunFromFile.replace('%1', oneFileName)),
  ...values,
}, html);

// The site: every file it serves, by its address, for the version's folder given.
const folderFiles = new Map([
  ...await Promise.all(modules.map(async (name) => [name, await readFile(source(name), 'utf8')])),
  ['collatz.wasm', await readFile(wasm)],
  ...await Promise.all(icons.map(async (icon) => [basename(icon), await readFile(icon)])),
  ['manifest.webmanifest', manifest()],
]);
function siteFiles(folder) {
  // The site's own first script finds this version's files in a data block, so that the script
  // stays the same, and so does its hash, from version to version.
  const siteFilesData = JSON.stringify({
    modules: modules.filter((name) => name !== 'main.mjs').map((name) => `${folder}/${name}`),
    engine: `${folder}/collatz.wasm`,
    main: `${folder}/main.mjs`,
  });
  const head = [
    `<link rel="manifest" href="${folder}/manifest.webmanifest">`,
    `<link rel="icon" href="${folder}/${basename(icons[1])}">`,
    `<link rel="apple-touch-icon" href="${folder}/${basename(icons[0])}">`,
    `<style>${style}</style>`,
    `<script type="application/json" id="siteFiles">${siteFilesData}</script>`,
    `<script>${pageScript}</script>`,
  ].join('\n');
  return new Map([
    ...[...folderFiles].map(([name, content]) => [`${folder}/${name}`, content]),
    ['index.html', page({
      head,
      address: './',
      contentSecurityPolicy: `default-src 'self'; script-src 'self' ${sha256(pageScript)} 'wasm-unsafe-eval'; style-src ${sha256(style)}; ` +
        "object-src 'none'; base-uri 'none'; form-action 'none'",
      serviceWorker: 'sw.js',
    })],
    ['sw.js', fill(workerTemplate, {
      folder: JSON.stringify(folder),
      files: JSON.stringify([...modules, 'collatz.wasm'].map((name) => `${folder}/${name}`)),
    }, String)],
  ]);
}
const hash = createHash('sha256');
for (const [name, content] of [...siteFiles('v-')].sort(([a], [b]) => a.localeCompare(b)))
  hash.update(`${name}\n${content.length}\n`).update(content);
const folder = `v-${hash.digest('hex').slice(0, 16)}`;
await rm(site, { recursive: true, force: true });
await mkdir(`${site}/${folder}`, { recursive: true });
for (const [name, content] of siteFiles(folder))
  await writeFile(`${site}/${name}`, content);

// The one-file page.
await writeFile(oneFile, page({
  head: [`<style>${style}</style>`, `<script type="module">${script}</script>`,
    `<script type="application/wasm" id="engineCode">${(await readFile(wasm)).toString('base64')}</script>`].join('\n'),
  address: oneFileName,
  serviceWorker: '',
  contentSecurityPolicy: `default-src 'none'; script-src ${sha256(script)} 'wasm-unsafe-eval'; style-src ${sha256(style)}; ` +
    "base-uri 'none'; form-action 'none'",
}));
