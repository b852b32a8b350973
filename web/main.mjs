// The start: the window and its explanation first; then the engine, the chimes and the offline
// copy, none of which holds the window up.
import { MultimediaControl } from './chimes.mjs';
import { Commands } from './commands.mjs';
import { texts } from './description.mjs';
import { loadEngine } from './engine.mjs';
import { keepOffline } from './offline.mjs';
import { printExplanation } from './panel.mjs';
import * as toolkit from './toolkit.mjs';
import { refuseExperiments, showWindow } from './window.mjs';

const window = showWindow(document);
printExplanation(window.Picture1, texts.problemStatement);
performance.mark('collatz:explanation-printed');

const engine = loadEngine();
engine.catch(() => refuseExperiments(window));
const control = new MultimediaControl();
new Commands(window, engine, toolkit, control);
control.prepare([texts.resetChime, texts.endChime]);
keepOffline();
