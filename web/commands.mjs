// The three commands. 実　験 asks for a start value until one is accepted, shows it in the start
// label and the whole sequence down to 1 in the box, and tells a screen reader so; 初期化 sounds the
// reset chime and clears both; 終了 sounds the end chime, asks, and ends the program on はい. One
// command at a time: none starts while another waits in a dialog.
export function wireCommands(form, { engine, dialogs, chimes, end, announcer }) {
  const { Command1, Command2, Command3, Label1, Text1 } = form.elements;
  const label = Label1.firstElementChild;
  const show = (labelText, sequence) => {
    label.textContent = labelText;
    Text1.value = sequence;
    announcer.textContent = '';
  };
  let busy = false;
  const command = (run) => async () => {
    if (busy)
      return;
    busy = true;
    try {
      await run();
    } finally {
      busy = false;
    }
  };

  // The dialog opens within the click, before the engine is waited for: a tablet raises its
  // keyboard only for a field focused then. What was typed runs once the engine is there.
  const experiment = command(async () => {
    let n;
    let accepted = false;
    while (!accepted) {
      show('', '');
      const text = await dialogs.input();
      const { readStartValue, formatValue, isAcceptedStart } = await engine;
      n = readStartValue(text);
      show(Label1.dataset.prefix + formatValue(n), '');
      accepted = isAcceptedStart(n);
    }
    Text1.value = (await engine).sequenceText(n);
    Text1.setSelectionRange(0, 0); // a reader entering the box starts at its first line
    // What a screen reader says once the dialog has gone, without the pupil moving.
    announcer.textContent = announcer.dataset.sequenceShown.replace('%1', label.textContent);
  });
  Command1.addEventListener('click', experiment);
  if (dialogs.inputOpenedEarly())
    experiment();

  Command3.addEventListener('click', command(() => {
    chimes.play(Command3.dataset.chime);
    show('', '');
  }));

  Command2.addEventListener('click', command(async () => {
    chimes.play(Command2.dataset.chime);
    if (await dialogs.question())
      end();
  }));
}
