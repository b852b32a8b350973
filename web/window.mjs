// The window, Form1, as the page shows it: the caption as the page's title, every control at its
// place from the shared table, the colours and faces, and one scale that fits the whole window into
// a narrower screen.
import { colours, fonts, places, texts } from './description.mjs';

// Keys that a held key repeats answer nothing: the Enter that answered a dialog, still held, must
// not click the button that has the focus next.
const freshOnly = new Set(['Enter', ' ', 'Escape']);

export function showWindow(document) {
  const byId = (id) => document.getElementById(id);
  const form = Object.fromEntries(
    ['Form1', 'Command1', 'Label1', 'Text1', 'Command2', 'Command3', 'Picture1'].map((id) => [id, byId(id)]));
  const { Form1 } = form;

  document.title = texts.windowCaption;
  byId('caption').textContent = texts.windowCaption;
  for (const [id, place] of Object.entries(places)) {
    for (const side of ['left', 'top', 'width', 'height'])
      byId(id).style[side] = `${place[side]}px`;
  }
  const style = Form1.style;
  style.setProperty('--window-colour', colours.window);
  style.setProperty('--panel-paper', colours.panelPaper);
  style.setProperty('--panel-ink', colours.panelInk);
  style.setProperty('--japanese-faces', fonts.japaneseFaces.map((face) => `"${face}"`).join(', '));
  style.setProperty('--japanese-size', `${fonts.japanesePointSize}pt`);

  form.Command1.textContent = texts.experimentCaption;
  form.Command2.textContent = texts.quitCaption;
  form.Command3.textContent = texts.initializeCaption;
  form.Text1.setAttribute('aria-label', texts.sequenceBoxName);
  form.Picture1.setAttribute('aria-label', texts.panelName);

  const screen = Form1.parentElement.style;
  screen.setProperty('--width', `${places.Form1.width}px`);
  screen.setProperty('--height', `${places.Form1.height}px`);
  const fit = () => screen.setProperty('--scale', Math.min(1, document.documentElement.clientWidth / places.Form1.width));
  fit();
  document.defaultView.addEventListener('resize', fit);
  document.addEventListener('keydown', (event) => {
    if (event.repeat && freshOnly.has(event.key))
      event.preventDefault();
  }, { capture: true });

  form.Command1.focus();
  form.sequenceBox = new SequenceBox(form.Text1);
  return form;
}

// The sequence box takes the newest text at every step of a run, but shows it once, when the run
// has handed the page back: setting a long text hundreds of times in a row would only hold the page.
class SequenceBox {
  #textarea;
  #text = '';
  #showing = false;

  constructor(textarea) {
    this.#textarea = textarea;
  }

  setText(text) {
    this.#text = text;
    if (!this.#showing) {
      this.#showing = true;
      queueMicrotask(() => {
        this.#showing = false;
        this.#textarea.value = this.#text;
      });
    }
  }
}

// Where the engine cannot load, one line across the bottom row says so, in place of the start label
// and the button that would do nothing.
export function refuseExperiments(form) {
  const line = form.Form1.querySelector('#cannotRun');
  const { Text1, Command1 } = places;
  Object.assign(line.style, { left: `${Text1.left}px`, width: `${Text1.width}px`, top: `${Command1.top}px`, height: `${Command1.height}px` });
  line.textContent = texts.cannotRun;
  line.hidden = false;
  form.Label1.hidden = true;
  form.Command1.hidden = true;
}
