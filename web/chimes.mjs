// The multimedia control over Web Audio, and the chime player that drives it as on the desktop.
// The wave files are fetched and decoded once, in the background. A chime whose file is not ready
// is passed over, and so is one that the browser's sound cannot start playing within a few seconds
// of its click (Firefox takes up to two seconds to open its sound device, and never opens one where
// there is none): a chime long after its click would only confuse. Nothing here waits.
export const FileName = 22;
export const Command = 23;
const latestStartMs = 3000;

export class MultimediaControl {
  #decoded = new Map();
  #context = null;
  #fileName = '';
  #open = null;
  #source = null;

  // Makes the audio context, which starts suspended until a click lets it run: made now, the browser
  // readies its sound device in the background, so that a chime starts at once. Then fetches and
  // decodes the wave files.
  prepare(fileNames) {
    this.#context = new AudioContext();
    for (const name of fileNames) {
      fetch(new URL(name, import.meta.url)) // beside the page's modules
        .then((response) => (response.ok ? response.arrayBuffer() : Promise.reject(new Error(response.statusText))))
        .then((bytes) => this.#context.decodeAudioData(bytes))
        .then((buffer) => this.#decoded.set(name, buffer), () => {});
    }
  }

  // Commands: "Open" (the current FileName), "Sound" (play from the start), "Stop" and "Close".
  setProperty(id, value) {
    if (id === FileName)
      this.#fileName = value;
    else if (id === Command && value === 'Open')
      this.#open = this.#decoded.get(this.#fileName) ?? null;
    else if (id === Command && value === 'Sound')
      this.#sound();
    else if (id === Command && value === 'Stop')
      this.#stop();
    else if (id === Command && value === 'Close')
      this.#open = null;
  }

  #stop() {
    this.#source?.disconnect();
    this.#source = null;
  }

  // Started by the click that asked for it, which lets the browser's sound run.
  #sound() {
    if (!this.#open)
      return;
    const context = this.#context;
    const source = new AudioBufferSourceNode(context, { buffer: this.#open });
    source.connect(context.destination);
    source.start();
    this.#source = source;
    if (context.state !== 'running') {
      context.resume().catch(() => {});
      setTimeout(() => context.state === 'running' || source.disconnect(), latestStartMs);
    }
  }
}

// Stops and closes what the control has open, then opens fileName and plays it.
export function playChime(control, fileName) {
  control.setProperty(Command, 'Stop');
  control.setProperty(Command, 'Close');
  control.setProperty(FileName, fileName);
  control.setProperty(Command, 'Open');
  control.setProperty(Command, 'Sound');
}
