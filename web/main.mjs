// The start. The window is already on the page, as its first answer drew it: this only wires what it
// does. The engine loads at once, in the background; where it cannot, the window says so in place
// of 実　験.
import { chimePlayer } from './chimes.mjs';
import { wireCommands } from './commands.mjs';
import { dialogs } from './dialogs.mjs';
import { loadEngine } from './engine.mjs';
import { fitTexts } from './fit.mjs';
import { keepOffline } from './offline.mjs';
import { announceFocusAtLoad, endProgram, ignoreHeldKeys } from './window.mjs';

const page = document.documentElement;
const form = document.forms.Form1;
const announcer = document.getElementById('announcer');
const engine = loadEngine(document.getElementById('engineCode'));
engine.catch(() => { page.dataset.cannotRun = 'engine'; });

wireCommands(form, {
  engine,
  dialogs: dialogs(document.getElementById('inputDialog'), document.getElementById('question')),
  chimes: chimePlayer(engine),
  end: () => endProgram(form, document.getElementById('ended'), announcer),
  announcer,
});
// The first script's stand-in for 実　験 steps back now that the commands answer.
document.dispatchEvent(new Event('wired'));
fitTexts(form);
ignoreHeldKeys(document);
announceFocusAtLoad(document, announcer);
// The offline copy once the engine is there, so that the worker finds it in the browser's cache.
engine.catch(() => {}).then(() => keepOffline(window, page.dataset.serviceWorker));
