// The two modal dialogs, each a <dialog> whose form answers with the value of the button pressed.
// The input dialog answers with the typed text on OK, and with an empty text on キャンセル, its close
// button, Escape or any other closing. The question answers true for はい and false for いいえ and
// closes no other way: it cannot be cancelled, and where a browser closes it all the same it opens
// again. A click beside a dialog's controls leaves the focus where it was, as on the desktop, so
// that Enter still presses the button that had it.

// Opens dialog unless it is open already, and resolves with its answer once it closes.
async function ask(dialog, opened) {
  if (!opened) {
    dialog.returnValue = '';
    dialog.showModal();
  }
  if (dialog.open)
    await new Promise((closed) => dialog.addEventListener('close', closed, { once: true }));
  return dialog.returnValue;
}

export function dialogs(inputDialog, question) {
  question.addEventListener('cancel', (event) => event.preventDefault());
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
    // Opens at once, with the field focused, within the click or tap that asked.
    async input() {
      if (!openedEarly)
        field.value = '';
      const answer = await ask(inputDialog, openedEarly);
      openedEarly = false;
      return answer === 'ok' ? field.value : '';
    },
    inputOpenedEarly: () => openedEarly,
    async question() {
      let answer;
      while (!answer)
        answer = await ask(question, false);
      return answer === 'yes';
    },
  };
}
