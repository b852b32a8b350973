// The two modal dialogs, each a <dialog> whose form answers with the value of the button pressed.
// The input dialog answers with the typed text on OK, and with an empty text on キャンセル, its close
// button, Escape or any other closing. The question answers true for はい and false for いいえ and
// closes no other way: it cannot be cancelled, and where a browser closes it all the same it opens
// again.

// Opens dialog and resolves with its return value once it closes.
function ask(dialog) {
  dialog.returnValue = '';
  dialog.showModal();
  return new Promise((resolve) => dialog.addEventListener('close', () => resolve(dialog.returnValue), { once: true }));
}

export function dialogs(inputDialog, question) {
  question.addEventListener('cancel', (event) => event.preventDefault());
  return {
    // Opens at once, with the field focused, within the click or tap that asked.
    async input() {
      const field = inputDialog.querySelector('input');
      field.value = '';
      return (await ask(inputDialog)) === 'ok' ? field.value : '';
    },
    async question() {
      let answer;
      while (!answer)
        answer = await ask(question);
      return answer === 'yes';
    },
  };
}
