// The multimedia control over Web Audio, and the chime player that drives it as on the desktop.
// The wave files are fetched and decoded once, in the background; a chime whose file is not ready,
// or whose sound cannot start within half a second of its click (a browser without a sound device
// never starts it), is passed over. Nothing here waits.
export const FileName = 22;
export const Command = 23;
const latestStartMs = 500;

export class MultimediaControl {
  #decoded = new Map();
  #context = null;
  #fileName = '';
  #open = null;
  #source = null;

  // Fetches and decodes the wave files.
  prepare(fileNames) {
    const decoder = new OfflineAudioContext(1, 1, 44100);
    for (const name of fileNames) {
      fetch(name)
        .then((response) => (response.ok ? response.arrayBuffer() : Promise.reject(new Error(response.statusText))))
        .then((bytes) => decoder.decodeAudioData(bytes))
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

  // Started within the click that asked for it, where the browser lets sound start at all.
  #sound() {
    if (!this.#open)
      return;
    this.#context ??= new AudioContext();
    const source = new AudioBufferSourceNode(this.#context, { buffer: this.#open });
    source.connect(this.#context.destination);
    this.#source = source;
    if (this.#context.state === 'running') {
      source.start();
      return;
    }
    const clicked = performance.now();
    this.#context.resume().then(() => {
      if (this.#source === source && performance.now() - clicked <= latestStartMs)
        source.start();
    }, () => {});
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
