// The chimes over Web Audio, from the samples of the engine's generator, the same that writes the
// desktop's wave files. The audio context is made at the first chime, inside its click: made at
// start-up it can hold the page for half a second where the sound device answers slowly. A new
// chime cuts off the one still sounding. One that the browser's sound cannot start within a few
// seconds of its click (Firefox takes up to two to open its sound device, and never opens one where
// there is none) is passed over, as is one asked for before the engine is there: a chime long after
// its click would only confuse. Nothing here waits.
//
// The chimes follow an iPad's silent switch (an "ambient" session, which is also what Safari gives
// Web Audio unless a page asks for playback): in a classroom, a tablet that has been silenced must
// stay silent, and a chime only repeats what the window already shows.
const latestStartMs = 3000;

export function chimePlayer(engine) {
  if (navigator.audioSession)
    navigator.audioSession.type = 'ambient';
  let context;
  let sounding;
  const buffers = new Map();
  let loaded;
  engine.then((functions) => { loaded = functions; }, () => {});

  const buffer = (fileName) => {
    if (!buffers.has(fileName)) {
      const { samples, sampleRate } = loaded.chime(fileName);
      const audio = new AudioBuffer({ length: samples.length, sampleRate, numberOfChannels: 1 });
      audio.copyToChannel(Float32Array.from(samples, (sample) => sample / 32768), 0);
      buffers.set(fileName, audio);
    }
    return buffers.get(fileName);
  };

  return {
    play(fileName) {
      sounding?.stop();
      sounding = null;
      if (!loaded)
        return;
      context ??= new AudioContext();
      const source = new AudioBufferSourceNode(context, { buffer: buffer(fileName) });
      source.connect(context.destination);
      source.start();
      sounding = source;
      if (context.state !== 'running') {
        context.resume().catch(() => {});
        setTimeout(() => context.state === 'running' || source.disconnect(), latestStartMs);
      }
    },
  };
}
