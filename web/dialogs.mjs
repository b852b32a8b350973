// The two modal dialogs, each a <dialog> whose form answers with the value of the button pressed.
// The input dialog answers with the typed text on OK, and with an empty text on キャンセル, its close
// button, Escape or any other closing. The question answers true for はい and false for いいえ and
// closes no other way: it cannot be cancelled, and where a browser closes it all the same it opens
// again. A click beside a dialog's controls leaves the focus where it was, as on the desktop, so
// that Enter still presses the button that had it.

// The page behind a modal dialog leaves the accessibility tree as the dialog opens. Were the focused
// button part of it, a screen reader would lose track of the focus and miss its move into the
// dialog (Orca in Firefox then stays in browse mode, and what is typed goes to its own navigation;
// Chromium says nothing when a dialog opens again). After a key, the dialog itself holds the focus
// until a screen reader has had the time to follow (Orca has needed over 100 ms), and only then does
// its control take it, a move that readers announce with the dialog's name and description. After
// a tap the control has it at once: a tablet shows its keyboard only for a field focused in the tap.
const kFollowMs = 250;
const readerFollows = (window, ms = kFollowMs) => new Promise((followed) => window.setTimeout(followed, ms));

// Until release is called, a key pressed while holding() is meant for element: element has the
// focus at once, so that the key goes into a field, and Enter or Space presses a button.
function keysGoTo(element, holding) {
  const document = element.ownerDocument;
  const toElement = (event) => {
    if (!holding())
      return;
    element.focus();
    if (element.localName === 'button' && (event.key === 'Enter' || event.key === ' ') && !event.repeat) {
      event.preventDefault();
      element.click();
    }
  };
  document.addEventListener('keydown', toElement, { capture: true });
  return () => document.removeEventListener('keydown', toElement, { capture: true });
}

// Gives the focus to element again once a screen reader has caught up with the page: a focus that
// came while the reader was rebuilding its view (the page just loaded, or back from behind a dialog)
// goes unspoken in Chromium. Unless someone has moved it meanwhile. Orca in Chromium takes a focus
// given back to the control that it already had in view as no move at all: meanwhile, an element
// that draws nothing, holds the focus for the moment instead. A key pressed meanwhile was meant for
// element.
export async function focusAgain(element, meanwhile, holdMs = kFollowMs) {
  const document = element.ownerDocument;
  if (document.activeElement !== element)
    return;
  const resting = () => [document.body, meanwhile].includes(document.activeElement);
  const release = keysGoTo(element, resting);
  if (meanwhile) {
    meanwhile.tabIndex = -1;
    meanwhile.focus({ preventScroll: true });
  } else {
    element.blur();
  }
  await readerFollows(document.defaultView, holdMs);
  release();
  meanwhile?.removeAttribute('tabindex');
  if (resting() && !document.querySelector('dialog[open]'))
    element.focus();
}

async function openModal(dialog, afterKey) {
  if (!afterKey) {
    dialog.showModal();
    return;
  }
  // With its controls inert for the moment it opens, the dialog takes the focus itself: a control
  // focused before the move would tell readers too early (Firefox reports the caret in the field).
  // What is typed meanwhile goes to the control.
  const { ownerDocument: document } = dialog;
  const controls = dialog.querySelector('form');
  const control = dialog.querySelector('[autofocus]');
  controls.inert = true;
  dialog.showModal();
  controls.inert = false;
  dialog.focus();
  const holding = () => dialog.open && document.activeElement === dialog;
  const release = keysGoTo(control, holding);
  await readerFollows(document.defaultView);
  release();
  if (holding())
    control.focus();
}

// Opens dialog unless it is open already, and resolves with its answer once it closes.
async function ask(dialog, opened, afterKey) {
  if (!opened) {
    dialog.returnValue = '';
    await openModal(dialog, afterKey);
  }
  if (dialog.open)
    await new Promise((closed) => dialog.addEventListener('close', closed, { once: true }));
  return dialog.returnValue;
}

export function dialogs(inputDialog, question) {
  question.addEventListener('cancel', (event) => event.preventDefault());
  let afterKey = false;
  const document = question.ownerDocument;
  document.addEventListener('keydown', () => { afterKey = true; }, { capture: true });
  document.addEventListener('pointerdown', () => { afterKey = false; }, { capture: true });
  for (const dialog of [inputDialog, question]) {
    dialog.addEventListener('mousedown', (event) => {
      if (!event.target.closest('button, input'))
        event.preventDefault();
    });
  }
  const field = inputDialog.querySelector('input');
  // A tap before the modules arrived may have opened the input dialog (it may be open still, or
  // answered): that is the first asking.
  let openedEarly = inputDialog.dataset.openedEarly === '';
  delete inputDialog.dataset.openedEarly;
  return {
    // Opens with the field focused: after a tap, at once, within the tap that asked.
    async input() {
      if (!openedEarly)
        field.value = '';
      const answer = await ask(inputDialog, openedEarly, afterKey);
      openedEarly = false;
      return answer === 'ok' ? field.value : '';
    },
    inputOpenedEarly: () => openedEarly,
    async question() {
      let answer;
      while (!answer)
        answer = await ask(question, false, afterKey);
      // はい ends the program; after いいえ the focus is back on 終了, and the pupil stays there.
      if (answer === 'no' && afterKey)
        await focusAgain(document.activeElement);
      return answer === 'yes';
    },
  };
}
