// What the page does as a window beyond its controls: keys held down answer nothing, and the
// program ends.

import { focusAgain } from './dialogs.mjs';

// The Enter that answered a dialog, still held, must not go on to click the button that has the
// focus next.
const freshOnly = new Set(['Enter', ' ', 'Escape']);

export function ignoreHeldKeys(document) {
  document.addEventListener('keydown', (event) => {
    if (event.repeat && freshOnly.has(event.key))
      event.preventDefault();
  }, { capture: true });
}

// Ends the program: the window goes, and no command goes on. A browser closes the page where it
// lets a page do so (an installed app's window, a tab that holds only this page); elsewhere the page
// says that the program has ended, with a way to start it again.
// The announcer, a live region there from the start, has a screen reader say it: a focus given to
// the line as the dialog goes is lost in the reader's catching up with the page.
export function endProgram(form, ended, announcer) {
  form.remove();
  ended.hidden = false;
  ended.focus();
  announcer.textContent = ended.textContent;
  form.ownerDocument.defaultView.close();
}

// Screen readers announce a page's loading, not the control that the page focused as it loaded
// (Orca in Firefox and Chromium); the focus goes to the announcer, which draws nothing, and comes
// back to 実　験 once the reader has read the page's name, unless the pupil has pressed a key or
// touched the page by then. The announcer holds it for a second, which gives a reader still busy
// with the browser's start (Firefox loads a New Tab page in the background) the time to catch up.
const kReaderLoadMs = 1500;
const kAnnouncerHoldMs = 1000;
export function announceFocusAtLoad(document, announcer) {
  const window = document.defaultView;
  const focused = document.activeElement;
  let moved = false;
  const stay = () => { moved = true; };
  document.addEventListener('keydown', stay, { capture: true, once: true });
  document.addEventListener('pointerdown', stay, { capture: true, once: true });
  const bounce = () => moved || focused === document.body || focusAgain(focused, announcer, kAnnouncerHoldMs);
  const later = () => window.setTimeout(bounce, kReaderLoadMs);
  if (document.readyState === 'complete')
    later();
  else
    window.addEventListener('load', later, { once: true });
}
