// The explanation panel: prints lines one under another, like a printer with a print position.
// Where a line would be cut off, every line is drawn at the largest size, in steps of a quarter point
// and not below the smallest, at which all of them fit, as measured in the face the browser uses.
import { fonts } from './description.mjs';

function fits(panel) {
  return panel.scrollHeight <= panel.clientHeight &&
    [...panel.children].every((line) => line.offsetWidth <= panel.clientWidth);
}

function fitFont(panel) {
  let size = fonts.japanesePointSize;
  panel.style.fontSize = `${size}pt`;
  while (size > fonts.panelSmallestPointSize && !fits(panel)) {
    size -= fonts.panelPointSizeStep;
    panel.style.fontSize = `${size}pt`;
  }
}

// Prints an empty line, then each of lines.
export function printExplanation(panel, lines) {
  for (const text of ['', ...lines]) {
    const line = panel.ownerDocument.createElement('div');
    line.append(text || panel.ownerDocument.createElement('br'));
    panel.append(line);
  }
  fitFont(panel);
}
