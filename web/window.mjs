// What the page does as a window beyond its controls: keys held down answer nothing, and the
// program ends.

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
export function endProgram(form, ended) {
  form.remove();
  ended.hidden = false;
  form.ownerDocument.defaultView.close();
}
