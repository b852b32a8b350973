// The start: the window and its explanation first; then the engine, and once it is there (or
// cannot be) the chimes and the offline copy, none of which holds the window up.
import { MultimediaControl } from './chimes.mjs';
import { Commands } from './commands.mjs';
import { texts } from './description.mjs';
import { loadEngine } from './engine.mjs';
import { keepOffline } from './offline.mjs';
import { printExplanation } from './panel.mjs';
import * as toolkit from './toolkit.mjs';
import { refuseExperiments, showWindow } from './window.mjs';

const form = showWindow(document);
printExplanation(form.Picture1, texts.problemStatement);
performance.mark('collatz:explanation-printed');

const engine = loadEngine();
const control = new MultimediaControl();
new Commands(form, engine, toolkit, control);
engine.catch(() => refuseExperiments(form)).finally(() => {
  control.prepare([texts.resetChime, texts.endChime]);
  keepOffline();
});
