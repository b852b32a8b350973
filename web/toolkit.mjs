// The modal services the commands call, as on the desktop: the input dialog, the question and the
// end of the program. The dialogs are modal <dialog>s with a title bar of their own.
import { texts } from './description.mjs';

// Shows dialog until answer() is called by one of the handlers that listen(on, type, handler) set
// up; then resolves with the answer. onClosed runs when the browser closes the dialog on its own
// (the close event of an answered dialog may come after it has opened again, and is passed over).
function ask(dialog, setUp, onClosed) {
  return new Promise((resolve) => {
    const listening = new AbortController();
    const answer = (value) => {
      listening.abort();
      dialog.close();
      resolve(value);
    };
    const listen = (target, type, handler) => target.addEventListener(type, handler, { signal: listening.signal });
    listen(dialog.querySelector('form'), 'submit', (event) => event.preventDefault());
    listen(dialog, 'close', () => dialog.open || onClosed(answer));
    setUp(listen, answer);
    dialog.showModal();
  });
}

function setTexts(dialog, title, prompt, buttons) {
  dialog.querySelector('h2').textContent = title;
  dialog.querySelector('label, p').textContent = prompt;
  dialog.querySelectorAll('.buttons button').forEach((button, i) => { button.textContent = buttons[i]; });
}

// Resolves with the typed text on OK, and with an empty text on Cancel, Escape, the close button or
// any other closing.
export function inputDialog(prompt, title) {
  const dialog = document.getElementById('inputDialog');
  const field = dialog.querySelector('input');
  setTexts(dialog, title, prompt, [texts.okButton, texts.cancelButton]);
  dialog.querySelector('.close').setAttribute('aria-label', texts.closeButtonName);
  field.value = '';
  return ask(dialog, (listen, answer) => {
    listen(dialog.querySelector('form'), 'submit', () => answer(field.value));
    dialog.querySelectorAll('[data-answer=cancel]').forEach((button) => listen(button, 'click', () => answer('')));
    listen(dialog, 'cancel', (event) => {
      event.preventDefault();
      answer('');
    });
  }, (answer) => answer(''));
}

// Resolves with true for はい (the default button) and false for いいえ; nothing else closes it: not
// Escape, and where the browser closes it all the same, it opens again.
export function questionDialog(prompt, title) {
  const dialog = document.getElementById('question');
  setTexts(dialog, title, prompt, [texts.yesButton, texts.noButton]);
  return ask(dialog, (listen, answer) => {
    listen(dialog.querySelector('form'), 'submit', () => answer(true));
    listen(dialog.querySelector('[data-answer=no]'), 'click', () => answer(false));
    listen(dialog, 'cancel', (event) => event.preventDefault());
  }, () => dialog.showModal());
}

// Ends the program: the window goes, and no handler goes on. A browser closes the window where it
// lets a page do so (an installed app's window, a tab that holds only this page); elsewhere the page
// says that the program has ended, with a way to start it again.
export function end() {
  document.querySelector('.screen').remove();
  const ended = document.getElementById('ended');
  ended.querySelector('span').textContent = texts.ended;
  ended.querySelector('a').textContent = texts.startAgain;
  ended.hidden = false;
  window.close();
}
