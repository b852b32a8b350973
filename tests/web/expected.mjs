// What the page should show: the shared design as the build wrote it for the page, and the sequence
// of a run, worked out here.
import { readFile } from 'node:fs/promises';

export const siteFolder = process.env.COLLATZ_SITE;

export const design = JSON.parse(await readFile(`${siteFolder}/../files/design.json`, 'utf8'));

export function sequence(start) {
  let text = '';
  for (let n = start; n !== 1; text += ` ${n}`)
    n = n % 2 ? 3 * n + 1 : n / 2;
  return text;
}
