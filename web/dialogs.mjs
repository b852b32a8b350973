// The two modal dialogs, each a <dialog> whose form answers with the value of the button pressed.
// The input dialog answers with the typed text on OK, and with an empty text on キャンセル, its close
// button, Escape or any other closing. The question answers true for はい and false for いいえ and
// closes no other way: it cannot be cancelled, and where a browser closes it all the same it opens
// again.

// Opens dialog, unless a tap opened it before the page's modules had arrived (it is open, or was
// answered then), and resolves with its answer once it closes.
async function ask(dialog, clear = () => {}) {
  if (!dialog.open && !dialog.returnValue) {
    clear();
    dialog.showModal();
  }
  if (dialog.open)
    await new Promise((closed) => dialog.addEventListener('close', closed, { once: true }));
  const answer = dialog.returnValue;
  dialog.returnValue = '';
  return answer;
}

export function dialogs(inputDialog, question) {
  question.addEventListener('cancel', (event) => event.preventDefault());
  const field = inputDialog.querySelector('input');
  return {
    // Opens at once, with the field focused, within the click or tap that asked.
    async input() {
      return (await ask(inputDialog, () => { field.value = ''; })) === 'ok' ? field.value : '';
    },
    // Whether a tap opened the input dialog before the page's modules had arrived.
    inputOpenedEarly: () => inputDialog.open || Boolean(inputDialog.returnValue),
    async question() {
      let answer;
      while (!answer)
        answer = await ask(question);
      return answer === 'yes';
    },
  };
}
