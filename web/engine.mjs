// The program's own engine, compiled to WebAssembly (collatz.mjs and collatz.wasm): resolves to its
// functions, or rejects where it cannot load (no WebAssembly, a file blocked or missing).
export function loadEngine() {
  return import('./collatz.mjs').then((module) => module.default()).then((engine) => ({
    readStartValue: (text) => engine.readStartValue(text),
    isAcceptedStart: (value) => engine.isAcceptedStart(value),
    formatValue: (value) => engine.formatValue(value),
    // Runs n down to 1, calling stepReport with the whole sequence text after every step (put
    // together here from what each step added); returns the final n and text.
    runSequence: (n, stepReport) => {
      let sequenceText = '';
      return engine.runSequence(n, (added) => stepReport(sequenceText += added));
    },
  }));
}
