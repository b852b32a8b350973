// Fails when a package in package-lock.json asks for another by a tag ("latest", "next") rather than
// a version range. npm ci checks such a dependency against the registry's tag, not the lockfile
// (which holds no download addresses), so the day its makers publish again, npm ci finds the lockfile
// out of date and installs nothing. npm 9's overrides cannot pin one either: they fail on the tag.
//   node tools/lockfile_pinned.mjs [package-lock.json]
import { readFile } from 'node:fs/promises';

const lock = JSON.parse(await readFile(process.argv[2] ?? 'package-lock.json', 'utf8'));
const range = /^(?:[\^~<>=]|\d|\*|x$|$)|\|\|| - /;
const tagged = Object.entries(lock.packages).flatMap(([where, entry]) =>
  Object.entries({ ...entry.dependencies, ...entry.optionalDependencies, ...entry.peerDependencies })
    .filter(([, wanted]) => !range.test(wanted) && !/^npm:/.test(wanted))
    .map(([name, wanted]) => `${where || 'package.json'} asks for ${name}@${wanted}`));
if (tagged.length) {
  console.error(`package-lock.json pins these by tag, which npm ci cannot hold:\n  ${tagged.join('\n  ')}`);
  process.exit(1);
}
