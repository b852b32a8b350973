// The state the commands share and the three commands, as on the desktop. 実　験 asks for a start
// value until one is accepted, shows it, and runs the sequence down to 1, setting the box to the
// whole text after every step; 初期化 sounds the reset chime and clears; 終了 sounds the end chime,
// asks, and ends the program on はい.
import { playChime } from './chimes.mjs';
import { texts } from './description.mjs';

export class Commands {
  enteredText = '';
  n = 0;
  sequenceText = '';
  #form;
  #engine;
  #toolkit;
  #control;
  #running = false;

  constructor(form, engine, toolkit, control) {
    this.#form = form;
    this.#engine = engine;
    this.#toolkit = toolkit;
    this.#control = control;
    form.Command1.addEventListener('click', () => this.#run(() => this.experiment()));
    form.Command2.addEventListener('click', () => this.#run(() => this.quit()));
    form.Command3.addEventListener('click', () => this.#run(() => this.initialize()));
  }

  // One command at a time: none starts while another waits in a dialog.
  async #run(command) {
    if (this.#running)
      return;
    this.#running = true;
    try {
      await command();
    } finally {
      this.#running = false;
    }
  }

  #clear() {
    this.#form.sequenceBox.setText('');
    this.#form.Label1.value = '';
    this.sequenceText = '';
  }

  async experiment() {
    const engine = await this.#engine;
    const { Label1, sequenceBox } = this.#form;
    do {
      this.#clear();
      this.enteredText = await this.#toolkit.inputDialog(texts.inputPrompt, texts.inputTitle);
      this.n = engine.readStartValue(this.enteredText);
      Label1.value = texts.startLabelPrefix + engine.formatValue(this.n);
    } while (!engine.isAcceptedStart(this.n));
    ({ n: this.n, sequenceText: this.sequenceText } = engine.runSequence(this.n, (text) => sequenceBox.setText(text)));
    await null; // after the box has shown the text, which it queued first
    performance.mark('collatz:sequence-shown');
  }

  initialize() {
    playChime(this.#control, texts.resetChime);
    this.#clear();
  }

  async quit() {
    playChime(this.#control, texts.endChime);
    if (await this.#toolkit.questionDialog(texts.quitQuestion, texts.quitTitle))
      this.#toolkit.end();
  }
}
