// The program's own engine, compiled to WebAssembly with the chimes' generator: loaded from the
// address that the page preloads it from, or from the page itself, where the one-file page holds it
// in base64. Resolves to the engine's functions; rejects where it cannot load.
export async function loadEngine(source) {
  const code = source.href
    ? await fetch(source.href).then((response) => (response.ok ? response.arrayBuffer() : Promise.reject(new Error(response.statusText))))
    : Uint8Array.from(atob(source.text), (c) => c.charCodeAt(0));
  const { instance } = await WebAssembly.instantiate(code, {
    env: { emscripten_notify_memory_growth() {} },
    wasi_snapshot_preview1: { proc_exit(status) { throw new Error(`the engine stopped with ${status}`); } },
  });
  const engine = instance.exports;
  engine._initialize();
  const memory = () => new Uint8Array(engine.memory.buffer); // anew after each call: the memory may have grown
  const give = (text) => {
    const bytes = new TextEncoder().encode(text);
    memory().set(bytes, engine.textBuffer(bytes.length));
  };
  const read = (at) => {
    const bytes = memory();
    return new TextDecoder().decode(bytes.subarray(at, bytes.indexOf(0, at)));
  };
  return {
    readStartValue: (text) => {
      give(text);
      return engine.readStartValue();
    },
    isAcceptedStart: (value) => Boolean(engine.isAcceptedStart(value)),
    formatValue: (value) => read(engine.formatValue(value)),
    sequenceText: (start) => read(engine.sequenceText(start)),
    // The chime that the desktop's wave file of that name holds: its 16-bit samples and their rate.
    chime: (fileName) => {
      give(fileName);
      const at = engine.renderChime();
      return { samples: new Int16Array(engine.memory.buffer, at, engine.chimeLength()).slice(), sampleRate: engine.chimeSampleRate() };
    },
  };
}
