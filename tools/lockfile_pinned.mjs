// Fails when a package in package-lock.json asks for another by a tag ("latest", "next") rather than
// a version range. npm ci checks such a dependency against the registry's tag, not the lockfile
// (which holds no download addresses), so the day its makers publish again, npm ci finds the lockfile
// out of date and installs nothing. npm 9's overrides cannot pin one either: they fail on the tag.
//   node tools/lockfile_pinned.mjs [package-lock.json]
// Each wanted version is read by npm's own reader of package specifiers, so that what npm takes for
// a version or a range passes, and a tag is caught however it is written, behind an alias too.
import { readFile, realpath } from 'node:fs/promises';
import { createRequire } from 'node:module';
import { delimiter, join } from 'node:path';
import { fileURLToPath } from 'node:url';

// npm-package-arg as the npm on PATH has it: in its own folder, or (Debian's npm) beside it.
export async function npmsPackageArg() {
  for (const folder of (process.env.PATH ?? '').split(delimiter)) {
    const cli = await realpath(join(folder, 'npm')).catch(() => null);
    if (!cli)
      continue;
    const require = createRequire(cli);
    try { return require('npm-package-arg'); } catch { return require('/usr/share/nodejs/npm-package-arg'); }
  }
  throw new Error('no npm on PATH');
}

const kinds = ['dependencies', 'devDependencies', 'optionalDependencies', 'peerDependencies'];

// What the lockfile asks for by tag, each as "<entry> asks for <name>@<wanted>".
export function taggedDependencies(lock, npa) {
  return Object.entries(lock.packages ?? {}).flatMap(([where, entry]) =>
    kinds.flatMap((kind) => Object.entries(entry[kind] ?? {}))
      .filter(([name, wanted]) => {
        const asked = npa.resolve(name, wanted);
        return (asked.subSpec ?? asked).type === 'tag';
      })
      .map(([name, wanted]) => `${where || 'package.json'} asks for ${name}@${wanted}`));
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
  const lock = JSON.parse(await readFile(process.argv[2] ?? 'package-lock.json', 'utf8'));
  const tagged = taggedDependencies(lock, await npmsPackageArg());
  if (tagged.length) {
    console.error(`package-lock.json pins these by tag, which npm ci cannot hold:\n  ${tagged.join('\n  ')}`);
    process.exit(1);
  }
}
